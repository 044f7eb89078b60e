#include "engine/collector.h"

#include <QScopeGuard>
#include <QSet>
#include <algorithm>

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "platform/wildcard.h"
#include "sets/setcommands.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

// Folder and file names compare without regard to case, as on the system the paths come from.
QString NameKey(const QString& name) {
    return name.toCaseFolded();
}

QString FolderCountText(qsizetype folders, qsizetype levels) {
    return QString::number(folders) + QStringLiteral(" Folders ") + QString::number(levels) +
           QStringLiteral(" Levels ");
}

// Appends the folders not yet present, compared as whole paths without regard to case; a
// trailing backslash (as a set file written by hand may have) does not make another folder.
void AppendDistinct(const QStringList& folders, QSet<QString>& present, QStringList& target) {
    for (const QString& folder : folders) {
        const QString key = NameKey(RemoveBackslash(folder));
        if (present.contains(key)) continue;
        present.insert(key);
        target << folder;
    }
}

}  // namespace

CollectResult Collector::CollectClick() {
    const THarbexZoDi::RunScope running(z_);
    BackupSetModel& m = z_.model;
    z_.sets().RefreshOptions();
    const bool quiet = z_.settings.SequencingMode;
    if (m.FilterList.isEmpty()) {
        if (!quiet) Prompts().message(QStringLiteral("Aborting Collect, No filters are specified"));
        return CollectResult::NothingToCollect;
    }
    if (m.DirSource.isEmpty()) {
        if (!quiet) Prompts().message(QStringLiteral("Aborting Collect, No Folders are specified"));
        return CollectResult::NothingToCollect;
    }
    z_.collectset.clear();
    reported_.clear();
    collecting_ = true;
    const auto listingsEnd = qScopeGuard([this] {
        collecting_ = false;
        fileNames_.clear();
        temporary_.reset();
    });
    if (m.Zipped && m.RecurseZip) {
        // The engine searches the sub-folders itself, so a pre-scan would pack them twice.
        m.Recurse = false;
        z_.sets().RefreshOptions();
    }
    if (m.Recurse) ExpandSubfolders();
    const CollectResult collected = z_.StopRequested ? CollectResult::Stopped : collectAllFilters();
    if (collected != CollectResult::Collected) {
        // BackupSet is only replaced below, so it still holds the previous result.
        z_.collectset.clear();
        if (collected == CollectResult::Stopped)
            z_.log().add(QStringLiteral("Collection stopped: Harbex is closing"));
        return collected;
    }
    z_.panels.set(4, QStringLiteral("Collect Finished ") + QString::number(z_.collectset.size()) +
                         QStringLiteral(" Files"));
    z_.panels.repaint();
    z_.BackupSet.clear();
    const int handled = BuildBackupList();
    z_.view.tobackup = QString::number(handled) + QStringLiteral(" Files to backup");
    if (!z_.StopRequested) WaitSeconds(1);
    z_.collectset.clear();
    return z_.StopRequested ? CollectResult::Stopped : CollectResult::Collected;
}

// Both loops run backwards because BuildBackupList reads collectset from its end: the backup
// list then comes out by filter, by folder and by name, each ascending.
CollectResult Collector::collectAllFilters() {
    for (qsizetype f = z_.model.FilterList.size() - 1; f >= 0; --f)
        for (qsizetype d = z_.model.DirSource.size() - 1; d >= 0; --d) {
            if (z_.StopRequested) return CollectResult::Stopped;
            if (!CollectFilterInFolder(static_cast<int>(f), static_cast<int>(d)))
                return CollectResult::FolderUnreadable;
        }
    return CollectResult::Collected;
}

bool Collector::CollectFilterInFolder(int filter, int folder) {
    const BackupSetModel& m = z_.model;
    // The waits below let other commands run, and one of them may load another set meanwhile.
    if (filter < 0 || filter >= m.FilterList.size() || folder < 0 || folder >= m.DirSource.size())
        return true;
    const QString filterText = m.FilterList[filter];
    const QString folderPath = m.DirSource[folder];
    if (isTemporaryFolder(folderPath)) {
        // It holds this and earlier runs' renamed copies, which would be collected again and then
        // overwritten by the copies of this run.
        skipped(QStringLiteral("Not backed up, the folder ") + folderPath +
                QStringLiteral(" was skipped: it is the temporary folder"));
        return true;
    }
    QStringList names;
    QString error;
    if (!matchingFiles(folderPath, filterText, &names, &error)) {
        // A folder the set names must be there; one the scan found may have gone meanwhile.
        if (isOwnFolder(folder)) {
            reportUnreadableFolder(folderPath, error);
            return false;
        }
        skipped(QStringLiteral("Not backed up, the folder ") + folderPath +
                QStringLiteral(" was skipped: ") + error);
        return true;
    }
    z_.panels.set(
        4, QStringLiteral("Collecting ") + filterText + QStringLiteral(" From ") + folderPath);
    advanceCheckBar();
    const QString prefix = AddBackslash(folderPath);
    if (m.RecurseZip && m.Zipped) {
        z_.collectset << prefix + filterText;
    } else {
        for (qsizetype i = names.size() - 1; i >= 0; --i) {
            // "a\b.txt" would read as the file b.txt in a folder a: another file, or none.
            if (names[i].contains(u'\\')) {
                skipped(QStringLiteral("Not backed up, the file \"") + names[i] +
                        QStringLiteral("\" in ") + folderPath +
                        QStringLiteral(" has a backslash in its name"));
                continue;
            }
            z_.collectset << prefix + names[i];
        }
    }
    // No pause per folder: the window is kept alive and the status shown at most every 200 ms,
    // so that a set of many folders is not made slower by the pauses than by the work.
    pacer_.step();
    return true;
}

