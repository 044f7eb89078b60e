// The stand-in external zip utility. It takes the command lines an old DOS archiver takes:
//
//   harbexzip archive @listfile        the files (or folder\pattern entries) named in the list
//   harbexzip -p archive @listfile     the same, keeping the folder names inside the archive
//   harbexzip archive folder\pattern   the files of one folder that match the pattern
//
// Names are the program's paths (C:\Data\report.doc, \\S1\D\x), mapped through Harbex's drive
// map, or host paths (/home/...). Files are added, replacing entries of the same name. The
// archive is written completely or not at all and read back before the exit.
//
// Exit codes: 0 archive written; 12 nothing to do (no file matched); 16 bad command line;
// 18 a named file could not be found or read (no archive written); 2 the archive could not be
// written or read back.

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "archivewriter.h"
#include "engine/utilitycommand.h"
#include "engine/zipspecs.h"
#include "platform/platform.h"

namespace {

enum Exit { kOk = 0, kFailed = 2, kNothingToDo = 12, kUsage = 16, kUnreadable = 18 };

using CommandLine = harbex::UtilityCommand;

int Usage() {
    std::fprintf(stderr,
                 "usage: harbexzip [-p] archive @listfile\n"
                 "       harbexzip archive folder\\pattern\n");
    return kUsage;
}

QString ProgramPath(const QString& name, const harbex::HostPaths& paths) {
    return harbex::UtilityEntryPath(name, paths);
}

std::unique_ptr<harbex::Platform> MakePlatform() {
    auto platform = std::make_unique<harbex::Platform>();
    QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (configHome.isEmpty()) configHome = QDir::homePath() + QStringLiteral("/.config");
    platform->registry = std::make_unique<harbex::Registry>(configHome, QStringLiteral("/etc/xdg"));
    platform->paths =
        std::make_unique<harbex::HostPaths>(harbex::HostPaths::FromRegistry(*platform->registry));
    platform->files = std::make_unique<harbex::FileSystem>(*platform->paths);
    return platform;
}

int Fail(int code, const QString& text) {
    std::fprintf(stderr, "harbexzip: %s\n", text.toLocal8Bit().constData());
    return code;
}

QStringList Entries(const CommandLine& line, const harbex::HostPaths& paths, QString* error) {
    if (!line.names.startsWith(u'@')) return {ProgramPath(line.names, paths)};
    const QString listFile = ProgramPath(line.names.mid(1), paths);
    const harbex::TextReadResult read = harbex::Files().readLines(listFile);
    if (!read.ok) {
        *error = read.error;
        return {};
    }
    return harbex::UtilityListEntries(read.lines, paths);
}

int Run(const CommandLine& line) {
    auto platform = MakePlatform();
    harbex::InstallPlatform(platform.get());
    const harbex::HostPaths& paths = *platform->paths;
    QString error;
    const QStringList entries = Entries(line, paths, &error);
    if (!error.isEmpty()) return Fail(kUnreadable, error);
    const harbex::ExpandedSpecs specs = harbex::ExpandFileSpecs(entries, false, line.keepFolders);
    if (!specs.problems.isEmpty())
        return Fail(kUnreadable, QStringLiteral("cannot find ") + specs.problems.join(u' '));
    if (specs.items.isEmpty()) return Fail(kNothingToDo, QStringLiteral("nothing to do"));
    const QString archive = harbex::Files().toHost(ProgramPath(line.archive, paths));
    if (archive.isEmpty()) return Fail(kFailed, line.archive + QStringLiteral(": no such drive"));

    harbex::zipcore::Request request;
    request.archive = archive.toStdString();
    for (const harbex::ZipSpecItem& item : specs.items)
        request.items.push_back({item.hostPath.toStdString(), item.storedName.toStdString(),
                                 item.fallbackName.toStdString()});
    // Written without an unreadable file, the archive would pass for a complete one.
    request.allOrNothing = true;
    const harbex::zipcore::Result result = harbex::zipcore::WriteArchive(request);
    if (result.status == harbex::zipcore::Result::Status::Failed)
        return Fail(result.skipped.empty() ? kFailed : kUnreadable,
                    QString::fromStdString(result.error));
    std::string testError;
    if (!harbex::zipcore::TestArchive(request.archive, result.written, &testError))
        return Fail(kFailed, QString::fromStdString(testError));
    for (const std::string& name : result.written) std::printf("  adding: %s\n", name.c_str());
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    CommandLine line;
    if (!harbex::ParseUtilityCommand(QCoreApplication::arguments().mid(1), &line)) return Usage();
    const int code = Run(line);
    harbex::InstallPlatform(nullptr);
    return code;
}
