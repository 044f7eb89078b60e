#include <gtest/gtest.h>

#include <QToolButton>

#include "browser/browserform.h"
#include "wizardfixture.h"

namespace harbex::test {
namespace {

// Plays the user in the next file browser: Done with exactly these files picked, or Cancel.
void browserAnswers(TestWorld& world, std::optional<QStringList> files) {
    world.dialogs().onNextForm([files](QDialog& form) {
        auto& browser = static_cast<TBrowser&>(form);
        if (!files) {
            browser.CancelButton->click();
            return;
        }
        browser.ClearAll1Click();
        for (const QString& file : *files) browser.addListedFile(file);
        browser.ToolButton3->click();
    });
}

TEST_F(WizardTest, AllTheFilesInFoldersSetsTheGlobalFilterAndSkipsPagesTwoAndFive) {
    Wizard& w = started();
    z->model.FilterList = {P("*.doc"), P("*.xls")};
    z->model.What = 1;
    w.NextClick(kPage1);
    EXPECT_EQ(z->model.FilterList, QStringList{P("*.*")});
    EXPECT_TRUE(z->view.AllFiles);
    EXPECT_EQ(w.sources().NewFilter, P("All Files"));
    EXPECT_FALSE(w.sources().AddFilterEnabled);
    EXPECT_EQ(w.activePage(), kPage3);
    w.NextClick(kPage3);
    w.NextClick(kPage4);
    EXPECT_EQ(w.activePage(), kPage6);
    auto* selected = z->findChild<QListWidget*>(P("SelectedFilters"));
    ASSERT_NE(selected, nullptr);
    ASSERT_EQ(selected->count(), 1);
    EXPECT_EQ(selected->item(0)->text(), P("*.*"));
}

TEST_F(WizardTest, NewFiltersGetAStarDotUnlessTheyHaveADot) {
    const struct {
        const char* typed;
        QStringList added;
    } rows[] = {{"txt", {P("*.txt")}},
                {"report.d?c", {P("report.d?c")}},
                {"", {}},
                {"*.doc", {P("*.doc")}}};
    Wizard& w = started();
    SourcePages& s = w.sources();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        z->model.FilterList.clear();
        s.AddFilterClick();
        EXPECT_TRUE(s.NewFilterVisible);
        s.NewFilter = P(row.typed);
        s.NewFilterKeyPress(QChar(13));
        EXPECT_EQ(z->model.FilterList, row.added);
        EXPECT_TRUE(s.NewFilter.isEmpty());
    }
}

TEST_F(WizardTest, UncheckingAllFilesLeavesNoFilterSoPageFiveAsksForOne) {
    Wizard& w = started();
    SourcePages& s = w.sources();
    s.setAllFiles(true);
    s.setAllFiles(false);
    EXPECT_TRUE(z->model.FilterList.isEmpty());
    EXPECT_TRUE(s.AddFilterEnabled && s.DelFilEnabled);
    w.ShowWizardPage(kPage5);
    world.prompter().answerNext(Button::Ok);
    world.prompter().answerNext(Button::Cancel);
    w.NextClick(kPage5);
    EXPECT_EQ(w.activePage(), kPage5);
    z->model.DirSource << P("C:\\Kept");
    w.NextClick(kPage5);
    EXPECT_FALSE(w.visible()) << "Cancel quits the wizard";
    EXPECT_TRUE(world.dialogs().formsShown.isEmpty()) << "without the prompt";
    EXPECT_TRUE(z->model.DirSource.contains(P("C:\\Kept"))) << "edits kept";
    EXPECT_EQ(world.prompter().records().first().helpContext, 41);
}

TEST_F(WizardTest, FolderClicksAddEachNewSelectionOnceInARow) {
    world.makeFolder(P("C:\\A"));
    world.makeFolder(P("C:\\B\\Inner"));
    Wizard& w = started();
    SourcePages& s = w.sources();
    z->model.DirSource.clear();
    s.SourceFolderDriveChange();
    for (const char* folder : {"C:\\A", "C:\\B", "C:\\B", "C:\\A", "C:\\B\\Inner"}) {
        clickFolder(*s.Folders, P(folder));
        s.FoldersClick();
    }
    EXPECT_EQ(z->model.DirSource,
              (QStringList{P("C:\\A"), P("C:\\B"), P("C:\\A"), P("C:\\B\\Inner")}));
    EXPECT_EQ(z->UserFolderCount, 4);
    EXPECT_EQ(w.CurrentTreeFolder, P("C:\\B\\Inner\\"));
    s.DirSourceIndex = -1;
    s.DeleteFolderClick();
    EXPECT_EQ(world.prompter().messages(), QStringList{P("Nothing selected")});
    s.DirSourceIndex = 1;
    s.DeleteFolderClick();
    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\A"), P("C:\\A"), P("C:\\B\\Inner")}));
    EXPECT_EQ(z->UserFolderCount, 3);
}

TEST_F(WizardTest, ADriveThatIsNotReadyLeavesTheTreeAsItWas) {
    Wizard& w = started();
    SourcePages& s = w.sources();
    s.SourceFolderDriveChange();
    const QString rootBefore = s.Folders->topLevelItem(0)->text(0);
    s.sourcedrives = P("Q");
    s.SourceFolderDriveChange();
    EXPECT_EQ(world.prompter().messages(), QStringList{P("No Disk in: Q:")});
    EXPECT_EQ(s.Folders->topLevelItem(0)->text(0), rootBefore);
    s.sourcedrives = P("D");
    s.SourceFolderDriveChange();
    EXPECT_EQ(s.Folders->topLevelItem(0)->text(0), P("D:"));
    EXPECT_EQ(w.CurrentTreeFolder, P("D:\\"));
}

TEST_F(WizardTest, CommonTypesChosenInBrowserModeLeadToTheCommonFilesPages) {
    Wizard& w = started();
    SourcePages& s = w.sources();
    s.setUsebrowser(true);
    ASSERT_EQ(z->model.Extensions, 1);
    z->model.What = 2;
    w.NextClick(kPage1);
    z->model.Extensions = 2;
    z->model.Recurse = true;
    w.NextClick(kPage2);
    EXPECT_EQ(z->model.Extensions, 2);
    EXPECT_FALSE(z->view.usebrowser);
    EXPECT_FALSE(z->model.Recurse);
    EXPECT_TRUE(z->view.CommactivelabVisible);
    EXPECT_TRUE(z->model.DirSource.isEmpty());
    w.NextClick(kPage3);
    EXPECT_EQ(w.activePage(), kPage16);
}

TEST_F(WizardTest, OnlySwitchingSubFoldersOnAsksAboutTheCompressionEngine) {
    const QString question =
        P("YOU ARE EDITING AN EXISTING BACK-UP SET\r\nCompressed archives are selelected in this "
          "back-up set.\r\nThe option to provide automatic inclusion of files in sub folders is "
          "also \r\nselected, \r\nYou cannot use both of these options.\r\n\r\nClick \"Yes\" To "
          "select files from sub folders prior to compression\r\n(This option is recomended if you "
          "intend to use uncompressed archives)\r\n\r\nClick \"No\" to allow the Compression "
          "engine to search sub folders \r\n(This is recomended if you intend to Compress your "
          "archives)");
    Wizard& w = started();
    SourcePages& s = w.sources();
    z->model.Zipped = true;
    z->model.RecurseZip = true;
    z->model.Recurse = true;
    s.setRecurse(false);
    EXPECT_TRUE(world.prompter().questions().isEmpty());
    world.prompter().answerNext(Button::No);
    s.setRecurse(true);
    EXPECT_FALSE(z->model.Recurse);
    EXPECT_TRUE(z->model.RecurseZip);
    world.prompter().answerNext(Button::Yes);
    s.setRecurse(true);
    EXPECT_TRUE(z->model.Recurse);
    EXPECT_FALSE(z->model.RecurseZip);
    EXPECT_EQ(world.prompter().questions(), (QStringList{question, question}));
}

TEST_F(WizardTest, PageFourWithoutAFolderAsksAndCancelQuitsWithoutThePrompt) {
    Wizard& w = started();
    z->model.DirSource.clear();
    w.ShowWizardPage(kPage4);
    world.prompter().answerNext(Button::Ok);
    w.NextClick(kPage4);
    EXPECT_EQ(w.activePage(), kPage4);
    EXPECT_TRUE(w.visible());
    world.prompter().answerNext(Button::Cancel);
    w.NextClick(kPage4);
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(world.prompter().records().first().helpContext, 40);
    EXPECT_TRUE(world.dialogs().formsShown.isEmpty());
}

// ---- the browse step ----

TEST_F(WizardTest, PickedFilesGoToTheSideFileAndLeadToTheDestinations) {
    Wizard& w = started();
    z->model.What = 2;
    z->model.Extensions = 1;
    w.ShowWizardPage(kPage3);
    browserAnswers(world, QStringList{P("c:\\data\\report.doc"), P("c:\\a.txt")});
    w.NextClick(kPage3);
    EXPECT_EQ(w.activePage(), kPage6);
    EXPECT_TRUE(z->BrowserFilesChosen);
    EXPECT_EQ(z->model.ZipFiles, 0);
    EXPECT_EQ(z->BackupSet, (QStringList{P("c:\\data\\report.doc"), P("c:\\a.txt")}));
    EXPECT_EQ(world.readFile(world.programFolder() + P("Office.brw")),
              QByteArray("c:\\data\\report.doc\r\nc:\\a.txt\r\n"));
    EXPECT_EQ(history(), QList<int>{kPage3});
}

TEST_F(WizardTest, RetryThenACancelledBrowserEndsTheWizardWithThePrompt) {
    Wizard& w = started();
    z->model.What = 2;
    z->model.Extensions = 1;
    w.ShowWizardPage(kPage3);
    browserAnswers(world, QStringList{});
    world.prompter().answerNext(Button::Retry);
    browserAnswers(world, std::nullopt);
    answerPrompt(TWizardPrompt::kDiscard);
    w.NextClick(kPage3);
    EXPECT_FALSE(w.visible());
    EXPECT_TRUE(w.sources().BrowserCancelled);
    EXPECT_EQ(world.dialogs().formsShown, (QStringList{P("harbex::TBrowser"), P("harbex::TBrowser"),
                                                       P("harbex::TWizardPrompt")}));
    EXPECT_EQ(world.prompter().records().first().helpContext, 32);
}

TEST_F(WizardTest, AcceptingNoPickedFileFallsBackToFoldersAndFilters) {
    Wizard& w = started();
    z->model.What = 2;
    z->model.Extensions = 1;
    z->BackupSet = {P("c:\\old.txt")};
    w.ShowWizardPage(kPage3);
    browserAnswers(world, QStringList{});
    world.prompter().answerNext(Button::Yes);
    w.NextClick(kPage3);
    EXPECT_EQ(w.activePage(), kPage4);
    EXPECT_EQ(z->model.Extensions, 0);
    EXPECT_TRUE(z->BackupSet.isEmpty());
    EXPECT_EQ(world.readFile(world.programFolder() + P("Office.brw")), QByteArray());
    EXPECT_EQ(w.sources().Line1,
              P("Click Next to choose the folder/s that contain the files you want to backup"));
}

TEST_F(WizardTest, TheBrowseStepAnsweredNoKeepsTheAnswersButKeepsThePicks) {
    THarbexZoDi& c = loadedOffice();
    world.writeFile(world.programFolder() + P("Office.brw"), "c:\\first\\one.txt\r\n");
    world.prompter().answerNext(Button::No);
    browserAnswers(world, QStringList{P("c:\\two.txt")});
    c.wizard().sources().FileBrowserBtnClick();
    EXPECT_EQ(c.model.Extensions, 0);
    EXPECT_EQ(c.model.What, 2);
    EXPECT_EQ(c.BackupSet, QStringList{P("c:\\two.txt")});
    EXPECT_EQ(world.readFile(world.programFolder() + P("Office.brw")),
              QByteArray("c:\\two.txt\r\n"));
    EXPECT_EQ(world.prompter().records().first().helpContext, 17);

    world.prompter().answerNext(Button::Cancel);
    c.wizard().sources().FileBrowserBtnClick();
    EXPECT_EQ(world.dialogs().formsShown.size(), 1) << "Cancel opens no browser";
}

}  // namespace
}  // namespace harbex::test
