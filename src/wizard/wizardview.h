#pragma once

#include <QStackedWidget>
#include <array>

#include "app/options/optionsbinder.h"
#include "wizard/wizardpages.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace harbex {

class THarbexZoDi;

// One page of the wizard: its heading, what it asks, and its buttons (Help, Last, Cancel, Next).
// What it asks is built by the page group it belongs to and placed in body(); setContent()
// replaces it with a widget built elsewhere.
class WizardPage : public QWidget {
    Q_OBJECT
  public:
    WizardPage(THarbexZoDi& z, OptionsBinder& b, int index);

    int index() const { return index_; }
    QVBoxLayout* body() const { return body_; }
    // Shows this widget between the heading and the buttons instead of what is there.
    void setContent(QWidget* content);

    QLabel* Header = nullptr;
    QPushButton* Help = nullptr;
    QPushButton* Last = nullptr;
    QPushButton* Cancel = nullptr;  // page 14 has none
    QPushButton* Next = nullptr;

  protected:
    // The background picture, drawn stretched over the page while the wizard holds it.
    void paintEvent(QPaintEvent* event) override;

  private:
    THarbexZoDi& z_;
    int index_;
    QWidget* content_ = nullptr;
    QVBoxLayout* body_ = nullptr;
};

// The wizard's pages in their positions, laid over the main window's middle while the wizard is
// in use. Its widgets show the model and the wizard's state; they own no value of their own.
class WizardView : public QStackedWidget {
    Q_OBJECT
  public:
    explicit WizardView(THarbexZoDi& z);

    WizardPage* page(int index) const;
    // Fills every widget and shows the active page, without running any handler.
    void refresh();
    OptionsBinder& binder() { return binder_; }

  private:
    THarbexZoDi& z_;
    OptionsBinder binder_;
    std::array<WizardPage*, kWizardPageCount> pages_{};
};

// What the page groups put on their pages.
void BuildSourcePages(WizardView& view, THarbexZoDi& z, OptionsBinder& b);
void BuildDestinationPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b);
void BuildCompressionPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b);
void BuildCommonFilesPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b);
void BuildSchedulePages(WizardView& view, THarbexZoDi& z, OptionsBinder& b);
// A line of text on a page.
QLabel* PageText(const QString& text);
// A titled box of radio buttons for one choice; the box is named after the choice + "Box".
QGroupBox* ChoiceBox(OptionsBinder& b, const QString& title, const QString& name,
                     const QStringList& captions, OptionsBinder::Number get,
                     std::function<void(int)> set);

}  // namespace harbex
