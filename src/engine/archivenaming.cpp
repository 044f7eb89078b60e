#include "engine/archivenaming.h"

#include "app/harbexzodi.h"
#include "engine/archivenames.h"
#include "platform/platform.h"
#include "sets/setcommands.h"
#include "util/stringutils.h"

namespace harbex {
namespace {

const QString kZip = QStringLiteral(".zip");

ArchiveRow Row(int number, const QString& temp, const QString& name) {
    return {QString::number(number), NamingTempPath(temp), name, kZip};
}

QString LetterPart(const QString& filter, qsizetype index) {
    const QChar initial = FilterInitial(filter);
    return IsAsciiLetter(initial) ? QString(initial) : QStringLiteral("f") + QString::number(index);
}

}  // namespace

QString NamingTempPath(const QString& temp) {
    QString folder = temp;
    while (folder.endsWith(u'\\')) folder.chop(1);
    return folder + u'\\';
}

QString SingleArchivePath(const QString& temp, const QString& coreName) {
    return AddBackslash(temp) + coreName + kZip;
}

QString FolderNamePart(const QString& folder) {
    // A drive root has no name; another folder written with a trailing backslash keeps its own.
    const QString path = folder.endsWith(QStringLiteral(":\\")) ? folder : RemoveBackslash(folder);
    QString name = path.mid(path.lastIndexOf(u'\\') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    return name;
}

QString ExternalFolderName(const QString& name) {
    return StripSpaces(name.left(6));
}

QChar FilterInitial(const QString& filter) {
    const qsizetype slash = filter.indexOf(u'\\');
    const qsizetype at = slash < 0 ? 0 : slash + 1;
    return at < filter.size() ? filter[at] : QChar();
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

QList<ArchiveRow> FolderRows(const QStringList& folders, const QString& temp, bool internal) {
    QList<ArchiveRow> rows;
    for (qsizetype i = folders.size() - 1; i >= 0; --i) {
        const QString name = FolderNamePart(folders[i]);
        rows << Row(static_cast<int>(rows.size()), temp,
                    internal ? name : ExternalFolderName(name));
    }
    return rows;
}

QList<ArchiveRow> FolderAndFilterRows(const QStringList& folders, const QStringList& filters,
                                      const QString& temp) {
    QList<ArchiveRow> rows;
    for (qsizetype d = folders.size() - 1; d >= 0; --d) {
        const QString folderPart = StripSpaces(FolderNamePart(folders[d]).left(4));
        for (qsizetype f = filters.size() - 1; f >= 0; --f)
            rows << Row(static_cast<int>(rows.size()), temp,
                        folderPart + LetterPart(filters[f], f));
    }
    return rows;
}

QList<ArchiveRow> NumberedRows(int kind, int folders, int filters, const QString& temp) {
    QList<ArchiveRow> rows;
    if (kind == 1) {
        for (int n = 0; n < folders; ++n)
            rows << Row(n, temp, QStringLiteral("fol") + QString::number(n));
    } else if (kind == 2) {
        for (int f = filters - 1; f >= 0; --f)
            rows << Row(static_cast<int>(rows.size()), temp,
                        QStringLiteral("fil") + QString::number(f));
    } else if (kind == 3) {
        for (int m = 1; m <= folders * filters; ++m)
            rows << Row(m, temp, QStringLiteral("f") + QString::number(m));
    }
    return rows;
}

int NamesNeeded(int kind, int folders, int filters) {
    switch (kind) {
        case 1:
            return folders;
        case 2:
            return filters;
        case 3:
            return folders * filters;
        default:
            return 0;
    }
}

QString KindWord(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("Folders");
        case 2:
            return QStringLiteral("Filters");
        default:
            return QStringLiteral("Folder and Filters");
    }
}

bool ExternalCommandAcceptable(const QString& archive, const QString& zipTemp) {
    const QString command =
        archive + QStringLiteral(" @") + AddBackslash(zipTemp) + QStringLiteral("l.txt");
    return command.size() < 64 && !zipTemp.contains(u' ') && !zipTemp.contains(u'_');
}

bool IsValidArchiveName(const QString& name) {
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    if (name.trimmed().isEmpty()) return false;
    for (const QChar c : name)
        if (kForbidden.contains(c) || c.unicode() < 32) return false;
    return true;
}

// ---- handlers ----

void ArchiveNaming::fill(const QList<ArchiveRow>& rows) {
    ArchiveNamesList& names = z_.archiveNames();
    names.ClearBtnClick();
    for (const ArchiveRow& row : rows) names.Archives << row;
}

int ArchiveNaming::NameByFolders(const QString& temp) {
    fill(FolderRows(z_.model.DirSource, temp, z_.settings.internal));
    return static_cast<int>(z_.archiveNames().Archives.size());
}

int ArchiveNaming::NameByFolderAndFilter(const QString& temp) {
    fill(FolderAndFilterRows(z_.model.DirSource, z_.model.FilterList, temp));
    return static_cast<int>(z_.archiveNames().Archives.size());
}

int ArchiveNaming::NameBySource(int kind, const QString& temp) {
    return kind == 1   ? NameByFolders(temp)
           : kind == 2 ? NameByFilters(temp)
                       : NameByFolderAndFilter(temp);
}

int ArchiveNaming::NumberedNames(int kind, const QString& temp) {
    fill(NumberedRows(kind, static_cast<int>(z_.model.DirSource.size()),
                      static_cast<int>(z_.model.FilterList.size()), temp));
    return static_cast<int>(z_.archiveNames().Archives.size());
}

int ArchiveNaming::NameByFilters(const QString& temp) {
    fill({});
    QList<ArchiveRow>& rows = z_.archiveNames().Archives;
    const QStringList& filters = z_.model.FilterList;
    for (qsizetype f = filters.size() - 1; f >= 0; --f) {
        const QChar c = FilterInitial(filters[f]);
        if (InitialLetterUsed(c)) return -1;
        QString name = QStringLiteral("fil") + QString::number(f);
        if (IsAsciiLetter(c)) {
            name = QString(c) + u'_' + z_.sets().CoreName();
            z_.UsedInitials.insert(c);
        }
        rows << Row(static_cast<int>(rows.size()), temp, name);
    }
    return static_cast<int>(rows.size());
}

bool ArchiveNaming::InitialLetterUsed(QChar c) {
    if (!z_.UsedInitials.contains(c)) return false;
    const Button answer = Prompts().question(
        QStringLiteral("Two or more specified Filters have the same inital letter \"") + c +
            QStringLiteral("\"") + QStringLiteral("\r") +
            QStringLiteral("If you choose Ignore, one or more archives will not be created,") +
            QStringLiteral("\r") + QStringLiteral("Others may contain misplaced files ") +
            QStringLiteral("\r") +
            QStringLiteral("Use the always name option to eliminate this problem"),
        IconKind::Warning, {Button::Abort, Button::Ignore, Button::Help}, 41);
    if (answer != Button::Abort) return false;
    z_.panels.set(4, QStringLiteral("Operation Aborted"));
    z_.panels.repaint();
    z_.view.CheckBar = 0;
    return true;
}

int ArchiveNaming::CheckNamedArchives(int kind) {
    const int needed = NamesNeeded(kind, static_cast<int>(z_.model.DirSource.size()),
                                   static_cast<int>(z_.model.FilterList.size()));
    const QString word = KindWord(kind);
    if (needed == 0) {
        Prompts().question(
            QStringLiteral("Cannot create backup :\r\n\r\nAs yet you have not selected any "
                           "Source ") +
                word + QStringLiteral(", Please return to source selection") +
                QStringLiteral("\r\n") + QStringLiteral("to select the required ") + word +
                QStringLiteral("for your backup. "),
            IconKind::Error, {Button::Ok, Button::Help}, 28);
        return 0;
    }
    const qsizetype rows = z_.archiveNames().Archives.size();
    if (needed == rows) return 2;
    const QString count = QString::number(needed);
    const Button answer = Prompts().question(
        QString::number(rows) + u' ' + count + QStringLiteral("\r") +
            QStringLiteral("Before you can use Named archives you must set up a list of names ") +
            QStringLiteral("\r\n") + QStringLiteral("one for each selected ") + word +
            QStringLiteral("\r\n") + QStringLiteral("Currently you have selected ") + count +
            QStringLiteral(",") + word + QStringLiteral(", so you will need to name ") + count +
            QStringLiteral(" Archives.") + QStringLiteral("\r\n") +
            QStringLiteral("Do you want to start the Archive names utility now. Please select "
                           "Yes or ") +
            QStringLiteral("\r\n") + QStringLiteral("No  "),
        IconKind::Information, {Button::Yes, Button::No, Button::Help}, 28);
    return answer == Button::Yes ? 1 : 0;
}

bool ArchiveNaming::CheckExternalCommand(const QString& archive) {
    if (ExternalCommandAcceptable(archive, z_.settings.ZipTemp)) return true;
    Prompts().message(
        QStringLiteral("Backup aborted, Specific Name and or Local Directory Path\rmay be too "
                       "Long, Contain spaces or Underscores\rExternal [DOS] Zip utility will "
                       "fail\rPlease check and used shorter Name or Path"));
    return false;
}

// The set owns the core name; the box and the caption of "This name" show it at the next refresh.
void ArchiveNaming::ZipNameExit(const QString& typed) {
    z_.model.ZipCoreName = typed.left(6);
}

void ArchiveNaming::ZipNameKeyPress(QChar key, const QString& typed) {
    if (key == QChar(13)) ZipNameExit(typed);
}

}  // namespace harbex
