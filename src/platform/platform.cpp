#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>

namespace harbex {
namespace {

Platform* g_platform = nullptr;

QString WithBackslash(const QString& path) {
    return path.endsWith(u'\\') ? path : path + u'\\';
}

// The desktop's opener first, then text editors that show a file given on their command line.
QString FindLogViewer(const HostPaths& paths) {
    for (const char* candidate :
         {"xdg-open", "gnome-text-editor", "gedit", "mousepad", "kate", "kwrite", "xed", "pluma",
          "featherpad", "leafpad", "geany", "xedit"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        const QString program = found.isEmpty() ? QString() : paths.toProgram(found);
        if (!program.isEmpty()) return program;
    }
    // None here: the viewer command asks the user to locate one.
    return paths.toProgram(QStringLiteral("/usr/bin/xdg-open"));
}

// A folder that must have a program path: the message says how to give it one.
QString ProgramFolderOf(const HostPaths& paths, const QString& hostFolder,
                        const QString& driveMapFile, QString* problem) {
    const QString program = paths.toProgram(hostFolder);
    if (program.isEmpty() && problem->isEmpty())
        *problem = NoDriveMessage(hostFolder, driveMapFile);
    return program.isEmpty() ? QString() : WithBackslash(program);
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
            QStringLiteral("C:\\windows\\notepad.exe"), QStringLiteral("C:\\Windows")};
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

QString Platform::DataFolderFromEnvironment() {
    const QString named = qEnvironmentVariable("HARBEX_HOME");
    if (!named.isEmpty()) return QDir::cleanPath(QDir(named).absolutePath());
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/Harbex"));
}

std::unique_ptr<Platform> Platform::CreateReal() {
    auto platform = std::make_unique<Platform>();
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty()) configHome = QDir::homePath() + QStringLiteral("/.config");
    platform->registry = std::make_unique<Registry>(configHome, QStringLiteral("/etc/xdg"));
    platform->paths = std::make_unique<HostPaths>(HostPaths::FromRegistry(*platform->registry));
    const QString driveMapFile =
        platform->registry->fileOf(RegistryRoot::CurrentUser, HostPaths::DriveMapKey());
    platform->files = std::make_unique<FileSystem>(*platform->paths);
    platform->clock = std::make_unique<Clock>();
    platform->waits = std::make_unique<Waits>();
    platform->prompter = std::make_unique<WidgetPrompter>();
    platform->dialogs =
        std::make_unique<WidgetDialogs>(*platform->paths, *platform->prompter, driveMapFile);
    platform->processes = std::make_unique<Processes>();
    platform->network = std::make_unique<Network>(*platform->paths);
    platform->startList = std::make_unique<StartList>(QStringLiteral("/etc/xdg/autostart"));
    const HostPaths& paths = *platform->paths;
    QString& problem = platform->startupProblem;

    const QString dataFolder = DataFolderFromEnvironment();
    if (!QDir().mkpath(dataFolder))
        problem = QStringLiteral("Unable to create the folder ") + dataFolder +
                  QStringLiteral(" for Harbex's backup sets and logs.");
    platform->programFolder = ProgramFolderOf(paths, dataFolder, driveMapFile, &problem);
    platform->defaults.zipTemp = ProgramFolderOf(paths, QDir::tempPath(), driveMapFile, &problem);
    // The engine modules may be missing without stopping the program; the engine checks say so.
    const QString executable = paths.toProgram(QCoreApplication::applicationDirPath());
    platform->executableFolder = executable.isEmpty() ? QString() : WithBackslash(executable);
    platform->programFile =
        platform->executableFolder + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    platform->defaults.extUtil = platform->executableFolder.isEmpty()
                                     ? QString()
                                     : platform->executableFolder + StandInZipUtilityName();
    platform->defaults.logViewer = FindLogViewer(paths);
    platform->defaults.viewerFolder = paths.toProgram(QStringLiteral("/usr/bin"));
    return platform;
}

}  // namespace harbex
