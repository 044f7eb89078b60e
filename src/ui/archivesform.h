#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace harbex {

class ArchiveNamesList;

// "Named Archives List": shows the archive names table and runs its commands. Created hidden
// when the program starts and shown modally when needed; the table itself is ArchiveNamesList.
class TArchivesForm : public QDialog {
    Q_OBJECT
  public:
    TArchivesForm(ArchiveNamesList& names, QWidget* parent = nullptr);

    // Shows the table and the status panels as they are now.
    void refresh();
    // The selected row, or -1.
    int selectedRow() const;

    QTreeWidget* Archives = nullptr;
    QPushButton* ClearBtn = nullptr;
    QPushButton* editBtn = nullptr;
    QPushButton* LoadBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* Saveasbtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* ExitBtn = nullptr;  // "Accept"
    QLabel* SBarCount = nullptr;
    QLabel* SBarPath = nullptr;

    // Cancel and the Escape key leave with Cancel; the close box also leaves with Cancel but
    // still offers to save.
    void reject() override;
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void run(void (ArchiveNamesList::*handler)());
    ArchiveNamesList& names_;
    bool closingByBox_ = false;
};

}  // namespace harbex
