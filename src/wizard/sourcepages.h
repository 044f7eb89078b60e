#pragma once

#include <QString>
#include <QStringList>

class QTreeWidgetItem;

namespace harbex {

class THarbexZoDi;
class FolderTree;
class Wizard;

// Pages 1 to 5 of the wizard: what the set takes as its source (folders and filters, files
// picked one by one, or common file types), the source folder tree and the filter editor; also
// the browse step, the browser mode switch and the sub-folder conflict check.
class SourcePages {
  public:
    explicit SourcePages(THarbexZoDi& z) : z_(z) {}

    void Page1nextClick();
    void Page2nextClick();
    void Page3NextClick();
    void Page4NextClick();
    void Page5NextClick();

    // Page 4: the drive selector, the folder tree and the folder list.
    void SourceFolderDriveChange();
    void FoldersExpanding(QTreeWidgetItem* node);
    void FoldersClick();
    void DeleteFolderClick();
    void DeleteAllClick();
    // Runs whenever "Look in sub folders" changes state.
    void RecurseClick();

    // Page 5: the filter editor.
    void AddFilterClick();
    void DelFilClick();
    void ValidFiltersbtnClick();
    void NewFilterExit();
    void NewFilterKeyPress(QChar key);
    // Runs whenever "All files" changes state.
    void AllFilesClick();

    // Runs whenever "Choose files with browser" changes state.
    void usebrowserClick();
    // The browse step, from page 3 and from the toolbar.
    void FileBrowserBtnClick();

    // The one setter of each check box whose change has handling: the handling runs only when
    // the state really changes, as a click on the box would.
    void setAllFiles(bool checked);
    void setUsebrowser(bool checked);
    void setRecurse(bool checked);

    // What the pages show besides the set's own fields.
    QString Line1, Line2, Line3;
    QString NewFilter;
    bool NewFilterVisible = false;
    bool NewFilterFocus = false;  // the box takes the keyboard focus at the next showing
    bool AddFilterEnabled = true;
    bool DelFilEnabled = true;
    int FilterListIndex = -1;                    // the selected filter
    int DirSourceIndex = -1;                     // the selected folder
    QString sourcedrives = QStringLiteral("C");  // the drive letter the selector shows
    // The last browse step's browser was not closed with OK.
    bool BrowserCancelled = false;
    // The source folder tree, made by the page.
    FolderTree* Folders = nullptr;

  private:
    Wizard& wizard();
    void folderAndFilterLines();
    THarbexZoDi& z_;
    bool recurseAttached_ = true;
};

}  // namespace harbex
