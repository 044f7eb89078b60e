#include <gtest/gtest.h>

#include "engine/collector.h"
#include "log/runlogbook.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "support/programtexts.h"
#include "util/datetimetext.h"

namespace harbex::test {
namespace {

const QString kLog = QStringLiteral("C:\\Harbex\\Monday_Harbex.log");

QStringList LinesOf(const QByteArray& bytes) {
    return SplitTextLines(QString::fromUtf8(bytes));
}

class ShutDownTest : public ControllerTest {
  protected:
    // A later start with a set file in the program's folder as the current set.
    THarbexZoDi& startWith(const BackupSetModel& set) {
        path = setPath(QStringLiteral("office.bus"));
        world.writeFile(path, ComposeSetText(set, 1).toUtf8());
        settingsForLaterStart(path);
        THarbexZoDi& c = start();
        world.prompter().clear();
        return c;
    }
    // The closing lines a manual set leaves, at the fake clock's time.
    QStringList closingLines() {
        const QDateTime now = world.clock().now();
        return {QStringLiteral("Log File save at System shutdown ") + TimeText(now.time()) + u' ' +
                    DateText(now.date()),
                QStringLiteral("Loaded BUS ") + path, QStringLiteral("Status BACKUPS ABORTED")};
    }
    QString path;
};

TEST_F(ShutDownTest, AManualSetSavesSettingsLogsTheClosingLinesAndOverwritesItsFile) {
    BackupSetModel set;
    set.FilterList = {QStringLiteral("*.doc")};
    THarbexZoDi& z = startWith(set);
    z.model.FilterList << QStringLiteral("*.xls");
    z.log().add(QStringLiteral("a line of the day"));

    z.commands.action(QStringLiteral("ExitNB"))->trigger();

    EXPECT_TRUE(world.prompter().records().isEmpty()) << "an existing file is saved unasked";
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"));
    EXPECT_EQ(world.setting(QStringLiteral("Bus File")), path);
    EXPECT_EQ(LinesOf(world.readFile(kLog)),
              QStringList{QStringLiteral("a line of the day")} + closingLines());
    const QString saved = QString::fromUtf8(world.readFile(path));
    EXPECT_EQ(saved, z.Netsave);
    EXPECT_TRUE(saved.contains(QStringLiteral("*.xls")));
    EXPECT_TRUE(z.log().RunLog.isEmpty());
    EXPECT_EQ(z.DuplicateCopies, nullptr);
    EXPECT_EQ(z.NetworkList, nullptr);
}

TEST_F(ShutDownTest, AScheduledSetStopsItsTimerAndWritesOnlyWhatItLogged) {
    BackupSetModel set;
    set.autotype = 1;
    set.TimePicker = QTime(13, 55, 9);  // the start is at 10:00: pending
    THarbexZoDi& z = startWith(set);
    ASSERT_TRUE(z.ShedTimer.isActive());
    const QStringList logged = z.log().RunLog;
    ASSERT_EQ(logged, QStringList{QStringLiteral("Next Backup due in 3 Hours 55 Mins")});

    EXPECT_TRUE(z.close());

    EXPECT_FALSE(z.ShedTimer.isActive());
    EXPECT_EQ(LinesOf(world.readFile(kLog)), logged) << "no closing lines, nothing lost";
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"));
}

TEST_F(ShutDownTest, WithoutSaveOnExitTheSetFileIsNotTouchedButTheSettingsAreSaved) {
    world.setSetting(QStringLiteral("SOE"), QStringLiteral("0"));
    THarbexZoDi& z = startWith(BackupSetModel{});
    const QByteArray before = world.readFile(path);
    z.model.FilterList = {QStringLiteral("*.changed")};
    z.settings.Duplicates = false;

    EXPECT_TRUE(z.close());

    EXPECT_EQ(world.readFile(path), before);
    EXPECT_EQ(world.setting(QStringLiteral("Dups")), QStringLiteral("0"));
    EXPECT_EQ(world.setting(QStringLiteral("SOE")), QStringLiteral("0"));
}

TEST_F(ShutDownTest, ASetNeverSavedIsSavedOnlyAfterTheQuestion) {
    struct Case {
        Button answer;
        QString path;
        bool saved;
        QString message;
    };
    const Case cases[] = {
        {Button::Cancel, QStringLiteral("C:\\Harbex\\new.bus"), false, QString()},
        {Button::Yes, QStringLiteral("C:\\Harbex\\new.bus"), true, QString()},
        {Button::Yes, QStringLiteral("C:\\Missing\\new.bus"), false,
         QStringLiteral("Unable to Save new backup set to C:\\Missing\\new.bus")},
    };
    for (const Case& test : cases) {
        z.reset();
        THarbexZoDi& c = startWith(BackupSetModel{});
        c.panels.set(1, test.path);
        world.prompter().answerNext(test.answer);

        EXPECT_TRUE(c.close());

        ASSERT_EQ(world.prompter().questions(),
                  QStringList{QStringLiteral("Save New backup Set ") + test.path});
        const PromptRecord& question = world.prompter().records().first();
        EXPECT_EQ(question.icon, IconKind::Warning);
        EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::Cancel}));
        EXPECT_EQ(question.helpContext, 14);
        EXPECT_EQ(world.exists(test.path), test.saved) << test.path.toStdString();
        EXPECT_EQ(world.prompter().messages(),
                  test.message.isEmpty() ? QStringList() : QStringList{test.message});
        EXPECT_EQ(world.setting(QStringLiteral("Bus File")), test.path);
        world.prompter().clear();
    }
}

TEST_F(ShutDownTest, TheRecursionWarningComesBeforeTheSave) {
    BackupSetModel set;
    set.Zipped = true;
    set.Recurse = true;
    set.RecurseZip = false;
    THarbexZoDi& z = startWith(set);
    ASSERT_TRUE(z.model.Recurse);
    bool fileUnchangedDuringWarning = false;
    const QByteArray before = world.readFile(path);
    world.prompter().onShow = [&](const PromptRecord&) {
        fileUnchangedDuringWarning = world.readFile(path) == before;
    };
    world.prompter().answerNext(Button::Ok);

    EXPECT_TRUE(z.close());

    EXPECT_EQ(world.prompter().questions(), QStringList{kRecursionWarning});
    EXPECT_TRUE(fileUnchangedDuringWarning);
    EXPECT_TRUE(z.model.RecurseZip);
    EXPECT_FALSE(z.model.Recurse);
    EXPECT_EQ(QString::fromUtf8(world.readFile(path)), z.Netsave);
}

TEST_F(ShutDownTest, WhileStartUpsSequencerPassRunsClosingIsRefusedAndRetried) {
    THarbexZoDi& z = startWith(BackupSetModel{});
    z.Idle = false;
    z.MidnightTimer.start();

    EXPECT_FALSE(z.close());

    EXPECT_EQ(z.panels[4], QStringLiteral("SHUTTING DOWN"));
    EXPECT_FALSE(z.MidnightTimer.isActive());
    EXPECT_TRUE(z.ShutDown.isActive());
    EXPECT_EQ(z.ShutDown.interval(), 5000);
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"))
        << "from the settings of the start, not written now";
    world.setSetting(QStringLiteral("First"), QStringLiteral("untouched"));

    // Still running when ShutDown expires: refused again.
    z.ShutDownTimer();
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("untouched"));
    EXPECT_TRUE(z.ShutDown.isActive());

    z.Idle = true;
    z.ShutDownTimer();
    EXPECT_FALSE(z.ShutDown.isActive());
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"));
    EXPECT_TRUE(world.exists(kLog));
}

}  // namespace
}  // namespace harbex::test
