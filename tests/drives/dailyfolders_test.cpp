#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>

#include "drives/dailyfolders.h"
#include "log/runlogbook.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << QString::fromLatin1(item);
    return list;
}

class DailyFoldersTest : public ControllerTest {
  protected:
    DailyFoldersTest() { controller(); }
    DailyFolders& dailies() { return z->dailyFolders(); }
    // Days by number, Sunday = 1.
    void checkDays(std::initializer_list<int> days) {
        z->model.Days.fill(false);
        for (int day : days) z->model.Days[day - 1] = true;
    }
};

const QString kQuestion = QStringLiteral(
    "One or more specified daily directorys could not be found\ror Created Select OK to attempt "
    "to re-create them");

TEST_F(DailyFoldersTest, CreatesTheCheckedDaysOnEveryDriveFromTheLastDriveToTheFirst) {
    z->settings.AbortBox = true;
    z->model.Drivelist = L({"C:", R"(\\S1\C)"});
    checkDays({6, 2});  // Friday and Monday
    z->Timer.start();
    world.prompter().answerNext(Button::Abort);
    dailies().SetUpDirsClick();
    const QStringList expected =
        L({R"(\\S1\C\Monday)", R"(\\S1\C\Friday)", R"(C:\Monday)", R"(C:\Friday)"});
    EXPECT_EQ(dailies().Dailys, expected);
    EXPECT_TRUE(dailies().FailList.isEmpty());
    for (const QString& folder : expected)
        EXPECT_TRUE(world.exists(folder)) << folder.toStdString();
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Sunday")));
    ASSERT_EQ(world.prompter().records().size(), 1) << "asked although every folder was made";
    const PromptRecord& asked = world.prompter().records().first();
    EXPECT_EQ(asked.text, kQuestion);
    EXPECT_EQ(asked.icon, IconKind::Error);
    EXPECT_EQ(asked.buttons, (Buttons{Button::Ok, Button::Abort, Button::Help}));
    EXPECT_EQ(asked.helpContext, 43);
    EXPECT_FALSE(z->Timer.isActive()) << "the countdown is cancelled";
    EXPECT_EQ(z->panels[4], QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    EXPECT_FALSE(z->view.OptionsVisible) << "Abort changes nothing more";

    world.prompter().clear();
    dailies().SetUpDirsClick();
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "nothing missing the second time";
    EXPECT_EQ(dailies().Dailys, expected);
}

TEST_F(DailyFoldersTest, OkShowsTheDailyFoldersTab) {
    z->settings.AbortBox = true;
    z->model.Drivelist = L({"D:"});
    checkDays({1});
    world.prompter().answerNext(Button::Ok);
    dailies().SetUpDirsClick();
    EXPECT_TRUE(z->view.OptionsVisible);
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Daily Folders"));
}

TEST_F(DailyFoldersTest, FoldersThatCannotBeMadeAreListedWithTheSystemsReason) {
    // A read-only drive root: root may write anywhere, except on a read-only file system.
    const bool superUser = ::geteuid() == 0;
    const QString readOnly = superUser ? QStringLiteral("/sys") : world.root() + "/R";
    if (!superUser) {
        QDir().mkpath(readOnly);
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    }
    world.platform().paths->setDrive(u'R', readOnly);
    world.writeFile(QStringLiteral("D:\\Monday"), "a file in the way");
    QDir().mkpath(world.host(QStringLiteral("D:\\")) + QStringLiteral("/Tuesday"));
    z->model.Drivelist = L({"G:", R"(\\S9\C)", "R:", "D:"});
    checkDays({2, 3});
    dailies().SetUpDirsClick();
    const QString denied =
        superUser ? QStringLiteral("Operation not permitted") : QStringLiteral("Permission denied");
    const QStringList failures = {
        QStringLiteral("D:\\Monday - File exists"),
        QStringLiteral("R:\\Monday - ") + denied,
        QStringLiteral("R:\\Tuesday - ") + denied,
        QStringLiteral("\\\\S9\\C\\Monday - No such file or directory"),
        QStringLiteral("\\\\S9\\C\\Tuesday - No such file or directory"),
        QStringLiteral("G:\\Monday - The drive is not mapped to a folder"),
        QStringLiteral("G:\\Tuesday - The drive is not mapped to a folder"),
    };
    EXPECT_EQ(dailies().FailList, failures);
    EXPECT_EQ(dailies().Dailys, L({R"(D:\Tuesday)"}));
    QStringList logged;
    for (const QString& failure : failures)
        logged << QStringLiteral("Unable to create daily folder ") + failure;
    EXPECT_EQ(z->log().RunLog, logged);
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "no message without AbortBox";
    if (!superUser)
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DailyFoldersTest, NoDayOrNoDriveMakesNothing) {
    z->settings.AbortBox = true;
    dailies().FailList = L({"old"});
    dailies().Dailys = L({"old"});
    z->model.Drivelist = L({"C:", "G:"});
    checkDays({});
    dailies().SetUpDirsClick();
    EXPECT_TRUE(dailies().Dailys.isEmpty());
    EXPECT_TRUE(dailies().FailList.isEmpty());
    z->model.Drivelist.clear();
    checkDays({1, 2, 3, 4, 5, 6, 7});
    dailies().SetUpDirsClick();
    EXPECT_TRUE(dailies().Dailys.isEmpty() && dailies().FailList.isEmpty());
    EXPECT_TRUE(world.prompter().texts().isEmpty());
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Sunday")));
}

TEST_F(DailyFoldersTest, ManageDailysLeavesForTheTabAndStopsTheCountdown) {
    z->model.Drivelist = L({"D:"});
    checkDays({4});
    z->Timer.start();
    dailies().MangedrivesbtnClick();
    EXPECT_FALSE(z->commands.isEnabled(QStringLiteral("OptionsBtn")));
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Daily Folders"));
    EXPECT_FALSE(z->Timer.isActive());
    EXPECT_EQ(dailies().Dailys, L({R"(D:\Wednesday)"}));
}

TEST_F(DailyFoldersTest, TheToolbarCommandCreatesTheFolders) {
    z->model.Drivelist = L({"D:"});
    checkDays({7});
    z->commands.action(QStringLiteral("CreateDailys"))->trigger();
    EXPECT_TRUE(world.exists(QStringLiteral("D:\\Saturday")));
}

}  // namespace
}  // namespace harbex::test
