#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <functional>

#include "engine/archivenames.h"
#include "sets/setsummary.h"
#include "ui/archivesform.h"
#include "wizard/compressionpages.h"

#include "wizardfixture.h"

namespace harbex::test {
namespace {

constexpr int kClosed = -1;
const QString kProblem = P("There is a problem with your selected files please restart the wizard");

// How page 11 looks after the pages before it were answered.
struct Page11Look {
    const char* name;
    std::function<void(THarbexZoDi&, Wizard&)> walk;  // answers and Next clicks up to page 11
    bool schemesShown;
    int fixedOption;
    int zipFiles;
    const char* firstScheme;
    const char* text1;
    const char* text3;  // nullptr: hidden
    bool text4Shown;
    bool recurseZip;  // it was on; picked files switch it off
};

const char* const kSchemes =
    "You can choose to name the compressed archives using one of the schemes below";
const char* const kBasis =
    "If you are not using predefined names you can choose one of the following as a basis for ";

void Grouped(THarbexZoDi& z, Wizard& w, int zipFiles) {
    z.model.ZipFiles = zipFiles;
    w.NextClick(kPage9);
    w.NextClick(kPage10);
}

std::vector<Page11Look> Looks() {
    const char* sourceNames =
        "The compressed files will be named  using the source folder/filter names";
    return {
        {"one archive", [](THarbexZoDi& z, Wizard& w) { Grouped(z, w, 0); }, false, 3, 0,
         sourceNames, kSchemes, nullptr, false, true},
        {"per folder", [](THarbexZoDi& z, Wizard& w) { Grouped(z, w, 1); }, true, 2, 1,
         "Files will be named using the source folder names", kSchemes, kBasis, true, true},
        {"per filter", [](THarbexZoDi& z, Wizard& w) { Grouped(z, w, 2); }, true, 2, 2,
         "Files will be named using the source filters", kSchemes, kBasis, true, true},
        {"per folder and filter", [](THarbexZoDi& z, Wizard& w) { Grouped(z, w, 3); }, true, 2, 3,
         "Files will be named using the source filters and Folders", kSchemes, kBasis, true, true},
        {"browser files",
         [](THarbexZoDi& z, Wizard& w) {
             z.model.Extensions = 1;
             w.NextClick(kPage9);
         },
         false, 2, 0, sourceNames, "A single compressed file will be created",
         "Base the Filename on :-", false, false},
        {"one archive, then browser files",
         [](THarbexZoDi& z, Wizard& w) {
             Grouped(z, w, 0);
             z.model.Extensions = 1;
             w.NextClick(kPage9);
         },
         false, 3, 0, sourceNames, "A single compressed file will be created",
         "Base the Filename on :-", false, false},
        {"browser files, then folders again",
         [](THarbexZoDi& z, Wizard& w) {
             z.model.Extensions = 1;
             w.NextClick(kPage9);
             z.model.Extensions = 0;
             Grouped(z, w, 1);
         },
         true, 2, 1, "Files will be named using the source folder names", kSchemes, kBasis, true,
         false},
    };
}

TEST_F(WizardTest, TheGroupingChosenBeforeShapesTheNamingPage) {
    for (const Page11Look& look : Looks()) {
        SCOPED_TRACE(look.name);
        z.reset();
        Wizard& w = started();
        z->model.Zipped = true;
        z->model.RecurseZip = true;
        z->model.FixedOption = 2;
        look.walk(*z, w);
        ASSERT_EQ(w.activePage(), kPage11);
        WizardPage& p = page(kPage11);
        EXPECT_EQ(!p.findChild<QGroupBox*>(P("FixedOptionBox"))->isHidden(), look.schemesShown);
        EXPECT_EQ(p.findChild<QRadioButton*>(P("FixedOption0"))->text(), P(look.firstScheme));
        EXPECT_EQ(z->model.FixedOption, look.fixedOption);
        EXPECT_EQ(z->model.ZipFiles, look.zipFiles);
        EXPECT_EQ(z->model.RecurseZip, look.recurseZip);
        EXPECT_EQ(p.findChild<QLabel*>(P("P11Text1"))->text(), P(look.text1));
        auto* text3 = p.findChild<QLabel*>(P("P11text3"));
        EXPECT_EQ(!text3->isHidden(), look.text3 != nullptr);
        if (look.text3) EXPECT_EQ(text3->text(), P(look.text3));
        EXPECT_EQ(!p.findChild<QLabel*>(P("P11text4"))->isHidden(), look.text4Shown);
        EXPECT_FALSE(p.findChild<QGroupBox*>(P("NametypeBox"))->isHidden());
        EXPECT_TRUE(world.prompter().records().isEmpty()) << "no question on the way";
    }
}

TEST_F(WizardTest, ChoosingANamingSchemeShowsInTheSummaryAtOnce) {
    Wizard& w = started();
    z->model.Zipped = true;
    z->model.ZipFiles = 1;
    w.ShowWizardPage(kPage11);
    page(kPage11).findChild<QRadioButton*>(P("FixedOption3"))->click();
    EXPECT_EQ(z->model.FixedOption, 3);
    EXPECT_TRUE(z->summary().SummaryPad.contains(P("Single Archive file option")));
}

// Page 11's Next with the set compressed per folder (two folders): what the names check asks,
// what the user answers and does in the names window, and where the wizard goes.
struct NamesCase {
    const char* name;
    std::function<void(THarbexZoDi&)> set;
    QList<Button> answers;
    std::function<void(TArchivesForm&)> inWindow;  // nullptr: the window must not open
    bool single;                                   // opened by the Zip tab's "Set Filenames"
    int to;
    QString namesFile;  // the set's ArchiveNamesFile afterwards
    QStringList messages;
};

const QString kNotSavedHere =
    P("You have not saved the Archive names list\rPlease run the Archive editor and save the list");

std::vector<NamesCase> NamesCases(const QString& lists) {
    auto tableFits = [](THarbexZoDi& z) {
        z.archiveNames().Archives = {{P("0"), P("C:\\T\\"), P("a"), P(".zip")},
                                     {P("1"), P("C:\\T\\"), P("b"), P(".zip")}};
    };
    auto saveAs = [](TArchivesForm& form) {
        form.Saveasbtn->click();
        form.ExitBtn->click();
    };
    auto accept = [](TArchivesForm& form) { form.ExitBtn->click(); };
    auto cancel = [](TArchivesForm& form) { form.CancelBtn->click(); };
    const QString saved = lists + P("mine.lst");
    const QString old = P("old.lst");
    return {
        {"named after folders",
         [](THarbexZoDi& z) { z.model.FixedOption = 0; },
         {},
         nullptr,
         false,
         kPage12,
         QString(),
         {}},
        {"predefined, browser files",
         [](THarbexZoDi& z) { z.model.Extensions = 1; },
         {},
         nullptr,
         false,
         kPage12,
         QString(),
         {}},
        {"no folders to name",
         [](THarbexZoDi& z) { z.model.DirSource.clear(); },
         {Button::Ok},
         nullptr,
         false,
         kClosed,
         old,
         {kProblem}},
        {"declines to name them now",
         nullptr,
         {Button::No},
         nullptr,
         false,
         kClosed,
         old,
         {kProblem}},
        {"names them and saves the list",
         nullptr,
         {Button::Yes},
         saveAs,
         false,
         kPage12,
         saved,
         {}},
        {"names them, not saved",
         nullptr,
         {Button::Yes, Button::No},
         accept,
         false,
         kPage12,
         QString(),
         {kNotSavedHere}},
        {"names them, window cancelled", nullptr, {Button::Yes}, cancel, false, kPage12, old, {}},
        {"valid list kept, no file named",
         [tableFits](THarbexZoDi& z) {
             tableFits(z);
             z.model.NamesFile.clear();
         },
         {Button::Ok},
         nullptr,
         false,
         kPage12,
         QString(),
         {P("You have not saved the archive names list")}},
        {"valid list kept", tableFits, {Button::Ok}, nullptr, false, kPage12, old, {}},
        {"valid list checked and saved",
         tableFits,
         {Button::Yes},
         saveAs,
         false,
         kPage12,
         saved,
         {}},
        {"valid list emptied",
         tableFits,
         {Button::Yes, Button::No},
         [](TArchivesForm& form) {
             form.ClearBtn->click();
             form.ExitBtn->click();
         },
         false,
         kClosed,
         old,
         {kProblem}},
        {"single edit, names saved", nullptr, {Button::Yes}, saveAs, true, kClosed, saved, {}},
        {"single edit, names problem",
         nullptr,
         {Button::No},
         nullptr,
         true,
         kClosed,
         old,
         {kProblem}},
    };
}

TEST_F(WizardTest, PredefinedNamesAreCheckedMadeOrConfirmedBeforeTheSchedule) {
    const QString lists = world.programFolder();
    for (const NamesCase& test : NamesCases(lists)) {
        SCOPED_TRACE(test.name);
        z.reset();
        Wizard& w = started();
        BackupSetModel& m = z->model;
        m.Zipped = true;
        m.ZipFiles = 1;
        m.FixedOption = 2;
        m.DirSource = {P("C:\\Data"), P("C:\\Mail")};
        m.NamesFile = P("old.lst");
        if (test.set) test.set(*z);
        if (test.single)
            w.JumpToWizardClick(kPage11);
        else
            w.ShowWizardPage(kPage11);
        for (Button answer : test.answers) world.prompter().answerNext(answer);
        bool opened = false;
        if (test.inWindow) {
            world.dialogs().answerNext(lists + P("mine"));
            world.dialogs().onNextForm([&](QDialog& form) {
                opened = true;
                auto& names = dynamic_cast<TArchivesForm&>(form);
                EXPECT_EQ(names.SBarPath->text(), lists + P("Office.lst"));
                test.inWindow(names);
            });
        }
        const qsizetype formsBefore = world.dialogs().formsShown.size();
        page(kPage11).Next->click();
        EXPECT_EQ(opened, test.inWindow != nullptr);
        EXPECT_EQ(world.dialogs().formsShown.size() - formsBefore, opened ? 1 : 0);
        EXPECT_EQ(w.visible() ? w.activePage() : kClosed, test.to);
        EXPECT_EQ(m.NamesFile, test.namesFile);
        EXPECT_EQ(world.prompter().messages(), test.messages);
        EXPECT_FALSE(z->SinglePageEdit);
        EXPECT_EQ(w.nextCaption(kPage11), P("Next")) << "buttons reset whenever it closes";
        EXPECT_EQ(history().contains(kPage11), test.to == kPage12);
    }
    // Proposed names follow the folders, the last first, in the temporary folder (C:\ here), and
    // are what the list file holds.
    EXPECT_EQ(world.readFile(lists + P("mine.lst")), "C:\\Mail.zip\r\nC:\\Data.zip\r\n");
}

}  // namespace
}  // namespace harbex::test
