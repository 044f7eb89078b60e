// Times the common-files search (three groups checked: e-mail, documents, text, six extensions)
// over a tree of 200 000 files in 5 000 folders, and `find -type f` with the same six name
// patterns over the same tree for comparison. The search is the Search button's whole work:
// the walk, the found list and its ".dlf" file.
// Usage: commonfiles_bench [runs]   (the best of that many runs is compared; default 3)

#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/harbexzodi.h"
#include "bench/benchsupport.h"
#include "commonfiles/commonfiles.h"

namespace {

using namespace harbex;
using namespace harbex::bench;

constexpr int kTopFolders = 50;
constexpr int kFoldersPerTop = 99;  // 50 + 50 * 99 = 5 000 folders
constexpr int kFilesPerFolder = 40;

// Forty names per folder: some of each searched extension in mixed case, and many that are not
// searched (docx, no extension, other types).
const char* const kSuffixes[] = {".doc",  ".DOC", ".txt", ".rtf", ".eml", ".pst", ".dbx",
                                 ".docx", "",     ".jpg", ".pdf", ".dat", ".xls", ".bak",
                                 ".tmp",  ".log", ".c",   ".h",   ".cpp", ".ini"};

void WriteEmptyFiles(const QString& folder, int number) {
    for (int i = 0; i < kFilesPerFolder; ++i) {
        const QByteArray name = QFile::encodeName(folder) + "/f" + QByteArray::number(number) +
                                '_' + QByteArray::number(i) + kSuffixes[i % 20];
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0) ::close(fd);
    }
}

int BuildTree(const QString& root) {
    int folders = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = root + QStringLiteral("/top%1").arg(t);
        QDir().mkpath(top);
        WriteEmptyFiles(top, folders++);
        for (int s = 0; s < kFoldersPerTop; ++s) {
            const QString sub = top + QStringLiteral("/sub%1").arg(s);
            QDir().mkpath(sub);
            WriteEmptyFiles(sub, folders++);
        }
    }
    return folders;
}

// The same six extensions as name patterns, letter case ignored.
QStringList FindPatterns() {
    QStringList tests = {QStringLiteral("(")};
    for (const char* extension : {"eml", "dbx", "pst", "doc", "txt", "rtf"}) {
        if (tests.size() > 1) tests << QStringLiteral("-o");
        tests << QStringLiteral("-iname") << QStringLiteral("*.") + QLatin1String(extension);
    }
    return tests << QStringLiteral(")");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchMachine machine(argc, argv);
    if (!machine.valid()) return 1;
    const int runs = machine.runs;
    const QString hostRoot = machine.BuildReportedTree(kFilesPerFolder, BuildTree);

    double searchMs = 1e300;
    qsizetype found = 0;
    for (int run = 0; run < runs; ++run) {
        THarbexZoDi z;
        z.settings.BusFile = QStringLiteral("C:\\Harbex\\default.bus");
        z.model.RootList = {QStringLiteral("C:\\Tree")};
        for (const int group : {0, 1, 4}) z.model.FileTypes[static_cast<size_t>(group)] = true;
        QElapsedTimer timer;
        timer.start();
        z.commonFiles().SearchBtnClick();
        const double ms = Ms(timer);
        searchMs = std::min(searchMs, ms);
        found = z.view.CListBox1.size();
        std::printf("common-files search: %.1f ms, %s, %s, status \"%s\"\n", ms,
                    qPrintable(z.view.FFound), qPrintable(z.commonFiles().progressText()),
                    qPrintable(z.panels.text(4)));
    }

    FindRun find{1e300, 0};
    for (int run = 0; run < runs; ++run) {
        const FindRun one = TimeFind(hostRoot, FindPatterns());
        std::printf("find -type f ( -iname '*.eml' -o ... ): %.1f ms, %lld files\n", one.ms,
                    one.lines);
        if (one.ms < find.ms) find = one;
    }
    std::printf("best of %d: search %.1f ms, find %.1f ms, ratio search / find: %.2f\n", runs,
                searchMs, find.ms, find.ms > 0 ? searchMs / find.ms : 0.0);

    return found == find.lines ? 0 : 2;
}
