// Two timings of the uncompressed backup against `cp -r` of the same tree:
//   small: 100 000 small files in 1 000 folders; the whole run (collect, export, validate,
//          report) with the pauses the user gets, and the peak memory of the process;
//   big:   about 1 GB of mixed sizes (many small files, some of 100 MB); the export alone to one
//          drive with the pauses made instant, then again with "Verify copies by content" (the
//          second ratio: what reading every copy and source back costs).
// Usage: export_bench [small|big|both]   (default both; small runs first, so that the peak
// memory printed after it is that run's)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "app/harbexzodi.h"
#include "bench/benchsupport.h"
#include "engine/backuprun.h"
#include "engine/collector.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "util/weekdays.h"

namespace {

using namespace harbex;
using namespace harbex::bench;

// A set that takes every file below C:\Tree and copies it to today's daily folder on D:.
void UseTreeSet(THarbexZoDi& z) {
    z.settings.ZipTemp = QStringLiteral("C:\\Temp\\");
    z.settings.Duplicates = true;
    z.settings.QuitAfterAuto = true;  // the report stays in the RunLog to be read here
    z.panels.set(0, WeekdayName(WeekdayNumber(Now().today())));
    z.panels.set(1, QStringLiteral("C:\\Harbex\\bench.bus"));
    z.log().SetLogFileName();
    z.model.DirSource = {QStringLiteral("C:\\Tree")};
    z.model.FilterList = {QStringLiteral("*.*")};
    z.model.Recurse = true;
    z.UserFolderCount = 1;
    z.model.Drivelist = {QStringLiteral("D:")};
    z.model.UseDailyFolders = true;
    z.model.Days.fill(true);
}

// The report's summary line for successful copies.
QString SummaryLine(THarbexZoDi& z) {
    const QStringList lines = z.log().RunLog.filter(QStringLiteral("Files backed up successfully"));
    return lines.isEmpty() ? QStringLiteral("(no report)") : lines.last();
}

double CopyTree(const QString& root, const QString& into) {
    QDir(into).removeRecursively();
    SettleDisk();
    return TimeProgram(QStringLiteral("cp"), {QStringLiteral("-r"), root, into});
}

// A target of 0 prints the ratio alone.
void Compare(const char* what, double harbexMs, double cpMs, double target) {
    std::printf("%s: harbex %.0f ms, cp -r %.0f ms, ratio %.2f", what, harbexMs, cpMs,
                cpMs > 0 ? harbexMs / cpMs : 0.0);
    if (target > 0) std::printf(" (target at most %.2f)", target);
    std::printf("\n");
    std::fflush(stdout);
}

void SmallFiles(const QString& root) {
    const std::unique_ptr<Platform> platform = BenchPlatform(root, false);
    InstallPlatform(platform.get());
    const QString tree = root + QStringLiteral("/C/Tree");
    BuildFolderTree(
        tree, [](const QString& folder, int number) { WriteFiles(folder, number, 100, 512); });
    std::printf("small: 100 000 files of 512 bytes in 1 000 folders\n");
    double runMs = 0;
    {
        THarbexZoDi z;
        UseTreeSet(z);
        SettleDisk();
        QElapsedTimer timer;
        timer.start();
        z.backupRun().DoAllClick(RunSender::BackupAll);
        runMs = Ms(timer);
        std::printf("small: whole run %.0f ms (of which 3.2 s are the fixed pauses), %s\n", runMs,
                    qPrintable(SummaryLine(z)));
    }
    std::printf("small: peak resident memory of the run %.0f MB\n", PeakResidentMb());
    const double cpMs = CopyTree(tree, root + QStringLiteral("/D/cp"));
    Compare("small", runMs, cpMs, 3.0);
    QDir(root + QStringLiteral("/D")).removeRecursively();
    QDir(tree).removeRecursively();
    QDir().mkpath(root + QStringLiteral("/D"));
    InstallPlatform(nullptr);
}

void BigFiles(const QString& root) {
    const std::unique_ptr<Platform> platform = BenchPlatform(root, true);
    InstallPlatform(platform.get());
    const QString tree = root + QStringLiteral("/C/Tree");
    // 7 files of 100 MB and 10 000 files of 32 KB: about 1 GB.
    BuildFolderTree(tree, [](const QString& folder, int number) {
        WriteFiles(folder, number, 10, 32 << 10);
        if (number % 150 != 0) return;
        QDir().mkpath(folder + QStringLiteral("/big"));
        WriteFiles(folder + QStringLiteral("/big"), number + 1000, 1, 100 << 20);
    });
    std::printf("big: 7 files of 100 MB and 10 000 files of 32 KB\n");
    THarbexZoDi z;
    UseTreeSet(z);
    z.collector().CollectClick();
    SettleDisk();
    QElapsedTimer timer;
    timer.start();
    z.exporter().ExportFiles(RunSender::ExportCommand);
    const double exportMs = Ms(timer);
    std::printf("big: export of %lld files %.0f ms, %s\n",
                static_cast<long long>(z.BackupSet.size()), exportMs, qPrintable(SummaryLine(z)));
    // The same export again with "Verify copies by content": every copy and its source read back.
    z.settings.VerifyContent = true;
    z.log().RunLog.clear();
    SettleDisk();
    timer.restart();
    z.exporter().ExportFiles(RunSender::ExportCommand);
    const double verifiedMs = Ms(timer);
    std::printf("big: export verified by content %.0f ms, %s\n", verifiedMs,
                qPrintable(SummaryLine(z)));
    const double cpMs = CopyTree(tree, root + QStringLiteral("/D/cp"));
    Compare("big", exportMs, cpMs, 1.15);
    Compare("big verified", verifiedMs, cpMs, 0);
    std::printf("big: content verification costs %.2f times the export without it\n",
                exportMs > 0 ? verifiedMs / exportMs : 0.0);
    InstallPlatform(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("both");
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    if (which != u"big") SmallFiles(dir.path());
    if (which != u"small") BigFiles(dir.path());
    return 0;
}
