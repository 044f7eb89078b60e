// Times a whole collection (sub-folders on, every file) over a tree of 100 000 files in 1 000
// folders, and `find -type f` over the same tree for comparison. The waits between steps take
// no time here, so the figure is the cost of the file-system work and the bookkeeping alone.
// Usage: collect_bench [runs]   (the best of that many runs is compared; default 3)

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/harbexzodi.h"
#include "bench/benchsupport.h"
#include "engine/collector.h"

namespace {

using namespace harbex;
using namespace harbex::bench;

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchMachine machine(argc, argv);
    if (!machine.valid()) return 1;
    const int runs = machine.runs;
    const QString hostRoot = machine.BuildReportedTree(100, [](const QString& root) {
        return BuildFolderTree(
            root, [](const QString& folder, int number) { WriteFiles(folder, number, 100, 1); });
    });

    double collectMs = 1e300;
    qsizetype collected = 0;
    for (int run = 0; run < runs; ++run) {
        THarbexZoDi z;
        z.settings.ZipTemp = QStringLiteral("C:\\Temp\\");
        z.model.DirSource = {QStringLiteral("C:\\Tree")};
        z.model.FilterList = {QStringLiteral("*.*")};
        z.model.Recurse = true;
        z.UserFolderCount = 1;
        QElapsedTimer timer;
        timer.start();
        const CollectResult result = z.collector().CollectClick();
        const double ms = Ms(timer);
        collectMs = std::min(collectMs, ms);
        collected = z.BackupSet.size();
        std::printf(
            "collection: %.1f ms, %lld files in BackupSet, %lld folders searched (%s), "
            "%lld renamed copies, result %s\n",
            ms, static_cast<long long>(collected), static_cast<long long>(z.model.DirSource.size()),
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

    FindRun find{1e300, 0};
    for (int run = 0; run < runs; ++run) {
        const FindRun one = TimeFind(hostRoot);
        std::printf("find -type f: %.1f ms, %lld files\n", one.ms, one.lines);
        if (one.ms < find.ms) find = one;
    }
    std::printf("best of %d: collection %.1f ms, find %.1f ms, ratio collection / find: %.2f\n",
                runs, collectMs, find.ms, find.ms > 0 ? collectMs / find.ms : 0.0);

    return collected == find.lines ? 0 : 2;
}
