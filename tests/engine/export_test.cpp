#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <functional>

#include "drives/drivetest.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "platform/filecopy.h"
#include "schedule/sequencelist.h"
#include "support/programtexts.h"
#include "support/readonlyfolder.h"

namespace harbex::test {
namespace {

const QString kBus = P("C:\\Harbex\\default.bus");
const QString kSource = P("C:\\D\\abc.txt");  // 12 characters: 28 blanks follow it
const QString kSummaryEnd = P("-------------  END ------------------------");

// Drives F: and G: active in that order, daily folders on Monday, the clock on Monday.
class ExportTest : public ControllerTest {
  protected:
    ExportTest() {
        MapDrive(world, u'F');
        MapDrive(world, u'G');
        THarbexZoDi& c = controller();
        c.panels.set(0, P("Monday"));
        c.panels.set(1, kBus);
        c.settings.ZipTemp = P("C:\\Temp\\");
        c.log().SetLogFileName();
        c.model.Drivelist = {P("F:"), P("G:")};
        c.model.UseDailyFolders = true;
        c.model.Days = {false, true, true, true, true, true, false};
        world.makeFolder(P("C:\\Temp"));
        world.writeFile(kSource, QByteArray(64 << 10, 'n'));
        c.BackupSet = {kSource};
    }
    QStringList& runLog() { return z->log().RunLog; }
    void exportFiles(RunSender sender = RunSender::ExportCommand) {
        z->exporter().ExportFiles(sender);
    }
    // The marks validation gave the copy lines, in log order.
    QStringList marks() {
        QStringList found;
        for (const QString& line : runLog())
            if (line.contains(u'>')) found << line.section(u' ', -1);
        return found;
    }
    QStringList summary(int total, int done, int renamed) {
        return {P("Total Backups to be done     ") + QString::number(total),
                P("Files backed up successfully ") + QString::number(done),
                P("Failed backups               ") + QString::number(total - done),
                P("Duplicate Files Re-named     ") + QString::number(renamed),
                kSummaryEnd,
                QString()};
    }
};

TEST_F(ExportTest, CopiesDrivesLastToFirstEntriesLastToFirstDailyBeforeSpecificFolders) {
    const QString longSource = P("C:\\Data\\A folder with a longer name\\r.doc");
    world.writeFile(longSource, "report");
    world.setModified(longSource, QDateTime(QDate(2020, 2, 3), QTime(4, 5, 6)));
    z->BackupSet = {kSource, longSource};
    MapDrive(world, u'H');  // ready, but not one of the set's drives
    for (const char* folder : {"G:\\Copies", "g:\\Lower", "H:\\Elsewhere"})
        world.makeFolder(P(folder));
    z->model.UseSpecificFolders = true;
    z->model.DestList = {P("G:\\Copies"), P("H:\\Elsewhere"), P("g:\\Lower")};
    z->UserFolderCount = 1;
    z->model.DirSource = {P("C:\\D"), P("C:\\D\\Added")};
    runLog() = {P("an earlier line")};

    exportFiles(RunSender::BackupAll);

    const QString daily = P(": Week Day  >");
    const QString specific = P(": Specific  >");
    const QStringList expected = QStringList{kBus + P(" Monday 07/12/2026: 10:00:00"),
                                             P(" "),
                                             P("DRIVE: G:"),
                                             longSource + daily + P("G:\\Monday\\r.doc OK"),
                                             longSource + specific + P("G:\\Copies\\r.doc OK"),
                                             longSource + specific + P("g:\\Lower\\r.doc OK"),
                                             Col(kSource) + daily + P("G:\\Monday\\abc.txt OK"),
                                             Col(kSource) + specific + P("G:\\Copies\\abc.txt OK"),
                                             Col(kSource) + specific + P("g:\\Lower\\abc.txt OK"),
                                             P("DRIVE: F:"),
                                             longSource + daily + P("F:\\Monday\\r.doc OK"),
                                             Col(kSource) + daily + P("F:\\Monday\\abc.txt OK"),
                                             P("---------------")} +
                                 summary(8, 8, 0);
    EXPECT_EQ(runLog(), expected);
    EXPECT_EQ(Col(kSource), kSource + QString(28, u' '));
    EXPECT_EQ(world.readFile(P("F:\\Monday\\r.doc")), "report");
    EXPECT_EQ(QFileInfo(world.host(P("G:\\Lower\\r.doc"))).lastModified(),
              QDateTime(QDate(2020, 2, 3), QTime(4, 5, 6)));
    EXPECT_TRUE(QDir(world.host(P("H:\\Elsewhere"))).isEmpty());
    EXPECT_EQ(z->model.DirSource, QStringList{P("C:\\D")});
    EXPECT_EQ(z->panels[4], P("Backup complete"));
    EXPECT_EQ(z->view.CheckBar, 0);
    EXPECT_EQ(world.readFile(z->settings.LogFileName).count("\r\n"), expected.size() + 1)
        << "the earlier line stays in today's file before the report";
}

struct Drill {
    const char* name;
    std::function<void(TestWorld&)> before;  // runs just before the export
    QStringList marks;                       // G:'s copy line, then F:'s
    bool sourceListed;                       // the report lists the source as not found
};

void PrintTo(const Drill& drill, std::ostream* out) {
    *out << drill.name;
}

class ExportDrill : public ExportTest, public ::testing::WithParamInterface<Drill> {
  protected:
    ~ExportDrill() override {
        // The folder made read-only by a drill must go with the test machine.
        MakeFolderWritable(world.host(P("F:\\Monday")));
        const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
    }
};

void MakeReadOnly(TestWorld& w) {
    ASSERT_TRUE(MakeFolderReadOnly(w.host(P("F:\\Monday"))));
}

TEST_P(ExportDrill, AFailedCopyKeepsTheOldCopyAndIsReportedFailed) {
    const Drill& drill = GetParam();
    // Yesterday's copies have the source's size: only this run's copy may make a line OK.
    const QByteArray old(64 << 10, 'o');
    world.writeFile(P("F:\\Monday\\abc.txt"), old);
    world.writeFile(P("G:\\Monday\\abc.txt"), old);
    drill.before(world);

    exportFiles();

    EXPECT_EQ(marks(), drill.marks);
    // A failed copy leaves the old one as it was.
    for (int i = 0; i < drill.marks.size(); ++i) {
        const QString copy = QString(i == 0 ? u'G' : u'F') + P(":\\Monday\\abc.txt");
        EXPECT_EQ(world.readFile(copy) == old, drill.marks[i] == u"FAILED") << copy.toStdString();
    }
    EXPECT_EQ(QDir(world.host(P("F:\\Monday"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{P("abc.txt")})
        << "no temporary file is left behind";
    const QStringList fails = {P("---------------"), P("Collect set fails list: Files not found 2"),
                               P("1 ") + kSource, P("2 ") + kSource};
    const qsizetype at = runLog().indexOf(fails[1]);
    EXPECT_EQ(at >= 0, drill.sourceListed);
    if (at >= 0) {
        EXPECT_EQ(runLog().mid(at - 1, 4), fails);
    }
}

const Drill kDrills[] = {
    {"ReadOnlyDestination", MakeReadOnly, {P("OK"), P("FAILED")}, false},
    {"DestinationFillsUp",
     [](TestWorld&) {
         // Every write past 16 KB fails, as on a full disk; the log file stays below that.
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{16 << 10, RLIM_INFINITY};
         setrlimit(RLIMIT_FSIZE, &limit);
     },
     {P("FAILED"), P("FAILED")},
     false},
    {"SourceDeletedAfterCollection",
     [](TestWorld& w) { QFile::remove(w.host(kSource)); },
     {},
     true},
};
INSTANTIATE_TEST_SUITE_P(Drills, ExportDrill, ::testing::ValuesIn(kDrills), CaseName);

TEST_F(ExportTest, AMissingDailyFolderGivesAFailedLineAndAnUnreachableDriveGetsNone) {
    world.writeFile(P("F:\\Monday"), "a file where the folder should be");
    exportFiles();
    EXPECT_EQ(marks(), (QStringList{P("OK"), P("FAILED")}));
    EXPECT_EQ(runLog().filter(P("DRIVE:")), (QStringList{P("DRIVE: G:"), P("DRIVE: F:")}));

    runLog().clear();
    world.unmapDrive(u'F');
    z->model.UseDailyFolders = false;
    z->settings.MoveDrives = false;
    z->settings.AbortBox = true;
    exportFiles();
    EXPECT_EQ(world.prompter().messages(),
              QStringList{P("Backup aborted - Please check All Mapped drives")});
    EXPECT_TRUE(runLog().filter(P("DRIVE:")).isEmpty());
    EXPECT_TRUE(marks().isEmpty());
}

TEST_F(ExportTest, RenamedCopiesAreMarkedCountedAndNeverListedMissingTemporariesGoAtTheEnd) {
    const QString archive = P("C:\\Temp\\ARCH01.zip");
    const QString renamed = P("C:\\Temp\\0abc.txt");
    world.writeFile(archive, "zip");
    world.writeFile(renamed, "second abc");
    world.writeFile(P("C:\\Temp\\r.doc"), "a user's own file");
    world.writeFile(P("C:\\Data\\r.doc"), "source");
    z->TempArchives = {archive};
    z->DuplicateCopies =
        std::make_unique<QStringList>(QStringList{renamed, P("C:\\Temp\\1abc.txt")});
    z->BackupSet = {archive, P("C:\\Data\\r.doc"), renamed, P("C:\\Temp\\1abc.txt")};
    z->settings.DelTemps = true;

    exportFiles();

    for (const char* copy : {"F:\\Monday\\ARCH01.zip", "G:\\Monday\\ARCH01.zip",
                             "F:\\Monday\\0abc.txt", "G:\\Monday\\r.doc"})
        EXPECT_TRUE(world.exists(P(copy))) << copy;
    EXPECT_FALSE(world.exists(archive));
    EXPECT_FALSE(world.exists(renamed));
    EXPECT_TRUE(world.exists(P("C:\\Temp\\r.doc"))) << "not the run's own file";
    EXPECT_EQ(runLog().filter(P("DELETED TEMP FILE")),
              (QStringList{P("DELETED TEMP FILE ") + renamed, P("DELETED TEMP FILE ") + archive}));
    EXPECT_EQ(runLog().filter(P("RE-NAMED")),
              (QStringList{Col(renamed) + P(": Week Day RE-NAMED >G:\\Monday\\0abc.txt OK"),
                           Col(renamed) + P(": Week Day RE-NAMED >F:\\Monday\\0abc.txt OK")}));
    EXPECT_TRUE(runLog().filter(P("Files not found")).isEmpty());
    EXPECT_EQ(runLog().mid(runLog().size() - 6), summary(6, 6, 2));
}

TEST_F(ExportTest, EachReportValidatesOnlyItsOwnLinesAlsoAfterClearLog) {
    // Lines of the day read back at start-up, one of them naming a file that exists.
    runLog() = {P("old >C:\\nothing"), P("old >") + kSource};
    exportFiles();
    EXPECT_EQ(runLog().mid(0, 2), (QStringList{P("old >C:\\nothing"), P("old >") + kSource}));
    EXPECT_EQ(marks().mid(2), (QStringList{P("OK"), P("OK")}));

    z->log().ClearLog1Click();
    QFile::remove(world.host(kSource));
    world.writeFile(P("C:\\D\\new.txt"), "new");
    z->BackupSet = {P("C:\\D\\new.txt")};
    exportFiles();
    EXPECT_EQ(marks(), (QStringList{P("OK"), P("OK")}));
    EXPECT_EQ(runLog().mid(runLog().size() - 6), summary(2, 2, 0));
    EXPECT_EQ(z->ReportEnd, runLog().size());
}

TEST_F(ExportTest, LongPathsWithBlanksAndAccentsCopyAndValidate) {
    QString folder = P("C:\\Données de l'été");
    for (int i = 0; i < 6; ++i)
        folder += P("\\un dossier au nom assez long, numéro ") + QString::number(i);
    const QString source = folder + P("\\le rapport final.doc");
    ASSERT_GT(source.size(), 260);
    world.writeFile(source, "long");
    const QString destination = P("G:") + folder.mid(2);
    world.makeFolder(destination);
    z->BackupSet = {source};
    z->model.UseSpecificFolders = true;
    z->model.DestList = {destination};

    exportFiles();

    EXPECT_EQ(marks(), (QStringList{P("OK"), P("OK"), P("OK")}));
    EXPECT_EQ(world.readFile(destination + P("\\le rapport final.doc")), "long");
}

TEST_F(ExportTest, NothingCollectedIsLoggedAndShownOutsideSequencingOnly) {
    for (const bool sequencing : {false, true}) {
        z->BackupSet.clear();
        runLog().clear();
        world.prompter().clear();
        z->settings.SequencingMode = sequencing;
        z->settings.EnabLog = false;  // the line is written all the same
        if (sequencing) {
            z->sequence().InitSequenceGrid();
            z->sequence().setCell(1, SequenceList::ActiveCell, P("YES"));
        }
        const QString time = world.clock().now().time().toString(P("HH:mm:ss"));
        exportFiles();
        // At the end of a day's sequence the RunLog is saved and emptied: the line is in the file.
        const QStringList lines =
            sequencing
                ? SplitTextLines(QString::fromLatin1(world.readFile(z->settings.LogFileName)))
                : runLog();
        EXPECT_TRUE(lines.contains(kBus + P(" Monday 07/12/2026: ") + time +
                                   P(" Export Failed No files Collected ")))
            << lines.join(u'\n').toStdString();
        EXPECT_EQ(world.prompter().messages(),
                  sequencing ? QStringList() : QStringList{P("Export Failed No files Collected")});
        // In sequencing mode the step after the export goes on to the day's next entry; with
        // none left the day is over.
        EXPECT_EQ(z->panels[4], sequencing ? P("Todays Backups finished") : P("Backup complete"));
    }
}

TEST_F(ExportTest, TheWindowHandlesMessagesBetweenCopies) {
    world.writeFile(P("C:\\D\\second.txt"), "2");
    z->BackupSet = {kSource, P("C:\\D\\second.txt")};
    QStringList shown;
    world.waits().onMessages = [&] { shown << z->panels[4]; };
    z->commands.action(P("StartExport"))->trigger();
    // Before each file on each drive: the copy of one file never waits for the last to be done.
    EXPECT_GE(shown.filter(P("Transfering ") + kSource).size(), 2);
    EXPECT_GE(shown.filter(P("Transfering C:\\D\\second.txt")).size(), 2);
}

TEST(CopyHostFile, AKilledCopyLeavesTheOldFileAndNoHalfFile) {
    QTemporaryDir dir;
    const QString from = dir.filePath(P("big.bin"));
    const QString to = dir.filePath(P("out/big.bin"));
    QDir().mkpath(dir.filePath(P("out")));
    QFile old(to);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("yesterday");
    old.close();
    // Grows until a copy is still running when it is caught.
    for (qint64 size = 64ll << 20; size <= 2ll << 30; size *= 4) {
        QFile source(from);
        ASSERT_TRUE(source.open(QIODevice::WriteOnly) && source.resize(size));
        source.close();
        const pid_t child = ::fork();
        if (child == 0) {
            CopyHostFile(from, to);
            ::_exit(0);
        }
        const QString fds = P("/proc/%1/fd").arg(child);
        const QDeadlineTimer deadline(20000);
        bool caught = false;
        while (!caught && !deadline.hasExpired() && ::waitpid(child, nullptr, WNOHANG) == 0) {
            for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::System | QDir::Files))
                caught = caught || fd.symLinkTarget().startsWith(dir.filePath(P("out/")));
            if (caught) ::kill(child, SIGKILL);
        }
        if (!caught) continue;
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(QDir(dir.filePath(P("out"))).entryList(QDir::Files | QDir::Hidden),
                  QStringList{P("big.bin")});
        QFile kept(to);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "yesterday");
        return;
    }
    FAIL() << "no copy was caught in progress";
}

}  // namespace
}  // namespace harbex::test

