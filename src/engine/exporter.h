#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
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

// What one export achieved, for those who report a run elsewhere than in the log (the headless
// run's exit code and output, the desktop notification). Counted whether or not logging is on.
struct ExportOutcome {
    int done = 0;           // copies that validated
    int failed = 0;         // copies that did not
    int renamed = 0;        // copies of renamed duplicates
    int notFound = 0;       // backup list entries that were missing when a drive was served
    bool exported = false;  // an export ran to its end
    bool nothingCollected = false;
    bool aborted = false;  // the drive check stopped the export before any copy
    QStringList report;    // the export's own lines of the RunLog, as they were validated
    bool allCopiesGood() const {
        return !nothingCollected && !aborted && failed == 0 && notFound == 0 && done > 0;
    }
};

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
    // The outcome of the last export.
    const ExportOutcome& lastOutcome() const { return outcome_; }
    // A run that may stop before its export starts from no outcome.
    void forgetOutcome() { outcome_ = {}; }
    // Runs after the copies of an export and before they are checked: the moment another program
    // could change a copy behind the export's back.
    std::function<void()> onCopiesMade;

  private:
    // One logged copy and what became of it; validation looks at these and at nothing else.
    struct CopyLine {
        qsizetype logIndex = -1;
        QString text;
        QString destination;
        QString hostDestination;
        QString hostSource;
        bool renamed = false;
        bool copied = false;
        bool contentOk = true;  // read back and equal to its source, when that is checked
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
    // Runs work on a worker thread for files of a size worth it, keeping the window alive.
    void runSized(qint64 size, const std::function<void()>& work);
    // Reads every copy back and compares it with its source ("Verify copies by content").
    void verifyContent();
    QByteArray contentHash(const QString& host, qint64 size);
    CopyTarget& target(const QString& folder);
    void deleteTemporaries(const QStringList& list);
    void writeReport();
    void validate();
    void endOfRun();

    THarbexZoDi& z_;
    bool running_ = false;
    std::vector<CopyLine> lines_;
    QHash<QString, std::shared_ptr<CopyTarget>> targets_;
    std::vector<QString> sourceHosts_;
    std::atomic<bool> cancel_{false};
    ProgressPacer pacer_;
    ExportOutcome outcome_;
};

}  // namespace harbex
