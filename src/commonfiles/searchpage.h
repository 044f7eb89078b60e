#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace harbex {

class THarbexZoDi;
class DirListBox;

// What the second common-files page shows: the drive selector and folder list to choose roots
// from, the roots (RootList), the search with its progress and its abort button, the files found
// (CListBox1) with their count (FFound), and the ReCheck option. The lists show the set and the
// window state; the buttons run the subsystem's handlers with the lists' selections.
class SearchPage : public QWidget {
    Q_OBJECT
  public:
    explicit SearchPage(THarbexZoDi& z, QWidget* parent = nullptr);

    // Fills the lists and labels from their owners, without running a handler.
    void refresh();

    QComboBox* DriveComboBox2 = nullptr;
    DirListBox* DirListBox1 = nullptr;
    QListWidget* RootList = nullptr;
    QListWidget* CListBox1 = nullptr;
    QLabel* FFound = nullptr;
    QLabel* SearchProgress = nullptr;
    QCheckBox* Recheck2 = nullptr;
    QPushButton* Addfolderbtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* SearchBtn = nullptr;
    QPushButton* AbortSearchBtn = nullptr;
    QPushButton* deletefilebtn = nullptr;
    QPushButton* Clearfilesbtn = nullptr;

  private:
    QPushButton* button(const QString& name, const QString& caption, const QString& hint);
    THarbexZoDi& z_;
};

}  // namespace harbex