bool Collector::matchingFiles(const QString& folder, const QString& filter, QStringList* names,
                              QString* error) {
    const auto listed = fileNames_.constFind(folder);
    if (listed == fileNames_.constEnd())
        return Files().list(folder, filter, ListKind::Files, names, error);
    names->clear();
    const PatternSet wanted(filter);
    for (const QString& name : *listed)
        if (wanted.matches(name)) *names << name;
    return true;
}

void Collector::advanceCheckBar() {
    constexpr int kStep = 10;
    constexpr int kMax = 30;
    const int next = z_.view.CheckBar + kStep;
    z_.view.CheckBar = next > kMax ? 0 : next;
}

void Collector::reportUnreadableFolder(const QString& folder, const QString& error) {
    const QString text = QStringLiteral("Aborting Collect, unable to read the folder ") + folder +
                         QStringLiteral(" (") + error + u')';
    if (z_.settings.SequencingMode)
        z_.log().add(text);
    else
        Prompts().message(text);
}

void Collector::skipped(const QString& line) {
    if (reported_.contains(line)) return;
    reported_.insert(line);
    z_.log().add(line);
}

bool Collector::isTemporaryFolder(const QString& folder) {
    if (!collecting_ || !temporary_) {
        FolderIdentity identity;
        temporary_ = Files().folderIdentity(z_.settings.ZipTemp, &identity)
                         ? std::optional<FolderIdentity>(identity)
                         : std::nullopt;
    }
    FolderIdentity identity;
    return *temporary_ && Files().folderIdentity(folder, &identity) && identity == **temporary_;
}

bool Collector::isOwnFolder(int folder) const {
    return folder < ownFolderCount();
}

int Collector::ownFolderCount() const {
    const qsizetype count = z_.UserFolderCount;
    const qsizetype entries = z_.model.DirSource.size();
    // More entries than the recorded count means an earlier expansion's sub-folders are still
    // there; counting them again would make them the set's own and save them with the set.
    if (count > 0 && entries > count) return static_cast<int>(count);
    return static_cast<int>(entries);
}

void Collector::ExpandSubfolders() {
    BackupSetModel& m = z_.model;
    z_.panels.set(4, QStringLiteral("Collecting Folders"));
    const QStringList own = m.DirSource.mid(0, ownFolderCount());
    m.DirSource.clear();
    QSet<QString> present;
    AppendDistinct(own, present, m.DirSource);
    // A folder the set lists twice is kept once, so only the distinct ones are its own.
    z_.UserFolderCount = static_cast<int>(m.DirSource.size());
    Visits visits;
    FolderIdentity identity;
    if (Files().folderIdentity(z_.settings.ZipTemp, &identity)) visits.temporary = identity;
    for (const QString& folder : m.DirSource)
        if (Files().folderIdentity(folder, &identity)) visits.seen.insert(identity);
    QList<QStringList> levels{m.DirSource};
    do {
        z_.handleMessages();
        const QStringList above = levels.last();
        QStringList level;
        const bool ownFolders = levels.size() == 1;
        for (qsizetype i = above.size() - 1; i >= 0 && !z_.StopRequested; --i)
            level << newSubfolders(above[i], ownFolders, visits);
        levels << level;
    } while (!levels.last().isEmpty() && !z_.StopRequested);
    for (qsizetype k = 1; k < levels.size(); ++k) AppendDistinct(levels[k], present, m.DirSource);
    // The count includes the last level, the one that found nothing.
    z_.view.FolderCount = FolderCountText(m.DirSource.size(), levels.size() - 1);
}

