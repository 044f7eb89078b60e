#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <QLineEdit>
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "ui/newsetform.h"
#include "ui/welcomeform.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex::test {
namespace {

const QString kDefaultSetQuestion = QStringLiteral(
    "A default set of options has been created,\r\nHarbex will create the option "
    "file C:\\Harbex\\default.bus\r\nClick Yes to accept (Recomended)\r\nClick No to "
    "choose your own name and /or location");

class StartUpTest : public ControllerTest {
  protected:
    // The welcome window as the user leaves it: its 15 seconds run out.
    void welcomeTimesOut() {
        world.dialogs().onNextForm([this](QDialog& form) {
            auto& welcome = dynamic_cast<TWelcomeForm&>(form);
            EXPECT_EQ(welcome.D.interval(), 15000);
            EXPECT_TRUE(welcome.D.isActive());
            EXPECT_FALSE(welcome.CancelBtn->isHidden()) << "the first-run form has both buttons";
            EXPECT_EQ(welcome.WizardBtn->text(), QStringLiteral("Start the Wizard"));
            messagesBeforeWelcome = world.prompter().messages();
            welcome.DTimer();
        });
    }
    QStringList messagesBeforeWelcome;
};

TEST_F(StartUpTest, FirstRunOffersTheDefaultSetAndSavesItOnYes) {
    welcomeTimesOut();
    world.prompter().answerNext(Button::Yes);
    THarbexZoDi& z = start();

    EXPECT_EQ(messagesBeforeWelcome,
              QStringList{QStringLiteral("A Default Backup set has been built")});
    ASSERT_EQ(world.prompter().questions(), QStringList{kDefaultSetQuestion});
    const PromptRecord& question = world.prompter().records().last();
    EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::No, Button::Help}));
    EXPECT_EQ(question.helpContext, 77);
    EXPECT_EQ(z.WelcomeChoice, 1);
    EXPECT_TRUE(world.exists(QStringLiteral("C:\\Harbex\\default.bus")));
    EXPECT_EQ(QString::fromUtf8(world.readFile(QStringLiteral("C:\\Harbex\\default.bus"))),
              z.Netsave);
    EXPECT_FALSE(z.settings.First) << "reaches the registry at the next settings save";
    EXPECT_EQ(z.panels[0], QStringLiteral("Monday"));
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\default.bus"));
    EXPECT_EQ(z.windowTitle(), QStringLiteral("Harbex"))
        << "the first run keeps the design caption";
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(z.sequence().cell(r, SequenceList::Name), QStringLiteral("UNASSIGNED"));
}

