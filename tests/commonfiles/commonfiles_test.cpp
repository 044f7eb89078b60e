#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "commonfiles/commonfiles.h"
#include "commonfiles/filetypegroups.h"
#include "commonfiles/filetypespage.h"
#include "commonfiles/searchpage.h"
#include "commonfiles/searchroots.h"
#include "support/controllerfixture.h"
#include "ui/searcherrorform.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex::test {
namespace {

using SL = QStringList;

TEST(FileTypeCaptions, KeepTheFormCaptionsBlanksAndListEveryExtension) {
    const std::map<int, const char*> expected = {
        {0, "Include Email Files[ eml, dbx, pst]"},
        {2, "Include Database Files[ dbf, mbd, csv]"},
        {8, "Include Sound Files [ wav, mid, mp3]"},
        {10, "Include Program Files [ pas, c, bas, sql]"},
        {13, "Include Help system Files  [ hlp, cnt, chm]"},
        {15, "Include Harbex  BUS Files[ bus]"},
    };
    for (const auto& [group, caption] : expected)
        EXPECT_EQ(FileTypeCaption(FileTypeGroups()[static_cast<size_t>(group)]), P(caption));
}

TEST(ParentFolder, DriveRootsAreTheirOwnParentAndPathsWithoutBackslashHaveRoot) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"C:\\", "C:\\"},           {"C:\\A", "C:\\"}, {"C:\\A\\B", "C:\\A"},
        {"C:\\A\\B\\", "C:\\A\\B"}, {"Data", "ROOT"},  {"\\\\S1\\D\\Mail", "\\\\S1\\D"},
    };
    for (const auto& [path, parent] : cases) EXPECT_EQ(ParentFolder(P(path)), P(parent)) << path;
}

class CommonFilesTest : public ControllerTest {
  protected:
    CommonFilesTest() {
        settingsForLaterStart(world.programFolder() + P("default.bus"));
        start();
        world.prompter().clear();
    }
    CommonFiles& c() { return z->commonFiles(); }
    QString dlf() const { return world.programFolder() + P("default.dlf"); }
    QByteArray dlfBytes() const { return world.readFile(dlf()); }
    void files(std::initializer_list<const char*> paths) {
        for (const char* path : paths) world.writeFile(P(path), "x");
    }
};

TEST_F(CommonFilesTest, StartUpBuildsTheCaptions) {
    EXPECT_EQ(z->view.FileTypeCaptions[15], P("Include Harbex  BUS Files[ bus]"));
    EXPECT_EQ(z->view.FileTypeCaptions[8], P("Include Sound Files [ wav, mid, mp3]"));
}

TEST_F(CommonFilesTest, AddingFoldersRefusesNestedAndDuplicateRootsFromTheLastSelectedOn) {
    struct Case {
        SL roots;
        SL selected;
        SL expectedRoots;
        SL messages;
    };
    const std::vector<Case> cases = {
        {{}, {P("C:\\A"), P("C:\\B")}, {P("C:\\B"), P("C:\\A")}, {}},
        {{P("C:\\Data\\Mail")},
         {P("C:\\Data")},
         {P("C:\\Data\\Mail")},
         {P("Nested Folders error - folder C:\\Data is a parent of C:\\Data\\Mail")}},
        {{P("c:\\data")},
         {P("C:\\Data\\Mail")},
         {P("c:\\data")},
         {P("Nested Folders error - folder is a child of C:\\Data")}},
        {{P("C:\\")},
         {P("C:\\Data")},
         {P("C:\\")},
         {P("Nested Folders error - folder is a child of C:\\")}},
        {{P("C:\\Data")}, {P("C:\\Data")}, {P("C:\\Data")}, {P("Duplicate folder")}},
        // The parent message ends the whole addition: C:\Q is never looked at.
        {{P("C:\\X\\Y")},
         {P("C:\\Q"), P("C:\\X"), P("C:\\R")},
         {P("C:\\X\\Y"), P("C:\\R")},
         {P("Nested Folders error - folder C:\\X is a parent of C:\\X\\Y")}},
        // Ten levels apart is beyond the nine looked at.
        {{P("C:\\1")},
         {P("C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11")},
         {P("C:\\1"), P("C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11")},
         {}},
    };
    for (const Case& test : cases) {
        world.prompter().clear();
        z->model.RootList = test.roots;
        c().GetFolder(test.selected);
        EXPECT_EQ(z->model.RootList, test.expectedRoots) << test.selected.join(u' ').toStdString();
        EXPECT_EQ(world.prompter().messages(), test.messages);
    }
    z->model.RootList = {P("C:\\A"), P("C:\\B"), P("C:\\C")};
    c().DeleteBtnClick({0, 2});
    EXPECT_EQ(z->model.RootList, SL{P("C:\\B")});
}

