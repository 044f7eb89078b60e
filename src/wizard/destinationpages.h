#pragma once

#include <QString>

class QTreeWidgetItem;

namespace harbex {

class THarbexZoDi;
class FolderTree;
class Wizard;

// Pages 6, 7, 15 and 8 of the wizard: where the backups go (daily folders, specific folders or
// both), which drives are active, and the specific folders chosen from a folder tree.
class DestinationPages {
  public:
    explicit DestinationPages(THarbexZoDi& z) : z_(z) {}

    void Page6NextClick();
    void Page7NextClick();
    void Page8NextClick();
    void Page15NextClick();

    // The destination tree of page 8.
    void FillDestinationDrives();
    void DestFolderDriveChange();
    void DestFoldersExpanding(QTreeWidgetItem* node);
    void DestFoldersClick();
    void DeletedestbtnClick();
    void cleardestbtnClick();
    void CreateFolderBtnClick();
    // Page 15's "Find Drives".
    void FinddrivesbtnClick();

    int DestListIndex = -1;  // the selected destination folder
    FolderTree* DestFolders = nullptr;

  private:
    Wizard& wizard();
    void addCurrentFolder();
    THarbexZoDi& z_;
};

}  // namespace harbex
