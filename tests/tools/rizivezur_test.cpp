#include <gtest/gtest.h>

#include <QFile>

#include "drives/drivelists.h"
#include "support/controllerfixture.h"
#include "tools/rizivezur.h"

namespace harbex::test {
namespace {

const QString kApp = QStringLiteral("C:\\DOS\\LEDGER.EXE");
const QString kLauncherKey = QStringLiteral("Software\\Keelwick\\Quorr");

class RizIvezurTest : public ControllerTest {
  protected:
    RizIvezurTest() {
        controller();
        z->settings.DOSApp = kApp;
        z->settings.RegKey = QStringLiteral("Keelwick\\Quorr");
    }
    void announce(const char* name, const char* value) {
        world.registry().writeText(RegistryRoot::CurrentUser, kLauncherKey,
                                   QString::fromLatin1(name), QString::fromLatin1(value));
    }
    // The launcher's key file as another program may leave it, with typed values.
    void writeLauncherFile(const QByteArray& text) {
        QFile file(world.root() + QStringLiteral("/reg/Keelwick/Quorr.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(RizIvezurTest, RunningOnlyWithTheExactNameAndANonZeroRunNumber) {
    struct Case {
        const char* name;  // nullptr: no value
        const char* run;
        bool running;
    };
    const QList<Case> cases = {
        {"C:\\DOS\\LEDGER.EXE", "1", true},
        {"C:\\DOS\\LEDGER.EXE", "-3", true},
        {"C:\\DOS\\ledger.exe", "1", false},
        {"C:\\DOS\\LEDGER.EXE", "0", false},
        {"C:\\DOS\\LEDGER.EXE", "yes", false},
        {"C:\\DOS\\LEDGER.EXE", nullptr, false},
        {nullptr, "1", false},
    };
    EXPECT_FALSE(IsFlaggedRunning(kApp, QStringLiteral("Keelwick\\Quorr"))) << "no key at all";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name ? c.name : "(none)") + " / " + (c.run ? c.run : "(none)"));
        world.registry().deleteValue(RegistryRoot::CurrentUser, kLauncherKey, "Name");
        world.registry().deleteValue(RegistryRoot::CurrentUser, kLauncherKey, "Run");
        if (c.name) announce("Name", c.name);
        if (c.run) announce("Run", c.run);
        z->monitor().TestBtnClick();
        EXPECT_EQ(z->monitor().Testresult,
                  c.running ? QStringLiteral("The application is flagged as running")
                            : QStringLiteral("The application running flag is clear"));
        z->settings.MonitorDRUN = true;
        EXPECT_EQ(z->driveLists().CheckDriveConnections(), !c.running);
    }
}

TEST_F(RizIvezurTest, ARunningApplicationStopsTheCheckBeforeAnyDriveIsLookedAt) {
    announce("Name", "C:\\DOS\\LEDGER.EXE");
    announce("Run", "1");
    z->model.Drivelist = QStringList{QStringLiteral("G:")};
    z->settings.MonitorDRUN = true;
    EXPECT_FALSE(z->driveLists().CheckDriveConnections());
    EXPECT_EQ(z->model.Drivelist, QStringList{QStringLiteral("G:")}) << "drives not looked at";
    EXPECT_TRUE(z->model.RemovedList.isEmpty());

    z->settings.MonitorDRUN = false;
    EXPECT_TRUE(z->driveLists().CheckDriveConnections()) << "not monitored: whatever it says";
    EXPECT_EQ(z->model.RemovedList, QStringList{QStringLiteral("G:")});
}

TEST_F(RizIvezurTest, AValueStoredAsANumberIsAnErrorThatStopsTheCheck) {
    writeLauncherFile(
        "[General]\nName=C:\\\\DOS\\\\LEDGER.EXE\nRun=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n");
    z->monitor().TestBtnClick();
    EXPECT_EQ(world.prompter().messages(),
              QStringList{QStringLiteral("Invalid data type for 'Run'")});
    EXPECT_EQ(z->monitor().Testresult, QStringLiteral("Test Result"));
    z->settings.MonitorDRUN = true;
    EXPECT_FALSE(z->driveLists().CheckDriveConnections()) << "no backup over open files";
    EXPECT_EQ(world.prompter().messages().size(), 2);
}

TEST_F(RizIvezurTest, BrowsingAndTheDefaultKeySetTheFields) {
    world.dialogs().answerNext(QStringLiteral("C:\\DOS\\PAYROLL.COM"));
    z->monitor().SpeedButton8Click();
    EXPECT_EQ(z->settings.DOSApp, QStringLiteral("C:\\DOS\\PAYROLL.COM"));
    const FileDialogRequest& request = world.dialogs().requests.last();
    EXPECT_EQ(request.defaultExtension, QStringLiteral("exe"));
    EXPECT_EQ(request.filter,
              QStringLiteral("Execuatable Files [*.exe]|*.exe|Command Files [*.com]|*.com|DOS "
                             "Batch File [*.bat]|*.bat|Any File|*.*"));
    world.dialogs().answerNext(std::nullopt);
    z->monitor().SpeedButton8Click();
    EXPECT_EQ(z->settings.DOSApp, QStringLiteral("C:\\DOS\\PAYROLL.COM")) << "cancel keeps it";

    z->settings.RegKey = QStringLiteral("Other\\Key");
    z->monitor().SpeedButton10Click();
    EXPECT_EQ(z->settings.RegKey, QStringLiteral("Keelwick\\Quorr"));
}

}  // namespace
}  // namespace harbex::test
