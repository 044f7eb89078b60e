#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <functional>

#include "app/options/optionspanel.h"
#include "drives/dailyfolders.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "sets/setsummary.h"
#include "support/controllerfixture.h"
#include "support/exampleset.h"
#include "ui/newsetform.h"

namespace harbex::test {
namespace {

const QString kSequencingQuestion = QStringLiteral(
    "No BUS files are active cannot run sequencer\rClick Ok to open Seqeuence editor, Abort to "
    "Disable sequencing");

class OptionsPanelTest : public ControllerTest {
  protected:
    QString example() const { return setPath(QStringLiteral("Office.bus")); }

    // The program started on the example set; the set's schedule is not due on the test's
    // Monday, so start-up only waits for midnight.
    THarbexZoDi& startedOnTheExample() {
        world.writeFile(example(), ExampleSetFile().join(QStringLiteral("\r\n")).toLatin1());
        settingsForLaterStart(example());
        return start();
    }

    template <typename W>
    W* widget(const char* name) {
        W* found = z->options().findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { widget<QAbstractButton>(name)->click(); }

    // Keys as the user types them; Return ends the editing.
    static void type(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
    }
    static void replaceText(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        type(edit, text);
    }
};

TEST_F(OptionsPanelTest, SequencingWithoutAnActiveRowKeepsThePanelOnTheSequenceListOnlyForOk) {
    struct Case {
        Button answer;
        bool staysOpen;
        bool sequencingAfter;
        QStringList messages;
    };
    const Case cases[] = {
        {Button::Ok, true, true, {}},
        {Button::Cancel,
         false,
         true,
         {QStringLiteral("Action canceled, the sequencing problem still exists")}},
        {Button::Abort, false, false, {QStringLiteral("Sequencing canceled")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ButtonCaption(c.answer).toStdString());
        z.reset();
        THarbexZoDi& zz = startedOnTheExample();
        world.prompter().clear();
        zz.options().OptionsClick();
        click("SequencingMode");
        EXPECT_TRUE(world.prompter().records().isEmpty()) << "checking the box asks nothing";
        world.prompter().answerNext(c.answer);
        click("ExitOptions");
        EXPECT_EQ(world.prompter().questions(), QStringList{kSequencingQuestion});
        EXPECT_EQ(world.prompter().messages(), c.messages);
        EXPECT_EQ(zz.view.OptionsVisible, c.staysOpen);
        EXPECT_EQ(zz.OptionsMayClose, !c.staysOpen);
        EXPECT_EQ(zz.commands.isEnabled(QStringLiteral("OptionsBtn")), !c.staysOpen);
        if (c.staysOpen) {
            EXPECT_EQ(zz.options().currentCaption(), QStringLiteral("Sequence List"));
        }
        EXPECT_EQ(zz.settings.SequencingMode, c.sequencingAfter);
        EXPECT_EQ(widget<QCheckBox>("SequencingMode")->isChecked(), c.sequencingAfter);
    }
}

TEST_F(OptionsPanelTest, EveryWayIntoThePanelStopsTheCountdownAndShowsItsPage) {
    struct Case {
        const char* name;
        std::function<void(THarbexZoDi&)> open;
        QString page;
    };
    const Case cases[] = {
        {"Options", [](THarbexZoDi& z) { z.options().OptionsClick(); }, QStringLiteral("Misc")},
        {"Summary", [](THarbexZoDi& z) { z.summary().SummaryClick(); }, QStringLiteral("Summary")},
        {"View Backup Operation", [](THarbexZoDi& z) { z.summary().ViewBackupOperation1Click(); },
         QStringLiteral("Backup Set")},
        {"Create Backup set",
         [this](THarbexZoDi& z) {
             world.dialogs().onNextForm([](QDialog& form) {
                 auto& dialog = dynamic_cast<TNewSetForm&>(form);
                 dialog.NewName->setText(QStringLiteral("Payroll"));
                 dialog.DsFancyButton2->click();
             });
             z.sets().CreateBackupSetClick();
         },
         QStringLiteral("Misc")},
        {"daily folder set-up with a missing folder",
         [this](THarbexZoDi& z) {
             z.settings.AbortBox = true;
             z.model.Drivelist = QStringList{QStringLiteral("D:")};
             z.model.Days.fill(false);
             z.model.Days[1] = true;
             world.prompter().answerNext(Button::Ok);
             z.dailyFolders().SetUpDirsClick();
         },
         QStringLiteral("Daily Folders")},
        {"sequencing question answered OK",
         [this](THarbexZoDi& z) {
             z.settings.SequencingMode = true;
             world.prompter().answerNext(Button::Ok);
             z.sets().RefreshOptions();
         },
         QStringLiteral("Sequence List")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        z.reset();
        THarbexZoDi& zz = startedOnTheExample();
        zz.Timer.start();
        c.open(zz);
        EXPECT_FALSE(zz.Timer.isActive()) << "the automatic run does not start";
        EXPECT_TRUE(zz.view.OptionsVisible);
        EXPECT_EQ(zz.options().currentCaption(), c.page);
        EXPECT_TRUE(zz.options().tabShown(c.page));
        EXPECT_FALSE(zz.options().isHidden());
    }
}

TEST_F(OptionsPanelTest, TheTwoUnstoredBoxesAreBackInTheirDesignStateAfterARestart) {
    THarbexZoDi& first = startedOnTheExample();
    first.options().OptionsClick();
    for (const char* name : {"Showneterrors", "LogNetSearch", "AbortBox"}) click(name);
    EXPECT_TRUE(first.settings.Showneterrors);
    EXPECT_TRUE(first.settings.LogNetSearch);
    ASSERT_TRUE(first.close());
    EXPECT_EQ(world.setting(QStringLiteral("A Box")), QStringLiteral("1"));
    EXPECT_FALSE(world.setting(QStringLiteral("Showneterrors")).has_value());
    EXPECT_FALSE(world.setting(QStringLiteral("LogNetSearch")).has_value());

    z.reset();
    THarbexZoDi& second = start();
    second.options().OptionsClick();
    EXPECT_FALSE(widget<QCheckBox>("Showneterrors")->isChecked());
    EXPECT_FALSE(widget<QCheckBox>("LogNetSearch")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("AbortBox")->isChecked()) << "a stored box keeps its state";
}

TEST_F(OptionsPanelTest, UncheckingZippedOnTheMiscPageHidesTheZipPageAtTheNextRefresh) {
    THarbexZoDi& zz = startedOnTheExample();
    zz.options().OptionsClick();
    ASSERT_TRUE(zz.options().tabShown(QStringLiteral("Zip")));
    click("ZipFiles1");
    EXPECT_FALSE(zz.model.Zipped);
    click("ExitOptions");
    EXPECT_FALSE(zz.view.OptionsVisible);
    EXPECT_FALSE(zz.options().tabShown(QStringLiteral("Zip")));
    EXPECT_EQ(zz.panels[3], QStringLiteral(" "));
    // Ctrl+Tab passes over the hidden tab.
    zz.showOptionsPanel(QStringLiteral("Schedule"));
    QKeyEvent next(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::sendEvent(&zz.options(), &next);
    EXPECT_EQ(zz.options().currentCaption(), QStringLiteral("RIZ Ivezur"));
    click("ExitOptions");

    zz.options().OptionsClick();
    click("ZipFiles1");
    click("ExitOptions");
    EXPECT_TRUE(zz.options().tabShown(QStringLiteral("Zip")));
}

// One change on each tab that edits the set or the settings, made with the widgets the user
// operates; the saved file differs from the loaded one exactly where the changes are written.
TEST_F(OptionsPanelTest, ChangesOnTheTabsReachTheSavedFileAndTheRegistryLineByLine) {
    THarbexZoDi& zz = startedOnTheExample();
    zz.options().OptionsClick();
    click("RestoreDrives");  // Misc: the deactivated drives stay deactivated on saving
    click("DeactivateBtn");  // Drives: F: and G: move to the deactivated list
    click("UseDailys");      // Destination Options: daily folders off, the days kept
    click("ZipOptions2");    // Zip: "Add"
    replaceText(widget<QLineEdit>("ZipName"), QStringLiteral("Ledgers"));
    click("ReCheck1");                               // Common FileTypes
    widget<QSpinBox>("AutoInterval")->setValue(25);  // Schedule
    click("MonitorDRUN");                            // RIZ Ivezur
    click("ExitOptions");
    ASSERT_FALSE(zz.view.OptionsVisible);
    world.prompter().clear();
    zz.sets().SavebackupSet2Click();
    EXPECT_TRUE(world.prompter().records().isEmpty());

    QStringList expected = ExampleSetFile();
    expected[36] = QStringLiteral("2010000000000000000");
    expected.remove(32, 2);  // [NET DIRS] is empty now
    // A loaded set's names file is its own ".lst" beside it, whether or not that file exists.
    expected[30] = setPath(QStringLiteral("Office.lst"));
    expected[26] = QStringLiteral("Ledger");
    expected[17] = QStringLiteral("23456");
    // Deactivating takes the drives from the last to the first.
    expected.insert(16, QStringLiteral("F:"));
    expected.insert(16, QStringLiteral("G:"));
    expected[6] = QStringLiteral("-a -r -p");
    expected.swapItemsAt(1, 2);  // filters are written last first, so a loaded set turns round
    EXPECT_EQ(QString::fromLatin1(world.readFile(example())).toStdString(),
              expected.join(QStringLiteral("\r\n")).toStdString());

    ASSERT_TRUE(zz.close());
    const std::pair<const char*, const char*> stored[] = {
        {"Restore", "0"}, {"Auto Interval", "25"}, {"DRUN", "1"}};
    for (const auto& [name, value] : stored)
        EXPECT_EQ(world.setting(QString::fromLatin1(name)).value_or(QString()),
                  QString::fromLatin1(value))
            << name;
}

TEST_F(OptionsPanelTest, TheZipTabShowsTheCoreNameAndEngineAsTheRulesDecide) {
    struct Case {
        int nametype;
        QString core;
        QString shown;
        QString snam;
        bool editable;
    };
    THarbexZoDi& zz = startedOnTheExample();
    zz.options().OptionsClick();
    zz.showOptionsPanel(QStringLiteral("Zip"));
    const Case cases[] = {
        {0, QStringLiteral("Office"), zz.panels.text(0), QStringLiteral("Using"), false},
        {1, QString(), QStringLiteral("KEELWICK"), QStringLiteral("Specific name"), true},
        {1, QStringLiteral("Ledger"), QStringLiteral("Ledger"), QStringLiteral("Specific name"),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        zz.model.Nametype = c.nametype;
        zz.model.ZipCoreName = c.core;
        zz.sets().RefreshOptions();
        EXPECT_EQ(widget<QLineEdit>("ZipName")->text(), c.shown);
        EXPECT_EQ(widget<QLineEdit>("ZipName")->isEnabled(), c.editable);
        EXPECT_EQ(widget<QLabel>("Snam")->text(), c.snam);
    }
    EXPECT_FALSE(widget<QPushButton>("SelZipUtility")->isVisibleTo(&zz.options()));
    world.prompter().answerNext(Button::Yes);  // the external utility is missing: reinstall
    click("internal");
    EXPECT_FALSE(zz.settings.internal);
    EXPECT_TRUE(widget<QPushButton>("SelZipUtility")->isVisibleTo(&zz.options()));
}

// Each compression control on the Zip and Misc pages runs its handler: the change reaches the set
// or the settings at once, the page follows, and the settings reach the registry.
TEST_F(OptionsPanelTest, TheCompressionControlsRunTheirHandlers) {
    world.setSetting(QStringLiteral("Internal Compression"), QStringLiteral("0"));
    installUtility();
    world.makeFolder(QStringLiteral("C:\\Work\\Zips"));
    THarbexZoDi& zz = startedOnTheExample();
    zz.showOptionsPanel(QStringLiteral("Zip"));
    auto shown = [&](const char* name) {
        return widget<QWidget>(name)->isVisibleTo(&zz.options());
    };
    EXPECT_TRUE(shown("SelZipUtility")) << "the utility is in use from the start";
    auto* tree = widget<QTreeWidget>("ZipTempSel");
    auto open = [tree](const char* name) {  // a folder of the tree opened and selected
        QTreeWidgetItem* item = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive)[0];
        item->setExpanded(true);
        tree->setCurrentItem(item);
    };
    const QString zips = QStringLiteral("C:\\Work\\Zips"), tool = QStringLiteral("C:\\T\\zipit");
    const std::pair<std::function<void()>, std::function<bool()>> cases[] = {
        {[&] { world.dialogs().answerNext(tool), click("SelZipUtility"); },
         [&] { return zz.settings.ExtUtilPath == tool && zz.view.ZipUtil == "zipit"; }},
        {[&] { click("SelLocal"), open("C:\\"), open("Work"), open("Zips"); },
         [&] { return zz.settings.ZipTemp == zips && shown("ZipTempSel"); }},
        {[&] { emit tree->itemDoubleClicked(tree->currentItem(), 0); },
         [&] { return !shown("ZipTempSel") && zz.settings.ZipTemp == zips; }},
        {[&] { replaceText(widget<QLineEdit>("ZipName"), QStringLiteral("Accounting")); },
         [&] { return zz.model.ZipCoreName == "Accoun"; }},
        {[&] {
             zz.model.Recurse = true, zz.model.RecurseZip = false;
             world.prompter().answerNext(Button::Yes), click("Recurse1");
         },
         [&] { return !zz.model.Recurse && world.prompter().records().last().helpContext == 47; }},
        {[&] { click("DelTemp"); }, [&] { return zz.settings.DelTemps; }},
        {[&] { zz.showOptionsPanel(QStringLiteral("Misc")), click("ZipFiles1"); },
         [&] { return !zz.model.Zipped && !zz.options().tabShown(QStringLiteral("Zip")); }},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        cases[i].first();
        EXPECT_TRUE(cases[i].second()) << "step " << i;
    }
    ASSERT_TRUE(zz.close());
    const std::pair<const char*, QString> stored[] = {
        {"Zip Temp", zips}, {"Ext Util", tool}, {"DTemps", "1"}, {"Internal Compression", "0"}};
    for (const auto& [name, value] : stored)
        EXPECT_EQ(world.setting(QString::fromLatin1(name)), value) << name;
}

TEST_F(OptionsPanelTest, FillingThePanelRunsNoHandler) {
    THarbexZoDi& zz = startedOnTheExample();
    zz.options().OptionsClick();
    world.prompter().clear();
    // Values changed behind the panel's back; a handler run by the filling would ask (Local
    // Mode, the engine check) or toggle the value back (the actions).
    zz.settings.LocalMode = true;
    zz.settings.internal = false;
    zz.model.UseDailyFolders = false;
    zz.model.ReCheck = true;
    zz.settings.AutoInterval = 90;
    const BackupSetModel model = zz.model;
    const AppSettings settings = zz.settings;
    zz.refreshOptionsPanel();
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_EQ(zz.model, model);
    EXPECT_EQ(zz.settings, settings);
    EXPECT_TRUE(widget<QCheckBox>("LocalMode")->isChecked());
    EXPECT_FALSE(widget<QCheckBox>("UseDailys")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("ReCheck1")->isChecked());
    EXPECT_EQ(widget<QSpinBox>("AutoInterval")->value(), 90);
    EXPECT_TRUE(zz.commands.action(QStringLiteral("LocalMode"))->isChecked())
        << "the menu item shows the same setting";
}

}  // namespace
}  // namespace harbex::test
