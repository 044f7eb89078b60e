#include <gtest/gtest.h>

#include "sets/setcommands.h"
#include "sets/setsummary.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

class SummaryCommandsTest : public ControllerTest {
  protected:
    THarbexZoDi& startedWithACountdown() {
        settingsForLaterStart();
        THarbexZoDi& z = start();
        z.model.FilterList = QStringList{QStringLiteral("*.doc")};
        z.model.DirSource = QStringList{QStringLiteral("C:\\Data")};
        z.Timer.start();
        z.Delay.start();
        return z;
    }
};

TEST_F(SummaryCommandsTest, ShowingTheSummaryRebuildsItAndStopsACountdown) {
    THarbexZoDi& z = startedWithACountdown();
    z.summary().SummaryClick();
    EXPECT_FALSE(z.Timer.isActive()) << "a pending automatic run is stopped";
    EXPECT_TRUE(z.view.OptionsVisible);
    EXPECT_EQ(z.view.OptionsTab, QStringLiteral("Summary"));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("OptionsBtn")));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("SummaryBtn")));
    EXPECT_FALSE(z.SummaryStale);
    const QStringList& pad = z.summary().SummaryPad;
    ASSERT_GE(pad.size(), 4);
    EXPECT_EQ(pad[0], QStringLiteral("SOURCE SELECTION "));
    EXPECT_EQ(pad[2], QStringLiteral(" *.doc "));
    EXPECT_EQ(pad[4], QStringLiteral(" C:\\Data "));
}

TEST_F(SummaryCommandsTest, ViewingTheBackupOperationOpensTheSetPageAndStopsACountdown) {
    THarbexZoDi& z = startedWithACountdown();
    z.summary().ViewBackupOperation1Click();
    EXPECT_FALSE(z.Timer.isActive());
    EXPECT_EQ(z.view.OptionsTab, QStringLiteral("Backup Set"));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("SummaryBtn")));
}

TEST_F(SummaryCommandsTest, ShowBusShowsTheSetTextAsLastComposedWithoutRecomposingIt) {
    settingsForLaterStart();
    THarbexZoDi& z = start();
    const QString composed = z.Netsave;
    z.model.FilterList << QStringLiteral("*.xls");
    z.summary().ShowBus(true);
    EXPECT_TRUE(z.view.NetsaveVisible);
    EXPECT_EQ(z.Netsave, composed) << "the shown text is the one last read or composed";
    z.summary().ShowBus(false);
    EXPECT_FALSE(z.view.NetsaveVisible);
}

TEST_F(SummaryCommandsTest, TheRefreshRebuildsTheSummaryFromTheModel) {
    settingsForLaterStart();
    THarbexZoDi& z = start();
    z.model.UseDailyFolders = true;
    z.model.Days[1] = true;
    z.sets().RefreshOptions();
    EXPECT_TRUE(z.summary().SummaryPad.contains(QStringLiteral("DAILY FOLDERS ENABLED")));
    EXPECT_TRUE(z.summary().SummaryPad.contains(QStringLiteral(" Monday ")));
    EXPECT_EQ(z.view.Daylist, QStringList{QStringLiteral("Monday")});
    EXPECT_TRUE(z.view.DailyTabVisible);
}

}  // namespace
}  // namespace harbex::test
