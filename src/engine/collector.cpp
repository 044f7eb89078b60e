#include "engine/collector.h"

#include <QSet>
#include <algorithm>

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
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
    if (m.Zipped && m.RecurseZip) {
        // The engine searches the sub-folders itself, so a pre-scan would pack them twice.
        m.Recurse = false;
        z_.sets().RefreshOptions();
    }
    if (m.Recurse) ExpandSubfolders();
    if (!collectAllFilters()) {
        // BackupSet is only replaced below, so it still holds the previous result.
        z_.collectset.clear();
        return CollectResult::FolderUnreadable;
    }
    z_.panels.set(4, QStringLiteral("Collect Finished ") + QString::number(z_.collectset.size()) +
                         QStringLiteral(" Files"));
    z_.panels.repaint();
    z_.BackupSet.clear();
    const int handled = BuildBackupList();
    z_.view.tobackup = QString::number(handled) + QStringLiteral(" Files to backup");
    WaitSeconds(1);
    z_.collectset.clear();
    return CollectResult::Collected;
}

// Both loops run backwards because BuildBackupList reads collectset from its end: the backup
// list then comes out by filter, by folder and by name, each ascending.
bool Collector::collectAllFilters() {
    for (qsizetype f = z_.model.FilterList.size() - 1; f >= 0; --f)
        for (qsizetype d = z_.model.DirSource.size() - 1; d >= 0; --d)
            if (!CollectFilterInFolder(static_cast<int>(f), static_cast<int>(d))) return false;
    return true;
}

bool Collector::CollectFilterInFolder(int filter, int folder) {
    const BackupSetModel& m = z_.model;
    // The waits below let other commands run, and one of them may load another set meanwhile.
    if (filter < 0 || filter >= m.FilterList.size() || folder < 0 || folder >= m.DirSource.size())
        return true;
    const QString filterText = m.FilterList[filter];
    const QString folderPath = m.DirSource[folder];
    QStringList names;
    QString error;
    if (!Files().list(folderPath, filterText, ListKind::Files, &names, &error)) {
        reportUnreadableFolder(folderPath, error);
        return false;
    }
    z_.panels.set(
        4, QStringLiteral("Collecting ") + filterText + QStringLiteral(" From ") + folderPath);
    z_.panels.repaint();
    advanceCheckBar();
    const QString prefix = AddBackslash(folderPath);
    if (m.RecurseZip && m.Zipped) {
        z_.collectset << prefix + filterText;
    } else {
        for (qsizetype i = names.size() - 1; i >= 0; --i) z_.collectset << prefix + names[i];
    }
    WaitMilliseconds(200);
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
    QList<QStringList> levels{m.DirSource};
    do {
        z_.handleMessages();
        const QStringList above = levels.last();
        QStringList level;
        for (qsizetype i = above.size() - 1; i >= 0; --i) level << ListSubfolders(above[i]);
        levels << level;
    } while (!levels.last().isEmpty());
    for (qsizetype k = 1; k < levels.size(); ++k) AppendDistinct(levels[k], present, m.DirSource);
    // The count includes the last level, the one that found nothing.
    z_.view.FolderCount = FolderCountText(m.DirSource.size(), levels.size() - 1);
}

QStringList Collector::ListSubfolders(const QString& folder) {
    if (!HasSubfolders(folder)) return {};
    std::vector<DirEntry> entries;
    if (!SearchFolder(folder, &entries)) return {};
    QStringList names;
    for (const DirEntry& entry : entries)
        if (IsSubfolderEntry(entry)) names << entry.name;
    // The original system's searches return names in order; the host's come in any order, which
    // would make the backup order change from one run to the next.
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QString prefix = AddBackslash(folder);
    for (QString& name : names) name.prepend(prefix);
    return names;
}

int Collector::BuildBackupList() {
    if (!z_.DuplicateCopies) z_.DuplicateCopies = std::make_unique<QStringList>();
    z_.DuplicateCopies->clear();
    // An engine that searches sub-folders stores each file with its path, so equal names do
    // not collide there; everywhere else files arrive without their folders.
    const bool handleDuplicates =
        z_.settings.Duplicates && !(z_.model.RecurseZip && z_.model.Zipped);
    QSet<QString> seenNames;
    int counter = 0;
    const QStringList& entries = z_.collectset;
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        const QString& entry = entries[i];
        if (handleDuplicates) {
            const QString name = FileNameOf(entry);
            if (seenNames.contains(NameKey(name))) {
                if (addRenamedCopy(entry, name, counter)) ++counter;
                continue;
            }
            seenNames.insert(NameKey(name));
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
        // When the export keeps a list of failed files, this path belongs on it as well.
        z_.log().add(QStringLiteral("Not backed up, the renamed copy could not be made: ") + path +
                     QStringLiteral(" (") + error + u')');
        return false;
    }
    z_.DuplicateCopies->append(copyPath);
    z_.BackupSet << copyPath;
    return true;
}

}  // namespace harbex
