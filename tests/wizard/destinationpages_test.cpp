#include <gtest/gtest.h>

#include "drives/dailyfolders.h"
#include "wizardfixture.h"

namespace harbex::test {
namespace {

// Page 7's checks: which destination kinds and days are chosen, and where Next leads.
TEST_F(WizardTest, PageSevenNeedsADestinationKindAndADayForDailyFolders) {
    const struct {
        const char* name;
        bool daily;
        bool monday;
        bool specific;
        int to;
        QStringList messages;
    } rows[] = {
        {"nothing", false, false, false, kPage7, {P("You Must Select a Destination option")}},
        {"daily without a day",
         true,
         false,
         false,
         kPage7,
         {P("You Must Select at least One Day")}},
        {"daily without a day, and specific",
         true,
         false,
         true,
         kPage7,
         {P("You Must Select at least One Day")}},
        {"specific only, no day", false, false, true, kPage15, {}},
        {"daily with a day", true, true, false, kPage15, {}},
    };
    Wizard& w = started();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        w.ShowWizardPage(kPage7);
        z->model.UseDailyFolders = row.daily;
        z->model.Days.fill(false);
        z->model.Days[1] = row.monday;
        z->model.UseSpecificFolders = row.specific;
        world.prompter().clear();
        w.NextClick(kPage7);
        EXPECT_EQ(w.activePage(), row.to);
        EXPECT_EQ(world.prompter().messages(), row.messages);
    }
}

TEST_F(WizardTest, DailyFoldersOnlySkipPageEightAndKeepItsFolders) {
    Wizard& w = started();
    z->model.DestList = {P("D:\\Copies")};
    z->model.UseSpecificFolders = false;
    w.ShowWizardPage(kPage15);
    w.NextClick(kPage15);
    EXPECT_EQ(w.activePage(), kPage9);
    EXPECT_EQ(z->model.DestList, QStringList{P("D:\\Copies")});
    EXPECT_TRUE(world.exists(z->NetworkListFile)) << "leaving page 15 writes the drive file";
}

TEST_F(WizardTest, PageFifteenWithoutADriveAsksOkOrIgnore) {
    Wizard& w = started();
    z->model.Drivelist.clear();
    w.ShowWizardPage(kPage15);
    world.prompter().answerNext(Button::Ok);
    w.NextClick(kPage15);
    EXPECT_EQ(w.activePage(), kPage15);
    EXPECT_TRUE(history().isEmpty());
    world.prompter().answerNext(Button::Ignore);
    w.NextClick(kPage15);
    EXPECT_EQ(w.activePage(), kPage9);
    EXPECT_EQ(world.prompter().records().first().helpContext, 44);
}

TEST_F(WizardTest, DestinationFoldersIgnoreLetterCaseAndTheTreeFollowsTheActiveDrives) {
    world.makeFolder(P("D:\\Copies"));
    Wizard& w = started();
    DestinationPages& d = w.destinations();
    z->model.Drivelist = {P("D:"), P("C:")};
    z->model.DestList = {P("d:\\COPIES")};
    w.ShowWizardPage(kPage8);
    EXPECT_EQ(d.DestFolders->topLevelItem(0)->text(0), P("D:"));
    EXPECT_EQ(w.CurrentTreeFolder, P("D:\\"));
    clickFolder(*d.DestFolders, P("D:\\Copies"));
    d.DestFoldersClick();
    EXPECT_EQ(z->model.DestList, QStringList{P("d:\\COPIES")});
    EXPECT_EQ(w.CurrentTreeFolder, P("D:\\Copies\\"));

    z->model.Drivelist.clear();
    w.ShowWizardPage(kPage8);
    EXPECT_EQ(d.DestFolders->topLevelItem(0)->text(0), P("C:")) << "no active drive";
}

TEST_F(WizardTest, CreateDirMakesNewfolderOnceAndAddsTheCurrentFolder) {
    world.makeFolder(P("D:\\Copies"));
    Wizard& w = started();
    DestinationPages& d = w.destinations();
    z->model.DestList.clear();
    w.ShowWizardPage(kPage8);
    clickFolder(*d.DestFolders, P("D:\\Copies"));
    d.DestFoldersClick();
    z->model.DestList.clear();
    d.CreateFolderBtnClick();
    EXPECT_TRUE(world.exists(P("D:\\Copies\\newfolder")));
    EXPECT_EQ(z->model.DestList, QStringList{P("D:\\Copies")});
    d.CreateFolderBtnClick();
    EXPECT_EQ(world.prompter().messages(),
              QStringList{P("Invalid Filename D:\\Copies\\newfolder")});
    EXPECT_EQ(z->model.DestList, QStringList{P("D:\\Copies")});
    d.DestListIndex = 0;
    d.DeletedestbtnClick();
    EXPECT_TRUE(z->model.DestList.isEmpty());
}

TEST_F(WizardTest, PageEightWithoutAFolderAsksAndCancelQuitsWithoutThePrompt) {
    Wizard& w = started();
    z->model.DestList.clear();
    w.ShowWizardPage(kPage8);
    world.prompter().answerNext(Button::Ok);
    w.NextClick(kPage8);
    EXPECT_EQ(w.activePage(), kPage8);
    world.prompter().answerNext(Button::Cancel);
    w.NextClick(kPage8);
    EXPECT_FALSE(w.visible());
    EXPECT_TRUE(world.dialogs().formsShown.isEmpty());
    EXPECT_EQ(world.prompter().records().first().helpContext, 45);
}

TEST_F(WizardTest, ManageDailysLeavesTheWizardForTheDailyFoldersTab) {
    Wizard& w = started();
    w.ShowWizardPage(kPage7);
    z->dailyFolders().MangedrivesbtnClick();
    EXPECT_FALSE(w.visible());
    EXPECT_FALSE(w.BackgroundLoaded);
    EXPECT_EQ(z->view.OptionsTab, P("Daily Folders"));
    EXPECT_TRUE(world.exists(P("D:\\Monday")));
}

TEST_F(WizardTest, LocalModeOpensTheDrivesPageAloneWithTheDrivesFound) {
    THarbexZoDi& c = loadedOffice();
    world.prompter().answerNext(Button::Ok);
    c.setLocalMode(true);
    Wizard& w = c.wizard();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.activePage(), kPage15);
    EXPECT_TRUE(c.SinglePageEdit);
    EXPECT_TRUE(c.model.Drivelist.isEmpty());
    EXPECT_EQ(c.NetDrives.items, QStringList{P("C:")});
    EXPECT_EQ(page(kPage15).Next->text(), P("&Done"));
}

}  // namespace
}  // namespace harbex::test
