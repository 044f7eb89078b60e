#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "commonfiles/search.h"

namespace harbex {

class THarbexZoDi;

// Where a Next button of the common-files pages leads.
enum class PageStep {
    ShowPage16,   // stay: the page's check failed
    ShowPage17,   // on to the search page
    ShowPage6,    // on to the destinations
    CloseWizard,  // the edit is over: close the wizard and reset its buttons
};

// The common-files subsystem: the file type groups chosen, the search roots, the search and its
// ".dlf" list, and the commands of the Common FileTypes tab. The set's fields live in the model
// (FileTypes, RootList, ReCheck) and the window state (CListBox1, FFound); this class holds the
// handlers and the state of a running search. changed() tells the views to show the state again.
class CommonFiles : public QObject {
    Q_OBJECT
  public:
    explicit CommonFiles(THarbexZoDi& z);

    // At program start: the group check boxes get their captions with the extension lists.
    void SetFileTypeCaptions();

    // Page 16
    void ClearbtnClick();
    PageStep Page16nextClick();
    // Page 17; the lists' selections are passed as the rows (or folders) selected.
    void GetFolder(const QStringList& selectedFolders);
    void DeleteBtnClick(const QList<int>& selectedRoots);
    void SearchBtnClick();
    void deletefilebtnClick(const QList<int>& selectedFiles);
    void ClearfilesbtnClick();
    PageStep Page17NextClick();
    void ReCheckExecute();

    // A running search stops at its next entry and leaves the found list and the ".dlf" file as
    // they were before it.
    void AbortSearch();
    bool searching() const { return searching_; }
    // "Folders searched 120, files found 35" while a search runs or after it ended; empty before
    // the first search.
    QString progressText() const;

    // The Common FileTypes tab and the menu.
    void BackupCommonBtnClick();
    void Documents1Click();

    // How the pages are shown again after a message ("show page 16/17 again"): the wizard that
    // hosts them sets it.
    std::function<void(int page)> showWizardPage;

  signals:
    void changed();

  private:
    void showPage(int page);
    void setFound(const QStringList& files);
    void runSearch(QStringList& results, QStringList& errors, bool* completed);
    void reviewErrors(const QStringList& errors);
    // Writes the found list to the set's ".dlf" file; a failure is reported.
    bool saveFoundList();

    THarbexZoDi& z_;
    bool searching_ = false;
    bool searched_ = false;
    bool abort_ = false;
    SearchTally tally_;
};

}  // namespace harbex
