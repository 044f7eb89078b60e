#include <gtest/gtest.h>

#include <QDir>

#include "log/runlogbook.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "schedule/sequencer.h"
#include "support/scheduledsets.h"

namespace harbex::test {
namespace {

class SequencerTest : public ScheduledSetTest {
  protected:
    void sequencing() { world.setSetting(P("MMode"), P("1")); }
    // Entries that are not written stay unassigned and inactive.
    void unassignedEntries() {
        for (int n = 0; n < 8; ++n) {
            world.setSetting(P("FName") + QString::number(n), P("UNASSIGNED"));
            world.setSetting(P("ST") + QString::number(n), P("23:59:59"));
        }
    }
};

TEST_F(SequencerTest, AnEntryWhoseSetIsGoneOrUnreadableIsPassedOverForTheNextOne) {
    struct Case {
        const char* what;
        QByteArray contents;  // empty: the file is gone
        bool logged;
    };
    const Case cases[] = {{"gone", QByteArray(), false},
                          {"unreadable", QByteArray("[SHED]\0\1\2", 10), true}};
    for (const Case& c : cases) {
        z.reset();
        world.prompter().clear();
        unassignedEntries();
        sequencing();
        const QString first = setPath(P("first.bus"));
        if (!c.contents.isEmpty()) world.writeFile(first, c.contents);
        const QString second = writeSet(P("second.bus"), 1, 0, QTime(11, 0));
        activeEntry(0, first, QTime(10, 30));
        activeEntry(1, second, QTime(11, 0));
        QStringList shown;  // the mode indicator while the sequencer waits
        world.waits().onWait = [this, &shown] { shown << z->panels[7]; };
        THarbexZoDi& s = startAt(second, QTime(10, 0));
        world.waits().onWait = nullptr;
        EXPECT_EQ(shown.mid(0, 2), (QStringList{P("SEQ 0"), P("SEQ 1")})) << c.what;
        EXPECT_EQ(s.SequenceIndex, 1) << c.what;
        EXPECT_EQ(s.busFile(), second);
        EXPECT_EQ(Armed(s), kShedTimer);
        EXPECT_TRUE(world.prompter().records().isEmpty()) << "nobody may be watching";
        const QStringList expected =
            c.logged ? QStringList{first + P(" Unable to load backup set: The file \"") + first +
                                   P("\" is not a text file Seq 0")}
                     : QStringList{};
        EXPECT_EQ(s.log().RunLog, expected) << c.what;
    }
}

TEST_F(SequencerTest, StartNowNeedsASetInRowOneAndThenRunsTheDayWithSkipping) {
    for (const bool rowOneFile : {false, true}) {
        z.reset();
        world.prompter().clear();
        unassignedEntries();
        world.setSetting(P("SkipMode"), P("0"));
        const QString current = writeSet(P("current.bus"), 0, 0, QTime(9, 0));
        const QString second = writeSet(P("second.bus"), 1, 0, QTime(11, 0));
        if (rowOneFile) {
            // Row 1 names a set but is not active: the day starts at the first active row.
            activeEntry(0, current, QTime(9, 0));
            world.setSetting(P("SActive0"), P("0"));
        }
        activeEntry(1, second, QTime(11, 0));
        THarbexZoDi& s = startAt(current, QTime(10, 0));
        s.sequencer().StartNowBtnClick();
        if (!rowOneFile) {
            EXPECT_EQ(world.prompter().texts(),
                      QStringList{P("Cannot load intial backup set: Sequence aborted")});
            EXPECT_TRUE(Armed(s).isEmpty());
            EXPECT_FALSE(s.settings.SequencingMode);
            EXPECT_FALSE(s.settings.Skip);
            EXPECT_EQ(s.busFile(), current);
            continue;
        }
        EXPECT_TRUE(world.prompter().records().isEmpty());
        EXPECT_TRUE(s.settings.SequencingMode);
        EXPECT_TRUE(s.settings.Skip);
        EXPECT_EQ(s.SequenceIndex, 1);
        EXPECT_EQ(s.busFile(), second);
        EXPECT_EQ(s.panels[7], P("SEQ 1"));
        EXPECT_EQ(s.MinutesToGo, 59) << "one second waited for the one active row tried";
        EXPECT_EQ(s.panels[4], P("Next Backup due in 59 Minutes"));
        EXPECT_EQ(Armed(s), kShedTimer);
    }
}

// A whole day of two sets on drive D:, with the real collection, copies and log, the timers
// played by hand on the fake clock.
TEST_F(SequencerTest, ADayOfTwoSetsBacksUpBothInOrderAndWritesOneLog) {
    world.makeFolder(P("D:\\Monday"));
    world.writeFile(P("C:\\Src\\Docs\\report.txt"), "report");
    world.writeFile(P("C:\\Src\\Accounts\\ledger.txt"), "ledger");
    auto setText = [](const char* folder, const char* time) {
        return QByteArray("[FILTERS]\r\n*.*\r\n[DIRS]\r\nC:\\Src\\") + folder +
               "\r\n[PARAMS]\r\n-u -s\r\n[SHED]\r\n0\r\n1\r\n1\r\n" + time +
               "\r\n0\r\n[AUTO]\r\n1\r\n[DIS DRIVES]\r\n[DAYS]\r\nUSE1234567\r\n[NAMESET]\r\n1"
               "\r\n[SPECIFIC]\r\n0\r\n[ZIP TYPE]\r\n00\r\n[ZIP CORE]\r\nseqset\r\n[COMP]\r\n0"
               "\r\n[NAMES]\r\nNOFILE\r\n[NET DIRS]\r\nD:\r\n[LOG]\r\n[WIZ]\r\n"
               "0000000000000000000\r\n[COMM]\r\n[GEN]\r\n11\r\n";
    };
    const QString docs = setPath(P("docs.bus"));
    const QString accounts = setPath(P("accounts.bus"));
    world.writeFile(docs, setText("Docs", "12:00:00"));
    world.writeFile(accounts, setText("Accounts", "12:05:00"));
    unassignedEntries();
    sequencing();
    activeEntry(0, docs, QTime(12, 0));
    activeEntry(1, accounts, QTime(12, 5));
    world.setSetting(P("Local Mode"), P("1"));
    THarbexZoDi& s = startAt(docs, QTime(11, 58));
    for (QTimer* t : {&s.Timer, &s.Delay, &s.ShedTimer, &s.MidnightTimer, &s.ShutDown})
        t->blockSignals(true);
    ASSERT_EQ(s.panels[7], P("SEQ 0"));

    // Every minute the wait ticks; a countdown that starts runs out. A day has 1440 minutes.
    // Each countdown starts in the last minute before its set's time.
    QStringList started;
    for (int minute = 0; minute < 1440 && !s.MidnightTimer.isActive(); ++minute) {
        world.clock().advanceMs(60000);
        if (s.ShedTimer.isActive()) s.autoRuns().ShedTimerTimer();
        if (s.Timer.isActive()) {
            const QTime now = world.clock().now().time();
            started << s.busFile() + P(" before ") + TimeText(now.addSecs(60 - now.second()));
            s.autoRuns().TimerTimeout();
            s.autoRuns().DelayTimer();  // the bar's next tick stops it
        }
    }
    EXPECT_EQ(started,
              (QStringList{docs + P(" before 12:00:00"), accounts + P(" before 12:05:00")}));
    EXPECT_EQ(QDir(world.host(P("D:\\Monday"))).entryList(QDir::Files),
              (QStringList{P("ledger.txt"), P("report.txt")}));
    EXPECT_EQ(world.readFile(P("D:\\Monday\\ledger.txt")), "ledger");
    EXPECT_EQ(s.panels[4], P("Todays Backups finished"));
    EXPECT_EQ(Armed(s), kMidnight);
    EXPECT_TRUE(s.log().RunLog.isEmpty()) << "written and emptied at the day's end";
    const QString log = QString::fromUtf8(world.readFile(s.settings.LogFileName));
    const qsizetype report = log.indexOf(P("report.txt"));
    const qsizetype ledger = log.indexOf(P("ledger.txt"));
    EXPECT_NE(report, -1) << log.toStdString();
    EXPECT_GT(ledger, report) << log.toStdString();
    EXPECT_TRUE(world.prompter().records().isEmpty());

    // The first tick after midnight starts the next day at the first row.
    world.clock().set(QDateTime(kMonday.addDays(1), QTime(0, 0, 30)));
    s.autoRuns().MidnightTimerTimer();
    EXPECT_EQ(s.panels[0], P("Tuesday"));
    EXPECT_EQ(s.SequenceIndex, 0);
    EXPECT_EQ(s.busFile(), docs);
    EXPECT_EQ(s.panels[7], P("SEQ 0"));
    EXPECT_EQ(s.MinutesToGo, 719) << "from 00:00:31, after the second the entry took";
    EXPECT_EQ(Armed(s), kShedTimer);
}

}  // namespace
}  // namespace harbex::test
