#pragma once

#include <QString>
#include <QStringList>

#include "engine/exporter.h"

namespace harbex {

class THarbexZoDi;

// A backup run: builds the backup list the way the set chooses its files (folders and filters,
// the files picked in the browser, or the common file types) and exports it.
class BackupRun {
  public:
    explicit BackupRun(THarbexZoDi& z) : z_(z) {}

    // "Backup All", "Start Backup" and the end of a countdown (no sender).
    void DoAllClick(RunSender sender);

    // Files of a browser or common-files list that were gone when a compressed run packed the
    // list: the archive lacks them, and the export lists them with the files it did not find.
    QStringList MissingSources;

  private:
    // False when the run must not go on (a folder of the set could not be read, or the program
    // is closing).
    bool buildBackupList();
    // The lines of the set's side file with that extension become the backup list; a missing
    // file leaves the list as it was.
    void useSideFile(const QString& extension);
    // Searches the roots again for the checked common file types.
    bool searchCommonFiles();

    THarbexZoDi& z_;
    bool running_ = false;
};

}  // namespace harbex
