#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "wizardfixture.h"

namespace harbex::test {
namespace {

const QString kOverwrite =
    P("This action will overwrite your existing Backup set.\r\nDo you want to continue..");

// One way of leaving the end prompt: the answers given after it, and what becomes of the edit
// (a filter "*.ppt" added in the wizard) in memory and in the set's file.
struct Ending {
    const char* name;
    int button;  // -1: the close box
    std::function<void(TestWorld&)> answers;
    bool editLoaded;  // the loaded set still has the edit
    bool editSaved;   // the set's own file has it
    QStringList messages;
    QString panel4;
};

// The end writes "READY", then the refresh shows the set's start-up mode.
const QString kManual = P("Manual Mode");

std::vector<Ending> Endings() {
    const QString restored = P("Saved copy of Office.bus restored");
    return {
        {"Discard", TWizardPrompt::kDiscard, [](TestWorld&) {}, false, false, {restored}, kManual},
        {"close box", -1, [](TestWorld&) {}, false, false, {restored}, kManual},
        {"Update, Yes",
         TWizardPrompt::kUpdate,
         [](TestWorld& w) { w.prompter().answerNext(Button::Yes); },
         true,
         true,
         {},
         P("BACKUPSET UPDATED, AND SAVED")},
        {"Update, No",
         TWizardPrompt::kUpdate,
         [](TestWorld& w) { w.prompter().answerNext(Button::No); },
         false,
         false,
         {},
         kManual},
        {"Save under its own path, Yes",
         TWizardPrompt::kSave,
         [](TestWorld& w) {
             w.dialogs().answerNext(P("D:\\Sets\\Office.bus"));
             w.prompter().answerNext(Button::Yes);
         },
         true,
         true,
         {},
         P("BACKUPSET UPDATED AND SAVED")},
        {"Save under its own path in other letter case, No",
         TWizardPrompt::kSave,
         [](TestWorld& w) {
             w.dialogs().answerNext(P("d:\\sets\\OFFICE.bus"));
             w.prompter().answerNext(Button::No);
         },
         true,
         false,
         {},
         kManual},
        {"Save dialog cancelled",
         TWizardPrompt::kSave,
         [](TestWorld& w) { w.dialogs().answerNext(std::nullopt); },
         true,
         false,
         {},
         kManual},
    };
}

TEST_F(WizardTest, TheEndPromptDecidesWhatBecomesOfTheEditedSet) {
    for (const Ending& ending : Endings()) {
        SCOPED_TRACE(ending.name);
        z.reset();
        Wizard& w = started();
        const QByteArray before = world.readFile(office);
        z->model.FilterList << P("*.ppt");
        answerPrompt(ending.button);
        ending.answers(world);
        w.WizardCancel();
        EXPECT_FALSE(w.visible());
        EXPECT_TRUE(promptOffersUpdate) << "an existing set can be updated";
        EXPECT_EQ(z->model.FilterList.contains(P("*.ppt")), ending.editLoaded);
        EXPECT_EQ(text(office).contains(P("*.ppt")), ending.editSaved);
        if (!ending.editSaved) {
            EXPECT_EQ(world.readFile(office), before);
        }
        EXPECT_EQ(world.prompter().messages(), ending.messages);
        EXPECT_EQ(z->panels[4], ending.panel4);
        EXPECT_EQ(world.dialogs().pendingAnswers(), 0);
        EXPECT_EQ(world.prompter().pendingAnswers(), 0);
        for (const QString& question : world.prompter().questions())
            EXPECT_EQ(question, kOverwrite);
    }
}

TEST_F(WizardTest, SaveUnderAnotherPathKeepsTheLoadedSetAsItWasOnDisk) {
    Wizard& w = started();
    const QByteArray before = world.readFile(office);
    z->model.FilterList << P("*.ppt");
    answerPrompt(TWizardPrompt::kSave);
    world.dialogs().answerNext(P("D:\\Sets\\Copy.bus"));
    w.WizardCancel();
    EXPECT_EQ(world.dialogs().requests.last().initialFolder, world.programFolder());
    EXPECT_TRUE(world.dialogs().requests.last().fileName.isEmpty());
    EXPECT_TRUE(text(P("D:\\Sets\\Copy.bus")).contains(P("*.ppt")));
    EXPECT_EQ(world.readFile(office), before);
    EXPECT_EQ(z->panels[1], office);
    EXPECT_FALSE(z->model.FilterList.contains(P("*.ppt"))) << "the old set is loaded again";
    EXPECT_TRUE(world.prompter().questions().isEmpty());
}

TEST_F(WizardTest, ANewSetIsNamedFirstAndSavedOrAbandonedAtTheEnd) {
    loadedOffice();
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "Save" : "Discard");
        z->NewSetMode = true;
        answerName(P("C:\\Elsewhere\\Fresh.txt"));
        z->WizardBtnClick();
        Wizard& w = z->wizard();
        const QString fresh = world.programFolder() + P("Fresh.bus");
        ASSERT_TRUE(w.visible());
        EXPECT_EQ(z->panels[1], fresh);
        EXPECT_EQ(page(kPage1).Header->text(), P("Harbex Set-up Wizard  [Fresh]"));
        answerPrompt(save ? TWizardPrompt::kSave : TWizardPrompt::kDiscard);
        world.prompter().clear();
        w.WizardCancel();
        EXPECT_FALSE(promptOffersUpdate);
        EXPECT_EQ(promptSaveText, P("Save the new backup set"));
        EXPECT_EQ(world.exists(fresh), save);
        EXPECT_EQ(
            world.prompter().messages(),
            save ? QStringList{} : QStringList{P("Backup set abandoned, No Backup set is loaded")});
        EXPECT_FALSE(z->NewSetMode);
    }
}

