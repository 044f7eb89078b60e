#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "log/runlogbook.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

const QDate kMonday(2026, 12, 7);

QByteArray CrLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    return bytes;
}

class RunLogTest : public ControllerTest {
  protected:
    // A controller whose settings are set by hand; no start-up runs.
    RunLogBook& book(int logOptions, int logCounter = 0) {
        THarbexZoDi& z = controller();
        z.settings.LogOptions = logOptions;
        z.settings.LogCounter = logCounter;
        return z.log();
    }
    QString nameFor(int logOptions, int logCounter = 0) {
        book(logOptions, logCounter).SetLogFileName();
        return z->settings.LogFileName;
    }
    // A manual set in the program's folder, named by the settings of a later start.
    QString writeManualSet() {
        const QString path = setPath(QStringLiteral("office.bus"));
        world.writeFile(path, ComposeSetText(BackupSetModel{}, 1).toUtf8());
        settingsForLaterStart(path);
        return path;
    }
    QByteArray logBytes() const { return world.readFile(z->settings.LogFileName); }
};

// ---- naming ----

TEST_F(RunLogTest, EverySchemeNamesTodaysFileInTheProgramsFolder) {
    EXPECT_EQ(nameFor(0), QStringLiteral("C:\\Harbex\\Harbex.log"));
    EXPECT_EQ(nameFor(1), QStringLiteral("C:\\Harbex\\Monday_Harbex.log"));
    EXPECT_EQ(nameFor(2), QStringLiteral("C:\\Harbex\\HarbexDM7.log")) << "no leading zero";
    EXPECT_EQ(nameFor(-1), QStringLiteral("C:\\Harbex\\")) << "an unknown option names the folder";
    EXPECT_EQ(nameFor(4), QStringLiteral("C:\\Harbex\\"));
}

TEST_F(RunLogTest, SequentialNameShowsTheCounterAndThenCountsOn) {
    EXPECT_EQ(nameFor(3, 4), QStringLiteral("C:\\Harbex\\HarbexLC4.log"));
    EXPECT_EQ(z->log().CountLab, QStringLiteral("4"));
    EXPECT_EQ(z->settings.LogCounter, 5);

    EXPECT_EQ(nameFor(3, 0), QStringLiteral("C:\\Harbex\\HarbexLC0.log"));
    EXPECT_EQ(z->log().CountLab, QStringLiteral("0"));
    EXPECT_EQ(z->settings.LogCounter, 1);

    // The other schemes leave the counter alone.
    EXPECT_EQ(nameFor(1, 9), QStringLiteral("C:\\Harbex\\Monday_Harbex.log"));
    EXPECT_EQ(z->settings.LogCounter, 9);
}

TEST_F(RunLogTest, NamesFollowTheDateOfTheClock) {
    world.clock().set(QDateTime(QDate(2026, 12, 31), QTime(9, 0)));  // a Thursday
    EXPECT_EQ(nameFor(1), QStringLiteral("C:\\Harbex\\Thursday_Harbex.log"));
    EXPECT_EQ(nameFor(2), QStringLiteral("C:\\Harbex\\HarbexDM31.log"));
    world.clock().set(QDateTime(QDate(2027, 1, 3), QTime(9, 0)));  // a Sunday
    EXPECT_EQ(nameFor(1), QStringLiteral("C:\\Harbex\\Sunday_Harbex.log"));
    EXPECT_EQ(nameFor(2), QStringLiteral("C:\\Harbex\\HarbexDM3.log"));
}

TEST_F(RunLogTest, ResettingTheSequentialNumberKeepsTheFileName) {
    EXPECT_EQ(nameFor(3, 6), QStringLiteral("C:\\Harbex\\HarbexLC6.log"));
    z->log().Page14ResetClick();
    EXPECT_EQ(z->settings.LogCounter, 0);
    EXPECT_EQ(z->log().CountLab, QStringLiteral("0"));
    EXPECT_EQ(z->settings.LogFileName, QStringLiteral("C:\\Harbex\\HarbexLC6.log"));
}

