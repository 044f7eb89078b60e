#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;

// How a collection ended. A run goes on after Collected and after NothingToCollect (the set has
// no filters or no folders, the backup list keeps its earlier content); it must stop after
// FolderUnreadable, because the list would silently miss a whole folder.
enum class CollectResult { Collected, NothingToCollect, FolderUnreadable };

// Turns the set's folders and filters into the backup list, in a fixed order: by filter, then
// by folder, then by name; later files with a name seen before become numbered copies.
class Collector {
  public:
    explicit Collector(THarbexZoDi& z) : z_(z) {}

    CollectResult CollectClick();
    // Widens DirSource by every sub-folder, at every depth, after the set's own folders.
    void ExpandSubfolders();
    // Appends the matches of one filter in one folder to collectset. Returns false, after
    // telling the user (or the run log in sequencing mode), when the folder cannot be read.
    bool CollectFilterInFolder(int filter, int folder);
    // Appends collectset, read from its end, to BackupSet; returns the number of entries handled.
    int BuildBackupList();
    // The immediate sub-folders of a folder, full paths, in name order.
    QStringList ListSubfolders(const QString& folder);

    // One step of the progress bar CheckBar (0 to 30 in steps of 10, then round again).
    void advanceCheckBar();

  private:
    bool collectAllFilters();
    void reportUnreadableFolder(const QString& folder, const QString& error);
    // The renamed copy of a later file whose name was seen before; false when it cannot be made.
    bool addRenamedCopy(const QString& path, const QString& name, int counter);
    // How many leading entries of DirSource are the set's own folders, before an expansion.
    int ownFolderCount() const;

    THarbexZoDi& z_;
};

}  // namespace harbex
