#include "sets/backupsetmodel.h"

#include <algorithm>

#include "platform/platform.h"

namespace harbex {

int ClampRadioIndex(int index, int itemCount) {
    return std::clamp(index, -1, itemCount - 1);
}

int ComboIndex(int index, int itemCount) {
    return index >= 0 && index < itemCount ? index : -1;
}

int ClampDayOfMonth(int day) {
    return std::clamp(day, 1, 31);
}

QStringList OwnFolders(const QStringList& dirSource, int userFolderCount) {
    if (userFolderCount > 0 && dirSource.size() > userFolderCount)
        return dirSource.mid(0, userFolderCount);
    return dirSource;
}

QString ZipNameText(const BackupSetModel& model, const QString& weekday) {
    if (model.Nametype == 0) return weekday;
    return model.ZipCoreName.isEmpty() ? QStringLiteral("KEELWICK") : model.ZipCoreName;
}

QString CoreNameOf(const BackupSetModel& model, const QString& weekday) {
    return ZipNameText(model, weekday).left(6);
}

QString NametypeSecondCaption(const BackupSetModel& model, const QString& weekday) {
    const QString name = ZipNameText(model, weekday);
    return name.size() < 2 ? QStringLiteral("No Zip name set") : name;
}

QString FileNameOf(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(slash + 1);
}

QString FolderOf(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString CompanionFileName(const QString& setPath, const QString& extension,
                          const QString& programFolder) {
    const QString folder = FolderOf(setPath);
    // A drive root ("C:") is a folder too.
    const QString folderToCheck = folder.endsWith(u':') ? folder + u'\\' : folder;
    if (folder.isEmpty() || !Files().folderExists(folderToCheck))
        return programFolder + QStringLiteral("Default") + extension;
    return programFolder + BareFileName(setPath) + extension;
}

QString BareFileName(const QString& path) {
    QString name = FileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    return name;
}

}  // namespace harbex