TEST_F(RunLogTest, StartUpNamesTheLogFromTheStoredSettings) {
    writeManualSet();
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("3"));
    world.setSetting(QStringLiteral("L Count"), QStringLiteral("4"));
    world.setSetting(QStringLiteral("Log"), QStringLiteral("C:\\Old\\stored.log"));
    THarbexZoDi& z = start();
    EXPECT_EQ(z.settings.LogFileName, QStringLiteral("C:\\Harbex\\HarbexLC4.log"))
        << "the stored name is replaced by today's";
    EXPECT_EQ(z.log().CountLab, QStringLiteral("4"));
    EXPECT_EQ(z.settings.LogCounter, 5);
}

// ---- continuing today's log ----

TEST_F(RunLogTest, TodaysFileIsReloadedAtStartUp) {
    writeManualSet();
    const QString log = world.programFolder() + QStringLiteral("Monday_Harbex.log");
    world.writeFile(log, "first run line\r\nsecond run line\r\n");
    world.setModified(log, QDateTime(kMonday, QTime(0, 0, 1)));
    THarbexZoDi& z = start();
    EXPECT_EQ(z.log().RunLog,
              (QStringList{QStringLiteral("first run line"), QStringLiteral("second run line")}));

    // Saving again keeps the reloaded lines once, in front of the new ones.
    z.log().add(QStringLiteral("third run line"));
    ASSERT_TRUE(z.log().SaveRunLog());
    z.log().EmptyAfterSave();
    z.log().add(QStringLiteral("fourth run line"));
    ASSERT_TRUE(z.log().SaveRunLog());
    EXPECT_EQ(world.readFile(log),
              CrLfLines({QStringLiteral("first run line"), QStringLiteral("second run line"),
                         QStringLiteral("third run line"), QStringLiteral("fourth run line")}));
}

TEST_F(RunLogTest, AnUnreadableLogOfTodayIsKeptAsideAndNotedWithoutStoppingStartUp) {
    writeManualSet();
    const QString log = world.programFolder() + QStringLiteral("Monday_Harbex.log");
    const QString aside =
        world.programFolder() + QStringLiteral("Monday_Harbex_20261207_100000.log");
    const QByteArray unreadable("half a line\0\0\0", 14);
    world.writeFile(log, unreadable);
    world.setModified(log, QDateTime(kMonday, QTime(0, 0, 1)));
    THarbexZoDi& z = start();
    ASSERT_EQ(z.log().RunLog.size(), 1);
    EXPECT_TRUE(z.log().RunLog.first().startsWith(
        QStringLiteral("Earlier log lines of today could not be read: ")));
    EXPECT_TRUE(
        z.log().RunLog.first().endsWith(QStringLiteral("; that file was kept as ") + aside));
    EXPECT_TRUE(world.prompter().questions().isEmpty());
    for (const QString& message : world.prompter().messages())
        EXPECT_FALSE(message.contains(QStringLiteral("Monday_Harbex.log")));

    const QString note = z.log().RunLog.first();
    z.close();
    EXPECT_EQ(world.readFile(aside), unreadable) << "kept whole";
    const QStringList written = SplitTextLines(QString::fromUtf8(world.readFile(log)));
    ASSERT_EQ(written.size(), 4) << "the note and the closing lines";
    EXPECT_EQ(written[0], note);
}

TEST_F(RunLogTest, LastMonthsLogOfTheSameDayOfTheMonthIsNotContinued) {
    writeManualSet();
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("2"));
    const QString log = world.programFolder() + QStringLiteral("HarbexDM7.log");
    world.writeFile(log, "seventh of last month\r\n");
    world.setModified(log, QDateTime(QDate(2026, 11, 7), QTime(10, 0)));
    THarbexZoDi& z = start();
    EXPECT_EQ(z.settings.LogFileName, log);
    EXPECT_TRUE(z.log().RunLog.isEmpty());
}

TEST_F(RunLogTest, YesterdaysFileIsNotReloadedAndTheFirstSaveReplacesIt) {
    writeManualSet();
    const QString log = world.programFolder() + QStringLiteral("Harbex.log");
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("0"));
    world.writeFile(log, "a much longer line written late yesterday evening\r\nanother one\r\n");
    world.setModified(log, QDateTime(kMonday.addDays(-1), QTime(23, 59, 59)));
    THarbexZoDi& z = start();
    EXPECT_TRUE(z.log().RunLog.isEmpty());

    z.log().add(QStringLiteral("today"));
    ASSERT_TRUE(z.log().SaveRunLog());
    EXPECT_EQ(world.readFile(log), CrLfLines({QStringLiteral("today")}));
}

