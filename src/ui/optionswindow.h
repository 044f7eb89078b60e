#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;

namespace harbex {

class THarbexZoDi;

// A read-only view of the set, its summary, the sequence list and the diagnostics, shown where
// the program opens its Options pages.
class TextWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TextWindow(THarbexZoDi& z);
    // Brings the window up on a page ("Daily Folders", "Drives", "Summary", "Backup Set",
    // "Sequence List", "Diags"; other pages show the set).
    void showTab(const QString& tab);
    void refresh();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    THarbexZoDi& z_;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QPlainTextEdit* setText_ = nullptr;
    QPlainTextEdit* backupSet_ = nullptr;
    QPlainTextEdit* dailyFolders_ = nullptr;
    QPlainTextEdit* drives_ = nullptr;
    QTableWidget* sequence_ = nullptr;
    QListWidget* diags_ = nullptr;
};

}  // namespace harbex
