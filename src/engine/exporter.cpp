#include "engine/exporter.h"

#include <QDateTime>
#include <QSet>
#include <algorithm>

#include "app/harbexzodi.h"
#include "drives/dailyfolders.h"
#include "drives/drivelists.h"
#include "engine/backuprun.h"
#include "engine/collector.h"
#include "log/runlogbook.h"
#include "platform/filecopy.h"
#include "platform/filehash.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/setcommands.h"
#include "util/datetimetext.h"
#include "util/stringutils.h"
#include "util/utils.h"
#include "util/weekdays.h"

namespace harbex {
namespace {

const QString kSeparator = QStringLiteral("---------------");
// Files this size and larger are copied on a worker thread, so that the window stays alive
// however long one copy takes; smaller ones are done before a click could notice.
constexpr qint64 kWorkerCopySize = 4 << 20;
// How often the status bar is drawn during a long copy.
constexpr int kStatusIntervalMs = 200;

// The source, padded with blanks to 40 characters, so that the destinations line up.
QString SourceColumn(const QString& source) {
    return source.size() >= 40 ? source : source + QString(40 - source.size(), u' ');
}

// The drive a path lies on, as the copy order compares them: "X:" or "\\SERVER\SHARE".
QString DrivePart(const QString& path) {
    const ProgramPathParts parts = SplitProgramPath(path);
    if (!parts.drive.isNull()) return QString(parts.drive) + u':';
    if (parts.isNetwork()) return QStringLiteral("\\\\") + parts.server + u'\\' + parts.share;
    return QString();
}

QString NowText() {
    const QDateTime now = Now().now();
    return WeekdayName(WeekdayNumber(now.date())) + u' ' + DateText(now.date()) +
           QStringLiteral(": ") + TimeText(now.time());
}

}  // namespace

Exporter::Exporter(THarbexZoDi& z) : z_(z), pacer_(z) {}
Exporter::~Exporter() = default;

void Exporter::ExportFiles(RunSender sender) {
    // A second export started from inside this one (a click or a timer during a copy) would
    // change the lists this one is walking.
    if (running_) return;
    running_ = true;
    const THarbexZoDi::RunScope scope(z_);
    if (sender == RunSender::BackupAll) {
        z_.ReportStart = 0;
        z_.ReportEnd = 1;
        z_.log().StartFreshReport();
    }
    outcome_ = {};
    const qsizetype firstLine = z_.log().RunLog.size();
    z_.sets().RefreshOptions();
    z_.view.CheckBar = 0;
    if (z_.BackupSet.isEmpty())
        nothingCollected();
    else
        exportBackupList();
    // A Clear Log during the run may have taken lines away; the report is what is left of it.
    const QStringList& runLog = z_.log().RunLog;
    outcome_.report = runLog.mid(std::min(firstLine, runLog.size()));
    outcome_.exported = true;
    endOfRun();
    running_ = false;
}

void Exporter::nothingCollected() {
    outcome_.nothingCollected = true;
    if (!z_.settings.SequencingMode)
        Prompts().message(QStringLiteral("Export Failed No files Collected"));
    z_.log().add(z_.busFile() + u' ' + NowText() +
                 QStringLiteral(" Export Failed No files Collected "));
}

void Exporter::exportBackupList() {
    const BackupSetModel& m = z_.model;
    lines_.clear();
    targets_.clear();
    cancel_ = false;
    // The list as it is now: commands run during the copies' pauses may replace BackupSet.
    const QStringList list = z_.BackupSet;
    sourceHosts_.assign(static_cast<size_t>(list.size()), QString());
    z_.collectset = {QStringLiteral("Failed exports")};
    if (m.UseDailyFolders) z_.dailyFolders().SetUpDirsClick();
    const QStringList drivesBefore = m.Drivelist;
    if (!z_.driveLists().CheckDriveConnections()) {
        reportAbortedCheck();
        writeReport();
        return;
    }
    logDrivesTakenOut(drivesBefore);
    RunLogBook& log = z_.log();
    if (z_.settings.EnabLog) {
        log.add(z_.busFile() + u' ' + NowText());
        log.add(QStringLiteral(" "));
    }
    const QStringList drives = m.Drivelist;
    for (qsizetype d = drives.size() - 1; d >= 0 && !z_.StopRequested; --d)
        exportToDrive(drives[d], list);
    if (z_.StopRequested)
        log.add(QStringLiteral("Export stopped: Harbex is closing"));
    else
        WaitMilliseconds(200);
    z_.view.CheckBar = 0;
    if (onCopiesMade) onCopiesMade();
    // Before the temporary files go: their copies are compared with them.
    verifyContent();
    // Only now, when every drive has had every file, may the run's own temporary files go.
    deleteTemporaries(list);
    writeReport();
}

void Exporter::reportAbortedCheck() {
    outcome_.aborted = true;
    const AppSettings& s = z_.settings;
    const QString monitored = QStringLiteral("Backup aborted - Monitored application Error");
    const QString drives = QStringLiteral("Backup aborted - Please check All Mapped drives");
    if (s.MonitorDRUN)
        Prompts().message(monitored);
    else if (s.AbortBox)
        Prompts().message(drives);
    // The report says why nothing was copied, for the user who reads it the next morning.
    if (s.EnabLog) z_.log().add(s.MonitorDRUN ? monitored : drives);
}

void Exporter::logDrivesTakenOut(const QStringList& before) {
    for (const QString& drive : before)
        if (!z_.model.Drivelist.contains(drive))
            z_.log().add(QStringLiteral("DRIVE: ") + drive +
                         QStringLiteral(" could not be reached, nothing was copied to it"));
}

void Exporter::exportToDrive(const QString& drive, const QStringList& list) {
    const BackupSetModel& m = z_.model;
    z_.log().add(QStringLiteral("DRIVE: ") + drive);
    const QString driveKey = DrivePart(drive).toUpper();
    const QString driveHost = Files().toHost(drive);
    const bool daily = m.UseDailyFolders && m.Days[WeekdayNumber(Now().today()) - 1];
    const QString dailyFolder = AddBackslash(drive) + z_.panels.text(0);
    const QSet<QString> renamedCopies =
        z_.DuplicateCopies ? QSet<QString>(z_.DuplicateCopies->begin(), z_.DuplicateCopies->end())
                           : QSet<QString>();
    // The drive is looked at again only when a copy to it fails: a drive that goes away
    // during the run then gets no further copies, without one look at it per file.
    bool driveReady = HostIsFolder(driveHost);
    for (qsizetype i = list.size() - 1; i >= 0 && !z_.StopRequested; --i) {
        const QString& entry = list[i];
        const bool renamed = renamedCopies.contains(entry);
        // Each source is looked at on every drive: it may vanish while another drive is served.
        const Source source{sourceHost(i, entry), HostFileSize(sourceHost(i, entry))};
        if (source.size < 0) {
            // A renamed copy that could not be made is reported by the collection already.
            if (!renamed) {
                z_.collectset << entry;
                ++outcome_.notFound;
            }
            continue;
        }
        if (!driveReady) continue;
        z_.panels.set(4, QStringLiteral("Transfering ") + entry);
        pacer_.step();
        bool copied = true;
        if (daily)
            copied = copyTo(entry, source, dailyFolder, QStringLiteral(": Week Day "), renamed);
        if (m.UseSpecificFolders) {
            for (const QString& destination : m.DestList) {
                if (z_.StopRequested) break;
                if (DrivePart(destination).toUpper() == driveKey)
                    copied = copyTo(entry, source, destination, QStringLiteral(": Specific "),
                                    renamed) &&
                             copied;
                z_.collector().advanceCheckBar();
            }
        }
        if (!copied) driveReady = HostIsFolder(driveHost);
    }
    // Files whose renamed copy could not be made are not in the list, and not backed up.
    for (const QString& missed : z_.MissedDuplicates) {
        z_.collectset << missed;
        ++outcome_.notFound;
    }
    for (const QString& missing : z_.backupRun().MissingSources) {
        z_.collectset << missing;
        ++outcome_.notFound;
    }
}

const QString& Exporter::sourceHost(qsizetype index, const QString& entry) {
    QString& host = sourceHosts_[static_cast<size_t>(index)];
    if (host.isNull()) host = Files().toHost(entry);
    return host;
}

bool Exporter::copyTo(const QString& entry, const Source& source, const QString& folder,
                      const QString& kind, bool renamed) {
    const QString name = FileNameOf(entry);
    const QString destination = AddBackslash(folder) + name;
    CopyTarget& into = target(folder);
    CopyLine line;
    line.destination = destination;
    line.hostSource = source.host;
    line.renamed = renamed;
    QString reason = into.missingReason();
    if (into.exists()) {
        line.hostDestination = into.hostPathFor(name);
        line.copied = copyFile(source, line.hostDestination, &line.bytes, &reason);
    }
    const bool copied = line.copied;
    // Every copy is checked; only a logged one gets a line to mark.
    if (z_.settings.EnabLog) {
        line.text = SourceColumn(entry) + kind +
                    (renamed ? QStringLiteral("RE-NAMED") : QString()) + QStringLiteral(" >") +
                    destination;
        RunLogBook& log = z_.log();
        line.logIndex = log.RunLog.size();
        log.add(line.text);
        // The line itself says FAILED after the check; this says why.
        if (!line.copied) log.add(QStringLiteral("    Not copied: ") + reason);
    }
    lines_.push_back(std::move(line));
    return copied;
}

bool Exporter::copyFile(const Source& source, const QString& destinationHost, qint64* bytes,
                        QString* reason) {
    HostCopyResult result;
    runSized(source.size, [&] { result = CopyHostFile(source.host, destinationHost, &cancel_); });
    if (result.cancelled)
        *reason = QStringLiteral("Harbex was closed during the copy");
    else if (!result.ok)
        *reason = result.error;
    *bytes = result.bytes;
    return result.ok;
}

void Exporter::runSized(qint64 size, const std::function<void()>& work) {
    if (size < kWorkerCopySize) {
        work();
        return;
    }
    CurrentPlatform().waits->runWhileHandlingMessages(
        work,
        [this] {
            // A close asks the work in progress to give up; a copy then leaves the old file.
            if (z_.StopRequested) cancel_ = true;
            z_.panels.repaint();
        },
        kStatusIntervalMs);
}

QByteArray Exporter::contentHash(const QString& host, qint64 size) {
    QByteArray hash;
    runSized(size, [&] { hash = HostFileHash(host, &cancel_); });
    return hash;
}

void Exporter::verifyContent() {
    if (!z_.settings.VerifyContent || z_.StopRequested) return;
    z_.panels.set(4, QStringLiteral("Verifying copies by content"));
    z_.panels.repaint();
    // Each source is read once, however many copies it has.
    QHash<QString, QByteArray> sources;
    for (CopyLine& line : lines_) {
        if (!line.copied) continue;
        if (z_.StopRequested) break;
        auto known = sources.constFind(line.hostSource);
        if (known == sources.constEnd())
            known = sources.insert(line.hostSource, contentHash(line.hostSource, line.bytes));
        const QByteArray copy = contentHash(line.hostDestination, line.bytes);
        // A source that cannot be read back proves nothing about its copy.
        line.contentOk = !known->isEmpty() && *known == copy;
        pacer_.step();
    }
}

CopyTarget& Exporter::target(const QString& folder) {
    auto found = targets_.constFind(folder);
    if (found == targets_.constEnd())
        found = targets_.insert(folder, std::make_shared<CopyTarget>(Files(), folder));
    return **found;
}

void Exporter::deleteTemporaries(const QStringList& list) {
    if (!z_.settings.DelTemps) return;
    QSet<QString> made(z_.TempArchives.begin(), z_.TempArchives.end());
    if (z_.DuplicateCopies)
        made.unite(QSet<QString>(z_.DuplicateCopies->begin(), z_.DuplicateCopies->end()));
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        if (!made.contains(list[i]) || !Files().deleteFile(list[i])) continue;
        const QString text = QStringLiteral("DELETED TEMP FILE ") + list[i];
        z_.panels.set(4, text);
        z_.log().add(text);
        made.remove(list[i]);
    }
}

