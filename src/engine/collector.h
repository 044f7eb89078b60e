#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/progresspacer.h"
#include "platform/filesystem.h"

namespace harbex {

class THarbexZoDi;

// How a collection ended. A run goes on after Collected and after NothingToCollect (the set has
// no filters or no folders, the backup list keeps its earlier content); it must stop after
// FolderUnreadable, because the list would silently miss a whole folder the set names, and after
// Stopped (the program is closing).
enum class CollectResult { Collected, NothingToCollect, FolderUnreadable, Stopped };

// Turns the set's folders and filters into the backup list, in a fixed order: by filter, then
// by folder, then by name; later files with a name seen before become numbered copies.
// Sub-folders found by the scan that cannot be read, the temporary folder, and names that have
// no path form here are left out with a line in the run log; the rest is backed up.
class Collector {
  public:
    explicit Collector(THarbexZoDi& z) : z_(z), pacer_(z) {}

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
    // The real folders the scan has reached, so that a link back up the tree is not followed
    // round and round.
    struct Visits {
        QSet<FolderIdentity> seen;
        std::optional<FolderIdentity> temporary;
    };
    CollectResult collectAllFilters();
    void reportUnreadableFolder(const QString& folder, const QString& error);
    // One run log line per thing left out, however often the collection meets it.
    void skipped(const QString& line);
    // Sub-folder names of a folder in name order; false with the reason when it cannot be read.
    // During a collection the folder's file names are kept from the same listing.
    bool subfolderNames(const QString& folder, QStringList* names, QString* error);
    // The names of the files in a folder that match a filter, in name order.
    bool matchingFiles(const QString& folder, const QString& filter, QStringList* names,
                       QString* error);
    // The sub-folders of a folder that the scan has not reached yet, full paths.
    QStringList newSubfolders(const QString& folder, bool ownFolder, Visits& visits);
    bool isTemporaryFolder(const QString& folder);
    bool isOwnFolder(int folder) const;
    // The renamed copy of a later file whose name was seen before; false when it cannot be made.
    bool addRenamedCopy(const QString& path, const QString& name, int counter);
    // How many leading entries of DirSource are the set's own folders, before an expansion.
    int ownFolderCount() const;

    THarbexZoDi& z_;
    ProgressPacer pacer_;
    QSet<QString> reported_;
    // While a collection runs: each folder is listed once, whatever the number of filters, and
    // the temporary folder is looked up once.
    bool collecting_ = false;
    QHash<QString, QStringList> fileNames_;
    std::optional<std::optional<FolderIdentity>> temporary_;
};

}  // namespace harbex
