#include <gtest/gtest.h>

#include <QTimeEdit>
#include <functional>

#include "drives/drivelists.h"

#include "wizardfixture.h"

namespace harbex::test {
namespace {

constexpr int kClosed = -1;

// One row of the page flow: the answers given, the page whose Next is pressed, where the wizard
// goes and what the history holds afterwards (it held [kPage2] before).
struct FlowRow {
    const char* name;
    int page;
    std::function<void(THarbexZoDi&)> answers;
    int to;
    QList<int> history;
    QStringList messages;
};

void Folder(THarbexZoDi& z) {
    z.model.DirSource = {P("C:\\Data")};
}

const QString kWizardError = P("Wizard error. Please Cancel and Re-start the Wizard");

std::vector<FlowRow> FlowTable() {
    const QList<int> before = {kPage2};
    auto pushed = [before](int index) { return before + QList<int>{index}; };
    return {
        {"1 all files on the computer",
         kPage1,
         [](THarbexZoDi& z) { z.model.What = 0; },
         kClosed,
         before,
         {P("If you want to backup entire drives Harbex is not your best choice")}},
        {"1 all files in folders",
         kPage1,
         [](THarbexZoDi& z) { z.model.What = 1; },
         kPage3,
         {kPage1},
         {}},
        {"1 some files in folders",
         kPage1,
         [](THarbexZoDi& z) { z.model.What = 2; },
         kPage2,
         {kPage1},
         {}},
        {"1 none of the above",
         kPage1,
         [](THarbexZoDi& z) { z.model.What = 3; },
         kClosed,
         before,
         {P("Please read the Help file for advice on how to\ruse Harbex to protect your "
            "important files")}},
        {"2 any",
         kPage2,
         [](THarbexZoDi& z) { z.model.Extensions = 3; },
         kPage3,
         pushed(kPage2),
         {}},
        {"3 all files in folders",
         kPage3,
         [](THarbexZoDi& z) {
             z.model.What = 1;
             z.model.Extensions = 2;
         },
         kPage4,
         pushed(kPage3),
         {}},
        {"3 by extensions",
         kPage3,
         [](THarbexZoDi& z) { z.model.Extensions = 0; },
         kPage4,
         pushed(kPage3),
         {}},
        {"3 common types",
         kPage3,
         [](THarbexZoDi& z) { z.model.Extensions = 2; },
         kPage16,
         pushed(kPage3),
         {}},
        {"3 unsure",
         kPage3,
         [](THarbexZoDi& z) { z.model.Extensions = 3; },
         kPage3,
         pushed(kPage3),
         {P("Please read the help files so that you can decide\ron the best backup policy for "
            "your files")}},
        {"4 all files in folders",
         kPage4,
         [](THarbexZoDi& z) {
             Folder(z);
             z.model.What = 1;
         },
         kPage6,
         pushed(kPage4),
         {}},
        {"4 by extensions", kPage4, Folder, kPage5, pushed(kPage4), {}},
        {"4 browser files",
         kPage4,
         [](THarbexZoDi& z) {
             Folder(z);
             z.model.Extensions = 1;
         },
         kPage4,
         pushed(kPage4),
         {kWizardError}},
        {"4 common types",
         kPage4,
         [](THarbexZoDi& z) {
             Folder(z);
             z.model.Extensions = 2;
         },
         kPage4,
         pushed(kPage4),
         {kWizardError}},
        {"5", kPage5, [](THarbexZoDi&) {}, kPage6, pushed(kPage5), {}},
        {"6", kPage6, [](THarbexZoDi&) {}, kPage7, pushed(kPage6), {}},
        {"7", kPage7, [](THarbexZoDi&) {}, kPage15, pushed(kPage7), {}},
        {"15 with specific folders",
         kPage15,
         [](THarbexZoDi& z) { z.model.UseSpecificFolders = true; },
         kPage8,
         pushed(kPage15),
         {}},
        {"15 daily folders only", kPage15, [](THarbexZoDi&) {}, kPage9, pushed(kPage15), {}},
        {"8",
         kPage8,
         [](THarbexZoDi& z) { z.model.DestList = {P("D:\\Copies")}; },
         kPage9,
         pushed(kPage8),
         {}},
        {"9 not compressed", kPage9, [](THarbexZoDi&) {}, kPage12, pushed(kPage9), {}},
        {"9 compressed browser files",
         kPage9,
         [](THarbexZoDi& z) {
             z.model.Zipped = true;
             z.model.Extensions = 1;
         },
         kPage11,
         pushed(kPage9),
         {}},
        {"9 compressed",
         kPage9,
         [](THarbexZoDi& z) { z.model.Zipped = true; },
         kPage10,
         pushed(kPage9),
         {}},
        {"10", kPage10, [](THarbexZoDi&) {}, kPage11, pushed(kPage10), {}},
        {"11", kPage11, [](THarbexZoDi&) {}, kPage12, pushed(kPage11), {}},
        {"12 manual",
         kPage12,
         [](THarbexZoDi& z) { z.model.autotype = 0; },
         kPage14,
         pushed(kPage12),
         {}},
        {"12 scheduled",
         kPage12,
         [](THarbexZoDi& z) { z.model.autotype = 1; },
         kPage13,
         pushed(kPage12),
         {}},
        {"12 at start-up",
         kPage12,
         [](THarbexZoDi& z) { z.model.autotype = 2; },
         kPage14,
         pushed(kPage12),
         {}},
        {"13", kPage13, [](THarbexZoDi&) {}, kPage14, pushed(kPage13), {}},
        {"16 a type checked",
         kPage16,
         [](THarbexZoDi& z) { z.model.FileTypes[3] = true; },
         kPage17,
         pushed(kPage16),
         {}},
        {"16 no type",
         kPage16,
         [](THarbexZoDi&) {},
         kPage16,
         before,
         {P("You must select at least one filetype")}},
        {"17", kPage17, [](THarbexZoDi&) {}, kPage6, pushed(kPage17), {}},
    };
}

TEST_F(WizardTest, EveryNextFollowsThePageFlow) {
    for (const FlowRow& row : FlowTable()) {
        SCOPED_TRACE(row.name);
        z.reset();
        Wizard& w = started();
        w.ShowWizardPage(row.page);
        w.pushHistory(kPage2);
        row.answers(*z);
        world.prompter().clear();
        page(row.page).Next->click();
        EXPECT_EQ(w.visible() ? w.activePage() : kClosed, row.to);
        EXPECT_EQ(history(), row.history);
        EXPECT_EQ(world.prompter().messages(), row.messages);
        EXPECT_TRUE(world.dialogs().formsShown.isEmpty()) << "no end prompt";
    }
}

TEST_F(WizardTest, LastRetracesTheWayAndNeverChangesAnAnswer) {
    Wizard& w = started();
    z->model.What = 1;
    w.NextClick(kPage1);
    ASSERT_EQ(w.activePage(), kPage3);
    w.PageBackClick();
    EXPECT_EQ(w.activePage(), kPage1) << "page 3 reached directly from page 1";
    z->model.What = 2;
    w.NextClick(kPage1);
    w.NextClick(kPage2);
    Folder(*z);
    w.NextClick(kPage3);
    w.NextClick(kPage4);
    ASSERT_EQ(w.activePage(), kPage5);
    const BackupSetModel answers = z->model;
    const QList<int> expected = {kPage4, kPage3, kPage2, kPage1};
    for (int to : expected) {
        page(w.activePage()).Last->click();
        EXPECT_EQ(w.activePage(), to);
    }
    EXPECT_EQ(w.PageHistoryCount, 0);
    w.PageBackClick();
    EXPECT_EQ(w.activePage(), kPage1) << "an empty history does nothing";
    EXPECT_EQ(w.PageHistoryCount, 0);
    EXPECT_EQ(z->model, answers);
}

TEST_F(WizardTest, AFullHistoryDropsItsOldestEntry) {
    Wizard& w = started();
    w.NextClick(kPage1);  // [0]
    w.NextClick(kPage2);  // [0, 1]
    z->model.Extensions = 3;
    for (int i = 0; i < 15; ++i) w.NextClick(kPage3);  // "I dont know" stays on page 3
    ASSERT_EQ(w.PageHistoryCount, Wizard::kHistorySize);
    EXPECT_EQ(w.PageHistory[0], kPage1);
    w.NextClick(kPage3);
    EXPECT_EQ(w.PageHistoryCount, Wizard::kHistorySize);
    EXPECT_EQ(w.PageHistory[0], kPage2) << "page 1 went, the newest came";
    EXPECT_EQ(w.PageHistory[Wizard::kHistorySize - 1], kPage3);
    for (int i = 0; i < Wizard::kHistorySize; ++i) w.PageBackClick();
    EXPECT_EQ(w.activePage(), kPage2);
    EXPECT_EQ(w.PageHistoryCount, 0);
}

// A single-page edit opened from an Options tab: what the page changes and how its Done ends.
struct SingleEdit {
    const char* button;  // the Options tab's button
    int tag;
    std::function<void(THarbexZoDi&)> change;
    std::function<bool(THarbexZoDi&)> kept;
    bool pushesOnDone = true;     // Done records the page in the history
    const char* saved = nullptr;  // what Done writes into the set file at once, if anything
};

// Clicks a control of the wizard's pages by its name.
void Click(THarbexZoDi& z, const char* name) {
    z.findChild<WizardView*>()->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

std::vector<SingleEdit> SingleEdits() {
    return {
        {"ChooseSource", kPage4, [](THarbexZoDi& z) { z.model.DirSource << P("C:\\Mail"); },
         [](THarbexZoDi& z) { return z.model.DirSource.contains(P("C:\\Mail")); }},
        {"ChooseFilters", kPage5, [](THarbexZoDi& z) { z.model.FilterList << P("*.xls"); },
         [](THarbexZoDi& z) { return z.model.FilterList.contains(P("*.xls")); }},
        {"SelectDailysBtn", kPage7, [](THarbexZoDi& z) { z.model.Days[5] = true; },
         [](THarbexZoDi& z) { return z.model.Days[5]; }},
        {"ChooseDestFoldersBtn", kPage8, [](THarbexZoDi& z) { z.model.DestList << P("D:\\X"); },
         [](THarbexZoDi& z) { return z.model.DestList.contains(P("D:\\X")); }},
        {"SpeedButton16", kPage15, [](THarbexZoDi& z) { z.model.Drivelist << P("E:"); },
         [](THarbexZoDi& z) { return z.model.Drivelist.contains(P("E:")); }},
        {"SpeedButton13", kPage10, [](THarbexZoDi& z) { z.model.ZipFiles = 1; },
         [](THarbexZoDi& z) { return z.model.ZipFiles == 1; }, false},
        {"GetZipNamesbtn", kPage11, [](THarbexZoDi& z) { z.model.Nametype = 0; },
         [](THarbexZoDi& z) { return z.model.Nametype == 0; }, false},
        {"SpeedButton15", kPage12, [](THarbexZoDi& z) { Click(z, "autotype2"); },
         [](THarbexZoDi& z) { return z.model.autotype == 2; }, true, "[AUTO]\r\n2\r\n"},
        {"SpeedButton18", kPage12, [](THarbexZoDi& z) { Click(z, "autotype1"); },
         [](THarbexZoDi& z) { return z.model.autotype == 1; }, true, "[AUTO]\r\n1\r\n"},
        {"SpeedButton12", kPage13,
         [](THarbexZoDi& z) { z.findChild<QTimeEdit*>(P("TimePicker"))->setTime(QTime(9, 5)); },
         [](THarbexZoDi& z) { return z.model.TimePicker == QTime(9, 5); }, false,
         "\r\n09:05:00\r\n"},
        {"LogOptionsBtn", kPage14, [](THarbexZoDi& z) { Click(z, "LogOptions3"); },
         [](THarbexZoDi& z) { return z.settings.LogOptions == 3; }, false},
    };
}

TEST_F(WizardTest, SinglePageEditsEndWithDoneOrCancelKeepingTheChangeAndRestoringTheButtons) {
    for (const bool done : {true, false}) {
        for (const SingleEdit& edit : SingleEdits()) {
            SCOPED_TRACE(std::string(edit.button) + (done ? " Done" : " Cancel"));
            if (!done && edit.tag == kPage14) continue;  // the log page has no Cancel
            z.reset();
            THarbexZoDi& c = loadedOffice();
            c.showOptionsPanel(P("Misc"));
            auto* button = c.findChild<QPushButton*>(QString::fromLatin1(edit.button));
            ASSERT_NE(button, nullptr);
            button->click();
            Wizard& w = c.wizard();
            ASSERT_TRUE(w.visible());
            ASSERT_EQ(w.activePage(), edit.tag);
            EXPECT_TRUE(c.SinglePageEdit);
            EXPECT_EQ(page(edit.tag).Next->text(), P("&Done"));
            EXPECT_TRUE(page(edit.tag).Last->isHidden());
            EXPECT_EQ(page(kPage14).Next->text(), P("&Done"));
            EXPECT_EQ(page(kPage14).Cancel, nullptr) << "the log page has no Cancel";
            EXPECT_EQ(page(kPage2).Next->text(), P("&Next")) << "not a switchable page";
            const QString before = text(office);
            edit.change(c);
            (done ? page(edit.tag).Next : page(edit.tag).Cancel)->click();
            if (done && edit.saved)
                EXPECT_TRUE(text(office).contains(P(edit.saved))) << "saved at once";
            else
                EXPECT_EQ(text(office), before);
            EXPECT_FALSE(w.visible());
            EXPECT_FALSE(c.SinglePageEdit);
            EXPECT_TRUE(edit.kept(c));
            // Done of the drives page shows the lists on the Drives tab too.
            if (edit.tag == kPage15) {
                EXPECT_EQ(c.driveLists().ADrives.contains(P("E:")), done);
            }
            EXPECT_EQ(history(), done && edit.pushesOnDone ? QList<int>{edit.tag} : QList<int>{});
            w.ShowWizardPage(edit.tag);
            EXPECT_EQ(page(edit.tag).Next->text(), edit.tag == kPage14 ? P("&Finish") : P("&Next"));
            EXPECT_FALSE(page(edit.tag).Last->isHidden());
            EXPECT_EQ(page(kPage14).Next->text(), P("&Finish"));
            EXPECT_TRUE(world.dialogs().formsShown.isEmpty()) << "no end prompt";
            EXPECT_TRUE(world.prompter().questions().isEmpty());
            EXPECT_TRUE(c.view.OptionsVisible) << "back on the Options panel";
        }
    }
}

TEST_F(WizardTest, TheCommonFilesPagesFromTheirTabEndWithDoneOrWithThePrompt) {
    THarbexZoDi& c = loadedOffice();
    Wizard& w = c.wizard();
    w.JumpToWizardClick(kPage16);
    EXPECT_FALSE(c.SinglePageEdit);
    EXPECT_EQ(w.Page17NextTag, 1);
    c.model.FileTypes[0] = true;
    w.NextClick(kPage16);
    ASSERT_EQ(w.activePage(), kPage17);
    EXPECT_EQ(page(kPage17).Next->text(), P("&Done"));
    w.NextClick(kPage17);
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(w.Page17NextTag, 0);
    EXPECT_FALSE(w.DoneButtons);

    w.JumpToWizardClick(kPage16);
    answerPrompt(TWizardPrompt::kDiscard);
    w.WizardCancel();
    EXPECT_EQ(world.dialogs().formsShown, QStringList{P("harbex::TWizardPrompt")});
    EXPECT_EQ(w.Page17NextTag, 1) << "Cancel leaves the marker";
    // A later full edit still walks on from page 17 to the destinations.
    c.WizardBtnClick();
    w.ShowWizardPage(kPage17);
    w.NextClick(kPage17);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.activePage(), kPage6);
}

}  // namespace
}  // namespace harbex::test
