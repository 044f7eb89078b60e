#include <gtest/gtest.h>

#include "log/runlogbook.h"
#include "schedule/schedule.h"
#include "sets/setfile.h"
#include "support/scheduledsets.h"
#include "util/datetimetext.h"

namespace harbex::test {
namespace {

class ScheduledStartTest : public ScheduledSetTest {
  protected:
    // A daily set at 09:00 whose time has passed at the 10:00 start.
    THarbexZoDi& startMissed(int promptMissed) {
        world.setSetting(QStringLiteral("Miss"), QString::number(promptMissed));
        return startAt(writeSet(QStringLiteral("daily.bus"), 1, 0, QTime(9, 0)), QTime(10, 0));
    }
    const QString missedStatus = QStringLiteral("Missed Backup due at 09:00:00");
};

// ---- a scheduled set outside sequencing ----

TEST_F(ScheduledStartTest, ASetNotDueTodaySleepsUntilMidnight) {
    const QString set = writeSet(QStringLiteral("tuesday.bus"), 1, 1, QTime(12, 5), 2);
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(z.panels[4], QStringLiteral("No Backup due Today"));
    EXPECT_EQ(z.panels[7], QStringLiteral("SHD"));
    EXPECT_EQ(Armed(z), kMidnight);
    EXPECT_EQ(z.log().RunLog, QStringList{QStringLiteral("No Backup due Today")});
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(ScheduledStartTest, TheStatusFollowsTheLinesOfTodaysEarlierLog) {
    const QString log = QStringLiteral("C:\\Harbex\\Monday_Harbex.log");
    world.writeFile(log, "morning start\r\n");
    world.setModified(log, QDateTime(kMonday, QTime(7, 0)));
    const QString set = writeSet(QStringLiteral("tuesday.bus"), 1, 1, QTime(12, 5), 2);
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(z.log().RunLog, (QStringList{QStringLiteral("morning start"),
                                           QStringLiteral("No Backup due Today")}));
}

TEST_F(ScheduledStartTest, ASetDueLaterTodayWaitsForItsTime) {
    const QString set = writeSet(QStringLiteral("weekly.bus"), 1, 1, QTime(12, 5), 1);
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(z.panels[4], QStringLiteral("Next Backup due in 2 Hours 5 Mins"));
    EXPECT_EQ(z.panels[7], QStringLiteral("SHD"));
    EXPECT_EQ(z.MinutesToGo, 125);
    EXPECT_EQ(Armed(z), kShedTimer);
    EXPECT_EQ(z.log().RunLog, QStringList{QStringLiteral("Next Backup due in 2 Hours 5 Mins")});
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(ScheduledStartTest, MinutesToGoDropTheSecondsAndReachZeroAtTheTime) {
    const QString set = writeSet(QStringLiteral("daily.bus"), 1, 0, QTime(10, 5));
    THarbexZoDi& z = startAt(set, QTime(10, 0, 30));
    EXPECT_EQ(z.MinutesToGo, 4);
    EXPECT_EQ(z.panels[4], QStringLiteral("Next Backup due in 4 Minutes"));
    EXPECT_EQ(Armed(z), kShedTimer);
}

TEST_F(ScheduledStartTest, StartedExactlyAtTheTimeTheBackupIsStillDue) {
    const QString set = writeSet(QStringLiteral("daily.bus"), 1, 0, QTime(10, 5));
    THarbexZoDi& z = startAt(set, QTime(10, 5));
    EXPECT_EQ(z.MinutesToGo, 0);
    EXPECT_EQ(z.panels[4], QStringLiteral("Next Backup due in 0 Minutes"));
    EXPECT_EQ(Armed(z), kShedTimer);
}

// ---- a missed time, by the missed-backup policy ----

TEST_F(ScheduledStartTest, MissedWithPolicyNothingOnlyTellsTheUser) {
    THarbexZoDi& z = startMissed(0);
    EXPECT_EQ(z.panels[4], missedStatus);
    EXPECT_EQ(world.prompter().texts(),
              QStringList{QStringLiteral("Backup due missed at 09:00:00")});
    EXPECT_TRUE(world.prompter().questions().isEmpty());
    EXPECT_TRUE(Armed(z).isEmpty());
    EXPECT_EQ(z.log().RunLog, QStringList{missedStatus});
}

TEST_F(ScheduledStartTest, MissedWithPolicyAskAndYesStartsTheCountdown) {
    world.prompter().answerNext(Button::Yes);
    THarbexZoDi& z = startMissed(1);
    ASSERT_EQ(world.prompter().records().size(), 1);
    const PromptRecord& question = world.prompter().records().first();
    EXPECT_TRUE(question.isQuestion);
    EXPECT_EQ(question.text, QStringLiteral("A Backup was due Today at 09:00:00 Backup Now ?"));
    EXPECT_EQ(question.icon, IconKind::Information);
    EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::No, Button::Help}));
    EXPECT_EQ(question.helpContext, 50);
    EXPECT_EQ(Armed(z), kCountdown);
    EXPECT_EQ(z.panels[4], missedStatus);
    EXPECT_EQ(z.log().RunLog, QStringList{missedStatus});
}

TEST_F(ScheduledStartTest, MissedWithPolicyAskAndNoArmsNothing) {
    world.prompter().answerNext(Button::No);
    THarbexZoDi& z = startMissed(1);
    EXPECT_EQ(world.prompter().questions(),
              QStringList{QStringLiteral("A Backup was due Today at 09:00:00 Backup Now ?")});
    EXPECT_TRUE(Armed(z).isEmpty());
    EXPECT_EQ(z.panels[4], missedStatus);
    EXPECT_EQ(z.log().RunLog, QStringList{missedStatus});
}

TEST_F(ScheduledStartTest, MissedWithPolicyImmediatelyStartsTheCountdownWithoutAsking) {
    THarbexZoDi& z = startMissed(2);
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_EQ(Armed(z), kCountdown);
    EXPECT_EQ(z.panels[4], missedStatus);
    EXPECT_EQ(z.log().RunLog, QStringList{missedStatus});
}

TEST_F(ScheduledStartTest, MissedWithPolicyNextTimeSleepsUntilMidnight) {
    THarbexZoDi& z = startMissed(3);
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_EQ(Armed(z), kMidnight);
    EXPECT_EQ(z.panels[4], missedStatus);
    EXPECT_EQ(z.log().RunLog, QStringList{missedStatus});
}

TEST_F(ScheduledStartTest, OneSecondLateIsMissed) {
    world.setSetting(QStringLiteral("Miss"), QStringLiteral("0"));
    const QString set = writeSet(QStringLiteral("daily.bus"), 1, 0, QTime(9, 59, 59));
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(z.panels[4], QStringLiteral("Missed Backup due at 09:59:59"));
    EXPECT_EQ(world.prompter().messages(),
              QStringList{QStringLiteral("Backup due missed at 09:59:59")});
}

// ---- a set that runs at start-up ----

TEST_F(ScheduledStartTest, RunAtStartUpStartsTheCountdown) {
    const QString set = writeSet(QStringLiteral("auto.bus"), 2, 0, QTime(12, 0));
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(Armed(z), kCountdown);
    EXPECT_EQ(z.panels[7], QStringLiteral("AUTO"));
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_TRUE(z.log().RunLog.isEmpty()) << "only a scheduled set logs its start-up status";
}

TEST_F(ScheduledStartTest, RunAtStartUpWithSequencingFallsBackToManual) {
    const QString set = writeSet(QStringLiteral("auto.bus"), 2, 0, QTime(12, 0));
    activeEntry(0, set, QTime(12, 0));
    world.setSetting(QStringLiteral("MMode"), QStringLiteral("1"));
    THarbexZoDi& z = startAt(set, QTime(10, 0));
    EXPECT_EQ(z.panels[1], set) << "the sequencer loaded the entry's set";
    EXPECT_EQ(z.panels[4], QStringLiteral("BUS ERROR: MANUAL OPERATION"));
    EXPECT_EQ(world.prompter().texts(),
              QStringList{QStringLiteral("The loaded Backup-Set has 'Run at start-up selected', "
                                         "\rManual mode has been set")});
    EXPECT_FALSE(z.settings.SequencingMode);
    EXPECT_EQ(z.model.autotype, 0);
    EXPECT_EQ(z.panels[7], QStringLiteral("MAN"));
    EXPECT_TRUE(Armed(z).isEmpty());
}

// ---- the sequencer's start pass ----

class SequencedStartTest : public ScheduledStartTest {
  protected:
    // Three active daily entries at 09:00, 09:30 and 10:00, started at 09:45:00.
    THarbexZoDi& startSequence(bool skip) {
        early = writeSet(QStringLiteral("early.bus"), 1, 0, QTime(9, 0));
        middle = writeSet(QStringLiteral("middle.bus"), 1, 0, QTime(9, 30));
        late = writeSet(QStringLiteral("late.bus"), 1, 0, QTime(10, 0));
        activeEntry(0, early, QTime(9, 0));
        activeEntry(1, middle, QTime(9, 30));
        activeEntry(2, late, QTime(10, 0));
        world.setSetting(QStringLiteral("MMode"), QStringLiteral("1"));
        world.setSetting(QStringLiteral("SkipMode"),
                         skip ? QStringLiteral("1") : QStringLiteral("0"));
        return startAt(late, QTime(9, 45));
    }
    QString early, middle, late;
};

TEST_F(SequencedStartTest, MissedEntriesAreLoggedAndSkippedToTheNextDueOne) {
    THarbexZoDi& z = startSequence(true);
    EXPECT_EQ(z.log().RunLog,
              (QStringList{early + QStringLiteral(" Missed scheduled backup at 09:00:00 Seq 0"),
                           middle + QStringLiteral(" Missed scheduled backup at 09:30:00 Seq 1")}));
    EXPECT_EQ(z.SequenceIndex, 2);
    EXPECT_EQ(z.panels[1], late);
    EXPECT_EQ(z.panels[7], QStringLiteral("SEQ 2"));
    EXPECT_EQ(Armed(z), kShedTimer);
    // Every step of the pass waits a second, so the minutes count from the clock at its end.
    const QTime now = world.clock().now().time();
    EXPECT_EQ(now, QTime(9, 45, 5)) << "one second per entry tried and per entry missed";
    EXPECT_EQ(z.MinutesToGo, MinutesUntil(QTime(10, 0), now));
    EXPECT_EQ(z.panels[4], TimeToNextText(z.MinutesToGo));
    EXPECT_EQ(z.windowTitle(), z.TitleText + QStringLiteral(" : late.bus"));
    EXPECT_TRUE(z.Idle);
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_FALSE(world.exists(z.settings.LogFileName)) << "the day is not over";
}

TEST_F(SequencedStartTest, WithoutSkippingTheFirstMissedEntryEndsTheDay) {
    THarbexZoDi& z = startSequence(false);
    const QStringList lines{early + QStringLiteral(" Missed scheduled backup at 09:00:00 Seq 0"),
                            QStringLiteral("SKIP TO NEXT IS OFF BACKUP SEQUENCE TERMINATED"),
                            QStringLiteral("FINISHED")};
    EXPECT_EQ(z.log().RunLog, lines) << "the sequencer's save keeps the RunLog";
    QByteArray expected;
    for (const QString& line : lines) expected += line.toUtf8() + "\r\n";
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\Harbex\\Monday_Harbex.log")), expected);
    EXPECT_EQ(z.SequenceIndex, -1);
    EXPECT_EQ(z.panels[4], QStringLiteral("Todays Backups finished"));
    EXPECT_EQ(Armed(z), kMidnight);
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(SequencedStartTest, WithNoEntryDueTodayTheSequencerSleepsUntilMidnight) {
    const QString first = writeSet(QStringLiteral("first.bus"), 1, 1, QTime(9, 0), 2);
    const QString second = writeSet(QStringLiteral("second.bus"), 1, 1, QTime(11, 0), 2);
    activeEntry(0, first, QTime(9, 0));
    activeEntry(3, second, QTime(11, 0));
    world.setSetting(QStringLiteral("MMode"), QStringLiteral("1"));
    const quint64 waitedBefore = world.waits().totalWaitedMs;
    THarbexZoDi& z = startAt(first, QTime(10, 0));
    EXPECT_EQ(z.SequenceIndex, -1);
    EXPECT_EQ(z.panels[1], second) << "the last active entry's set is current";
    EXPECT_EQ(z.model.TimePicker, QTime(11, 0));
    EXPECT_EQ(z.panels[4], QStringLiteral("No Backup due today"));
    EXPECT_EQ(z.panels[7], QStringLiteral("SEQF"));
    EXPECT_EQ(Armed(z), kMidnight);
    EXPECT_TRUE(z.settings.SequencingMode);
    EXPECT_TRUE(z.log().RunLog.isEmpty());
    EXPECT_EQ(world.waits().totalWaitedMs - waitedBefore, 4000u)
        << "a second for each active entry tried, two for the day without a backup";
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(SequencedStartTest, TheFinishedDayCountsTheSequentialLogOnWithoutRenamingIt) {
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("3"));
    world.setSetting(QStringLiteral("L Count"), QStringLiteral("4"));
    THarbexZoDi& z = startSequence(false);
    EXPECT_EQ(z.settings.LogFileName, QStringLiteral("C:\\Harbex\\HarbexLC4.log"));
    EXPECT_EQ(z.settings.LogCounter, 6) << "once for the name, once for the finished day";
    EXPECT_TRUE(world.exists(QStringLiteral("C:\\Harbex\\HarbexLC4.log")));
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\HarbexLC5.log")));
}

}  // namespace
}  // namespace harbex::test
