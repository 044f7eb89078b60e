#pragma once

// What the zip benchmarks share: a platform whose drive C: is a temp folder and whose drive E: is
// the build folder (where the engine modules are), and ways to time and check archives.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <memory>

#include "engine/zipmaster.h"
#include "platform/platform.h"
#include "util/errors.h"

namespace harbex::bench {

inline std::unique_ptr<Platform> ZipBenchPlatform(const QString& root) {
    auto platform = std::make_unique<Platform>();
    QDir().mkpath(root + QStringLiteral("/reg"));
    platform->registry =
        std::make_unique<Registry>(root + QStringLiteral("/reg"), root + QStringLiteral("/reg"));
    QMap<QChar, QString> drives;
    drives.insert(u'C', root);
    drives.insert(u'E',
                  QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")));
    platform->paths = std::make_unique<HostPaths>(drives, root);
    platform->files = std::make_unique<FileSystem>(*platform->paths);
    platform->clock = std::make_unique<Clock>();
    platform->waits = std::make_unique<Waits>();
    platform->programFolder = QStringLiteral("C:\\");
    platform->executableFolder = QStringLiteral("E:\\");
    return platform;
}

// One archive with the internal engine as the compress step makes it, at level 9; returns the
// seconds it took, or -1 when it failed.
inline double TimeEngine(const QString& archive, const QStringList& specs,
                         TZipMaster::AddOptionSet options) {
    TZipMaster zip;
    zip.setDLLDirectory(QStringLiteral("E:\\"));
    if (!zip.LoadZipLibrary() || !zip.LoadUnzipLibrary()) {
        std::fprintf(stderr, "engine modules not found beside the build: %s\n",
                     qPrintable(zip.LoadError));
        return -1;
    }
    zip.ZipFilename = archive;
    zip.FSpecArgs = specs;
    zip.AddOptions = options;
    QElapsedTimer timer;
    timer.start();
    try {
        zip.AddFiles();
    } catch (const HarbexError& error) {
        std::fprintf(stderr, "internal engine failed: %s\n", qPrintable(error.message()));
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

// Runs a program in a folder; returns the seconds it took, or -1 when it failed.
inline double TimeProgram(const QString& program, const QStringList& arguments,
                          const QString& folder = QString()) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? seconds : -1;
}

inline qint64 SizeOf(const QString& hostPath) {
    return QFileInfo(hostPath).size();
}

}  // namespace harbex::bench
