#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "drives/drivetest.h"
#include "engine/backuprun.h"
#include "engine/engines.h"
#include "log/runlogbook.h"
#include "schedule/sequencelist.h"
#include "support/programtexts.h"

namespace harbex::test {
namespace {

class BackupRunTest : public ControllerTest {
  protected:
    void useController() {
        THarbexZoDi& c = controller();
        c.panels.set(1, P("C:\\Harbex\\mine.bus"));
        c.settings.ZipTemp = P("C:\\Temp\\");
        c.settings.Duplicates = true;
        world.makeFolder(P("C:\\Temp"));
    }
    void run() { z->backupRun().DoAllClick(RunSender::StartBackup); }
    // The side file of the set with that extension, one path a line.
    void sideFile(const char* extension, const QStringList& lines) {
        world.writeFile(P("C:\\Harbex\\mine") + P(extension),
                        (lines.join(P("\r\n")) + P("\r\n")).toLatin1());
    }
};

// Each source file's bytes and time, to show that a backup never changes its sources.
QMap<QString, QString> Fingerprints(const QString& hostFolder) {
    QMap<QString, QString> prints;
    for (QDirIterator it(hostFolder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        prints[path] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex() +
                       QFileInfo(path).lastModified().toString(Qt::ISODateWithMs);
    }
    return prints;
}

TEST_F(BackupRunTest, BackupAllOfASetFileCopiesEveryFileToBothDrivesAndWritesTheReport) {
    MapDrive(world, u'F');
    MapDrive(world, u'G');
    world.makeFolder(P("G:\\Copies"));
    world.writeFile(P("C:\\Harbex\\office.bus"),
                    "[FILTERS]\r\n*.txt\r\n*.doc\r\n[DIRS]\r\nC:\\Src\\One\r\nC:\\Src\\Two\r\n"
                    "[PARAMS]\r\n-u \r\n[SHED]\r\n0\r\n1\r\n1\r\n13:55:09\r\n0\r\n[AUTO]\r\n0\r\n"
                    "[DIS DRIVES]\r\n[DAYS]\r\nUSE23456\r\n[NAMESET]\r\n1\r\n[SPECIFIC]\r\n1\r\n"
                    "G:\\Copies\r\n[ZIP TYPE]\r\n30\r\n[ZIP CORE]\r\nKeelwi\r\n[COMP]\r\n0\r\n"
                    "[NAMES]\r\nNOFILE\r\n[NET DIRS]\r\nF:\r\nG:\r\n[LOG]\r\n[WIZ]\r\n"
                    "0000000000000000000\r\n[COMM]\r\n[GEN]\r\n01");
    world.writeFile(P("C:\\Src\\One\\notes.txt"), "notes one");
    world.writeFile(P("C:\\Src\\Two\\notes.txt"), "notes two");
    world.writeFile(P("C:\\Src\\One\\a.doc"), "a");
    world.writeFile(P("C:\\Src\\Two\\b.doc"), "b");
    world.writeFile(P("C:\\Src\\Two\\skip.pdf"), "not collected");
    settingsForLaterStart(P("C:\\Harbex\\office.bus"));
    world.setSetting(P("A Quit"), P("0"));
    world.clock().set(QDateTime(QDate(2026, 12, 9), QTime(11, 0, 0)));  // a Wednesday
    start();
    ASSERT_EQ(z->panels[0], P("Wednesday"));
    const auto sources = Fingerprints(world.host(P("C:\\Src")));
    world.clock().set(QDateTime(QDate(2026, 12, 9), QTime(12, 0, 0)));

    z->commands.action(P("DoAll"))->trigger();

    const QStringList files = {P("0notes.txt"), P("a.doc"), P("b.doc"), P("notes.txt")};
    for (const char* folder : {"F:\\Wednesday", "G:\\Wednesday", "G:\\Copies"}) {
        EXPECT_EQ(QDir(world.host(P(folder))).entryList(QDir::Files), files) << folder;
        EXPECT_EQ(world.readFile(P(folder) + P("\\0notes.txt")), "notes two") << folder;
    }
    EXPECT_EQ(QDir(world.host(P("F:\\"))).entryList(QDir::Files), QStringList());
    EXPECT_EQ(Fingerprints(world.host(P("C:\\Src"))), sources);

    const QString one = Col(P("C:\\Src\\One\\notes.txt"));
    const QString copy = Col(P("C:\\0notes.txt"));
    const QString a = Col(P("C:\\Src\\One\\a.doc"));
    const QString b = Col(P("C:\\Src\\Two\\b.doc"));
    const QString d = P(": Week Day  >");
    const QString s = P(": Specific  >");
    const QStringList report = {P("C:\\Harbex\\office.bus Wednesday 09/12/2026: 12:00:01"),
                                P(" "),
                                P("DRIVE: G:"),
                                b + d + P("G:\\Wednesday\\b.doc OK"),
                                b + s + P("G:\\Copies\\b.doc OK"),
                                a + d + P("G:\\Wednesday\\a.doc OK"),
                                a + s + P("G:\\Copies\\a.doc OK"),
                                copy + P(": Week Day RE-NAMED >G:\\Wednesday\\0notes.txt OK"),
                                copy + P(": Specific RE-NAMED >G:\\Copies\\0notes.txt OK"),
                                one + d + P("G:\\Wednesday\\notes.txt OK"),
                                one + s + P("G:\\Copies\\notes.txt OK"),
                                P("DRIVE: F:"),
                                b + d + P("F:\\Wednesday\\b.doc OK"),
                                a + d + P("F:\\Wednesday\\a.doc OK"),
                                copy + P(": Week Day RE-NAMED >F:\\Wednesday\\0notes.txt OK"),
                                one + d + P("F:\\Wednesday\\notes.txt OK"),
                                P("---------------"),
                                P("Total Backups to be done     12"),
                                P("Files backed up successfully 12"),
                                P("Failed backups               0"),
                                P("Duplicate Files Re-named     3"),
                                P("-------------  END ------------------------"),
                                QString()};
    const QString logText =
        QString::fromLatin1(world.readFile(P("C:\\Harbex\\Wednesday_Harbex.log")));
    EXPECT_TRUE(logText.endsWith(report.join(P("\r\n")) + P("\r\n"))) << logText.toStdString();
    EXPECT_TRUE(z->log().RunLog.isEmpty()) << "saved and emptied after a manual set's run";
    EXPECT_EQ(z->panels[4], P("Backup complete"));
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(BackupRunTest, ABrowserSetWithDuplicateHandlingReadsTheListFromItsEnd) {
    useController();
    world.writeFile(P("C:\\A\\notes.txt"), "A");
    world.writeFile(P("C:\\B\\notes.txt"), "B");
    sideFile(".brw", {P("C:\\A\\notes.txt"), P("C:\\B\\notes.txt")});
    z->model.Extensions = 1;
    for (int runs = 0; runs < 2; ++runs) {
        run();
        EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\B\\notes.txt"), P("C:\\Temp\\0notes.txt")}));
        EXPECT_EQ(world.readFile(P("C:\\Temp\\0notes.txt")), "A");
    }
    z->settings.Duplicates = false;
    run();
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\A\\notes.txt"), P("C:\\B\\notes.txt")}));
}

TEST_F(BackupRunTest, CommonFilesAreSearchedRootByRootExtensionByExtensionOrReadFromTheList) {
    useController();
    for (const char* path :
         {"C:\\R1\\a.txt", "C:\\R1\\b.rtf", "C:\\R2\\c.TXT", "C:\\R2\\d.rtf", "C:\\R2\\e.doc"})
        world.writeFile(P(path), "x");
    z->model.Extensions = 2;
    z->model.ReCheck = true;
    z->model.RootList = {P("C:\\R1\\"), P("C:\\R2")};
    z->model.FileTypes[4] = true;  // text files: txt, rtf
    run();
    // Search order R1 txt, R1 rtf, R2 txt, R2 rtf; the list is read from its end.
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\R2\\d.rtf"), P("C:\\R2\\c.TXT"), P("C:\\R1\\b.rtf"),
                                         P("C:\\R1\\a.txt")}));
    EXPECT_EQ(z->view.tobackup, P("4"));

