#include "engine/compressor.h"

#include "app/harbexzodi.h"
#include "engine/archivenames.h"
#include "engine/archivenaming.h"
#include "engine/collector.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "sets/setcommands.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

const QString kCompressing = QStringLiteral("Compressing ");

}  // namespace

void Compressor::ZipupClick() {
    CompressFiles();
}

bool Compressor::CompressFiles() {
    // The step works on shared files (the list file, the temporary archives); a second start
    // from a command while one runs would overwrite them.
    if (running_) return false;
    // A close meanwhile lets the archive being made finish (it only takes its final name when
    // complete) and then stops the step before the next one.
    const THarbexZoDi::RunScope scope(z_);
    running_ = true;
    stopped_ = false;
    const bool result = compress();
    running_ = false;
    if (stopped_) z_.log().add(QStringLiteral("Compression stopped: Harbex is closing"));
    return result && !stopped_;
}

bool Compressor::stopping() {
    stopped_ = stopped_ || z_.StopRequested;
    return stopped_;
}

bool Compressor::compress() {
    BackupSetModel& m = z_.model;
    Engines& engines = z_.engines();
    z_.sets().RefreshOptions();
    if (m.Recurse) z_.collector().ExpandSubfolders();
    // A scan cut short by a close has not found every folder.
    if (stopping()) return false;
    const int check = z_.settings.internal ? engines.SetupInternalEngine(true)
                                           : engines.SetupExternalUtility(true);
    if (check != 0) return false;
    if (!z_.BrowserFilesChosen && (m.Extensions == 0 || m.Extensions == 1)) z_.BackupSet.clear();
    const QString temp = RemoveBackslash(z_.settings.ZipTemp);
    if (m.Extensions == 0 && !checkSource()) return false;
    z_.UsedInitials.clear();
    if (z_.settings.internal) {
        TZipMaster::AddOptionSet options;
        if (m.ZipOptions == 0) options |= TZipMaster::AddFreshen;
        if (m.ZipOptions == 1) options |= TZipMaster::AddUpdate;
        if (m.RecurseZip) options |= TZipMaster::AddDirNames | TZipMaster::AddRecurseDirs;
        engines.ZipMaster.AddOptions = options;
    }
    lastArchive_.clear();
    if (!makeArchives(temp)) return false;
    z_.panels.set(4, QStringLiteral("Proccessed ") + lastArchive_);
    z_.panels.repaint();
    z_.view.CheckBar = 0;
    return true;
}

// A failure ends the step at once: its own message stays in the status bar.
bool Compressor::makeArchives(const QString& temp) {
    switch (z_.model.ZipFiles) {
        case 0:
            return singleArchive(temp);
        case 1:
            return perFolder(temp);
        case 2:
            return perFilter(temp);
        case 3:
            return perPair(temp);
        default:
            return true;
    }
}

bool Compressor::checkSource() {
    const bool quiet = z_.settings.SequencingMode;
    if (z_.model.FilterList.isEmpty()) {
        if (!quiet)
            Prompts().message(
                QStringLiteral("Aborting Collect & Compress, No filters are specified"));
        return false;
    }
    if (z_.model.DirSource.isEmpty()) {
        if (!quiet)
            Prompts().message(
                QStringLiteral("Aborting Collect & Compress, No Directorys are specified"));
        return false;
    }
    return true;
}

// ---- one archive for the whole list ----

bool Compressor::singleArchive(const QString& temp) {
    // A collection stopped by a close is incomplete: no archive is made of it.
    if (!z_.BrowserFilesChosen && z_.model.Extensions != 2 &&
        (z_.collector().CollectClick() == CollectResult::FolderUnreadable || stopping()))
        return false;
    const QString archive = SingleArchivePath(temp, z_.sets().CoreName());
    z_.panels.set(4, kCompressing + archive);
    z_.panels.repaint();
    if (!z_.settings.internal && !z_.naming().CheckExternalCommand(archive)) return false;
    if (!makeFromList(z_.BackupSet, archive, ExternalForm::List, temp)) return false;
    z_.BackupSet = QStringList{archive};
    lastArchive_ = archive;
    pacer_.step();
    return true;
}

// ---- one archive per folder ----

