#include <gtest/gtest.h>

#include <QFile>

#include "drives/drivelists.h"
#include "support/controllerfixture.h"
#include "tools/rizivezur.h"

namespace harbex::test {
namespace {

const QString kLauncherKey = QStringLiteral("Software\\Keelwick\\Quorr");

class RizIvezurTest : public ControllerTest {
  protected:
    RizIvezurTest() {
        controller();
        z->settings.DOSApp = QStringLiteral("C:\\DOS\\LEDGER.EXE");
        z->model.Drivelist = QStringList{QStringLiteral("G:")};  // unreachable
    }
    void announce(const char* name, const char* run) {
        Registry& registry = world.registry();
        for (const char* value : {"Name", "Run"})
            registry.deleteValue(RegistryRoot::CurrentUser, kLauncherKey, value);
        if (name) registry.writeText(RegistryRoot::CurrentUser, kLauncherKey, "Name", name);
        if (run) registry.writeText(RegistryRoot::CurrentUser, kLauncherKey, "Run", run);
    }
};

TEST_F(RizIvezurTest, RunningOnlyWithTheExactNameAndARunNumberOtherThanZero) {
    const QList<std::tuple<const char*, const char*, bool>> cases = {
        {"C:\\DOS\\LEDGER.EXE", "1", true},
        {"C:\\DOS\\LEDGER.EXE", "-3", true},
        {"C:\\DOS\\ledger.exe", "1", false},
        {"C:\\DOS\\LEDGER.EXE", "0", false},
        {"C:\\DOS\\LEDGER.EXE", "yes", false},
        {"C:\\DOS\\LEDGER.EXE", nullptr, false},
        {nullptr, "1", false},
    };
    for (const auto& [name, run, running] : cases) {
        SCOPED_TRACE(std::string(name ? name : "-") + " / " + (run ? run : "-"));
        announce(name, run);
        z->monitor().TestBtnClick();
        EXPECT_EQ(z->monitor().Testresult,
                  running ? QStringLiteral("The application is flagged as running")
                          : QStringLiteral("The application running flag is clear"));
        z->settings.MonitorDRUN = true;
        z->settings.MoveDrives = true;
        z->model.Drivelist = QStringList{QStringLiteral("G:")};
        EXPECT_EQ(z->driveLists().CheckDriveConnections(), !running);
        EXPECT_EQ(z->model.Drivelist.isEmpty(), !running) << "drives looked at only when clear";
        z->settings.MonitorDRUN = false;
        EXPECT_TRUE(z->driveLists().CheckDriveConnections()) << "not monitored: not asked";
    }
}

TEST_F(RizIvezurTest, AValueStoredAsANumberIsAnErrorAndNoPermissionToBackUp) {
    QFile file(world.root() + QStringLiteral("/reg/Keelwick/Quorr.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\nName=C:\\\\DOS\\\\LEDGER.EXE\nRun=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n");
    file.close();
    z->monitor().TestBtnClick();
    EXPECT_EQ(world.prompter().messages(), QStringList{"Invalid data type for 'Run'"});
    EXPECT_EQ(z->monitor().Testresult, QStringLiteral("Test Result"));
    z->settings.MonitorDRUN = true;
    EXPECT_FALSE(z->driveLists().CheckDriveConnections());
    EXPECT_EQ(world.prompter().messages().size(), 2);

    world.dialogs().answerNext(QStringLiteral("C:\\DOS\\PAYROLL.COM"));
    z->monitor().SpeedButton8Click();
    EXPECT_EQ(z->settings.DOSApp, QStringLiteral("C:\\DOS\\PAYROLL.COM"));
    EXPECT_EQ(world.dialogs().requests.last().filter,
              "Execuatable Files [*.exe]|*.exe|Command Files [*.com]|*.com|DOS Batch File "
              "[*.bat]|*.bat|Any File|*.*");
    world.dialogs().answerNext(std::nullopt);
    z->monitor().SpeedButton8Click();
    EXPECT_EQ(z->settings.DOSApp, QStringLiteral("C:\\DOS\\PAYROLL.COM")) << "cancel keeps it";
    z->settings.RegKey = QStringLiteral("Other");
    z->monitor().SpeedButton10Click();
    EXPECT_EQ(z->settings.RegKey, QStringLiteral("Keelwick\\Quorr"));
}

}  // namespace
}  // namespace harbex::test
