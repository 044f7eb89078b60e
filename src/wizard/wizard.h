#pragma once

#include <QString>
#include <array>
#include <memory>

namespace harbex {

class THarbexZoDi;
class SourcePages;
class DestinationPages;
class CompressionPages;
class SchedulePages;

// The set-up wizard: seventeen pages laid over the main window that edit the loaded set in a
// guided order. This class holds the navigation (which page shows, the pages left by Next, the
// single-page edits opened from the Options panel) and the end of the wizard with its prompt;
// the pages' own handlers live in the page classes.
class Wizard {
  public:
    explicit Wizard(THarbexZoDi& z);
    ~Wizard();

    // Starts the wizard at page 1 (after asking a new set's name).
    void WizardBtnClick();
    // Shows the wizard on a page (a position, see WizardPageIndex).
    void ShowWizardPage(int index);
    // Every switchable page gets its normal Next ("Next", page 14 "Finish") and Last again.
    void ResetWizardButtons();
    // Hides the wizard and lets its background go.
    void CloseWizard();
    // The Last button of every page.
    void PageBackClick();
    // An Options tab's button opens one page by itself; the tag is the page's position.
    void JumpToWizardClick(int tag);
    // Every Cancel button and Finish: ends the wizard with the end prompt.
    void WizardCancel();
    // The program became the active application again.
    void ApplicationActivated();
    // Shows the active page again when the wizard is on screen (after a dialog of its own).
    void showActivePageAgain();

    // The Next button of the page at a position runs that page's handler.
    void NextClick(int index);
    // A Next that passed its checks records the page it leaves. When the history is full the
    // oldest entry goes, so nothing is ever written past its end.
    void pushHistory(int index);
    // A page handler's closing path without the prompt: closes, leaves the single-page edit and
    // restores the buttons.
    void closeWithoutPrompt();
    // A page's list is empty: OK stays on the page, any other answer quits the wizard without
    // the prompt, the edits kept.
    void askForAnEntry(const QString& question, int helpTopic, int page);
    // A Next that passed its checks: records the page, then ends a single-page edit or shows
    // the next page.
    void doneOrNext(int page, int nextPage);
    // Composes the set text and writes it over the file at path; false when it could not be
    // written (the error has been shown).
    bool composeAndSave(const QString& path);

    bool visible() const { return visible_; }
    int activePage() const { return active_; }
    // Next reads "Done" and Last is hidden on every switchable page.
    bool DoneButtons = false;
    QString nextCaption(int index) const;
    bool lastVisible(int index) const;

    static constexpr int kHistorySize = 17;
    std::array<int, kHistorySize> PageHistory{};
    int PageHistoryCount = 0;
    bool BackgroundLoaded = false;
    QString Page1Header;
    // The folder last selected in the source or destination folder tree.
    QString CurrentTreeFolder;
    // The common-files end marker: 1 while the common-files pages were opened from the Common
    // FileTypes tab, so that page 17's Next ends the edit.
    int Page17NextTag = 0;

    SourcePages& sources() { return *sources_; }
    DestinationPages& destinations() { return *destinations_; }
    CompressionPages& compression() { return *compression_; }
    SchedulePages& schedule() { return *schedule_; }

  private:
    bool askNewSetName();
    void endPrompt();
    void discardChoice();
    // Each returns false when the set could not be written: the end stops there.
    bool saveChoice();
    bool updateChoice();
    void sequencingQuestion();
    // The Next of a common-files page: where the page's handler leads.
    void commonFilesNext(int index);
    THarbexZoDi& z_;
    std::unique_ptr<SourcePages> sources_;
    std::unique_ptr<DestinationPages> destinations_;
    std::unique_ptr<CompressionPages> compression_;
    std::unique_ptr<SchedulePages> schedule_;
    bool visible_ = false;
    int active_ = 0;
};

}  // namespace harbex
