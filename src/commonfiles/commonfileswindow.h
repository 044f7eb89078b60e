#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace harbex {

class THarbexZoDi;
class FileTypesPage;
class SearchPage;

// The two common-files pages in a window of their own, as the Common FileTypes tab's "Wizard"
// button opens them: the file types, then the roots, the search and the files found. Next on
// the first page and Done on the second run the pages' own handlers; changes are made to the
// set at once, as everywhere else.
class CommonFilesWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CommonFilesWindow(THarbexZoDi& z, QWidget* parent = nullptr);
    ~CommonFilesWindow() override;

    void showPage(int page);  // 16 or 17
    int page() const { return page_; }
    void NextClick();
    // A running search is stopped before the window closes.
    void reject() override;

    FileTypesPage* Page16 = nullptr;
    SearchPage* Page17 = nullptr;
    QPushButton* Next = nullptr;
    QPushButton* Cancel = nullptr;

  private:
    THarbexZoDi& z_;
    QLabel* heading_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    int page_ = 16;
};

// The tab's "Wizard" button: the pages open on the first one, and page 17's Done ends the edit.
void OpenCommonFilesPages(THarbexZoDi& z);

}  // namespace harbex