// ---- saving ----

TEST_F(RunLogTest, TwoSavesOnOneDayKeepBothSavesLinesInOrder) {
    RunLogBook& log = book(1);
    log.SetLogFileName();
    log.add(QStringLiteral("run 1 header"));
    log.add(QStringLiteral("run 1 end"));
    ASSERT_TRUE(log.SaveRunLog());
    EXPECT_EQ(log.RunLog.size(), 2) << "a save alone does not empty the RunLog";
    log.EmptyAfterSave();
    EXPECT_TRUE(log.RunLog.isEmpty());

    world.clock().set(QDateTime(kMonday, QTime(18, 30)));
    log.add(QStringLiteral("run 2 header"));
    log.add(QStringLiteral("run 2 end"));
    ASSERT_TRUE(log.SaveRunLog());
    log.EmptyAfterSave();
    log.add(QStringLiteral("closing"));
    ASSERT_TRUE(log.SaveRunLog());

    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("run 1 header"), QStringLiteral("run 1 end"),
                                     QStringLiteral("run 2 header"), QStringLiteral("run 2 end"),
                                     QStringLiteral("closing")}));
    EXPECT_EQ(log.RunLog, QStringList{QStringLiteral("closing")});
}

TEST_F(RunLogTest, ASaveOnANewDayDoesNotCarryYesterdaysLinesIntoTheSameFile) {
    RunLogBook& log = book(0);
    log.SetLogFileName();
    log.add(QStringLiteral("monday"));
    ASSERT_TRUE(log.SaveRunLog());
    log.EmptyAfterSave();

    world.clock().set(QDateTime(kMonday.addDays(1), QTime(8, 0)));
    log.add(QStringLiteral("tuesday"));
    ASSERT_TRUE(log.SaveRunLog());
    EXPECT_EQ(z->settings.LogFileName, QStringLiteral("C:\\Harbex\\Harbex.log"));
    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("tuesday")}));
}

TEST_F(RunLogTest, ClearLogDropsWhatWasSavedBeforeFromTheNextSave) {
    RunLogBook& log = book(1);
    log.SetLogFileName();
    log.add(QStringLiteral("saved earlier"));
    ASSERT_TRUE(log.SaveRunLog());
    log.EmptyAfterSave();
    log.add(QStringLiteral("not yet saved"));
    z->commands.action(QStringLiteral("ClearLog"))->trigger();
    EXPECT_TRUE(log.RunLog.isEmpty());
    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("saved earlier")})) << "the file is untouched";

    log.add(QStringLiteral("after the clear"));
    ASSERT_TRUE(log.SaveRunLog());
    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("after the clear")}));
}

TEST_F(RunLogTest, ASaveReplacesTheFileAsAWholeNewFile) {
    RunLogBook& log = book(0);
    log.SetLogFileName();
    world.writeFile(z->settings.LogFileName, "old line one\r\nold line two\r\n");
    // A viewer that has the old log open keeps reading the old file whole.
    QFile reader(world.host(z->settings.LogFileName));
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    log.add(QStringLiteral("new"));
    ASSERT_TRUE(log.SaveRunLog());
    EXPECT_EQ(reader.readAll(), QByteArray("old line one\r\nold line two\r\n"));
    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("new")}));
}

TEST_F(RunLogTest, ACheckedSaveToAMissingFolderShowsTheMessageAndWritesNothing) {
    RunLogBook& log = book(1);
    z->settings.LogFileName = QStringLiteral("C:\\Gone\\Logs\\Monday_Harbex.log");
    log.add(QStringLiteral("kept"));
    EXPECT_FALSE(log.SaveRunLogChecked(QStringLiteral("Unable to Save Log to ")));
    EXPECT_FALSE(log.SaveRunLogChecked(QStringLiteral("Unable to Save Log file to")));
    EXPECT_EQ(world.prompter().messages(),
              (QStringList{
                  QStringLiteral("Unable to Save Log to C:\\Gone\\Logs\\Monday_Harbex.log"),
                  QStringLiteral("Unable to Save Log file toC:\\Gone\\Logs\\Monday_Harbex.log")}));
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Gone")));
    EXPECT_EQ(log.RunLog, QStringList{QStringLiteral("kept")});
}