TEST_F(WizardTest, ACancelledOrUnusableNewSetNameOpensNoWizard) {
    THarbexZoDi& c = loadedOffice();
    world.writeFile(world.programFolder() + P("Taken.bus"), "[FILTERS]\r\n");
    c.model.FilterList << P("*.ppt");
    c.NewSetMode = true;
    answerName(P("Bad:Name"));
    answerName(P("Taken"));
    answerName(P("Ignored"), false);
    c.WizardBtnClick();
    EXPECT_EQ(world.prompter().messages(),
              (QStringList{P("Invalid Filename C:\\Harbex\\Bad:Name.bus"),
                           P("Invalid Filename C:\\Harbex\\Taken.bus")}));
    EXPECT_FALSE(c.wizard().visible());
    EXPECT_TRUE(c.NewSetMode);
    EXPECT_EQ(c.panels[1], office);
    EXPECT_FALSE(c.model.FilterList.contains(P("*.ppt"))) << "the set is read again";
    EXPECT_EQ(text(world.programFolder() + P("Taken.bus")), P("[FILTERS]\r\n"));
}

TEST_F(WizardTest, EditSequenceOpensTheSequenceListAndStopsTheCountdown) {
    Wizard& w = started();
    z->Timer.start();
    answerPrompt(TWizardPrompt::kEditSequence);
    w.WizardCancel();
    EXPECT_TRUE(z->view.OptionsVisible);
    EXPECT_EQ(z->view.OptionsTab, P("Sequence List"));
    EXPECT_FALSE(z->Timer.isActive());
}

TEST_F(WizardTest, TheSequencingQuestionFollowsThePromptForSetsWithoutASchedule) {
    const QString question =
        P("Harbex is currently in Sequencing Mode. \rThis Backup-set has no Scheduling "
          "option.\r\nDo you want to load and use this Backup-set when Harbex starts?\rIf you "
          "select \"No\" Harbex continue to run in Sequencing Mode");
    for (const int start : {0, 1, 2}) {
        SCOPED_TRACE(start);
        z.reset();
        Wizard& w = started();
        z->model.autotype = start;
        z->settings.SequencingMode = true;
        // A set never saved: Discard keeps it in memory and reads nothing.
        QFile::remove(world.host(office));
        // The refresh first reports that no sequence entry is active; Cancel leaves it.
        world.prompter().answerNext(Button::Cancel);
        answerPrompt(TWizardPrompt::kDiscard);
        if (start != 1) world.prompter().answerNext(Button::Yes);
        w.WizardCancel();
        EXPECT_EQ(world.prompter().questions().contains(question), start != 1);
        EXPECT_EQ(z->settings.SequencingMode, start == 1);
        EXPECT_EQ(world.prompter().pendingAnswers(), 0);
    }
}

}  // namespace
}  // namespace harbex::test