bool Compressor::perFolder(const QString& temp) {
    const Names names = nameArchives(1, temp);
    if (names != Names::Ready) return names == Names::NoArchives;
    const QStringList folders = z_.model.DirSource;
    int n = 0;
    for (qsizetype d = folders.size() - 1; d >= 0; --d, ++n) {
        if (!collectFolder(static_cast<int>(d)) || stopping()) return false;
        QString archive;
        if (!rowFor(n, folders[d], &archive)) return false;
        z_.panels.set(4, kCompressing + archive);
        z_.panels.repaint();
        if (!z_.collectset.isEmpty()) {
            lastArchive_ = archive;
            if (!makeFromList(z_.collectset, archive, ExternalForm::List, temp)) return false;
            z_.BackupSet << archive;
        }
        pacer_.step();
    }
    return true;
}

// ---- one archive per filter ----

bool Compressor::perFilter(const QString& temp) {
    const Names names = nameArchives(2, temp);
    if (names != Names::Ready) return names == Names::NoArchives;
    const QStringList filters = z_.model.FilterList;
    int n = 0;
    for (qsizetype f = filters.size() - 1; f >= 0; --f, ++n) {
        if (!collectFilter(static_cast<int>(f)) || stopping()) return false;
        QString archive;
        if (!rowFor(n, filters[f], &archive)) return false;
        if (!z_.collectset.isEmpty()) {
            if (!z_.settings.internal && !z_.naming().CheckExternalCommand(archive)) return false;
            lastArchive_ = archive;
            if (!makeFromList(z_.collectset, archive, ExternalForm::ListWithPaths, temp))
                return false;
            z_.panels.set(4, kCompressing + archive);
            z_.panels.repaint();
            z_.BackupSet << archive;
            pacer_.step();
        }
    }
    return true;
}

// ---- one archive per folder and filter ----

bool Compressor::perPair(const QString& temp) {
    const Names names = nameArchives(3, temp);
    if (names != Names::Ready) return names == Names::NoArchives;
    const QStringList folders = z_.model.DirSource;
    const QStringList filters = z_.model.FilterList;
    int n = 0;
    for (qsizetype d = folders.size() - 1; d >= 0; --d) {
        for (qsizetype f = filters.size() - 1; f >= 0; --f) {
            if (stopping()) return false;
            const QString spec = AddBackslash(folders[d]) + filters[f];
            QString archive;
            if (!rowFor(n++, spec, &archive)) return false;
            lastArchive_ = archive;
            if (!makeFromSpec(spec, archive)) return false;
            pacer_.step();
            z_.panels.set(
                4, QStringLiteral("Check for ") + archive + u' ' + folders[d] + u'/' + filters[f]);
            z_.panels.repaint();
            if (Files().fileExists(archive)) {
                z_.panels.set(4, QStringLiteral("Adding ") + archive);
                z_.panels.repaint();
                z_.BackupSet << archive;
            }
            pacer_.step();
        }
    }
    return true;
}

// ---- naming ----

Compressor::Names Compressor::nameArchives(int kind, const QString& temp) {
    ArchiveNaming& naming = z_.naming();
    int rows = 0;
    switch (z_.model.FixedOption) {
        case 0:
            rows = naming.NameBySource(kind, temp);
            if (rows < 0) return Names::Failed;
            if (kind == 3 && rows > 0) z_.panels.set(4, QStringLiteral("F&F Archive names OK "));
            break;
        case 1:
            rows = naming.NumberedNames(kind, temp);
            break;
        case 2:
            if (!namedArchives(kind, temp)) return Names::Failed;
            rows = static_cast<int>(z_.archiveNames().Archives.size());
            break;
        default:
            if (!z_.settings.SequencingMode)
                Prompts().message(QStringLiteral("Incompatable options Error"));
            return Names::NoArchives;
    }
    return rows > 0 ? Names::Ready : Names::NoArchives;
}

bool Compressor::namedArchives(int kind, const QString& temp) {
    const int answer = z_.naming().CheckNamedArchives(kind);
    if (answer == 0) return false;
    if (answer == 2) {
        if (kind == 3) {
            z_.panels.set(4, QStringLiteral("Archive Names OK "));
            WaitSeconds(2);
        }
        return true;
    }
    if (z_.naming().NameBySource(kind, temp) < 0) return false;
    ArchiveNamesList& names = z_.archiveNames();
    names.PointDialogsAtProgramFolder();
    names.ListSaved = false;
    if (!names.ShowNamesWindow()) return false;
    z_.model.NamesFile = names.SBar[1];
    return true;
}

