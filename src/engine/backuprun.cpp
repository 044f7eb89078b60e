#include "engine/backuprun.h"

#include <QScopedValueRollback>

#include "app/harbexzodi.h"
#include "commonfiles/filetypegroups.h"
#include "commonfiles/search.h"
#include "engine/collector.h"
#include "engine/compressor.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "util/listfile.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {

void BackupRun::DoAllClick(RunSender sender) {
    // A run started from inside a run (a click or a countdown during a copy) would replace the
    // lists the first one is working through.
    if (running_ || z_.exporter().running()) return;
    const QScopedValueRollback<bool> running(running_, true);
    const THarbexZoDi::RunScope scope(z_);
    z_.TempArchives.clear();
    MissingSources.clear();
    if (!buildBackupList()) return;
    if (!z_.model.Zipped) {
        z_.exporter().ExportFiles(sender);
        return;
    }
    // A listed file that is gone cannot go into the archive; the report must still name it.
    const QStringList listed = z_.model.Extensions == 0 ? QStringList() : z_.BackupSet;
    // Shown in every mode: an unattended compressed run that stops here must not pass unnoticed.
    if (!z_.compressor().CompressFiles()) {
        Prompts().message(QStringLiteral("File Compression error, Backup aborted"));
        return;
    }
    // The backup list now holds the archives this run made in the temporary folder: the only
    // archives that deleting temporary files after the export may remove.
    z_.TempArchives = z_.BackupSet;
    for (const QString& file : listed)
        if (!Files().fileExists(file)) MissingSources << file;
    WaitSeconds(1);
    z_.exporter().ExportFiles(sender);
}

bool BackupRun::buildBackupList() {
    switch (z_.model.Extensions) {
        case 0: {
            const CollectResult result = z_.collector().CollectClick();
            return result == CollectResult::Collected || result == CollectResult::NothingToCollect;
        }
        case 1:
            useSideFile(QStringLiteral(".brw"));
            return true;
        case 2:
            if (z_.model.ReCheck) return searchCommonFiles();
            useSideFile(QStringLiteral(".dlf"));
            return true;
        default:
            return true;
    }
}

void BackupRun::useSideFile(const QString& extension) {
    const QString path = CompanionFileName(z_.busFile(), extension, z_.programFolder());
    if (!Files().fileExists(path)) return;
    const TextReadResult read = Files().readLines(path);
    if (!read.ok) {
        // The earlier list is exported; the log says why it was not this file's.
        z_.log().add(read.error);
        if (!z_.settings.SequencingMode) Prompts().message(read.error);
        return;
    }
    const QStringList lines = ListFileEntries(read.lines);
    if (!z_.settings.Duplicates) {
        z_.BackupSet = lines;
        return;
    }
    z_.collectset = lines;
    z_.BackupSet.clear();
    z_.collector().BuildBackupList();
}

bool BackupRun::searchCommonFiles() {
    const BackupSetModel& m = z_.model;
    z_.panels.set(4, QStringLiteral("SEARCHING: PLEASE WAIT"));
    z_.panels.repaint();
    z_.collectset.clear();
    const auto keepAlive = [this] {
        z_.handleMessages();
        return !z_.StopRequested;
    };
    const QStringList extensions = CheckedExtensions(m.FileTypes);
    QStringList errors;
    const bool completed = SearchCommonFiles(
        QStringList(m.RootList), extensions, z_.collectset, errors, keepAlive, nullptr,
        [this, &extensions](const QString& folder) {
            z_.panels.set(4, QStringLiteral("SEARCHING: ") + AddBackslash(folder) +
                                 QStringLiteral("*.") + extensions.join(QStringLiteral(";*.")));
            z_.panels.repaint();
        });
    if (!completed) return false;
    const qsizetype count = z_.collectset.size();
    // Folders that could not be searched are no secret: their files are not backed up.
    for (const QString& error : errors) z_.log().add(error);
    z_.view.tobackup = QString::number(count);
    z_.BackupSet.clear();
    z_.collector().BuildBackupList();
    return true;
}

}  // namespace harbex
