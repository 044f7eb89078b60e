#include <gtest/gtest.h>

#include "sets/appsettings.h"
#include "support/world.h"

namespace harbex::test {
namespace {

class AppSettingsTest : public WorldTest {
  protected:
    AppSettings read() {
        return ReadSettings(world.registry(), world.programFolder(), world.platform().defaults);
    }
};

TEST_F(AppSettingsTest, AFreshUserGetsEveryDefault) {
    const AppSettings settings = read();
    AppSettings expected;
    expected.BusFile = QStringLiteral("C:\\Harbex\\default.bus");
    expected.ZipTemp = QStringLiteral("C:\\");
    expected.ExtUtilPath = QStringLiteral("C:\\utils\\pkzip.exe");
    expected.LogViewer = QStringLiteral("C:\\windows\\notepad.exe");
    EXPECT_EQ(settings, expected);
    EXPECT_TRUE(settings.First);
    EXPECT_EQ(settings.TimerInterval, 5000);
    EXPECT_EQ(settings.DelayTime(), 5);
    for (const ShedInfo& info : settings.Sequence) {
        EXPECT_EQ(info.BusFile, QStringLiteral("Default"));
        EXPECT_EQ(info.OnDate, QDate(2004, 1, 1));
        EXPECT_EQ(info.AtTime, QTime(12, 0));
    }
}

TEST_F(AppSettingsTest, TheTimerIntervalIsUsedInWholeSecondsFromOneToSixty) {
    world.setSetting(QStringLiteral("Timer Interval"), QStringLiteral("7500"));
    AppSettings settings = read();
    EXPECT_EQ(settings.DelayTime(), 7);
    EXPECT_EQ(settings.TimerInterval, 7000);
    EXPECT_EQ(settings.TimerInterval / 50, 140);
    world.setSetting(QStringLiteral("Timer Interval"), QStringLiteral("1"));
    settings = read();
    EXPECT_EQ(settings.DelayTime(), 1);
    EXPECT_EQ(settings.TimerInterval, 1000);
    world.setSetting(QStringLiteral("Timer Interval"), QStringLiteral("900000"));
    EXPECT_EQ(read().TimerInterval, 60000);
    // An interval whose seconds match the spin edit's starting value is kept as stored.
    world.setSetting(QStringLiteral("Timer Interval"), QStringLiteral("5500"));
    EXPECT_EQ(read().TimerInterval, 5500);
}

TEST_F(AppSettingsTest, FlagsIntegersAndNamesAreReadByTheirRules) {
    world.setSetting(QStringLiteral("Search Errors"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("A Box"), QStringLiteral("7"));
    world.setSetting(QStringLiteral("SOE"), QStringLiteral("yes"));
    world.setSetting(QStringLiteral("Miss"), QStringLiteral("two"));
    world.setSetting(QStringLiteral("L Count"), QStringLiteral(" 12"));
    world.setSetting(QStringLiteral("Auto Interval"), QStringLiteral("5000"));
    world.setSetting(QStringLiteral("zip TEMP"), QStringLiteral("D:\\Temp"));
    world.setSetting(QStringLiteral("Log View"), QStringLiteral("C:\\tools\\view.exe"));
    world.setSetting(QStringLiteral("FName2"), QStringLiteral("C:\\Sets\\two.bus"));
    world.setSetting(QStringLiteral("SD2"), QStringLiteral("29/02/2028"));
    world.setSetting(QStringLiteral("ST2"), QStringLiteral("not a time"));
    const AppSettings settings = read();
    EXPECT_FALSE(settings.SearchErrors);
    EXPECT_TRUE(settings.AbortBox);
    EXPECT_TRUE(settings.SaveOnExit) << "not an integer: the default";
    EXPECT_EQ(settings.PromptMissed, 1);
    EXPECT_EQ(settings.LogCounter, 12);
    EXPECT_EQ(settings.AutoInterval, 1440);
    EXPECT_EQ(settings.ZipTemp, QStringLiteral("D:\\Temp"));
    EXPECT_EQ(settings.LogViewer, QStringLiteral("C:\\tools\\view.exe"));
    EXPECT_EQ(settings.Sequence[2].BusFile, QStringLiteral("C:\\Sets\\two.bus"));
    EXPECT_EQ(settings.Sequence[2].OnDate, QDate(2028, 2, 29));
    EXPECT_EQ(settings.Sequence[2].AtTime, QTime(12, 0)) << "an unreadable time keeps the default";
    EXPECT_EQ(settings.Sequence[3].BusFile, QStringLiteral("Default"));
}

TEST_F(AppSettingsTest, SavingThenLoadingGivesBackEveryValue) {
    AppSettings saved = read();
    saved.First = false;
    saved.BusFile = QStringLiteral("D:\\Sets\\office.bus");
    saved.TimerInterval = 12000;
    saved.AutoInterval = 30;
    saved.ZipTemp = QStringLiteral("D:\\Temp\\");
    saved.internal = false;
    saved.ShowSplash = false;
    saved.Duplicates = false;
    saved.ExtUtilPath = QStringLiteral("C:\\utils\\zip.exe");
    saved.AbortBox = true;
    saved.MoveDrives = false;
    saved.RestoreDrives = false;
    saved.QuitAfterAuto = false;
    saved.ShowZipping = false;
    saved.DelTemps = true;
    saved.SaveOnExit = false;
    saved.LogViewer = QStringLiteral("C:\\tools\\view.exe");
    saved.MonitorDRUN = true;
    saved.RegKey = QStringLiteral("Other\\Key");
    saved.DOSApp = QStringLiteral("C:\\dos\\app.exe");
    saved.PromptMissed = 3;
    saved.LogFileName = QStringLiteral("C:\\Harbex\\Harbex.log");
    saved.SequencingMode = true;
    saved.Skip = false;
    saved.EnabLog = false;
    saved.SearchErrors = false;
    saved.StartUp = true;
    saved.AlwaysBuildNet = true;
    saved.LocalMode = true;
    saved.NoAB = false;
    saved.LogOptions = 3;
    saved.ViewOptions = 0;
    saved.LogCounter = 41;
    saved.LastDrive = 23;
    for (int n = 0; n < 8; ++n) {
        ShedInfo& info = saved.Sequence[n];
        info.Active = n % 2 == 0;
        info.SchedType = n % 4;
        info.BusFile = QStringLiteral("C:\\Sets\\set%1.bus").arg(n);
        info.OnDate = QDate(2026, 1 + n, 10 + n);
        info.AtTime = QTime(8 + n, 5 * n, n);
        info.OnWeekday = 1 + n % 7;
        info.OnMonthDay = 3 + n;
    }
    QString error;
    ASSERT_TRUE(WriteSettings(world.registry(), saved, &error)) << error.toStdString();
    EXPECT_EQ(read(), saved);
    EXPECT_EQ(world.setting(QStringLiteral("Zip Temp")), QStringLiteral("D:\\Temp\\"));
    EXPECT_EQ(world.setting(QStringLiteral("ST7")), QStringLiteral("15:35:07"));
    EXPECT_EQ(world.setting(QStringLiteral("SD0")), QStringLiteral("10/01/2026"));
}

}  // namespace
}  // namespace harbex::test