    z->model.ReCheck = false;
    sideFile(".dlf", {P("C:\\R2\\e.doc"), P("C:\\R1\\a.txt")});
    run();
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\R1\\a.txt"), P("C:\\R2\\e.doc")}));
}

TEST_F(BackupRunTest, WithoutAListOrWithTheUnsureAnswerTheEarlierListIsExported) {
    useController();
    world.writeFile(P("C:\\kept.txt"), "x");
    for (const int extensions : {1, 2, 3}) {
        z->model.Extensions = extensions;
        z->BackupSet = {P("C:\\kept.txt")};
        run();
        EXPECT_EQ(z->BackupSet, QStringList{P("C:\\kept.txt")}) << extensions;
        EXPECT_TRUE(z->log().RunLog.filter(P(">C:\\")).isEmpty());
    }
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(BackupRunTest, ACompressedRunExportsItsArchiveToEveryDriveBeforeDeletingIt) {
    useController();
    MapDrive(world, u'F');
    MapDrive(world, u'G');
    world.writeFile(P("C:\\A\\notes.txt"), "A");
    sideFile(".brw", {P("C:\\A\\notes.txt")});
    z->panels.set(0, P("Monday"));
    z->model.Extensions = 1;
    z->BrowserFilesChosen = true;
    z->model.Zipped = true;
    z->model.Nametype = 1;
    z->model.ZipCoreName = P("Office");
    z->model.Drivelist = {P("F:"), P("G:")};
    z->model.UseDailyFolders = true;
    z->model.Days.fill(true);
    z->settings.DelTemps = true;
    ASSERT_EQ(z->engines().SetupInternalEngine(false), 0);

    run();

    EXPECT_TRUE(world.exists(P("F:\\Monday\\Office.zip")));
    EXPECT_TRUE(world.exists(P("G:\\Monday\\Office.zip")));
    EXPECT_FALSE(world.exists(P("C:\\Temp\\Office.zip")));
    EXPECT_EQ(z->log().RunLog.filter(P("DELETED TEMP FILE")),
              QStringList{P("DELETED TEMP FILE C:\\Temp\\Office.zip")});
    EXPECT_EQ(z->log().RunLog.filter(P("Failed backups")),
              QStringList{P("Failed backups               0")});

    // A step that fails stops the run before the export, in every mode.
    z->settings.SequencingMode = true;
    z->sequence().InitSequenceGrid();
    z->sequence().setCell(1, SequenceList::ActiveCell, P("YES"));
    z->model.Extensions = 0;
    z->model.FilterList.clear();
    z->log().RunLog.clear();
    world.prompter().clear();
    run();
    EXPECT_EQ(world.prompter().messages().last(), P("File Compression error, Backup aborted"));
    EXPECT_TRUE(z->log().RunLog.filter(P("DRIVE:")).isEmpty());
}

}  // namespace
}  // namespace harbex::test