// The archive of row n. The user may have left the names window with fewer names than
// archives; making the rest under wrong names would mix them up, so the step stops.
bool Compressor::rowFor(int n, const QString& what, QString* archive) {
    const QList<ArchiveRow>& rows = z_.archiveNames().Archives;
    if (n < rows.size()) {
        *archive = rows[n].path();
        return true;
    }
    ArchiveAttempt missing;
    missing.reason = QStringLiteral("the archive names list has no name for it");
    z_.engines().ReportFailure(what, missing, z_.settings.SequencingMode);
    return false;
}

// ---- collecting and making ----

bool Compressor::collectFolder(int folder) {
    z_.collectset.clear();
    for (qsizetype f = z_.model.FilterList.size() - 1; f >= 0; --f)
        if (!z_.collector().CollectFilterInFolder(static_cast<int>(f), folder)) return false;
    return true;
}

bool Compressor::collectFilter(int filter) {
    z_.collectset.clear();
    for (qsizetype d = z_.model.DirSource.size() - 1; d >= 0; --d)
        if (!z_.collector().CollectFilterInFolder(filter, static_cast<int>(d))) return false;
    return true;
}

bool Compressor::makeFromList(const QStringList& list, const QString& archive, ExternalForm form,
                              const QString& temp) {
    Engines& engines = z_.engines();
    if (z_.settings.internal)
        return engines.InternalZip(list, archive).outcome != ArchiveOutcome::Failed;
    if (list.isEmpty()) return true;
    const ArchiveAttempt attempt =
        engines.ExternalZip(archive, form, list, AddBackslash(temp) + QStringLiteral("l.txt"));
    if (attempt.outcome != ArchiveOutcome::Failed) return true;
    // A utility ended by a close is no failure to report: its archive was only abandoned.
    if (stopping()) return false;
    engines.ReportFailure(archive, attempt, false);
    return false;
}

bool Compressor::makeFromSpec(const QString& spec, const QString& archive) {
    Engines& engines = z_.engines();
    const ArchiveAttempt attempt =
        z_.settings.internal ? engines.MakeInternal({spec}, archive)
                             : engines.ExternalZip(archive, ExternalForm::Spec, {spec}, QString());
    if (z_.settings.internal) z_.collector().advanceCheckBar();
    if (attempt.outcome != ArchiveOutcome::Failed) return true;
    if (stopping()) return false;
    engines.ReportFailure(archive, attempt, z_.settings.SequencingMode);
    return false;
}

// ---- the options ----

void Compressor::ZippedExecute() {
    Engines& engines = z_.engines();
    if (!engines.EngineAvailable(Engines::Kind::Zipmaster) &&
        !engines.EngineAvailable(Engines::Kind::External))
        return;
    z_.model.ZippedEnabled = true;
    z_.model.Zipped = !z_.model.Zipped;
    z_.sets().RefreshOptions();
    z_.view.ZipTabVisible = z_.model.Zipped;
}

void Compressor::RecurseZipExecute() {
    BackupSetModel& m = z_.model;
    m.RecurseZip = !m.RecurseZip;
    if (!m.RecurseZip || !m.Recurse) return;
    const Button answer = Prompts().question(
        QStringLiteral(
            "YOU ARE EDITING AN EXISTING BACK-UP SET\r\nCompressed archives are selected in this "
            "back-up set.\r\nThe option to pre-scan for files in sub folders is also "
            "\r\nselected, \r\nYou cannot use both of these options.\r\n\r\nClick No To "
            "continue to select files from sub folders prior to compression\r\nClick Yes  To "
            "allow the Compression engine to search sub folders \r\n(Recomended as you intend "
            "to Compress your archives)"),
        IconKind::Warning, {Button::Yes, Button::No, Button::Help}, 47);
    if (answer == Button::Yes) m.Recurse = false;
}

void Compressor::DelTempsExecute() {
    z_.settings.DelTemps = !z_.settings.DelTemps;
}

}  // namespace harbex
