#include <gtest/gtest.h>

#include "log/runlogbook.h"
#include "schedule/autoruns.h"
#include "support/scheduledsets.h"

namespace harbex::test {
namespace {

const QDate kSaturday(2026, 12, 5);

// The timers keep their intervals and their running state, but the test plays their ticks on
// the fake clock: a real tick arriving while messages are handled would add one by chance.
void TicksByHand(THarbexZoDi& z) {
    for (QTimer* t : {&z.Timer, &z.Delay, &z.ShedTimer, &z.MidnightTimer, &z.ShutDown})
        t->blockSignals(true);
}

class AutoRunsTest : public ScheduledSetTest {
  protected:
    THarbexZoDi& startWith(const QString& set, const QDateTime& when) {
        settingsForLaterStart(set);
        world.clock().set(when);
        THarbexZoDi& z = start();
        TicksByHand(z);
        return z;
    }
    // A scheduled daily set at its time, started at a moment on Monday.
    THarbexZoDi& dailyAt(const QTime& due, const QTime& now) {
        return startWith(writeSet(QStringLiteral("daily.bus"), 1, 0, due), QDateTime(kMonday, now));
    }
    // A manual set: nothing is armed until the test arms it.
    THarbexZoDi& manual() {
        return startWith(writeSet(QStringLiteral("manual.bus"), 0, 0, QTime(9, 0)),
                         QDateTime(kMonday, QTime(10, 0)));
    }
    void advance(int seconds) { world.clock().advanceMs(seconds * 1000LL); }
    // A run leaves one line in the log: the sets here collect nothing, so the export reports
    // that (a build without the backup run says so instead). The line is in the RunLog, or in
    // the file once the step after the run has written and emptied it.
    int runs(THarbexZoDi& z) {
        int found = 0;
        for (const char* trace : {"Export Failed No files Collected",
                                  "Backup runs are not available in this version"}) {
            const QString line = QString::fromLatin1(trace);
            int inLog = 0;
            for (const QString& logged : z.log().RunLog) inLog += logged.contains(line) ? 1 : 0;
            found +=
                inLog > 0
                    ? inLog
                    : static_cast<int>(world.readFile(z.settings.LogFileName).count(line.toUtf8()));
        }
        return found;
    }
};

// ---- the countdown ----

TEST_F(AutoRunsTest, TheDefaultCountdownFillsTheBarInFiftyTicksAndStartsItAgainAfterwards) {
    THarbexZoDi& z = startWith(writeSet(QStringLiteral("auto.bus"), 2, 0, QTime(9, 0)),
                               QDateTime(kMonday, QTime(10, 0)));
    EXPECT_EQ(Armed(z), kCountdown);
    EXPECT_TRUE(z.view.BackingupVisible);
    EXPECT_EQ(z.Timer.interval(), 5000);
    EXPECT_EQ(z.Delay.interval(), 100);
    for (int tick = 1; tick <= 50; ++tick) z.autoRuns().DelayTimer();
    EXPECT_EQ(z.view.Countdown, 500);
    z.autoRuns().DelayTimer();
    EXPECT_EQ(z.view.Countdown, 10) << "a step past the end starts again from the beginning";
    z.DelayTimeChange(10);
    EXPECT_EQ(z.Timer.interval(), 10000);
    EXPECT_EQ(z.Delay.interval(), 200);
}

TEST_F(AutoRunsTest, TheEndOfTheCountdownRunsTheBackupOnceAndClearsTheSummaryOnlyForAClose) {
    for (const bool quitAfterAuto : {true, false}) {
        z.reset();
        THarbexZoDi& zz = dailyAt(QTime(11, 0), QTime(10, 0));
        zz.settings.QuitAfterAuto = quitAfterAuto;
        zz.autoRuns().StartCountdown();
        // Something during the run stops closing at the summary (a refresh's sequencing answer).
        world.waits().onWait = [&zz] { zz.SummaryStale = true; };
        zz.autoRuns().TimerTimeout();
        world.waits().onWait = nullptr;
        EXPECT_EQ(runs(zz), 1);
        EXPECT_FALSE(zz.view.BackingupVisible);
        EXPECT_FALSE(zz.Timer.isActive());
        EXPECT_EQ(zz.SummaryStale, !quitAfterAuto) << quitAfterAuto;
    }
}

TEST_F(AutoRunsTest, BackupNowRunsAtOnceAndKeepsTheDelayButNotAfterStop) {
    THarbexZoDi& z = manual();
    z.DelayTimeChange(10);
    z.autoRuns().StartCountdown();
    z.autoRuns().BitBtn3Click();
    EXPECT_FALSE(z.view.BackingupVisible);
    EXPECT_EQ(runs(z), 0) << "the run starts at the next turn of the message loop";
    z.handleMessages();
    EXPECT_EQ(runs(z), 1);
    EXPECT_EQ(z.Timer.interval(), 10000);
    EXPECT_EQ(z.settings.TimerInterval, 10000);

    z.autoRuns().StartCountdown();
    z.autoRuns().StopSheduledbackups1Click();
    EXPECT_TRUE(z.view.BackingupVisible) << "Stop leaves the panel on the screen";
    EXPECT_EQ(z.panels[4], QStringLiteral("BACKUPS ABORTED"));
    EXPECT_EQ(z.panels[7], QString());
    z.autoRuns().BitBtn3Click();
    z.handleMessages();
    EXPECT_FALSE(z.view.BackingupVisible);
    EXPECT_EQ(runs(z), 1);
}

TEST_F(AutoRunsTest, AbortCancelsTheCountdownAndTheBarStopsItself) {
    THarbexZoDi& z = manual();
    z.autoRuns().StartCountdown();
    z.autoRuns().AbortAutoClick();
    EXPECT_EQ(z.panels[4], QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    EXPECT_FALSE(z.view.BackingupVisible);
    EXPECT_EQ(Armed(z), QStringList{QStringLiteral("Delay")});
    const int bar = z.view.Countdown;
    z.autoRuns().DelayTimer();
    EXPECT_TRUE(Armed(z).isEmpty());
    EXPECT_EQ(z.view.Countdown, bar);
    EXPECT_EQ(runs(z), 0);
}

TEST_F(AutoRunsTest, ACountdownEndingDuringARunWaitsForItsEnd) {
    THarbexZoDi& z = manual();
    z.autoRuns().StartCountdown();
    {
        const THarbexZoDi::RunScope running(z);
        z.autoRuns().TimerTimeout();
        z.handleMessages();
        EXPECT_EQ(runs(z), 0);
    }
    z.handleMessages();
    EXPECT_EQ(runs(z), 1);
    z.handleMessages();
    EXPECT_EQ(runs(z), 1);
}

// ---- the wait for a scheduled time ----

TEST_F(AutoRunsTest, ThreeMinutesToGoShowTwoAndOneThenTheCountdownStarts) {
    THarbexZoDi& z = dailyAt(QTime(10, 3), QTime(10, 0));
    ASSERT_EQ(z.MinutesToGo, 3);
    const QStringList expected{QStringLiteral("Next Backup due in 2 Minutes"),
                               QStringLiteral("Next Backup due in 1 Minutes")};
    for (const QString& status : expected) {
        advance(60);
        z.autoRuns().ShedTimerTimer();
        EXPECT_EQ(z.panels[4], status);
        EXPECT_EQ(Armed(z), kShedTimer);
    }
    advance(60);
    z.autoRuns().ShedTimerTimer();
    EXPECT_EQ(z.panels[4], QStringLiteral("Starting backup "));
    EXPECT_EQ(Armed(z), kCountdown);
    EXPECT_TRUE(z.view.BackingupVisible);
}

TEST_F(AutoRunsTest, AClockJumpDuringTheWaitStartsTheCountdownAtTheNextTick) {
    THarbexZoDi& z = dailyAt(QTime(11, 0), QTime(10, 0));
    ASSERT_EQ(z.MinutesToGo, 60);
    advance(90 * 60);
    z.autoRuns().ShedTimerTimer();
    EXPECT_EQ(Armed(z), kCountdown);
}

// ---- sleeping until the next day ----

TEST_F(AutoRunsTest, AMissedTimeSleepsAndTheMidnightStepArmsTheNextDaysWait) {
    world.setSetting(QStringLiteral("Miss"), QStringLiteral("3"));
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("3"));
    THarbexZoDi& z = dailyAt(QTime(8, 0), QTime(23, 0));
    ASSERT_EQ(Armed(z), kMidnight);
    const int counter = z.settings.LogCounter;
    advance(1800);
    z.autoRuns().MidnightTimerTimer();
    EXPECT_EQ(z.panels[7], QStringLiteral("SLP"));
    EXPECT_EQ(Armed(z), kMidnight);
    world.clock().set(QDateTime(kMonday.addDays(1), QTime(0, 0, 30)));
    z.autoRuns().MidnightTimerTimer();
    EXPECT_EQ(z.MinutesToGo, 479);
    EXPECT_EQ(z.panels[0], QStringLiteral("Tuesday"));
    EXPECT_EQ(z.panels[4], QStringLiteral("Next Backup due in 7 Hours 59 Mins"));
    EXPECT_EQ(z.panels[7], QStringLiteral("SHD"));
    EXPECT_EQ(Armed(z), kShedTimer);
    // One more for the new day, one more by naming the new file.
    EXPECT_EQ(z.settings.LogCounter, counter + 2);
    EXPECT_TRUE(z.settings.LogFileName.endsWith(
        QStringLiteral("HarbexLC") + QString::number(counter + 1) + QStringLiteral(".log")));
}

TEST_F(AutoRunsTest, AWeeklyMondaySetSleepsThroughSundayAndIsArmedOnMonday) {
    world.setSetting(QStringLiteral("L Options"), QStringLiteral("3"));
    THarbexZoDi& z = startWith(writeSet(QStringLiteral("monday.bus"), 1, 1, QTime(9, 0), 1),
                               QDateTime(kSaturday, QTime(12, 0)));
    const int counter = z.settings.LogCounter;
    ASSERT_EQ(Armed(z), kMidnight);
    // A late first tick on Sunday, then more ticks in the same minute: one step for the day.
    for (const QTime& t : {QTime(0, 0, 50), QTime(0, 0, 51), QTime(0, 0, 52)}) {
        world.clock().set(QDateTime(kSaturday.addDays(1), t));
        z.autoRuns().MidnightTimerTimer();
    }
    EXPECT_EQ(z.panels[0], QStringLiteral("Sunday"));
    EXPECT_EQ(z.panels[4], QStringLiteral("No Backup due Today"));
    EXPECT_EQ(Armed(z), kMidnight);
    EXPECT_EQ(z.settings.LogCounter, counter + 2);
    // No tick at all in Monday's first minute: the machine slept from 23:59 to 00:05.
    world.clock().set(QDateTime(kSaturday.addDays(1), QTime(23, 59)));
    z.autoRuns().MidnightTimerTimer();
    world.clock().set(QDateTime(kMonday, QTime(0, 5)));
    z.autoRuns().MidnightTimerTimer();
    EXPECT_EQ(z.panels[0], QStringLiteral("Monday"));
    EXPECT_EQ(z.MinutesToGo, 535);
    EXPECT_EQ(Armed(z), kShedTimer);
}

TEST_F(AutoRunsTest, ATimeJustAfterMidnightPassedAtTheStepStartsAtTheFirstMinuteTick) {
    world.setSetting(QStringLiteral("Miss"), QStringLiteral("3"));
    THarbexZoDi& z = dailyAt(QTime(0, 0, 30), QTime(23, 0));
    world.clock().set(QDateTime(kMonday.addDays(1), QTime(0, 0, 45)));
    z.autoRuns().MidnightTimerTimer();
    EXPECT_EQ(z.MinutesToGo, -1);
    EXPECT_EQ(z.panels[4], QStringLiteral("Next Backup due in -1 Minutes"));
    advance(60);
    z.autoRuns().ShedTimerTimer();
    EXPECT_EQ(Armed(z), kCountdown);
}

// ---- after every export ----

TEST_F(AutoRunsTest, TheStepAfterARunClosesOnlyAfterAutomaticWorkAndWritesTheLog) {
    struct Case {
        int autotype;
        bool quitAfterAuto;
        bool closes;
        bool logEmptied;
    };
    const Case cases[] = {{2, true, true, true},    {1, true, true, true},
                          {0, true, false, false},  {0, false, false, true},
                          {2, false, false, false}, {1, false, false, false}};
    for (const Case& c : cases) {
        z.reset();
        THarbexZoDi& zz = dailyAt(QTime(11, 0), QTime(10, 0));
        zz.model.autotype = c.autotype;
        zz.settings.QuitAfterAuto = c.quitAfterAuto;
        const QString line =
            QStringLiteral("copied case %1 %2").arg(c.autotype).arg(c.quitAfterAuto);
        zz.log().add(line);
        zz.autoRuns().AfterRunStep();
        const QString at =
            QStringLiteral("autotype %1 quit %2").arg(c.autotype).arg(c.quitAfterAuto);
        EXPECT_EQ(zz.ShutDown.isActive(), c.closes) << at.toStdString();
        EXPECT_EQ(zz.panels[4] == QStringLiteral("SHUTTING DOWN"), c.closes) << at.toStdString();
        EXPECT_EQ(zz.log().RunLog.isEmpty(), c.logEmptied) << at.toStdString();
        EXPECT_TRUE(world.readFile(zz.settings.LogFileName).contains(line.toUtf8()))
            << at.toStdString();
    }
}

TEST_F(AutoRunsTest, ARunAtStartUpSetClosesTheProgramFiveSecondsAfterItsRun) {
    THarbexZoDi& z = startWith(writeSet(QStringLiteral("auto.bus"), 2, 0, QTime(9, 0)),
                               QDateTime(kMonday, QTime(10, 0)));
    z.autoRuns().TimerTimeout();
    EXPECT_EQ(z.panels[4], QStringLiteral("SHUTTING DOWN"));
    EXPECT_EQ(z.ShutDown.interval(), 5000);
    EXPECT_EQ(runs(z), 1) << "the run's lines are in the file";
    const QByteArray log = world.readFile(z.settings.LogFileName);
    z.ShutDownTimer();
    EXPECT_EQ(z.panels[4], QStringLiteral("BACKUPS ABORTED")) << "the close was granted";
    EXPECT_EQ(world.readFile(z.settings.LogFileName), log) << "no closing lines for this set";
}

TEST_F(AutoRunsTest, TheDaysLastSequenceEntryWritesTheLogOrKeepsItsLinesWhenItCannot) {
    for (const bool folderThere : {true, false}) {
        z.reset();
        world.prompter().clear();
        THarbexZoDi& z = manual();
        z.settings.SequencingMode = true;
        z.SequenceIndex = 7;
        if (!folderThere) z.settings.LogFileName = QStringLiteral("C:\\gone\\Harbex.log");
        z.log().add(QStringLiteral("copied report.doc"));
        z.autoRuns().AfterRunStep();
        EXPECT_EQ(z.panels[4], QStringLiteral("Todays Backups finished"));
        EXPECT_EQ(Armed(z), kMidnight);
        EXPECT_FALSE(z.ShutDown.isActive());
        EXPECT_EQ(z.log().RunLog.isEmpty(), folderThere);
        EXPECT_EQ(
            world.prompter().saw(QStringLiteral("Unable to Save Log to C:\\gone\\Harbex.log")),
            !folderThere);
    }
}

}  // namespace
}  // namespace harbex::test
