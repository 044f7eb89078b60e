#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <functional>

#include "engine/archivenames.h"
#include "sets/setsummary.h"
#include "ui/archivesform.h"

#include "wizardfixture.h"

namespace harbex::test {
namespace {

constexpr int kClosed = -1;
const char* const kSchemes =
    "You can choose to name the compressed archives using one of the schemes below";
const char* const kBasis =
    "If you are not using predefined names you can choose one of the following as a basis for ";
const char* const kOne = "A single compressed file will be created";
const char* const kBySource =
    "The compressed files will be named  using the source folder/filter names";

// Page 11 after the pages before it: zipFiles < 0 means browser files through page 9 alone.
struct Look {
    std::vector<int> zipFiles;  // one pass through pages 9 (and 10) per entry
    bool schemesShown;
    int fixedOption, zipFilesAfter;
    const char *firstScheme, *text1, *text3;  // text3 nullptr: hidden
    bool text4Shown, recurseZip;
};

TEST_F(WizardTest, TheGroupingChosenBeforeShapesTheNamingPage) {
    const char* folders = "Files will be named using the source folder names";
    const char* filters = "Files will be named using the source filters";
    const char* both = "Files will be named using the source filters and Folders";
    const std::vector<Look> looks = {
        {{0}, false, 3, 0, kBySource, kSchemes, nullptr, false, true},
        {{1}, true, 2, 1, folders, kSchemes, kBasis, true, true},
        {{3}, true, 2, 3, both, kSchemes, kBasis, true, true},
        {{0, -1}, false, 3, 0, kBySource, kOne, "Base the Filename on :-", false, false},
        {{-1, 2}, true, 2, 2, filters, kSchemes, kBasis, true, false},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.firstScheme);
        z.reset();
        Wizard& w = started();
        z->model.Zipped = z->model.RecurseZip = true;
        z->model.FixedOption = 2;
        for (int zipFiles : look.zipFiles) {
            z->model.Extensions = zipFiles < 0 ? 1 : 0;
            z->model.ZipFiles = zipFiles < 0 ? 3 : zipFiles;
            w.NextClick(kPage9);
            if (zipFiles >= 0) w.NextClick(kPage10);
        }
        ASSERT_EQ(w.activePage(), kPage11);
        WizardPage& p = page(kPage11);
        EXPECT_EQ(!p.findChild<QGroupBox*>(P("FixedOptionBox"))->isHidden(), look.schemesShown);
        EXPECT_EQ(p.findChild<QRadioButton*>(P("FixedOption0"))->text(), P(look.firstScheme));
        EXPECT_EQ(z->model.FixedOption, look.fixedOption);
        EXPECT_EQ(z->model.ZipFiles, look.zipFilesAfter);
        EXPECT_EQ(z->model.RecurseZip, look.recurseZip);
        EXPECT_EQ(p.findChild<QLabel*>(P("P11Text1"))->text(), P(look.text1));
        auto* text3 = p.findChild<QLabel*>(P("P11text3"));
        EXPECT_EQ(!text3->isHidden(), look.text3 != nullptr);
        if (look.text3) {
            EXPECT_EQ(text3->text(), P(look.text3));
        }
        EXPECT_EQ(!p.findChild<QLabel*>(P("P11text4"))->isHidden(), look.text4Shown);
        EXPECT_TRUE(world.prompter().records().isEmpty());
    }
}

TEST_F(WizardTest, ChoosingANamingSchemeShowsInTheSummaryAtOnce) {
    started().ShowWizardPage(kPage11);
    z->model.Zipped = true;
    z->model.ZipFiles = 1;
    page(kPage11).findChild<QRadioButton*>(P("FixedOption3"))->click();
    EXPECT_EQ(z->model.FixedOption, 3);
    EXPECT_TRUE(z->summary().SummaryPad.contains(P("Single Archive file option")));
}

// Page 11's Next with predefined names for two folders, an earlier list file "old.lst".
struct NamesCase {
    const char* name;
    std::function<void(THarbexZoDi&)> set;
    QList<Button> answers;
    std::function<void(TArchivesForm&)> inWindow;  // nullptr: the window must not open
    bool single;                                   // the Zip tab's "Set Filenames"
    int to;
    QString namesFile;
    QStringList messages;
};

TEST_F(WizardTest, PredefinedNamesAreCheckedMadeOrConfirmedBeforeTheSchedule) {
    const QString saved = world.programFolder() + P("mine.lst");
    const QString old = P("old.lst");
    const QString problem =
        P("There is a problem with your selected files please restart the wizard");
    auto fits = [](THarbexZoDi& z) {
        z.archiveNames().Archives = {{P("0"), P("C:\\T\\"), P("a"), P(".zip")},
                                     {P("1"), P("C:\\T\\"), P("b"), P(".zip")}};
    };
    auto saveAs = [](TArchivesForm& f) { f.Saveasbtn->click(), f.ExitBtn->click(); };
    auto accept = [](TArchivesForm& f) { f.ExitBtn->click(); };
    auto clear = [](TArchivesForm& f) { f.ClearBtn->click(), f.ExitBtn->click(); };
    auto bySource = [](THarbexZoDi& z) { z.model.FixedOption = 0; };
    auto browser = [](THarbexZoDi& z) { z.model.Extensions = 1; };
    auto noFile = [fits](THarbexZoDi& z) { fits(z), z.model.NamesFile.clear(); };
    const QString unsaved =
        P("You have not saved the Archive names list\rPlease run the Archive "
          "editor and save the list");
    const QString unnamed = P("You have not saved the archive names list");
    const Button Y = Button::Yes, N = Button::No;
    const std::vector<NamesCase> cases = {
        {"named after folders", bySource, {}, nullptr, false, kPage12, {}, {}},
        {"browser files", browser, {}, nullptr, false, kPage12, {}, {}},
        {"declined", nullptr, {N}, nullptr, false, kClosed, old, {problem}},
        {"named and saved", nullptr, {Y}, saveAs, false, kPage12, saved, {}},
        {"named, not saved", nullptr, {Y, N}, accept, false, kPage12, {}, {unsaved}},
        {"valid list kept, no file", noFile, {Button::Ok}, nullptr, false, kPage12, {}, {unnamed}},
        {"valid list checked", fits, {Y}, saveAs, false, kPage12, saved, {}},
        {"valid list emptied", fits, {Y, N}, clear, false, kClosed, old, {problem}},
        {"single edit", nullptr, {Y}, saveAs, true, kClosed, saved, {}},
        {"single edit, problem", nullptr, {N}, nullptr, true, kClosed, old, {problem}},
    };
    for (const NamesCase& test : cases) {
        SCOPED_TRACE(test.name);
        z.reset();
        Wizard& w = started();
        BackupSetModel& m = z->model;
        m.Zipped = true;
        m.ZipFiles = 1;
        m.FixedOption = 2;
        m.DirSource = {P("C:\\Data"), P("C:\\Mail")};
        m.NamesFile = old;
        if (test.set) test.set(*z);
        test.single ? w.JumpToWizardClick(kPage11) : w.ShowWizardPage(kPage11);
        for (Button answer : test.answers) world.prompter().answerNext(answer);
        const qsizetype forms = world.dialogs().formsShown.size();
        if (test.inWindow) {
            world.dialogs().answerNext(saved.chopped(4));
            world.dialogs().onNextForm([&](QDialog& form) {
                auto& names = dynamic_cast<TArchivesForm&>(form);
                EXPECT_EQ(names.SBarPath->text(), world.programFolder() + P("Office.lst"));
                test.inWindow(names);
            });
        }
        page(kPage11).Next->click();
        EXPECT_EQ(world.dialogs().formsShown.size() - forms, test.inWindow ? 1 : 0);
        EXPECT_EQ(w.visible() ? w.activePage() : kClosed, test.to);
        EXPECT_EQ(m.NamesFile, test.namesFile);
        EXPECT_EQ(world.prompter().messages(), test.messages);
        EXPECT_FALSE(z->SinglePageEdit);
        EXPECT_EQ(w.nextCaption(kPage11), P("Next"));
        EXPECT_EQ(history().contains(kPage11), test.to == kPage12);
    }
    // The proposal names the folders, the last first, in the temporary folder (C:\ here).
    EXPECT_EQ(world.readFile(saved), "C:\\Mail.zip\r\nC:\\Data.zip\r\n");
}

}  // namespace
}  // namespace harbex::test