TEST_F(RunLogTest, ACheckedSaveWritesToAnExistingFolderAndADriveRoot) {
    RunLogBook& log = book(1);
    log.SetLogFileName();
    log.add(QStringLiteral("line"));
    EXPECT_TRUE(log.SaveRunLogChecked(QStringLiteral("Unable to Save Log to ")));
    EXPECT_EQ(logBytes(), CrLfLines({QStringLiteral("line")}));

    z->settings.LogFileName = QStringLiteral("C:\\Harbex.log");
    EXPECT_TRUE(log.SaveRunLogChecked(QStringLiteral("Unable to Save Log to ")));
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\Harbex.log")),
              CrLfLines({QStringLiteral("line")}));
    EXPECT_TRUE(world.prompter().messages().isEmpty());
}

// ---- closing lines ----

TEST_F(RunLogTest, AfterAClearLogTheClosingSaveHoldsOnlyTheThreeClosingLines) {
    const QString set = writeManualSet();
    THarbexZoDi& z = start();
    RunLogBook& log = z.log();
    log.add(QStringLiteral("report of an earlier run"));
    ASSERT_TRUE(log.SaveRunLog());
    log.EmptyAfterSave();
    log.add(QStringLiteral("a line the user clears"));
    log.ClearLog1Click();

    world.clock().set(QDateTime(kMonday, QTime(10, 0, 0)));
    log.AddClosingLines();
    ASSERT_TRUE(log.SaveRunLogChecked(QStringLiteral("Unable to Save Log file to")));
    EXPECT_EQ(z.panels[4], QStringLiteral("Manual Mode"));
    EXPECT_EQ(
        world.readFile(z.settings.LogFileName),
        CrLfLines({QStringLiteral("Log File save at System shutdown 10:00:00 07/12/2026"),
                   QStringLiteral("Loaded BUS ") + set, QStringLiteral("Status Manual Mode")}));
}

TEST_F(RunLogTest, TheClosingSaveAddsTheLinesAndWritesThem) {
    const QString set = writeManualSet();
    THarbexZoDi& z = start();
    z.log().add(QStringLiteral("cleared away"));
    z.log().ClearLog1Click();
    z.log().SaveClosingLog();
    EXPECT_EQ(
        world.readFile(z.settings.LogFileName),
        CrLfLines({QStringLiteral("Log File save at System shutdown 10:00:00 07/12/2026"),
                   QStringLiteral("Loaded BUS ") + set, QStringLiteral("Status Manual Mode")}));
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(RunLogTest, TheClosingSaveReportsAMissingFolderAndAFailedWrite) {
    RunLogBook& log = book(1);
    z->settings.LogFileName = QStringLiteral("C:\\Gone\\Monday_Harbex.log");
    log.SaveClosingLog();
    EXPECT_EQ(world.prompter().messages(),
              QStringList{QStringLiteral("Unable to Save Log file toC:\\Gone\\Monday_Harbex.log")});
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Gone")));

    // An unknown logging option names the folder itself, which cannot be written as a file.
    world.prompter().clear();
    EXPECT_EQ(nameFor(4), QStringLiteral("C:\\Harbex\\"));
    log.SaveClosingLog();
    EXPECT_EQ(world.prompter().messages(), QStringList{QStringLiteral("Error creating log file")});
    EXPECT_TRUE(QFileInfo(world.host(QStringLiteral("C:\\Harbex"))).isDir());
}

TEST_F(RunLogTest, ClosingLinesFollowTheLinesOfTheRunLog) {
    THarbexZoDi& z = controller();
    z.panels.set(1, QStringLiteral("C:\\Sets\\accounts.bus"));
    z.panels.set(4, QStringLiteral("Backup complete"));
    z.log().add(QStringLiteral("earlier"));
    world.clock().set(QDateTime(QDate(2026, 12, 24), QTime(18, 5, 9)));
    z.log().AddClosingLines();
    EXPECT_EQ(z.log().RunLog,
              (QStringList{QStringLiteral("earlier"),
                           QStringLiteral("Log File save at System shutdown 18:05:09 24/12/2026"),
                           QStringLiteral("Loaded BUS C:\\Sets\\accounts.bus"),
                           QStringLiteral("Status Backup complete")}));
}

}  // namespace
}  // namespace harbex::test
