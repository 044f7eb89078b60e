#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdlib>

namespace harbex {
namespace {

Platform* g_platform = nullptr;

QString WithBackslash(const QString& path) {
    return path.endsWith(u'\\') ? path : path + u'\\';
}

QString FindLogViewer(const HostPaths& paths) {
    for (const char* candidate : {"xdg-open", "mousepad", "gedit", "kate", "xed", "leafpad"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!found.isEmpty()) return paths.toProgram(found);
    }
    return paths.toProgram(QStringLiteral("/usr/bin/xdg-open"));
}

}  // namespace

QString ZipEngineModuleName() {
    return QStringLiteral("libharbexzipdll.so");
}
QString UnzipEngineModuleName() {
    return QStringLiteral("libharbexunzdll.so");
}
QString StandInZipUtilityName() {
    return QStringLiteral("harbexzip");
}

PlatformDefaults PlatformDefaults::Original() {
    return {QStringLiteral("C:\\"), QStringLiteral("C:\\utils\\pkzip.exe"),
            QStringLiteral("C:\\windows\\notepad.exe")};
}

Platform& CurrentPlatform() {
    Q_ASSERT(g_platform);
    return *g_platform;
}

void InstallPlatform(Platform* platform) {
    g_platform = platform;
}

void Platform::reloadDriveMap() {
    *paths = HostPaths::FromRegistry(*registry);
}

std::unique_ptr<Platform> Platform::CreateReal() {
    auto platform = std::make_unique<Platform>();
    QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (configHome.isEmpty()) configHome = QDir::homePath() + QStringLiteral("/.config");
    platform->registry = std::make_unique<Registry>(configHome, QStringLiteral("/etc/xdg"));
    platform->paths = std::make_unique<HostPaths>(HostPaths::FromRegistry(*platform->registry));
    platform->files = std::make_unique<FileSystem>(*platform->paths);
    platform->clock = std::make_unique<Clock>();
    platform->waits = std::make_unique<Waits>();
    platform->prompter = std::make_unique<WidgetPrompter>();
    platform->dialogs = std::make_unique<WidgetDialogs>(*platform->paths);
    platform->processes = std::make_unique<Processes>();
    platform->network = std::make_unique<Network>(*platform->paths);
    platform->startList = std::make_unique<StartList>(QStringLiteral("/etc/xdg/autostart"));
    const HostPaths& paths = *platform->paths;
    platform->programFolder =
        WithBackslash(paths.toProgram(QCoreApplication::applicationDirPath()));
    platform->programFile = paths.toProgram(QCoreApplication::applicationFilePath());
    platform->executableFolder =
        WithBackslash(paths.toProgram(QCoreApplication::applicationDirPath()));
    platform->defaults.zipTemp = WithBackslash(paths.toProgram(QDir::tempPath()));
    platform->defaults.extUtil = platform->executableFolder + StandInZipUtilityName();
    platform->defaults.logViewer = FindLogViewer(paths);
    return platform;
}

}  // namespace harbex