namespace harbex::test {
namespace {

// The copy on G: is changed after the copies and before they are checked: one byte flipped (the
// size stays, so only reading the copy back can tell), or the copy replaced by its source's
// bytes again (nothing to find).
TEST_F(ExportTest, VerifyingByContentFailsACopyWhoseBytesDifferFromItsSource) {
    struct Case {
        const char* name;
        bool verify;
        bool corrupt;
        QStringList marks;  // G: first, then F:
        int done;
    };
    const std::vector<Case> cases = {
        {"VerifiedCorrupted", true, true, {P("(content)"), P("OK")}, 1},
        {"VerifiedIntact", true, false, {P("OK"), P("OK")}, 2},
        {"NotVerifiedCorrupted", false, true, {P("OK"), P("OK")}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runLog().clear();
        z->settings.VerifyContent = c.verify;
        const QString copy = world.host(P("G:\\Monday\\abc.txt"));
        int seen = 0;
        z->exporter().onCopiesMade = [&] {
            ++seen;
            ASSERT_EQ(QFileInfo(copy).size(), 64 << 10) << "the copy is made before the hook";
            if (!c.corrupt) return;
            QFile file(copy);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.seek(40000);
            file.write("x");  // was 'n'
        };
        exportFiles();
        EXPECT_EQ(seen, 1);
        EXPECT_EQ(marks(), c.marks);
        if (c.verify && c.corrupt) {
            EXPECT_TRUE(runLog().contains(Col(kSource) + P(": Week Day  >G:\\Monday\\abc.txt "
                                                           "FAILED (content)")));
        }
        const ExportOutcome& outcome = z->exporter().lastOutcome();
        EXPECT_EQ(outcome.done, c.done);
        EXPECT_EQ(outcome.failed, 2 - c.done);
        EXPECT_EQ(outcome.allCopiesGood(), c.done == 2);
        world.writeFile(P("G:\\Monday\\abc.txt"), "");
    }
}

}  // namespace
}  // namespace harbex::test