void Exporter::writeReport() {
    if (!z_.settings.EnabLog) {
        validate();
        return;
    }
    RunLogBook& log = z_.log();
    const QStringList& fails = z_.collectset;
    if (fails.size() > 1) {
        log.add(kSeparator);
        log.add(QStringLiteral("Collect set fails list: Files not found ") +
                QString::number(fails.size() - 1));
        for (qsizetype i = 1; i < fails.size(); ++i) log.add(QString::number(i) + u' ' + fails[i]);
    }
    log.add(kSeparator);
    z_.ReportStart = lines_.empty() ? static_cast<int>(log.RunLog.size() - 1)
                                    : static_cast<int>(lines_.front().logIndex);
    z_.ReportEnd = static_cast<int>(log.RunLog.size() - 1);
    z_.panels.set(4, QStringLiteral("Validating Backup"));
    validate();
    const ExportOutcome& o = outcome_;
    log.add(QStringLiteral("Total Backups to be done     ") + QString::number(o.done + o.failed));
    log.add(QStringLiteral("Files backed up successfully ") + QString::number(o.done));
    log.add(QStringLiteral("Failed backups               ") + QString::number(o.failed));
    log.add(QStringLiteral("Duplicate Files Re-named     ") + QString::number(o.renamed));
    log.add(QStringLiteral("-------------  END ------------------------"));
    log.add(QString());
    z_.ReportEnd = static_cast<int>(log.RunLog.size());
}