bool Collector::subfolderNames(const QString& folder, QStringList* names, QString* error) {
    std::vector<DirEntry> entries;
    if (!SearchFolder(folder, &entries, error)) return false;
    names->clear();
    QStringList files;
    for (const DirEntry& entry : entries) {
        if (!entry.directory) {
            if (collecting_) files << entry.name;
            continue;
        }
        if (!IsSubfolderEntry(entry)) continue;
        if (entry.name.contains(u'\\')) {
            skipped(QStringLiteral("Not backed up, the folder \"") + entry.name +
                    QStringLiteral("\" in ") + RemoveBackslash(folder) +
                    QStringLiteral(" has a backslash in its name"));
            continue;
        }
        *names << entry.name;
    }
    // The original system's searches return names in order; the host's come in any order, which
    // would make the backup order change from one run to the next.
    std::stable_sort(names->begin(), names->end(), NoCaseLess());
    if (collecting_) {
        std::stable_sort(files.begin(), files.end(), NoCaseLess());
        fileNames_.insert(folder, files);
    }
    return true;
}

QStringList Collector::newSubfolders(const QString& folder, bool ownFolder, Visits& visits) {
    // Every folder found is listed once, here; each one keeps the window alive and can be the
    // point where a closing program stops the scan.
    z_.handleMessages();
    QStringList names;
    QString error;
    if (!subfolderNames(folder, &names, &error)) {
        // A folder of the set's own ends the collection with its message later on.
        if (!ownFolder)
            skipped(QStringLiteral("Not backed up, the folder ") + folder +
                    QStringLiteral(" was skipped: ") + error);
        return {};
    }
    QStringList found;
    const QString prefix = AddBackslash(folder);
    for (const QString& name : names) {
        const QString path = prefix + name;
        FolderIdentity identity;
        QString reason;
        if (!Files().folderIdentity(path, &identity, &reason)) {
            skipped(QStringLiteral("Not backed up, the folder ") + path +
                    QStringLiteral(" was skipped: ") + reason);
            continue;
        }
        if (visits.temporary && identity == *visits.temporary) {
            skipped(QStringLiteral("Not backed up, the folder ") + path +
                    QStringLiteral(" was skipped: it is the temporary folder"));
            continue;
        }
        // A link to a folder already reached (a loop, or a second way to it) adds nothing.
        if (visits.seen.contains(identity)) continue;
        visits.seen.insert(identity);
        found << path;
    }
    return found;
}

QStringList Collector::ListSubfolders(const QString& folder) {
    QStringList names;
    if (!subfolderNames(folder, &names, nullptr)) return {};
    const QString prefix = AddBackslash(folder);
    for (QString& name : names) name.prepend(prefix);
    return names;
}

int Collector::BuildBackupList() {
    if (!z_.DuplicateCopies) z_.DuplicateCopies = std::make_unique<QStringList>();
    z_.DuplicateCopies->clear();
    z_.MissedDuplicates.clear();
    // An engine that searches sub-folders stores each file with its path, so equal names do
    // not collide there; everywhere else files arrive without their folders.
    const bool handleDuplicates =
        z_.settings.Duplicates && !(z_.model.RecurseZip && z_.model.Zipped);
    // The names are views into this copy of the list, which stays as it is whatever the
    // handlers that run between two copies do to collectset.
    const QStringList entries = z_.collectset;
    QSet<NoCaseKey> seenNames;
    if (handleDuplicates) seenNames.reserve(entries.size());
    int counter = 0;
    z_.BackupSet.reserve(z_.BackupSet.size() + entries.size());
    for (qsizetype i = entries.size() - 1; i >= 0 && !z_.StopRequested; --i) {
        const QString& entry = entries[i];
        if (handleDuplicates) {
            const qsizetype slash = std::max(entry.lastIndexOf(u'\\'), entry.lastIndexOf(u'/'));
            const QStringView name = QStringView(entry).mid(slash + 1);
            const qsizetype before = seenNames.size();
            seenNames.insert(NoCaseKey{name});
            if (seenNames.size() == before) {
                if (addRenamedCopy(entry, name.toString(), counter)) ++counter;
                // A copy can take a while; the window stays alive between two of them.
                z_.handleMessages();
                continue;
            }
        }
        z_.BackupSet << entry;
    }
    return static_cast<int>(entries.size());
}

bool Collector::addRenamedCopy(const QString& path, const QString& name, int counter) {
    const QString copyPath = AddBackslash(z_.settings.ZipTemp) + QString::number(counter) + name;
    QString error;
    if (!Files().copyFile(path, copyPath, &error)) {
        // Backing the file up under its own name would overwrite its namesake at a destination
        // that receives files without their folders, so it is left out and reported instead.
        z_.MissedDuplicates << path;
        z_.log().add(QStringLiteral("Not backed up, the renamed copy could not be made: ") + path +
                     QStringLiteral(" (") + error + u')');
        return false;
    }
    z_.DuplicateCopies->append(copyPath);
    z_.BackupSet << copyPath;
    return true;
}

}  // namespace harbex
