#pragma once

// What the collection and export benchmarks share: a machine in a temp folder (drive C: with the
// program's folder and a temporary folder, drive D: as the backup drive), trees of test files,
// and timing of outside programs.

#include <sys/resource.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "platform/platform.h"

namespace harbex::bench {

// Pauses that return at once, still handling whatever messages are pending.
class InstantWaits : public Waits {
  public:
    void waitMilliseconds(quint64) override { processPendingMessages(); }
};

// Nothing should be asked during a benchmark; anything shown is printed.
class ConsolePrompter : public Prompter {
  public:
    void message(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    Button question(const QString& text, IconKind, const Buttons&, int) override {
        std::fprintf(stderr, "question (cancelled): %s\n", qPrintable(text));
        return Button::Cancel;
    }
};

class NoDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QStringList> openFiles(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    void execForm(QDialog&) override {}
};

// Drives C: (root/C, holding the program's folder C:\Harbex and C:\Temp) and D: (root/D).
// instantWaits: the program's pauses take no time, so that only the work is measured.
inline std::unique_ptr<Platform> BenchPlatform(const QString& root, bool instantWaits) {
    for (const char* folder : {"C/Harbex", "C/Temp", "D", "net", "reg", "reg-machine", "autostart"})
        QDir().mkpath(root + u'/' + QString::fromLatin1(folder));
    auto platform = std::make_unique<Platform>();
    platform->registry = std::make_unique<Registry>(root + QStringLiteral("/reg"),
                                                    root + QStringLiteral("/reg-machine"));
    QMap<QChar, QString> drives;
    drives.insert(u'C', root + QStringLiteral("/C"));
    drives.insert(u'D', root + QStringLiteral("/D"));
    platform->paths = std::make_unique<HostPaths>(drives, root + QStringLiteral("/net"));
    platform->files = std::make_unique<FileSystem>(*platform->paths);
    platform->clock = std::make_unique<Clock>();
    platform->waits = instantWaits ? std::make_unique<InstantWaits>() : std::make_unique<Waits>();
    platform->prompter = std::make_unique<ConsolePrompter>();
    platform->dialogs = std::make_unique<NoDialogs>();
    platform->processes = std::make_unique<Processes>();
    platform->network = std::make_unique<Network>(*platform->paths);
    platform->startList = std::make_unique<StartList>(root + QStringLiteral("/autostart"));
    platform->programFolder = QStringLiteral("C:\\Harbex\\");
    platform->programFile = QStringLiteral("C:\\Harbex\\harbex");
    platform->defaults = PlatformDefaults::Original();
    return platform;
}

// Ten folders, each with nine, each of those with ten: 1 000 folders below the root. Every
// folder gets the files fill(folder, number) writes.
inline int BuildFolderTree(const QString& root,
                           const std::function<void(const QString&, int)>& fill) {
    int folders = 0;
    auto make = [&](const QString& folder) {
        QDir().mkpath(folder);
        fill(folder, folders++);
    };
    for (int t = 0; t < 10; ++t) {
        const QString top = root + QStringLiteral("/top%1").arg(t);
        make(top);
        for (int m = 0; m < 9; ++m) {
            const QString middle = top + QStringLiteral("/mid%1").arg(m);
            make(middle);
            for (int l = 0; l < 10; ++l) make(middle + QStringLiteral("/leaf%1").arg(l));
        }
    }
    return folders;
}

// count files of size bytes in a folder, with names of their own across the whole tree (so that
// no duplicate copies are made).
inline void WriteFiles(const QString& folder, int folderNumber, int count, qint64 size) {
    const QByteArray bytes(static_cast<qsizetype>(size), 'x');
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QStringLiteral("/f%1_%2.dat").arg(folderNumber).arg(i));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
}

inline double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Runs a program and returns the milliseconds it took, or -1 when it failed.
inline double TimeProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const double ms = Ms(timer);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ms : -1;
}

// A benchmark's machine in a temp folder, installed while it lives (see BenchPlatform), with
// the number of runs asked for on the command line (default 3).
class BenchMachine {
  public:
    BenchMachine(int argc, char** argv)
        : runs(argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3),
          platform_(BenchPlatform(dir_.path(), true)) {
        InstallPlatform(platform_.get());
    }
    ~BenchMachine() { InstallPlatform(nullptr); }
    bool valid() const { return dir_.isValid(); }
    // The host folder of drive C:.
    QString driveC() const { return dir_.path() + QStringLiteral("/C"); }
    // Builds the tree to measure under C:\Tree with build(hostRoot), which returns its number of
    // folders, and says how large it is; the building is not part of any figure. Returns hostRoot.
    QString BuildReportedTree(int filesPerFolder,
                              const std::function<int(const QString&)>& build) const {
        const QString hostRoot = driveC() + QStringLiteral("/Tree");
        QElapsedTimer timer;
        timer.start();
        const int folders = build(hostRoot);
        std::printf("tree: %d folders, %d files under %s (built in %lld ms, not timed below)\n",
                    folders, folders * filesPerFolder, qPrintable(hostRoot), timer.elapsed());
        std::fflush(stdout);
        return hostRoot;
    }
    const int runs;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Platform> platform_;
};

// What one run of find gave: the time it took and the number of paths it printed.
struct FindRun {
    double ms = 0;
    qint64 lines = 0;
};

// Times `find root -type f` followed by the given tests (name patterns and the like), counting
// the paths it prints as they come.
inline FindRun TimeFind(const QString& root, const QStringList& tests = {}) {
    FindRun run;
    QElapsedTimer timer;
    timer.start();
    QProcess find;
    find.start(QStringLiteral("find"),
               QStringList{root, QStringLiteral("-type"), QStringLiteral("f")} + tests);
    find.waitForStarted();
    while (find.state() != QProcess::NotRunning || find.bytesAvailable() > 0) {
        if (find.bytesAvailable() == 0) find.waitForReadyRead(1000);
        run.lines += find.readAll().count('\n');
    }
    run.ms = Ms(timer);
    return run;
}

// Writes every dirty page out, so that one timed run does not pay for the last one's writes.
inline void SettleDisk() {
    TimeProgram(QStringLiteral("sync"), {});
}

// The most memory this process has held at one time, in megabytes.
inline double PeakResidentMb() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace harbex::bench