void Exporter::validate() {
    QStringList& runLog = z_.log().RunLog;
    for (const CopyLine& line : lines_) {
        // Only a copy this run made counts, and only when the file is there, whole.
        const bool whole = line.copied && HostFileSize(line.hostDestination) == line.bytes;
        const bool ok = whole && line.contentOk;
        ++(ok ? outcome_.done : outcome_.failed);
        if (line.renamed) ++outcome_.renamed;
        // A Clear Log during the run took earlier lines away; the rest are still marked.
        if (line.logIndex >= 0 && line.logIndex < runLog.size() &&
            runLog[line.logIndex] == line.text)
            runLog[line.logIndex] += ok      ? QStringLiteral(" OK")
                                     : whole ? QStringLiteral(" FAILED (content)")
                                             : QStringLiteral(" FAILED");
        pacer_.step();
    }
}

void Exporter::endOfRun() {
    z_.panels.set(4, QStringLiteral("Backup complete"));
    z_.panels.repaint();
    QStringList& folders = z_.model.DirSource;
    if (z_.UserFolderCount > 0 && folders.size() > z_.UserFolderCount)
        folders.erase(folders.begin() + z_.UserFolderCount, folders.end());
    targets_.clear();
    sourceHosts_.clear();
    // A closing program saves its log itself, at once.
    if (!z_.StopRequested) z_.autoRuns().AfterRunStep();
}

}  // namespace harbex