TEST_F(StartUpTest, FirstRunWritesNothingToDiskUntilTheUserAnswers) {
    auto registryText = [this] {
        QFile file(world.root() + QStringLiteral("/reg/Keelwick/Pelvor.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray registryBefore = registryText();
    const QStringList filesBefore = QDir(world.host(world.programFolder())).entryList(QDir::Files);
    bool checked = false;
    world.prompter().onShow = [&](const PromptRecord& record) {
        if (!record.isQuestion) return;
        checked = true;
        EXPECT_EQ(QDir(world.host(world.programFolder())).entryList(QDir::Files), filesBefore);
        EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\default.bus")));
        EXPECT_EQ(registryText(), registryBefore);
    };
    welcomeTimesOut();
    world.prompter().answerNext(Button::No);
    world.dialogs().answerNext(std::nullopt);  // the save-as dialog, cancelled
    start();
    EXPECT_TRUE(checked);
    EXPECT_EQ(QDir(world.host(world.programFolder())).entryList(QDir::Files), filesBefore)
        << "No, then Cancel in the save dialog, saves nothing";
    EXPECT_EQ(world.dialogs().requests.last().title, QStringLiteral("Save Backup Set"));
}

TEST_F(StartUpTest, FirstRunWithTheWizardChosenSavesNothingAndStartsANewSet) {
    world.dialogs().onNextForm(
        [](QDialog& form) { dynamic_cast<TWelcomeForm&>(form).WizardBtn->click(); });
    world.dialogs().onNextForm([](QDialog& form) {
        auto& name = dynamic_cast<TNewSetForm&>(form);
        name.NewName->setText(QStringLiteral("Mine"));
        name.DsFancyButton2->click();
    });
    const quint64 waitedBefore = world.waits().totalWaitedMs;
    THarbexZoDi& z = start();
    EXPECT_EQ(z.WelcomeChoice, 0);
    EXPECT_TRUE(z.NewSetMode);
    EXPECT_TRUE(z.wizard().visible());
    EXPECT_EQ(z.wizard().activePage(), kPage1);
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Mine.bus"));
    EXPECT_GE(world.waits().totalWaitedMs - waitedBefore, 1000u);
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\default.bus")));
    EXPECT_TRUE(world.prompter().questions().isEmpty());
}

TEST_F(StartUpTest, LaterStartWithoutSplashShowsNoWindowBeforeTheSet) {
    settingsForLaterStart();
    start();
    EXPECT_TRUE(world.dialogs().formsShown.isEmpty());
    EXPECT_EQ(world.prompter().messages(),
              (QStringList{QStringLiteral("No backup Set found, setting defaults"),
                           QStringLiteral("A Default Backup set has been built")}));
    EXPECT_TRUE(world.exists(QStringLiteral("C:\\Harbex\\default.bus")));
}

TEST_F(StartUpTest, UntickingTheSplashTurnsItOffForLaterStarts) {
    settingsForLaterStart();
    world.setSetting(QStringLiteral("Splash"), QStringLiteral("1"));
    world.dialogs().onNextForm([](QDialog& form) {
        auto& splash = dynamic_cast<TWelcomeForm&>(form);
        EXPECT_TRUE(splash.HideSplash->isChecked());
        EXPECT_TRUE(splash.CancelBtn->isHidden());
        EXPECT_EQ(splash.WizardBtn->text(), QStringLiteral("Continue"));
        EXPECT_EQ(splash.WizardBtn->x(), 224);
        for (QWidget* part : {static_cast<QWidget*>(splash.HideSplash),
                              static_cast<QWidget*>(splash.HideSplashCaption)}) {
            EXPECT_FALSE(part->geometry().intersects(splash.WizardBtn->geometry()))
                << "the button covers nothing";
            EXPECT_TRUE(splash.rect().contains(part->geometry()));
        }
        splash.HideSplash->setChecked(false);
        splash.WizardBtn->click();
    });
    THarbexZoDi& z = start();
    EXPECT_FALSE(z.settings.ShowSplash);
    z.SaveSettings();
    EXPECT_EQ(world.setting(QStringLiteral("Splash")), QStringLiteral("0"));
}

TEST_F(StartUpTest, SequencingWithNothingDueTodayEndsTheDayQuietlyAndStaysOn) {
    // No active entry at all, and an active entry whose (manual) set is not due today.
    const QString manual = world.programFolder() + QStringLiteral("manual.bus");
    for (bool withEntry : {false, true}) {
        z.reset();
        world.prompter().clear();
        settingsForLaterStart();
        world.setSetting(QStringLiteral("MMode"), QStringLiteral("1"));
        if (withEntry) {
            BackupSetModel set;  // a manual set, weekly on Wednesdays; today is a Monday
            set.autotype = 0;
            set.ShedType = 1;
            set.DowSelect = 3;
            world.writeFile(manual, ComposeSetText(set, 1).toUtf8());
            world.setSetting(QStringLiteral("SActive2"), QStringLiteral("1"));
            world.setSetting(QStringLiteral("FName2"), manual);
        }
        const quint64 waitedBefore = world.waits().totalWaitedMs;
        THarbexZoDi& z = start();
        EXPECT_EQ(z.panels[1], withEntry ? manual : QStringLiteral("NO BUS LOADED"));
        EXPECT_EQ(z.panels[4], QStringLiteral("No Backup due today"));
        EXPECT_EQ(z.panels[7], QStringLiteral("SEQF"));
        EXPECT_EQ(z.windowTitle(), z.TitleText);
        EXPECT_EQ(z.SequenceIndex, -1);
        EXPECT_GE(world.waits().totalWaitedMs - waitedBefore, 2000u);
        EXPECT_TRUE(world.prompter().messages().isEmpty()) << withEntry;
        EXPECT_TRUE(z.settings.SequencingMode) << "sequencing stays on for tomorrow";
        EXPECT_TRUE(z.MidnightTimer.isActive());
        EXPECT_FALSE(world.exists(world.programFolder() + QStringLiteral("default.bus")));
    }
}

TEST_F(StartUpTest, AMissingTemporaryFolderFallsBackToTheProgramsFolder) {
    settingsForLaterStart();
    world.setSetting(QStringLiteral("Zip Temp"), QStringLiteral("C:\\Gone\\Temp"));
    THarbexZoDi& z = start();
    EXPECT_EQ(world.prompter().messages().first(),
              QStringLiteral(
                  "Temporary directory for Compressed files is invalid\r Using Root directory"));
    EXPECT_EQ(z.settings.ZipTemp, QStringLiteral("C:\\Harbex"));
}

TEST_F(StartUpTest, NoNetworkSetsLocalMode) {
    settingsForLaterStart();
    world.network().present = false;
    world.prompter().answerNext(Button::Cancel);  // keep the drive lists as they are
    THarbexZoDi& z = start();
    EXPECT_TRUE(world.prompter().saw(QStringLiteral("NO LAN DETECTED, Local Mode has been set")));
    EXPECT_TRUE(z.settings.LocalMode);
}

TEST_F(StartUpTest, WithoutAnyEngineCompressionIsSwitchedOff) {
    removeEngine();
    settingsForLaterStart();
    world.prompter().answerNext(Button::Ignore);  // use the external utility instead
    world.prompter().answerNext(Button::Yes);     // which is missing too: "Re-Install"
    // No set file: the default set checks "Use Internal Compression" again, which asks again.
    world.prompter().answerNext(Button::Abort);
    THarbexZoDi& z = start();
    const QStringList questions = world.prompter().questions();
    ASSERT_EQ(questions.size(), 3);
    EXPECT_EQ(questions[2], questions[0]);
    EXPECT_EQ(questions[0],
              QStringLiteral(
                  "Error: Internal compression System file missing, Click Ignore to use "
                  "external compression\rYou must have a suitable Compression engine installed"));
    EXPECT_EQ(questions[1],
              QStringLiteral("Error, Cannot locate External Compression utility pkzip.exe in "
                             "C:\\utils Click Yes to Re-Install, No to set internal copression"));
    EXPECT_TRUE(
        world.prompter().saw(QStringLiteral("HARBEX was unable to setup file compression")));
    EXPECT_FALSE(z.model.Zipped);
    EXPECT_FALSE(z.model.ZippedEnabled);
    EXPECT_FALSE(z.view.internalEnabled) << "Ignore disabled the internal engine choice";
}

TEST_F(StartUpTest, TheStoredCountdownSetsTimerAndCountdownBar) {
    settingsForLaterStart();
    // An existing set, because building the default set would set the countdown back to 5 s.
    world.writeFile(setPath(QStringLiteral("default.bus")),
                    ComposeSetText(BackupSetModel(), 1).toUtf8());
    world.setSetting(QStringLiteral("Timer Interval"), QStringLiteral("7500"));
    THarbexZoDi& z = start();
    EXPECT_EQ(z.settings.DelayTime(), 7);
    EXPECT_EQ(z.Timer.interval(), 7000);
    EXPECT_EQ(z.Delay.interval(), 140);
    z.SaveSettings();
    EXPECT_EQ(world.setting(QStringLiteral("Timer Interval")), QStringLiteral("7000"));
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"));
}

TEST_F(StartUpTest, TitleComesFromTheVersionInformation) {
    settingsForLaterStart();
    THarbexZoDi& z = start();
    EXPECT_EQ(z.TitleText, QStringLiteral("Harbex Version 2.0.0.0  by Keelwick"));
}

TEST_F(StartUpTest, TodaysLogIsContinuedAndYesterdaysIsNot) {
    settingsForLaterStart();
    const QString log = world.programFolder() + QStringLiteral("Monday_Harbex.log");
    world.writeFile(log, "earlier line\r\nsecond line\r\n");
    world.setModified(log, QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    THarbexZoDi& z = start();
    EXPECT_EQ(z.settings.LogFileName, log);
    EXPECT_EQ(z.log().RunLog,
              (QStringList{QStringLiteral("earlier line"), QStringLiteral("second line")}));
}

TEST_F(StartUpTest, YesterdaysLogIsNotContinued) {
    settingsForLaterStart();
    const QString log = world.programFolder() + QStringLiteral("Monday_Harbex.log");
    world.writeFile(log, "last week\r\n");
    world.setModified(log, QDateTime(QDate(2026, 11, 30), QTime(8, 0)));
    THarbexZoDi& z = start();
    EXPECT_TRUE(z.log().RunLog.isEmpty());
}

TEST_F(StartUpTest, TheNetworkListFileFillsTheDriveChoice) {
    settingsForLaterStart();
    world.writeFile(QStringLiteral("C:\\Harbex\\Harbex.nwf"), "\\\\S1\\C\r\n\\\\S1\\D\r\n");
    THarbexZoDi& z = start();
    EXPECT_EQ(z.NetworkListFile, QStringLiteral("C:\\Harbex\\Harbex.nwf"));
    EXPECT_EQ(*z.NetworkList,
              (QStringList{QStringLiteral("\\\\S1\\C"), QStringLiteral("\\\\S1\\D")}));
    EXPECT_EQ(z.NetDrives.items, *z.NetworkList);
    EXPECT_EQ(z.NetDrives.text, QStringLiteral("\\\\S1\\C")) << "the first is selected";
}

TEST_F(StartUpTest, StartUpRunsOnlyOnce) {
    settingsForLaterStart();
    THarbexZoDi& z = start();
    const int shown = static_cast<int>(world.prompter().records().size());
    z.FormActivate();
    EXPECT_EQ(world.prompter().records().size(), shown);
    EXPECT_TRUE(z.Idle);
    EXPECT_TRUE(z.OptionsMayClose);
}

}  // namespace
}  // namespace harbex::test
