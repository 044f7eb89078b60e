#include <gtest/gtest.h>

#include <unistd.h>
#include <QFile>

#include "drives/drivetest.h"
#include "log/runlogbook.h"

namespace harbex::test {
namespace {

class DailyFoldersTest : public DriveTest {
  protected:
    DailyFolders& dailies() { return z->dailyFolders(); }
    // The drives, and the days by number (Sunday = 1).
    void setUp(const QStringList& drives, std::initializer_list<int> days) {
        m().Drivelist = drives;
        m().Days.fill(false);
        for (int day : days) m().Days[day - 1] = true;
    }
};

TEST_F(DailyFoldersTest, CreatesTheCheckedDaysOnEveryDriveFromTheLastDriveToTheFirst) {
    z->settings.AbortBox = true;
    setUp(SL({"C:", R"(\\S1\C)"}), {6, 2});
    z->Timer.start();
    world.prompter().answerNext(Button::Abort);
    dailies().SetUpDirsClick();
    const QStringList made =
        SL({R"(\\S1\C\Monday)", R"(\\S1\C\Friday)", R"(C:\Monday)", R"(C:\Friday)"});
    EXPECT_EQ(dailies().Dailys, made);
    EXPECT_TRUE(dailies().FailList.isEmpty());
    for (const QString& folder : made) EXPECT_TRUE(world.exists(folder)) << folder.toStdString();
    // Asked although every folder was made.
    expectBox(
        "One or more specified daily directorys could not be found\ror Created Select OK "
        "to attempt to re-create them",
        IconKind::Error, {Button::Ok, Button::Abort, Button::Help}, 43);
    EXPECT_FALSE(z->Timer.isActive()) << "the countdown is cancelled";
    EXPECT_EQ(z->panels[4], QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    EXPECT_FALSE(z->view.OptionsVisible) << "Abort changes nothing more";

    dailies().SetUpDirsClick();
    EXPECT_EQ(world.prompter().records().size(), 1) << "nothing missing the second time";
    EXPECT_EQ(dailies().Dailys, made);

    setUp(SL{"D:"}, {1});
    world.prompter().answerNext(Button::Ok);
    dailies().SetUpDirsClick();
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Daily Folders")) << "OK shows the lists";
}

TEST_F(DailyFoldersTest, FoldersThatCannotBeMadeAreListedWithTheSystemsReason) {
    // A read-only drive root; the super-user writes anywhere but on a read-only file system.
    const bool superUser = ::geteuid() == 0;
    const QString readOnly = superUser ? QStringLiteral("/sys") : world.root() + "/R";
    QDir().mkpath(readOnly);
    if (!superUser) QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    world.platform().paths->setDrive(u'R', readOnly);
    world.writeFile(QStringLiteral("D:\\Monday"), "a file in the way");
    world.makeFolder(QStringLiteral("D:\\Tuesday"));
    setUp(SL({"G:", R"(\\S9\C)", "R:", "D:"}), {2, 3});
    dailies().SetUpDirsClick();
    const QString denied = superUser ? "Operation not permitted" : "Permission denied";
    const QStringList failures = {
        "D:\\Monday - File exists",
        "R:\\Monday - " + denied,
        "R:\\Tuesday - " + denied,
        "\\\\S9\\C\\Monday - No such file or directory",
        "\\\\S9\\C\\Tuesday - No such file or directory",
        "G:\\Monday - The drive is not mapped to a folder",
        "G:\\Tuesday - The drive is not mapped to a folder",
    };
    EXPECT_EQ(dailies().FailList, failures);
    EXPECT_EQ(dailies().Dailys, SL{R"(D:\Tuesday)"});
    QStringList logged;
    for (const QString& failure : failures) logged << "Unable to create daily folder " + failure;
    EXPECT_EQ(z->log().RunLog, logged);
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "no message without AbortBox";
    if (!superUser) QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(DailyFoldersTest, NoDayOrNoDriveGivesEmptyLists) {
    z->settings.AbortBox = true;
    dailies().FailList = SL{"old"};
    dailies().Dailys = SL{"old"};
    setUp(SL({"C:", "G:"}), {});
    dailies().SetUpDirsClick();
    EXPECT_TRUE(dailies().Dailys.isEmpty() && dailies().FailList.isEmpty());
    setUp({}, {1, 2, 3, 4, 5, 6, 7});
    dailies().SetUpDirsClick();
    EXPECT_TRUE(dailies().Dailys.isEmpty() && dailies().FailList.isEmpty());
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

TEST_F(DailyFoldersTest, ManageDailysAndTheToolbarRunTheCheck) {
    setUp(SL{"D:"}, {4});
    z->Timer.start();
    dailies().MangedrivesbtnClick();
    EXPECT_FALSE(z->commands.isEnabled(QStringLiteral("OptionsBtn")));
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Daily Folders"));
    EXPECT_FALSE(z->Timer.isActive());
    EXPECT_EQ(dailies().Dailys, SL{R"(D:\Wednesday)"});
    setUp(SL{"D:"}, {7});
    z->commands.action(QStringLiteral("CreateDailys"))->trigger();
    EXPECT_TRUE(world.exists(QStringLiteral("D:\\Saturday")));
}

}  // namespace
}  // namespace harbex::test