TEST_F(CommonFilesTest, ADriveRootIsSearchedAndOnlyTheExactExtensionInAnyCaseIsFound) {
    files({"C:\\top.DOC", "C:\\x.docx", "C:\\doc", "C:\\Sub\\a.doc"});
    z->model.RootList = {P("C:\\")};
    z->model.FileTypes[1] = true;
    c().SearchBtnClick();
    EXPECT_EQ(QSet<QString>(z->view.CListBox1.begin(), z->view.CListBox1.end()),
              QSet<QString>({P("C:\\top.DOC"), P("C:\\Sub\\a.doc")}));
    EXPECT_EQ(z->view.FFound, P("Files 2"));
    EXPECT_EQ(z->panels.text(4), P("SEARCH COMPLETED"));
    EXPECT_EQ(dlfBytes(), (z->view.CListBox1.join(P("\r\n")) + P("\r\n")).toUtf8());
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(CommonFilesTest, ResultsComeRootByRootAndWithinARootExtensionByExtension) {
    files({"C:\\R1\\a.pst", "C:\\R1\\b.eml", "C:\\R1\\c.dbx", "C:\\R2\\d.dbx", "C:\\R2\\e.EML",
           "C:\\R2\\f.txt"});
    z->model.RootList = {P("C:\\R1\\"), P("C:\\R2")};
    z->model.FileTypes[0] = true;  // eml, dbx, pst
    c().SearchBtnClick();
    EXPECT_EQ(z->view.CListBox1, (SL{P("C:\\R1\\b.eml"), P("C:\\R1\\c.dbx"), P("C:\\R1\\a.pst"),
                                     P("C:\\R2\\e.EML"), P("C:\\R2\\d.dbx")}));
}

TEST_F(CommonFilesTest, DeletingFoundEntriesRewritesTheListFileAndClearDoesNot) {
    files({"C:\\R\\a.txt", "C:\\R\\b.txt", "C:\\R\\c.txt"});
    z->model.RootList = {P("C:\\R")};
    z->model.FileTypes[4] = true;
    c().SearchBtnClick();
    ASSERT_EQ(z->view.CListBox1.size(), 3);
    const SL found = z->view.CListBox1;
    c().deletefilebtnClick({2, 0});
    EXPECT_EQ(z->view.CListBox1, SL{found[1]});
    EXPECT_EQ(z->view.FFound, P("Files 1"));
    EXPECT_EQ(dlfBytes(), (found[1] + P("\r\n")).toUtf8());
    c().ClearfilesbtnClick();
    EXPECT_TRUE(z->view.CListBox1.isEmpty());
    EXPECT_EQ(z->view.FFound, P("Files 0"));
    EXPECT_EQ(dlfBytes(), (found[1] + P("\r\n")).toUtf8());
}

TEST_F(CommonFilesTest, AnAbortedSearchKeepsTheEarlierListAndItsFile) {
    files({"C:\\R\\a.txt", "C:\\R\\S\\b.txt"});
    z->model.RootList = {P("C:\\R")};
    z->model.FileTypes[4] = true;
    c().SearchBtnClick();
    const SL earlier = z->view.CListBox1;
    const QByteArray earlierFile = dlfBytes();
    files({"C:\\R\\S\\new.txt"});
    // The user presses Abort on the wizard's search page while the search is under way; the
    // page cannot be left meanwhile.
    z->wizard().ShowWizardPage(kPage17);
    SearchPage& page = *z->findChild<SearchPage*>();
    WizardPage& wizardPage = *z->findChild<WizardView*>()->page(kPage17);
    bool sawProgress = false;
    world.waits().onMessages = [&] {
        if (!c().searching()) return;
        sawProgress = page.AbortSearchBtn->isEnabled() && !page.SearchBtn->isEnabled() &&
                      !wizardPage.Next->isEnabled() && !wizardPage.Cancel->isEnabled() &&
                      !wizardPage.Last->isEnabled();
        page.AbortSearchBtn->click();
    };
    page.SearchBtn->click();
    world.waits().onMessages = nullptr;
    EXPECT_TRUE(sawProgress);
    EXPECT_FALSE(c().searching());
    EXPECT_EQ(z->view.CListBox1, earlier);
    EXPECT_EQ(z->view.FFound, P("Files 2"));
    EXPECT_EQ(dlfBytes(), earlierFile);
    EXPECT_EQ(z->panels.text(4), P("SEARCH ABORTED"));
    EXPECT_TRUE(page.SearchBtn->isEnabled());
    EXPECT_TRUE(wizardPage.Next->isEnabled());
}

TEST_F(CommonFilesTest, FolderErrorsAreOfferedForReviewAndOnlySaveListWritesTheFile) {
    files({"C:\\R\\a.txt"});
    enum class Form { None, Save, New, Close };
    struct Case {
        bool searchErrors;
        Button answer;  // None: no question expected
        Form form;
        bool fileWritten;
        int listed;
    };
    const std::vector<Case> cases = {
        {false, Button::None, Form::None, true, 1}, {true, Button::No, Form::None, false, 1},
        {true, Button::Yes, Form::Save, true, 1},   {true, Button::Yes, Form::New, false, 0},
        {true, Button::Yes, Form::Close, false, 1},
    };
    for (const Case& test : cases) {
        world.prompter().clear();
        Files().deleteFile(dlf());
        z->settings.SearchErrors = test.searchErrors;
        // A root that went missing is reported, and the other root is still searched.
        z->model.RootList = {P("C:\\Gone"), P("C:\\R")};
        z->model.FileTypes[4] = true;
        if (test.answer != Button::None) world.prompter().answerNext(test.answer);
        SL shown;
        if (test.form != Form::None)
            world.dialogs().onNextForm([&](QDialog& dialog) {
                auto& form = dynamic_cast<Tsearcherrorform&>(dialog);
                for (int row = 0; row < form.ListBox1->count(); ++row)
                    shown << form.ListBox1->item(row)->text();
                if (test.form == Form::Save) form.SaveBtn->click();
                if (test.form == Form::New) form.NewBtn->click();
            });
        c().SearchBtnClick();
        EXPECT_EQ(world.prompter().questions(),
                  test.answer == Button::None
                      ? SL{}
                      : SL{P("Errors were encounted during the Search, do you want to review")});
        if (test.form != Form::None) {
            EXPECT_EQ(shown, SL{P("FOLDER CANNOT BE OPENED 18: DELETING C:\\Gone")});
        }
        EXPECT_EQ(world.exists(dlf()), test.fileWritten) << test.searchErrors;
        EXPECT_EQ(z->view.CListBox1.size(), test.listed);
    }
    EXPECT_EQ(world.prompter().records().front().helpContext, 223);
}

TEST_F(CommonFilesTest, NothingToSearchOrNothingFoundIsSaid) {
    z->model.RootList.clear();
    c().SearchBtnClick();
    EXPECT_EQ(world.prompter().messages(), SL{P("Cannot search no folders are selected")});
    EXPECT_FALSE(world.exists(dlf()));
    world.prompter().clear();
    world.makeFolder(P("C:\\Empty"));
    z->model.RootList = {P("C:\\Empty")};
    z->model.FileTypes[1] = true;
    c().SearchBtnClick();
    EXPECT_EQ(world.prompter().messages(), SL{P("No files found")});
    EXPECT_EQ(dlfBytes(), QByteArray());
}

TEST_F(CommonFilesTest, PageNextButtonsDecideByTheGroupsTheEditAndTheEndMarker) {
    EXPECT_EQ(c().Page16nextClick(), PageStep::ShowPage16);
    EXPECT_EQ(world.prompter().messages(), SL{P("You must select at least one filetype")});
    z->model.FileTypes[3] = true;
    EXPECT_EQ(c().Page16nextClick(), PageStep::ShowPage17);
    z->SinglePageEdit = true;
    z->model.FileTypes.fill(false);
    EXPECT_EQ(c().Page16nextClick(), PageStep::CloseWizard);
    EXPECT_FALSE(z->SinglePageEdit);
    c().ClearbtnClick();
    EXPECT_EQ(z->model.FileTypes, (std::array<bool, 16>{}));

    EXPECT_EQ(c().Page17NextClick(), PageStep::ShowPage6);
    z->wizard().Page17NextTag = 1;
    EXPECT_EQ(c().Page17NextClick(), PageStep::CloseWizard);
    EXPECT_EQ(z->wizard().Page17NextTag, 0);
    EXPECT_EQ(c().Page17NextClick(), PageStep::ShowPage6);
}

TEST_F(CommonFilesTest, BackupCommonFilesNeedsAGroupAndIsRefusedOnceEnabled) {
    Wizard& w = z->wizard();
    for (const Button answer : {Button::Cancel, Button::Yes}) {
        world.prompter().answerNext(answer);
        c().BackupCommonBtnClick();
        EXPECT_EQ(w.visible(), answer == Button::Yes);
    }
    // Yes opens the file types page as the tab's Wizard button does.
    EXPECT_EQ(w.activePage(), kPage16);
    EXPECT_EQ(w.Page17NextTag, 1);
    EXPECT_FALSE(z->SinglePageEdit);
    EXPECT_EQ(world.prompter().records().back().helpContext, 129);
    EXPECT_EQ(z->model.Extensions, 0);
    z->model.FileTypes[6] = true;
    c().BackupCommonBtnClick();
    EXPECT_EQ(z->model.Extensions, 2);
    EXPECT_EQ(z->model.What, 2);
    EXPECT_TRUE(z->view.CommactivelabVisible);
    world.prompter().clear();
    c().BackupCommonBtnClick();
    EXPECT_EQ(world.prompter().messages(), SL{P("You must use the wizard to change this option")});
}

TEST_F(CommonFilesTest, TheTabsWizardButtonOpensTheFileTypesPageOfTheWizard) {
    z->showOptionsPanel(P("Common FileTypes"));
    z->findChild<QPushButton*>(P("CommTabWizardBtn"))->click();
    WizardView& view = *z->findChild<WizardView*>();
    ASSERT_EQ(view.currentWidget(), view.page(kPage16));
    EXPECT_EQ(z->wizard().Page17NextTag, 1);
    EXPECT_TRUE(view.page(kPage16)->isAncestorOf(z->findChild<FileTypesPage*>()));
    EXPECT_TRUE(view.page(kPage17)->isAncestorOf(z->findChild<SearchPage*>()));
    EXPECT_EQ(z->findChild<FileTypesPage*>()->boxes[15]->text(),
              P("Include Harbex  BUS Files[ bus]"));
}

TEST_F(CommonFilesTest, TheCommonFilesMenuShowsItsTabAndStopsACountdown) {
    z->Timer.start();
    z->commands.action(P("CommonFiles1"))->trigger();
    EXPECT_TRUE(z->view.OptionsVisible);
    EXPECT_EQ(z->view.OptionsTab, P("Common FileTypes"));
    EXPECT_FALSE(z->Timer.isActive());
}

}  // namespace
}  // namespace harbex::test
