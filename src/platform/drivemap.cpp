#include "platform/drivemap.h"

#include <QDir>
#include <QFileInfo>

#include "platform/platform.h"

namespace harbex {
namespace {

bool IsFolder(const QString& hostFolder) {
    return QFileInfo(hostFolder).isAbsolute() && QFileInfo(hostFolder).isDir();
}

}  // namespace

int MapNetworkDrive(Platform& platform, const DriveMapChoice& choice) {
    const QChar letter = choice.letter.toUpper();
    if (letter < u'A' || letter > u'Z') return kMapBadDevice;
    const QString folder = choice.hostFolder.trimmed();
    const QString root = choice.networkRoot.trimmed();
    if ((!folder.isEmpty() && !IsFolder(folder)) || (!root.isEmpty() && !IsFolder(root)))
        return kMapPathNotFound;
    Registry& registry = *platform.registry;
    const QString key = HostPaths::DriveMapKey();
    bool stored = true;
    if (folder.isEmpty())
        registry.deleteValue(RegistryRoot::CurrentUser, key, QString(letter));
    else
        stored = registry.writeText(RegistryRoot::CurrentUser, key, QString(letter),
                                    QDir::cleanPath(folder));
    if (stored && !root.isEmpty())
        stored = registry.writeText(RegistryRoot::CurrentUser, key, QStringLiteral("Network"),
                                    QDir::cleanPath(root));
    platform.reloadDriveMap();
    return stored ? 0 : kMapExtendedError;
}

}  // namespace harbex
