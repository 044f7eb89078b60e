// Times a whole collection (sub-folders on, every file) over a tree of 100 000 files in 1 000
// folders, and `find -type f` over the same tree for comparison. The waits between steps take
// no time here, so the figure is the cost of the file-system work and the bookkeeping alone.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "app/harbexzodi.h"
#include "engine/collector.h"
#include "platform/platform.h"

namespace {

using namespace harbex;

constexpr int kTopFolders = 10;
constexpr int kMiddlePerTop = 9;
constexpr int kLeavesPerMiddle = 10;
constexpr int kFilesPerFolder = 100;

// Pauses that return at once, still handling whatever messages are pending.
class InstantWaits : public Waits {
  public:
    void waitMilliseconds(quint64) override { processPendingMessages(); }
};

// Nothing should be asked during the collection; anything shown is printed.
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
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    void execForm(QDialog&) override {}
};

std::unique_ptr<Platform> BenchPlatform(const QString& root) {
    for (const char* folder : {"C/Harbex", "C/Temp", "net", "reg", "reg-machine", "autostart"})
        QDir().mkpath(root + u'/' + QString::fromLatin1(folder));
    auto platform = std::make_unique<Platform>();
    platform->registry = std::make_unique<Registry>(root + QStringLiteral("/reg"),
                                                    root + QStringLiteral("/reg-machine"));
    QMap<QChar, QString> drives;
    drives.insert(u'C', root + QStringLiteral("/C"));
    platform->paths = std::make_unique<HostPaths>(drives, root + QStringLiteral("/net"));
    platform->files = std::make_unique<FileSystem>(*platform->paths);
    platform->clock = std::make_unique<Clock>();
    platform->waits = std::make_unique<InstantWaits>();
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

void WriteFiles(const QString& folder, int folderNumber) {
    QDir().mkpath(folder);
    for (int i = 0; i < kFilesPerFolder; ++i) {
        QFile file(folder + QStringLiteral("/f%1_%2.dat").arg(folderNumber).arg(i));
        if (file.open(QIODevice::WriteOnly)) file.write("x");
    }
}

// Ten folders, each with nine, each of those with ten: 1 000 folders below the root, every one
// holding 100 files with names of their own (so no duplicate copies are made).
int BuildTree(const QString& root) {
    int folders = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = root + QStringLiteral("/top%1").arg(t);
        WriteFiles(top, folders++);
        for (int m = 0; m < kMiddlePerTop; ++m) {
            const QString middle = top + QStringLiteral("/mid%1").arg(m);
            WriteFiles(middle, folders++);
            for (int l = 0; l < kLeavesPerMiddle; ++l)
                WriteFiles(middle + QStringLiteral("/leaf%1").arg(l), folders++);
        }
    }
    return folders;
}

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct FindRun {
    double ms = 0;
    qint64 lines = 0;
};

FindRun TimeFind(const QString& root) {
    FindRun run;
    QElapsedTimer timer;
    timer.start();
    QProcess find;
    find.start(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("f")});
    find.waitForStarted();
    while (find.state() != QProcess::NotRunning || find.bytesAvailable() > 0) {
        if (find.bytesAvailable() == 0) find.waitForReadyRead(1000);
        run.lines += find.readAll().count('\n');
    }
    run.ms = Ms(timer);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    const std::unique_ptr<Platform> platform = BenchPlatform(dir.path());
    InstallPlatform(platform.get());

    const QString hostRoot = dir.path() + QStringLiteral("/C/Tree");
    QElapsedTimer build;
    build.start();
    const int folders = BuildTree(hostRoot);
    std::printf("tree: %d folders, %d files under %s (built in %lld ms, not timed below)\n",
                folders, folders * kFilesPerFolder, qPrintable(hostRoot), build.elapsed());

    double collectMs = 0;
    qsizetype collected = 0;
    {
        THarbexZoDi z;
        z.settings.ZipTemp = QStringLiteral("C:\\Temp\\");
        z.model.DirSource = {QStringLiteral("C:\\Tree")};
        z.model.FilterList = {QStringLiteral("*.*")};
        z.model.Recurse = true;
        z.UserFolderCount = 1;
        QElapsedTimer timer;
        timer.start();
        const CollectResult result = z.collector().CollectClick();
        collectMs = Ms(timer);
        collected = z.BackupSet.size();
        std::printf(
            "collection: %.1f ms, %lld files in BackupSet, %lld folders searched (%s), "
            "%lld renamed copies, result %s\n",
            collectMs, static_cast<long long>(collected),
            static_cast<long long>(z.model.DirSource.size()),
            qPrintable(z.view.FolderCount.trimmed()),
            static_cast<long long>(z.DuplicateCopies ? z.DuplicateCopies->size() : 0),
            result == CollectResult::Collected ? "Collected" : "not collected");
    }

    {
        // The sub-folder search on its own, for a picture of where the time goes.
        THarbexZoDi z;
        z.model.DirSource = {QStringLiteral("C:\\Tree")};
        z.UserFolderCount = 1;
        QElapsedTimer timer;
        timer.start();
        z.collector().ExpandSubfolders();
        std::printf("  of which the sub-folder search alone takes about %.1f ms (%s)\n", Ms(timer),
                    qPrintable(z.view.FolderCount.trimmed()));
    }

    const FindRun find = TimeFind(hostRoot);
    std::printf("find -type f: %.1f ms, %lld files\n", find.ms, find.lines);
    std::printf("ratio collection / find: %.1f\n", find.ms > 0 ? collectMs / find.ms : 0.0);

    InstallPlatform(nullptr);
    return collected == find.lines ? 0 : 2;
}
