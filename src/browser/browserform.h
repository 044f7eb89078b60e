#pragma once

#include <QDialog>
#include <QTreeWidget>
#include <functional>

class QComboBox;
class QHeaderView;
class QLabel;
class QMenu;
class QSplitter;
class QToolButton;

namespace harbex {

// The list of picked files: it takes drops from the browser's two file lists.
class PickedList : public QTreeWidget {
  public:
    std::function<bool(QObject* source)> dragOver;
    std::function<void()> dragDrop;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The file browser: a folder tree and the files of the current folder on the left, the files
// picked for the backup on the right. Its result is Accepted when it was closed by Done and
// Rejected otherwise (Cancel, Escape, the close box), whatever was picked.
class TBrowser : public QDialog {
    Q_OBJECT
  public:
    explicit TBrowser(QWidget* parent = nullptr);

    QComboBox* DriveComboBox1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QSplitter* Splitter1 = nullptr;  // holds tree, files and picked files; its two handles
    QTreeWidget* SourceView = nullptr;
    PickedList* DestView = nullptr;
    QHeaderView* Header = nullptr;
    QLabel* SBar[2] = {nullptr, nullptr};
    QToolButton* ToolButton3 = nullptr;  // "Done"
    QToolButton* CancelButton = nullptr;
    QToolButton* ToolButton1 = nullptr;  // "Select All"
    QToolButton* ToolButton2 = nullptr;  // "Clear All"
    QMenu* SrcPopup = nullptr;
    QAction* selectforBackup1 = nullptr;
    QMenu* DestPopup = nullptr;
    QAction* RemoveSelection1 = nullptr;
    QAction* ClearAll1 = nullptr;

    // ---- handlers ----
    void FormCreate();
    void FormActivate();
    void FormClose();
    void DriveComboBox1Change();
    void TreeView1Expanding(QTreeWidgetItem* node);
    void TreeView1Click();
    void SourceViewClick();
    void SourceViewDblClick();
    void SourceViewColumnClick();
    bool DestViewDragOver(QObject* source) const;
    void DestViewDragDrop();
    void DestViewClick();
    void selectforBackup1Click();
    void RemoveSelection1Click();
    void ClearAll1Click();
    void ToolButton1Click();
    void AcceptBtnClick();
    void CancelButtonClick();
    void SplitterMoved();

    // ---- for the one who shows the window ----
    // Adds a picked file as a ".brw" list names it: the path only. A file that is not there
    // any more is marked as missing rather than left out, so that the user sees it.
    void addListedFile(const QString& path);
    // The picked files' paths, in the list's order.
    QStringList pickedFiles() const;
    QString currentFolder() const { return currentFolder_; }
    // Opens the tree down to a folder (program path) and shows its files; false when the
    // folder is not in the tree.
    bool openFolder(const QString& folder);
    // Escape: as Cancel.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildToolBar();
    void buildLists();
    void buildMenus();
    void connectHandlers();
    void fillDrives();
    void fillNode(QTreeWidgetItem* node);
    QString nodePath(const QTreeWidgetItem* node) const;
    void refillSourceView();
    static void sortByName(QList<QTreeWidgetItem*>& items, bool ascending);
    void updateStatus();
    void pickSelected();
    QTreeWidgetItem* pickedEntry(const QString& path) const;

    QString currentFolder_ = QStringLiteral("C:");
    QString shownDrive_;
    bool accepted_ = false;
    bool sortAscending_ = false;
    bool closing_ = false;
};

}  // namespace harbex
