#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

#include "app/progresspacer.h"

namespace harbex {

class THarbexZoDi;
class CopyTarget;

// Who started a backup run or an export. Only the Backup All command starts the report on an
// empty run log; the menu's Start Backup, the Export Files command and the end of a countdown
// (no sender) add to the log as it is.
enum class RunSender { None, BackupAll, StartBackup, ExportCommand };

// The export step: copies every file of the backup list to the daily folder of the day on each
// active drive and to the specific folders on that drive, logs one line per copy, checks every
// copy, adds the report to the run log and ends the run.
class Exporter {
  public:
    explicit Exporter(THarbexZoDi& z);
    ~Exporter();

    void ExportFiles(RunSender sender);
    // Whether an export is in progress (a second one is not started inside it).
    bool running() const { return running_; }

  private:
    // One logged copy and what became of it; validation looks at these and at nothing else.
    struct CopyLine {
        qsizetype logIndex = -1;
        QString text;
        QString destination;
        QString hostDestination;
        bool renamed = false;
        bool copied = false;
        qint64 bytes = 0;
    };
    void nothingCollected();
    void exportBackupList();
    void reportAbortedCheck();
    void logDrivesTakenOut(const QStringList& before);
    void exportToDrive(const QString& drive, const QStringList& list);
    // A file to copy: where it is on this machine and how big it was when looked at.
    struct Source {
        QString host;
        qint64 size = 0;
    };
    // The host path of a backup list entry, found once for all drives.
    const QString& sourceHost(qsizetype index, const QString& entry);
    // Copies one file into a folder and logs the copy line; false when the copy failed.
    bool copyTo(const QString& entry, const Source& source, const QString& folder,
                const QString& kind, bool renamed);
    bool copyFile(const Source& source, const QString& destinationHost, qint64* bytes,
                  QString* reason);
    CopyTarget& target(const QString& folder);
    void deleteTemporaries(const QStringList& list);
    void writeReport();
    void validate(int* done, int* failed, int* renamed);
    void endOfRun();

    THarbexZoDi& z_;
    bool running_ = false;
    std::vector<CopyLine> lines_;
    QHash<QString, std::shared_ptr<CopyTarget>> targets_;
    std::vector<QString> sourceHosts_;
    std::atomic<bool> cancel_{false};
    ProgressPacer pacer_;
};

}  // namespace harbex
