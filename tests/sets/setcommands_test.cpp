#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/options/optionspanel.h"
#include "engine/archivenames.h"
#include "platform/filesystem.h"
#include "schedule/sequencelist.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "support/programtexts.h"
#include "ui/newsetform.h"

namespace harbex::test {
namespace {

const QString kBuilt = QStringLiteral("A Default Backup set has been built");
const QString kSaved = QStringLiteral("BACKUPSET UPDATED AND SAVED");
const QString kSequencingQuestion = QStringLiteral(
    "No BUS files are active cannot run sequencer\rClick Ok to open Seqeuence editor, Abort to "
    "Disable sequencing");
const QString kNoNamesFile =
    QStringLiteral("No archive names file was loaded, Please run the Wizard");

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList result;
    for (const char* line : lines) result << QString::fromLatin1(line);
    return result;
}

QStringList ArchivePaths(THarbexZoDi& z) {
    QStringList paths;
    for (const ArchiveRow& row : z.archiveNames().Archives) paths << row.path();
    return paths;
}

// A set with something in every part: two filters, two folders, daily folders, a specific folder,
// drives, compression with the engine taking sub-folders, a schedule.
BackupSetModel OfficeSet() {
    BackupSetModel m;
    m.FilterList = Lines({"*.doc", "*.xls"});
    m.DirSource = Lines({"C:\\Data", "C:\\Mail"});
    m.ZipOptions = 1;
    m.RecurseZip = true;
    m.ShedType = 1;
    m.DowSelect = 5;
    m.TimePicker = QTime(18, 30, 0);
    m.UseDailyFolders = true;
    for (int day = 1; day <= 5; ++day) m.Days[day] = true;
    m.UseSpecificFolders = true;
    m.DestList = Lines({"D:\\Copies"});
    m.Zipped = true;
    m.ZipFiles = 0;
    m.ZipCoreName = QStringLiteral("Office");
    m.Drivelist = Lines({"F:", "G:"});
    return m;
}

// The set text between one header and the next.
QStringList SectionValues(const QString& setText, const QString& header) {
    const QStringList lines = SplitTextLines(setText);
    QStringList values;
    qsizetype i = lines.indexOf(header);
    if (i < 0) return {QStringLiteral("<no ") + header + u'>'};
    for (++i; i < lines.size() && SectionOf(lines[i]) == SetSection::None; ++i) values << lines[i];
    return values;
}

class SetCommandsTest : public ControllerTest {
  protected:
    void writeSet(const QString& path, const BackupSetModel& set) {
        world.writeFile(path, ComposeSetText(set, 1).toUtf8());
    }
    void writeSetLines(const QString& path, const QStringList& lines) {
        world.writeFile(path, lines.join(QStringLiteral("\r\n")).toUtf8());
    }
    // The controller with `path` as its current set, read by the programmatic reader.
    THarbexZoDi& loaded(const QString& path) {
        THarbexZoDi& c = controller();
        c.panels.set(1, path);
        c.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
        return c;
    }
    // A set written to `path` and loaded.
    THarbexZoDi& loadedSet(const QString& path, const BackupSetModel& set) {
        writeSet(path, set);
        return loaded(path);
    }
    QString text(const QString& path) const { return QString::fromUtf8(world.readFile(path)); }
    QStringList programFolderFiles() const {
        return QDir(world.host(world.programFolder())).entryList(QDir::Files | QDir::Hidden);
    }
    const PromptRecord& lastQuestion() {
        for (qsizetype i = world.prompter().records().size() - 1; i >= 0; --i)
            if (world.prompter().records()[i].isQuestion) return world.prompter().records()[i];
        static const PromptRecord none;
        ADD_FAILURE() << "no question was asked";
        return none;
    }
    // Plays the user in the new set dialog: types a name (unless null) and presses a button.
    void answerNewSet(const char* name, bool ok) {
        world.dialogs().onNextForm([name, ok](QDialog& form) {
            auto& dialog = dynamic_cast<TNewSetForm&>(form);
            if (name) dialog.NewName->setText(QString::fromLatin1(name));
            (ok ? dialog.DsFancyButton2 : dialog.DsFancyButton1)->click();
        });
    }

    const QString office = QStringLiteral("D:\\Sets\\Office.bus");
};

// ---- the default set ----

TEST_F(SetCommandsTest, TheDefaultSetHasNoSourceNoDestinationAndUpdateOnlyParameters) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.model.RootList = Lines({"C:\\"});
    z.model.ReCheck = true;
    z.model.FileTypes[4] = true;
    z.model.DayOfMonth = 12;
    z.model.RemovedList = Lines({"H:"});
    z.model.FixedOption = 2;
    z.model.Nametype = 0;
    z.model.autotype = 2;
    z.archiveNames().Archives << ArchiveRow{"0", "C:\\Temp\\", "Alpha", ".zip"};
    z.archiveNames().SBar[1] = QStringLiteral("C:\\Harbex\\Office.lst");
    z.settings.SequencingMode = true;
    z.settings.internal = false;
    z.settings.EnabLog = true;
    z.settings.DelTemps = true;
    z.settings.PromptMissed = 3;
    z.settings.LogOptions = 3;
    z.settings.ViewOptions = 0;
    z.settings.SearchErrors = false;
    z.settings.setDelayTime(20);
    world.prompter().clear();

    z.sets().BuildDefaultSet(false);

    const BackupSetModel& m = z.model;
    EXPECT_EQ(world.prompter().messages(), QStringList{kBuilt});
    EXPECT_EQ(z.panels[1], office) << "without the default path the set keeps its path";
    EXPECT_EQ(z.panels[2], QStringLiteral("-u"));
    EXPECT_EQ(m.What, 2);
    EXPECT_EQ(m.Extensions, 0);
    EXPECT_TRUE(m.DirSource.isEmpty());
    EXPECT_TRUE(m.FilterList.isEmpty());
    EXPECT_TRUE(m.DestList.isEmpty());
    EXPECT_FALSE(m.UseDailyFolders);
    EXPECT_FALSE(m.UseSpecificFolders);
    for (bool day : m.Days) EXPECT_FALSE(day);
    EXPECT_FALSE(m.Recurse);
    EXPECT_TRUE(m.RecurseEnabled);
    EXPECT_FALSE(m.Zipped);
    EXPECT_EQ(m.ZipFiles, 3);
    EXPECT_EQ(m.ZipOptions, 1);
    EXPECT_FALSE(m.RecurseZip);
    EXPECT_EQ(m.FixedOption, 0);
    EXPECT_EQ(m.Nametype, 1);
    EXPECT_EQ(m.ZipCoreName, QStringLiteral("Keelwi"));
    // The box shows the set's own name, which the default set cuts to six characters.
    EXPECT_EQ(ZipNameText(m, z.panels[0]), QStringLiteral("Keelwi"));
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Keelwi"));
    EXPECT_TRUE(m.NamesFile.isEmpty());
    EXPECT_TRUE(z.archiveNames().Archives.isEmpty());
    EXPECT_TRUE(z.archiveNames().SBar[1].isEmpty()) << "the names window forgets its file";
    EXPECT_EQ(m.autotype, 0);
    EXPECT_EQ(m.ShedType, 0);
    EXPECT_EQ(m.DowSelect, 1);
    EXPECT_EQ(m.MounthPicker, 0);
    EXPECT_FALSE(z.view.ShedBox.MounthPickerVisible);
    EXPECT_FALSE(z.view.CommactivelabVisible);
    EXPECT_TRUE(z.view.Daylist.isEmpty());
    EXPECT_FALSE(z.view.usebrowser);
    EXPECT_FALSE(z.view.AllFiles);
    EXPECT_EQ(z.view.FileFiltersIndex, 0);
    EXPECT_EQ(NametypeSecondCaption(m, z.panels[0]), QStringLiteral("Keelwi"));
    // The program-wide settings the default set resets.
    EXPECT_FALSE(z.settings.SequencingMode);
    EXPECT_TRUE(z.settings.internal);
    EXPECT_FALSE(z.settings.EnabLog);
    EXPECT_FALSE(z.settings.DelTemps);
    EXPECT_EQ(z.settings.PromptMissed, 1);
    EXPECT_EQ(z.settings.LogOptions, 1);
    EXPECT_EQ(z.settings.ViewOptions, 1);
    EXPECT_TRUE(z.settings.SearchErrors);
    EXPECT_EQ(z.settings.DelayTime(), 5);
    // Fields the default set leaves alone.
    EXPECT_EQ(m.Drivelist, Lines({"F:", "G:"}));
    EXPECT_EQ(m.RemovedList, Lines({"H:"}));
    EXPECT_EQ(m.RootList, Lines({"C:\\"}));
    EXPECT_TRUE(m.ReCheck);
    EXPECT_TRUE(m.FileTypes[4]);
    EXPECT_EQ(m.DayOfMonth, 12);
    EXPECT_EQ(m.TimePicker, QTime(18, 30, 0));
}

TEST_F(SetCommandsTest, TheDefaultSetWithTheDefaultPathNamesDefaultBusInTheProgramsFolder) {
    THarbexZoDi& z = controller();
    z.panels.set(1, office);
    z.sets().BuildDefaultSet(true);
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\default.bus"));
    EXPECT_EQ(world.prompter().messages(), QStringList{kBuilt});
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\default.bus"))) << "nothing is saved";
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[2], QStringLiteral("-u "));
}

// ---- refreshing the window from the set ----

TEST_F(SetCommandsTest, RefreshComposesTheParameterTextAndTheCompressionIndicator) {
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.model.ZipOptions = 2;
    z.model.RecurseZip = true;
    z.model.Recurse = true;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[2], QStringLiteral("-a -r -p"));
    EXPECT_EQ(z.panels[3], QStringLiteral("COMP"));
    EXPECT_FALSE(z.model.Recurse) << "the engine takes the sub-folders";
    EXPECT_TRUE(z.view.ZipTabVisible);
    EXPECT_TRUE(z.commands.isEnabled(QStringLiteral("Zipup")));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("Collect")));
    EXPECT_FALSE(z.SummaryStale);
    for (const char* name : {"ExportFiles", "DoAll", "StartBackup"})
        EXPECT_TRUE(z.commands.isEnabled(QString::fromLatin1(name))) << name;

    z.model.Zipped = false;
    z.model.RecurseZip = false;
    z.model.ZipOptions = 0;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[2], QStringLiteral("-f "));
    EXPECT_EQ(z.panels[3], QStringLiteral(" "));
    EXPECT_FALSE(z.view.ZipTabVisible);
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("Zipup")));
    EXPECT_TRUE(z.commands.isEnabled(QStringLiteral("Collect")));
}

TEST_F(SetCommandsTest, RefreshShowsTheModeOfTheSet) {
    THarbexZoDi& z = controller();
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[7], QStringLiteral("MAN"));
    EXPECT_EQ(z.panels[4], QStringLiteral("Manual Mode"));

    z.model.autotype = 1;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[7], QStringLiteral("SHD"));
    EXPECT_EQ(z.panels[4], QStringLiteral("Sheduled backup at 13:55:09"));

    z.model.autotype = 2;
    z.panels.set(4, QStringLiteral("earlier"));
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[7], QStringLiteral("AUTO"));
    EXPECT_EQ(z.panels[4], QStringLiteral("earlier"));

    z.sequence().setCell(2, SequenceList::ActiveCell, QStringLiteral("YES"));
    z.settings.SequencingMode = true;
    z.model.autotype = 0;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.panels[7], QStringLiteral("SEQ"));
    EXPECT_EQ(z.panels[4], QStringLiteral("earlier"));
    EXPECT_TRUE(world.prompter().records().isEmpty()) << "an active row asks nothing";
}

TEST_F(SetCommandsTest, TheWeekdayCoreNameIsCutToSixCharacters) {
    THarbexZoDi& z = controller();
    z.model.Nametype = 0;
    z.panels.set(0, QStringLiteral("Monday"));
    z.sets().RefreshOptions();
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Monday"));
    EXPECT_EQ(z.view.Snam, QStringLiteral("Using"));
    EXPECT_EQ(ZipNameText(z.model, z.panels[0]), QStringLiteral("Monday"));
    EXPECT_FALSE(z.view.ZipNameEnabled);

    z.panels.set(0, QStringLiteral("Wednesday"));
    z.sets().RefreshOptions();
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Wednes"));
    EXPECT_EQ(ZipNameText(z.model, z.panels[0]), QStringLiteral("Wednesday"));
    EXPECT_EQ(NametypeSecondCaption(z.model, z.panels[0]), QStringLiteral("Wednesday"));
}

TEST_F(SetCommandsTest, AnEmptyCoreNameShowsKeelwick) {
    THarbexZoDi& z = controller();
    z.model.Nametype = 1;
    z.model.ZipCoreName.clear();
    z.sets().RefreshOptions();
    EXPECT_EQ(ZipNameText(z.model, z.panels[0]), QStringLiteral("KEELWICK"));
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("KEELWI"));
    EXPECT_EQ(z.view.Snam, QStringLiteral("Specific name"));
    EXPECT_TRUE(z.view.ZipNameEnabled);
    EXPECT_EQ(NametypeSecondCaption(z.model, z.panels[0]), QStringLiteral("KEELWICK"));

    z.model.ZipCoreName = QStringLiteral("Q");
    z.sets().RefreshOptions();
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Q"));
    EXPECT_EQ(NametypeSecondCaption(z.model, z.panels[0]), QStringLiteral("No Zip name set"));

    z.model.ZipCoreName = QStringLiteral("Accounting");
    z.sets().RefreshOptions();
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Accoun"));
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("Accounting")) << "the set keeps its name";
}

TEST_F(SetCommandsTest, CommonFilesAndBrowserFilesGoIntoOneArchive) {
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.model.Extensions = 2;
    z.model.ZipFiles = 3;
    z.model.FixedOption = 1;
    z.BrowserFilesChosen = true;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.model.ZipFiles, 0);
    EXPECT_EQ(z.model.FixedOption, 3);
    EXPECT_FALSE(z.BrowserFilesChosen);
    EXPECT_FALSE(z.view.FixedOptionVisible);
    EXPECT_FALSE(z.view.ZipFilesEnabled);
    EXPECT_FALSE(z.view.ChooseSourceEnabled);
    EXPECT_FALSE(z.view.ChooseFiltersEnabled);
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("Collect")));

    z.model.Extensions = 1;
    z.model.ZipFiles = 2;
    z.BrowserFilesChosen = true;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.model.ZipFiles, 0);
    EXPECT_TRUE(z.view.usebrowser);
    EXPECT_TRUE(z.BrowserFilesChosen) << "browser files stay chosen";

    z.model.Zipped = false;
    z.model.Extensions = 2;
    z.model.ZipFiles = 2;
    z.model.FixedOption = 1;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.model.ZipFiles, 2) << "only a compressed set is forced";
    EXPECT_EQ(z.model.FixedOption, 1);
}

TEST_F(SetCommandsTest, RefreshShowsTheNamingControlsThatTheGroupingUses) {
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.model.ZipFiles = 0;
    z.sets().RefreshOptions();
    EXPECT_FALSE(z.view.FixedOptionVisible) << "one archive needs no naming choice";
    EXPECT_TRUE(z.view.ZipNameVisible);

    z.model.ZipFiles = 1;
    z.sets().RefreshOptions();
    EXPECT_TRUE(z.view.FixedOptionVisible);
    EXPECT_FALSE(z.view.SnamVisible);
    EXPECT_FALSE(z.view.ZipNameVisible);

    z.model.ZipFiles = 3;
    z.sets().RefreshOptions();
    EXPECT_TRUE(z.view.FixedOptionVisible);
    EXPECT_TRUE(z.view.SnamVisible);
    EXPECT_TRUE(z.view.ZipNameVisible);
}

TEST_F(SetCommandsTest, RefreshListsTheDailyFolderDays) {
    THarbexZoDi& z = controller();
    z.model.Days = {true, false, false, true, false, false, true};
    z.sets().RefreshOptions();
    EXPECT_EQ(z.view.Daylist, Lines({"Sunday", "Wednesday", "Saturday"}));
    EXPECT_FALSE(z.view.DailyTabVisible);
    z.model.UseDailyFolders = true;
    z.sets().RefreshOptions();
    EXPECT_EQ(z.view.Daylist.size(), 3) << "the list is refilled, not added to";
    EXPECT_TRUE(z.view.DailyTabVisible);
    EXPECT_TRUE(z.view.dailyLabVisible);
}

TEST_F(SetCommandsTest, SequencingWithoutActiveRowsOkOpensTheSequenceListAndStopsTheRefresh) {
    THarbexZoDi& z = controller();
    z.settings.SequencingMode = true;
    z.model.ZipOptions = 2;
    z.panels.set(2, QStringLiteral("before"));
    z.Timer.start();
    world.prompter().answerNext(Button::Ok);
    z.sets().RefreshOptions();

    const PromptRecord& question = lastQuestion();
    EXPECT_EQ(question.text, kSequencingQuestion);
    EXPECT_EQ(question.icon, IconKind::Error);
    EXPECT_EQ(question.buttons, (Buttons{Button::Ok, Button::Cancel, Button::Abort, Button::Help}));
    EXPECT_EQ(question.helpContext, 60);
    EXPECT_TRUE(world.prompter().messages().isEmpty());
    EXPECT_TRUE(z.view.OptionsVisible);
    EXPECT_EQ(z.view.OptionsTab, QStringLiteral("Sequence List"));
    EXPECT_FALSE(z.Timer.isActive());
    EXPECT_FALSE(z.OptionsMayClose);
    EXPECT_TRUE(z.SummaryStale) << "the summary is not rebuilt";
    EXPECT_EQ(z.panels[2], QStringLiteral("before")) << "the refresh ended at the question";
    EXPECT_TRUE(z.settings.SequencingMode);
}

TEST_F(SetCommandsTest, SequencingWithoutActiveRowsCancelKeepsSequencingAndGoesOn) {
    THarbexZoDi& z = controller();
    z.settings.SequencingMode = true;
    world.prompter().answerNext(Button::Cancel);
    z.sets().RefreshOptions();
    EXPECT_EQ(world.prompter().messages(),
              QStringList{QStringLiteral("Action canceled, the sequencing problem still exists")});
    EXPECT_TRUE(z.settings.SequencingMode);
    EXPECT_EQ(z.panels[7], QStringLiteral("SEQ"));
    EXPECT_EQ(z.panels[2], QStringLiteral("-u "));
    EXPECT_FALSE(z.SummaryStale);
    EXPECT_FALSE(z.view.OptionsVisible);
}

TEST_F(SetCommandsTest, SequencingWithoutActiveRowsAbortSwitchesSequencingOff) {
    THarbexZoDi& z = controller();
    z.settings.SequencingMode = true;
    world.prompter().answerNext(Button::Abort);
    z.sets().RefreshOptions();
    EXPECT_EQ(world.prompter().messages(), QStringList{QStringLiteral("Sequencing canceled")});
    EXPECT_FALSE(z.settings.SequencingMode);
    EXPECT_EQ(z.panels[7], QStringLiteral("MAN"));
    EXPECT_EQ(z.panels[4], QStringLiteral("Manual Mode"));
}

TEST_F(SetCommandsTest, WithoutAnEngineCompressionIsUncheckedAndDisabled) {
    removeEngine();
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.sets().RefreshOptions();
    EXPECT_FALSE(z.model.Zipped);
    EXPECT_FALSE(z.model.ZippedEnabled);
    EXPECT_EQ(z.panels[3], QStringLiteral(" "));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("Zipup")));
}

// ---- composing the set text ----

TEST_F(SetCommandsTest, RecursingTwiceIsWarnedAboutAndOkLetsTheEngineRecurse) {
    THarbexZoDi& z = controller();
    z.settings.RestoreDrives = false;
    z.model.Zipped = true;
    z.model.Recurse = true;
    world.prompter().answerNext(Button::Ok);
    z.setFile().WriteSetText();

    const PromptRecord& question = lastQuestion();
    EXPECT_EQ(question.text, kRecursionWarning);
    EXPECT_EQ(question.icon, IconKind::Warning);
    EXPECT_EQ(question.buttons, (Buttons{Button::Ok, Button::Cancel, Button::Help}));
    EXPECT_EQ(question.helpContext, 40);
    EXPECT_FALSE(z.model.Recurse);
    EXPECT_TRUE(z.model.RecurseZip);
    EXPECT_EQ(z.panels[2], QStringLiteral("-u -r -p"));
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[PARAMS]")), Lines({"-u -r -p"}));
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[GEN]")), Lines({"01"}));
}

TEST_F(SetCommandsTest, RecursingTwiceCancelledWritesBothOptions) {
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.model.Recurse = true;
    world.prompter().answerNext(Button::Cancel);
    z.setFile().WriteSetText();
    EXPECT_EQ(world.prompter().questions(), QStringList{kRecursionWarning});
    EXPECT_TRUE(z.model.Recurse);
    EXPECT_FALSE(z.model.RecurseZip);
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[PARAMS]")), Lines({"-u "}));
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[COMP]")), Lines({"1"}));
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[GEN]")), Lines({"11"}));
}

TEST_F(SetCommandsTest, TheSetTextIsComposedEvenWhenTheSequencingQuestionStopsTheRefresh) {
    THarbexZoDi& z = controller();
    z.settings.SequencingMode = true;
    z.model.FilterList = Lines({"*.rtf"});
    world.prompter().answerNext(Button::Ok);
    z.setFile().WriteSetText();
    EXPECT_EQ(world.prompter().questions(), QStringList{kSequencingQuestion});
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[FILTERS]")), Lines({"*.rtf"}));
    // The refresh ended before it recomposed status panel 2, and the file holds that panel.
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[PARAMS]")), QStringList{z.panels[2]});
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[GEN]")), Lines({"01"}));
}

TEST_F(SetCommandsTest, NoWarningWhenTheEngineAlreadyTakesTheSubFolders) {
    THarbexZoDi& z = controller();
    z.model.Zipped = true;
    z.model.Recurse = true;
    z.model.RecurseZip = true;
    z.setFile().WriteSetText();
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_FALSE(z.model.Recurse);
}

TEST_F(SetCommandsTest, WritingCutsTheSourceFoldersBackToTheSetsOwn) {
    THarbexZoDi& z = controller();
    z.model.DirSource = Lines({"C:\\Data", "C:\\Mail", "C:\\Data\\Sub", "C:\\Mail\\Old"});
    z.UserFolderCount = 2;
    z.setFile().WriteSetText();
    EXPECT_EQ(z.model.DirSource, Lines({"C:\\Data", "C:\\Mail"}));
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[DIRS]")), Lines({"C:\\Data", "C:\\Mail"}));

    z.model.DirSource << QStringLiteral("C:\\Data\\Sub");
    z.UserFolderCount = 0;
    z.setFile().WriteSetText();
    EXPECT_EQ(z.model.DirSource.size(), 3) << "no count, no cut";
}

TEST_F(SetCommandsTest, RestoringDrivesOnSaveBringsThemBackInReversedOrder) {
    THarbexZoDi& z = controller();
    z.settings.RestoreDrives = true;
    z.model.Drivelist = Lines({"F:"});
    z.model.RemovedList = Lines({"G:", "H:", "F:"});
    z.setFile().WriteSetText();
    EXPECT_EQ(z.model.Drivelist, Lines({"F:", "H:", "G:"}));
    EXPECT_TRUE(z.model.RemovedList.isEmpty());
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[NET DIRS]")), Lines({"F:", "H:", "G:"}));
    EXPECT_TRUE(SectionValues(z.Netsave, QStringLiteral("[DIS DRIVES]")).isEmpty());

    z.settings.RestoreDrives = false;
    z.model.RemovedList = Lines({"K:"});
    z.setFile().WriteSetText();
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[DIS DRIVES]")), Lines({"K:"}));
}

TEST_F(SetCommandsTest, TheSetTextCarriesTheSetsRowInTheSequenceList) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.settings.RestoreDrives = false;
    z.sequence().setCell(3, SequenceList::Name, office);
    z.setFile().WriteSetText();
    EXPECT_EQ(z.Netsave.toStdString(), ComposeSetText(z.model, 3).toStdString());
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[GEN]")), Lines({"03"}));
}

// ---- saving ----

TEST_F(SetCommandsTest, SaveOverwritesTheCurrentFileWithoutAsking) {
    writeSet(office, OfficeSet());
    settingsForLaterStart(office);
    THarbexZoDi& z = start();
    ASSERT_EQ(z.model.DirSource, OfficeSet().DirSource);
    world.prompter().clear();
    z.model.DirSource << QStringLiteral("C:\\Projects");
    z.UserFolderCount = 3;
    z.sets().SavebackupSet2Click();

    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_EQ(text(office), z.Netsave);
    EXPECT_EQ(SectionValues(text(office), QStringLiteral("[DIRS]")),
              Lines({"C:\\Data", "C:\\Mail", "C:\\Projects"}));
    EXPECT_EQ(z.panels[4], kSaved);
    EXPECT_EQ(world.setting(QStringLiteral("Bus File")), office);
}

TEST_F(SetCommandsTest, SavingANewSetAsksAndYesWritesIt) {
    THarbexZoDi& z = controller();
    const QString path = QStringLiteral("C:\\Harbex\\New.bus");
    z.panels.set(1, path);
    z.model.FilterList = Lines({"*.txt"});
    world.prompter().answerNext(Button::Yes);
    z.sets().SavebackupSet2Click();

    const PromptRecord& question = lastQuestion();
    EXPECT_EQ(question.text, QStringLiteral("Save New backup Set C:\\Harbex\\New.bus"));
    EXPECT_EQ(question.icon, IconKind::Warning);
    EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::Cancel, Button::Help}));
    EXPECT_EQ(question.helpContext, 7);
    EXPECT_EQ(text(path), z.Netsave);
    EXPECT_EQ(SectionValues(text(path), QStringLiteral("[FILTERS]")), Lines({"*.txt"}));
    EXPECT_EQ(z.panels[4], kSaved);
    EXPECT_EQ(world.setting(QStringLiteral("Bus File")), path);
}

TEST_F(SetCommandsTest, DecliningToSaveANewSetChangesNothing) {
    world.setSetting(QStringLiteral("Bus File"), QStringLiteral("C:\\Harbex\\Old.bus"));
    THarbexZoDi& z = controller();
    const QString path = QStringLiteral("C:\\Harbex\\New.bus");
    z.panels.set(1, path);
    z.sets().RefreshOptions();  // the panels as every refresh leaves them
    const QString panel4 = z.panels[4];
    const QStringList filesBefore = programFolderFiles();
    world.prompter().answerNext(Button::Cancel);
    z.sets().SavebackupSet2Click();

    EXPECT_EQ(world.prompter().questions().size(), 1);
    EXPECT_FALSE(world.exists(path));
    EXPECT_EQ(programFolderFiles(), filesBefore);
    EXPECT_EQ(z.panels[4], panel4);
    EXPECT_NE(z.panels[4], kSaved);
    EXPECT_EQ(world.setting(QStringLiteral("Bus File")), QStringLiteral("C:\\Harbex\\Old.bus"));
    EXPECT_FALSE(world.setting(QStringLiteral("First")).has_value()) << "no settings were saved";
}

TEST_F(SetCommandsTest, SavingIntoAMissingFolderReportsAndChangesNoPanel) {
    THarbexZoDi& z = controller();
    const QString path = QStringLiteral("C:\\Gone\\New.bus");
    z.panels.set(1, path);
    z.sets().RefreshOptions();
    const QString panel4 = z.panels[4];
    world.prompter().answerNext(Button::Yes);
    z.sets().SavebackupSet2Click();
    ASSERT_EQ(world.prompter().messages().size(), 1);
    EXPECT_TRUE(world.prompter().messages()[0].contains(path)) << "the system's message";
    EXPECT_FALSE(world.exists(path));
    EXPECT_EQ(z.panels[4], panel4);
    EXPECT_EQ(z.panels[1], path);
    EXPECT_FALSE(world.setting(QStringLiteral("Bus File")).has_value());
}

TEST_F(SetCommandsTest, SavingReplacesTheFileAsAWholeRatherThanWritingIntoIt) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const QByteArray before = world.readFile(office);
    // A second name for the same file: writing into the file would change it as well, replacing
    // the file by a fully written new one leaves it alone.
    const QString second = QStringLiteral("D:\\Sets\\Second name.bus");
    ASSERT_EQ(::link(world.host(office).toLocal8Bit().constData(),
                     world.host(second).toLocal8Bit().constData()),
              0);
    z.model.FilterList = Lines({"*.pdf"});
    z.sets().SavebackupSet2Click();
    EXPECT_EQ(SectionValues(text(office), QStringLiteral("[FILTERS]")), Lines({"*.pdf"}));
    EXPECT_EQ(world.readFile(second), before);
    EXPECT_EQ(QDir(world.host(QStringLiteral("D:\\Sets"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Office.bus"), QStringLiteral("Second name.bus")}))
        << "no temporary file is left behind";
}

TEST_F(SetCommandsTest, SaveAsWritesToTheChosenPathAndMakesItCurrent) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const QString chosen = QStringLiteral("C:\\Harbex\\Weekly.bus");
    world.dialogs().answerNext(chosen);
    z.sets().Savedlg();

    ASSERT_EQ(world.dialogs().requests.size(), 1);
    const FileDialogRequest& request = world.dialogs().requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save Backup Set"));
    EXPECT_EQ(request.filter, QStringLiteral("Keelwick Backup Set|*.bus|Text File|*.txt"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("*.bus"));
    EXPECT_EQ(request.initialFolder, QStringLiteral("C:\\Harbex\\"));
    EXPECT_EQ(request.fileName, QStringLiteral("default"));
    EXPECT_EQ(text(chosen), z.Netsave);
    EXPECT_EQ(z.panels[1], chosen);
    EXPECT_EQ(z.panels[4], kSaved);
    EXPECT_EQ(world.setting(QStringLiteral("Bus File")), chosen);
    EXPECT_TRUE(world.prompter().questions().isEmpty()) << "Save As never asks";
}

TEST_F(SetCommandsTest, SaveAsGivesANameWithoutExtensionTheBusExtension) {
    THarbexZoDi& z = controller();
    world.makeFolder(QStringLiteral("D:\\Sets"));
    world.dialogs().answerNext(QStringLiteral("D:\\Sets\\Office"));
    z.sets().Savedlg();
    EXPECT_TRUE(world.exists(QStringLiteral("D:\\Sets\\Office.bus")));
    EXPECT_FALSE(world.exists(QStringLiteral("D:\\Sets\\Office")));
    EXPECT_EQ(z.panels[1], QStringLiteral("D:\\Sets\\Office.bus"));

    // A text file name is kept, and the same set text is saved.
    world.dialogs().answerNext(QStringLiteral("D:\\Sets\\Office.txt"));
    z.sets().Savedlg();
    EXPECT_EQ(text(QStringLiteral("D:\\Sets\\Office.txt")), z.Netsave);
    EXPECT_EQ(text(QStringLiteral("D:\\Sets\\Office.txt")),
              text(QStringLiteral("D:\\Sets\\Office.bus")));
    EXPECT_EQ(z.panels[1], QStringLiteral("D:\\Sets\\Office.txt"));
}

TEST_F(SetCommandsTest, SaveAsCancelledSavesNothingButRecomposesTheText) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const QByteArray before = world.readFile(office);
    const QStringList filesBefore = programFolderFiles();
    z.model.FilterList = Lines({"*.pdf"});
    world.dialogs().answerNext(std::nullopt);
    z.sets().Savedlg();
    EXPECT_EQ(world.readFile(office), before);
    EXPECT_EQ(programFolderFiles(), filesBefore);
    EXPECT_EQ(z.panels[1], office);
    EXPECT_NE(z.panels[4], kSaved);
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[FILTERS]")), Lines({"*.pdf"}));
    EXPECT_FALSE(world.setting(QStringLiteral("Bus File")).has_value());
}

// ---- new sets ----

TEST_F(SetCommandsTest, CreateSavesThePreviousSetAndNamesTheNewOneInTheProgramsFolder) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.model.FilterList << QStringLiteral("*.ppt");  // an edit not saved yet
    z.Timer.start();
    world.prompter().clear();
    bool checkedDuringDialog = false;
    world.dialogs().onNextForm([&](QDialog& form) {
        auto& dialog = dynamic_cast<TNewSetForm&>(form);
        checkedDuringDialog = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New Backup-Set"));
        EXPECT_EQ(dialog.answer(), 0) << "Ok before any press";
        EXPECT_TRUE(z.NewSetMode);
        EXPECT_EQ(z.panels[1], office) << "the path is kept until the name is given";
        EXPECT_TRUE(z.model.FilterList.isEmpty()) << "the default set is built first";
        EXPECT_TRUE(SectionValues(text(office), QStringLiteral("[FILTERS]"))
                        .contains(QStringLiteral("*.ppt")))
            << "the previous set was saved first";
        dialog.NewName->setText(QStringLiteral("C:\\Temp\\Office.txt"));
        dialog.DsFancyButton2->click();
    });
    z.sets().CreateBackupSetClick();

    EXPECT_TRUE(checkedDuringDialog);
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Office.bus"));
    EXPECT_FALSE(z.NewSetMode);
    EXPECT_EQ(z.NewSetAnswer, 0);
    EXPECT_EQ(world.prompter().messages(), QStringList{kBuilt});
    EXPECT_TRUE(world.prompter().questions().isEmpty());
    EXPECT_TRUE(z.view.OptionsVisible);
    EXPECT_EQ(z.view.OptionsTab, QStringLiteral("Misc"));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("OptionsBtn")));
    EXPECT_FALSE(z.Timer.isActive());
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\Office.bus"))) << "only in memory";
    EXPECT_EQ(world.dialogs().formsShown, QStringList{QStringLiteral("harbex::TNewSetForm")});
}

TEST_F(SetCommandsTest, CreateCancelledReloadsThePreviousSetWithItsSavedEdits) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.model.DirSource << QStringLiteral("C:\\Projects");
    z.UserFolderCount = 3;
    answerNewSet("Ignored", false);
    z.sets().CreateBackupSetClick();

    EXPECT_EQ(z.panels[1], office);
    EXPECT_TRUE(z.NewSetMode) << "the wizard will ask for a new name";
    EXPECT_EQ(z.NewSetAnswer, 1);
    EXPECT_EQ(z.model.DirSource, Lines({"C:\\Data", "C:\\Mail", "C:\\Projects"}));
    EXPECT_TRUE(z.model.Zipped);
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("Office"));
    EXPECT_FALSE(z.view.OptionsVisible);
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\Ignored.bus")));
}

TEST_F(SetCommandsTest, CreateCancelledForASetNeverSavedKeepsTheDefaultSet) {
    THarbexZoDi& z = controller();
    const QString path = QStringLiteral("C:\\Harbex\\Never.bus");
    z.panels.set(1, path);
    z.model.FilterList = Lines({"*.doc"});
    answerNewSet(nullptr, false);
    z.sets().CreateBackupSetClick();
    EXPECT_FALSE(world.exists(path)) << "a set without a file is not saved";
    EXPECT_TRUE(z.model.FilterList.isEmpty());
    EXPECT_EQ(z.panels[1], path);
}

TEST_F(SetCommandsTest, TheNewSetDialogKeepsItsAnswerButEscapeAndTheCloseBoxAreCancel) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    answerNewSet("First", true);
    z.sets().CreateBackupSetClick();
    ASSERT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\First.bus"));

    // Left without a button after an Ok: by the close box, then by Escape.
    const std::function<void(TNewSetForm&)> leave[] = {
        [](TNewSetForm& dialog) {
            dialog.show();
            dialog.close();
        },
        [](TNewSetForm& dialog) { dialog.reject(); },
    };
    for (const auto& how : leave) {
        world.dialogs().onNextForm([&how](QDialog& form) {
            auto& dialog = dynamic_cast<TNewSetForm&>(form);
            EXPECT_EQ(dialog.answer(), 0) << "the last button pressed was Ok";
            dialog.NewName->setText(QStringLiteral("Second"));
            how(dialog);
        });
        z.sets().CreateBackupSetClick();
        EXPECT_EQ(z.NewSetAnswer, 1);
        EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\First.bus")) << "no new set";
        EXPECT_TRUE(z.NewSetMode);
        z.NewSetAnswer = 0;
    }
}

TEST_F(SetCommandsTest, ANewSetNeedsANameThatIsNotBlank) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    world.prompter().clear();
    answerNewSet("   ", true);
    answerNewSet("C:\\Temp\\.txt", true);
    answerNewSet("Kept", true);
    z.sets().CreateBackupSetClick();
    EXPECT_EQ(world.prompter().messages(),
              (QStringList{kBuilt, QStringLiteral("Invalid Filename C:\\Harbex\\   .bus"),
                           QStringLiteral("Invalid Filename C:\\Harbex\\.bus")}));
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Kept.bus"));
    EXPECT_EQ(world.dialogs().formsShown.size(), 3);
}

TEST_F(SetCommandsTest, ReplaceExistingKeepsTheCurrentNameInTheProgramsFolder) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    world.dialogs().onNextForm([this](QDialog& form) {
        auto& dialog = dynamic_cast<TNewSetForm&>(form);
        dialog.Dump->click();
        EXPECT_EQ(dialog.NewName->text(), office);
        dialog.DsFancyButton2->click();
    });
    z.sets().CreateBackupSetClick();
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Office.bus"));
}

TEST_F(SetCommandsTest, NewSetInTheWizardSavesThePreviousSetAndStartsFromTheDefaults) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.model.FilterList = Lines({"*.mdb"});
    world.prompter().clear();
    answerNewSet("Fresh", true);
    z.sets().NewBackupset1Click();
    EXPECT_EQ(SectionValues(text(office), QStringLiteral("[FILTERS]")), Lines({"*.mdb"}));
    EXPECT_TRUE(z.NewSetMode);
    EXPECT_TRUE(z.model.FilterList.isEmpty());
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Fresh.bus"));
    EXPECT_EQ(world.prompter().messages(), QStringList{kBuilt});

    z.model.FilterList = Lines({"*.doc"});
    z.sets().EditExisting1Click();
    EXPECT_FALSE(z.NewSetMode);
    EXPECT_EQ(z.model.FilterList, Lines({"*.doc"})) << "editing keeps the set";
}

// ---- set defaults ----

TEST_F(SetCommandsTest, SetDefaultsThenCancellingTheSaveDialogWritesNothing) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const QByteArray before = world.readFile(office);
    const QStringList filesBefore = programFolderFiles();
    world.prompter().clear();
    world.prompter().answerNext(Button::Yes);
    world.dialogs().answerNext(std::nullopt);
    z.sets().DefsbtnClick();

    const PromptRecord& question = lastQuestion();
    EXPECT_EQ(question.text, QStringLiteral("Are you sure you want to set the defaults ?"));
    EXPECT_EQ(question.icon, IconKind::Warning);
    EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::No}));
    EXPECT_EQ(question.helpContext, 13);
    EXPECT_EQ(world.prompter().messages(), QStringList{kBuilt});
    ASSERT_EQ(world.dialogs().requests.size(), 1);
    EXPECT_EQ(world.dialogs().requests[0].title, QStringLiteral("Save Backup Set"));
    EXPECT_TRUE(z.model.DirSource.isEmpty());
    EXPECT_TRUE(z.model.FilterList.isEmpty());
    EXPECT_FALSE(z.model.Zipped);
    EXPECT_EQ(z.model.ZipFiles, 3);
    EXPECT_EQ(z.panels[1], office);
    EXPECT_EQ(world.readFile(office), before);
    EXPECT_EQ(programFolderFiles(), filesBefore);
    EXPECT_FALSE(world.setting(QStringLiteral("Bus File")).has_value());
}

TEST_F(SetCommandsTest, SetDefaultsAnsweredNoChangesNothing) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const BackupSetModel before = z.model;
    const QString setText = z.Netsave;
    world.prompter().clear();
    world.prompter().answerNext(Button::No);
    z.sets().DefsbtnClick();
    EXPECT_EQ(world.prompter().records().size(), 1);
    EXPECT_TRUE(world.dialogs().requests.isEmpty());
    EXPECT_EQ(z.model, before);
    EXPECT_EQ(z.Netsave, setText);
    EXPECT_EQ(z.panels[1], office);
}

TEST_F(SetCommandsTest, SetDefaultsSavedUnderANewName) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    world.prompter().answerNext(Button::Yes);
    world.dialogs().answerNext(QStringLiteral("C:\\Harbex\\Plain.bus"));
    z.sets().DefsbtnClick();
    EXPECT_EQ(z.panels[1], QStringLiteral("C:\\Harbex\\Plain.bus"));
    EXPECT_TRUE(
        SectionValues(text(QStringLiteral("C:\\Harbex\\Plain.bus")), QStringLiteral("[DIRS]"))
            .isEmpty());
    EXPECT_EQ(SectionValues(text(office), QStringLiteral("[DIRS]")),
              Lines({"C:\\Data", "C:\\Mail"}))
        << "the previous file is left as it was";
}

// ---- loading ----

TEST_F(SetCommandsTest, LoadingAChosenFileMakesItTheCurrentSet) {
    writeSet(office, OfficeSet());
    THarbexZoDi& z = controller();
    z.panels.set(1, QStringLiteral("C:\\Harbex\\default.bus"));
    world.dialogs().answerNext(office);
    z.setFile().LoadbackupsetClick(LoadSender::Command);

    ASSERT_EQ(world.dialogs().requests.size(), 1);
    const FileDialogRequest& request = world.dialogs().requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Load Backup Set"));
    EXPECT_EQ(request.filter, QStringLiteral("Keelwick Backup files|*.BUS"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("*.BUS"));
    EXPECT_EQ(request.initialFolder, QStringLiteral("C:\\Harbex\\"));
    EXPECT_EQ(request.fileName, QStringLiteral("Default"));
    EXPECT_EQ(z.panels[1], office);
    EXPECT_EQ(z.options().findChild<QLabel*>(QStringLiteral("Label25"))->text(), office);
    EXPECT_EQ(z.model.DirSource, OfficeSet().DirSource);
    EXPECT_EQ(z.model.FilterList, Lines({"*.xls", "*.doc"}));
    EXPECT_EQ(z.model.DestList, Lines({"D:\\Copies"}));
    EXPECT_EQ(z.model.TimePicker, QTime(18, 30, 0));
    EXPECT_EQ(z.UserFolderCount, 2);
    EXPECT_EQ(z.Netsave, ComposeSetText(OfficeSet(), 1));
    EXPECT_EQ(z.panels[2], QStringLiteral("-u -r -p"));
    EXPECT_EQ(z.panels[3], QStringLiteral("COMP"));
    EXPECT_EQ(z.panels[7], QStringLiteral("MAN"));
    EXPECT_EQ(z.view.Daylist, Lines({"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"}));
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(SetCommandsTest, AChosenSetFindsItsOwnCompanionFiles) {
    BackupSetModel set;
    set.Extensions = 1;
    writeSet(office, set);
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.brw"), "c:\\office.doc\r\n");
    world.writeFile(QStringLiteral("C:\\Harbex\\default.brw"), "c:\\default.doc\r\n");
    THarbexZoDi& z = controller();
    z.panels.set(1, QStringLiteral("C:\\Harbex\\default.bus"));
    world.dialogs().answerNext(office);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    EXPECT_EQ(z.BackupSet, Lines({"c:\\office.doc"}));
    EXPECT_EQ(z.model.NamesFile, QStringLiteral("C:\\Harbex\\Office.lst"));
}

TEST_F(SetCommandsTest, CancellingTheLoadDialogReadsTheLastSetTextAgain) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    z.model.DirSource << QStringLiteral("C:\\Projects");
    z.model.autotype = 2;
    z.model.ZipCoreName = QStringLiteral("Edited");
    world.dialogs().answerNext(std::nullopt);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    EXPECT_EQ(z.model.DirSource, OfficeSet().DirSource) << "the edits are replaced";
    EXPECT_EQ(z.model.autotype, 0);
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("Office"));
    EXPECT_EQ(z.panels[1], office);

    // After the text is composed, Cancel reads the composed text: its filters come back reversed.
    z.model.FilterList = Lines({"*.a", "*.b"});
    z.setFile().WriteSetText();
    z.model.FilterList.clear();
    world.dialogs().answerNext(std::nullopt);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    EXPECT_EQ(z.model.FilterList, Lines({"*.b", "*.a"}));
}

TEST_F(SetCommandsTest, AFileThatCannotBeOpenedLeavesTheSetAndItsPathAlone) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const BackupSetModel before = z.model;
    world.prompter().clear();
    const QString missing = QStringLiteral("D:\\Sets\\Missing.bus");
    world.dialogs().answerNext(missing);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    ASSERT_EQ(world.prompter().messages().size(), 1);
    EXPECT_TRUE(world.prompter().messages()[0].contains(missing));
    EXPECT_EQ(z.model, before);
    EXPECT_EQ(z.panels[1], office);

    // The programmatic form: the file named in panel 1 has gone.
    world.prompter().clear();
    z.panels.set(1, missing);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    EXPECT_EQ(world.prompter().messages().size(), 1);
    EXPECT_EQ(z.model, before);
    EXPECT_EQ(z.panels[1], missing);
}

TEST_F(SetCommandsTest, ABinaryFileIsRefusedAndLeavesTheSetAndItsPathAlone) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    const BackupSetModel before = z.model;
    const QString binary = QStringLiteral("D:\\Sets\\Picture.bus");
    QByteArray bytes("[DIRS]\r\nC:\\Evil\r\n");
    bytes.append('\0');
    bytes.append("\x01\x02 picture data");
    world.writeFile(binary, bytes);
    world.prompter().clear();
    world.dialogs().answerNext(binary);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    ASSERT_EQ(world.prompter().messages().size(), 1);
    EXPECT_TRUE(world.prompter().messages()[0].contains(binary));
    EXPECT_EQ(z.model, before);
    EXPECT_EQ(z.panels[1], office);
}

TEST_F(SetCommandsTest, ASetFileThatFailedToLoadIsNeverOverwrittenWithoutAsking) {
    QByteArray binary("[FILTERS]\r\n*.doc\r\n");
    binary.append('\0');
    const QString replaceQuestion =
        QStringLiteral("The backup set file ") + office +
        QStringLiteral(
            " could not be read, so the set shown is not the one in that file.\r\nReplace that "
            "file with the set shown?");
    struct Case {
        const char* command;
        std::function<void(THarbexZoDi&)> run;
    };
    const Case cases[] = {
        {"Save", [](THarbexZoDi& c) { c.sets().SavebackupSet2Click(); }},
        {"Create",
         [this](THarbexZoDi& c) {
             answerNewSet("Fresh", true);
             c.sets().CreateBackupSetClick();
         }},
        {"New",
         [this](THarbexZoDi& c) {
             answerNewSet("Fresh", true);  // the wizard asks the new set's name
             c.sets().NewBackupset1Click();
         }},
        {"Quit", [](THarbexZoDi& c) { c.close(); }},
    };
    for (const Case& test : cases) {
        z.reset();
        world.writeFile(office, binary);
        settingsForLaterStart(office);
        THarbexZoDi& c = start();
        ASSERT_EQ(c.panels[1], office);
        world.prompter().clear();
        world.prompter().answerNext(Button::Cancel);
        test.run(c);
        EXPECT_EQ(world.prompter().questions(), QStringList{replaceQuestion}) << test.command;
        EXPECT_EQ(world.readFile(office), binary) << test.command;
    }
    // Yes replaces it, once and for all.
    z.reset();
    world.writeFile(office, binary);
    THarbexZoDi& c = start();
    world.prompter().clear();
    world.prompter().answerNext(Button::Yes);
    c.sets().SavebackupSet2Click();
    EXPECT_EQ(QString::fromUtf8(world.readFile(office)), c.Netsave);
    c.sets().SavebackupSet2Click();
    EXPECT_EQ(world.prompter().questions().size(), 1);
}

TEST_F(SetCommandsTest, ADefaultSetKeepsEveryFolderTheUserGivesIt) {
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    ASSERT_EQ(z.UserFolderCount, 2);
    z.sets().BuildDefaultSet(false);
    z.model.DirSource = Lines({"C:\\A", "C:\\B", "C:\\C", "C:\\D"});
    z.setFile().WriteSetText();
    EXPECT_EQ(SectionValues(z.Netsave, QStringLiteral("[DIRS]")),
              Lines({"C:\\A", "C:\\B", "C:\\C", "C:\\D"}));
}

TEST_F(SetCommandsTest, LoneCarriageReturnsAndLineFeedsAreLineBreaksWhenLoading) {
    world.writeFile(office,
                    "[FILTERS]\r*.doc\n[DIRS]\rC:\\A\nC:\\B\r\n[AUTO]\r1\n[ZIP CORE]\rLoneCR\r");
    THarbexZoDi& z = loaded(office);
    EXPECT_EQ(z.model.FilterList, Lines({"*.doc"}));
    EXPECT_EQ(z.model.DirSource, Lines({"C:\\A", "C:\\B"}));
    EXPECT_EQ(z.model.autotype, 1);
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("LoneCR"));
    EXPECT_EQ(z.UserFolderCount, 2);
}

TEST_F(SetCommandsTest, ALongSetFileIsReadToTheEnd) {
    QStringList lines = Lines({"[DIRS]"});
    for (int i = 1; i <= 291; ++i) lines << QStringLiteral("C:\\Data\\Folder%1").arg(i);
    lines += Lines({"[AUTO]", "1", "[NET DIRS]", "F:", "[ZIP CORE]", "Longer", "[GEN]"});
    lines << QStringLiteral("1");
    ASSERT_EQ(lines.size(), 300);
    writeSetLines(office, lines);
    THarbexZoDi& z = loaded(office);
    EXPECT_EQ(z.model.DirSource.size(), 291);
    EXPECT_EQ(z.model.DirSource.last(), QStringLiteral("C:\\Data\\Folder291"));
    EXPECT_EQ(z.UserFolderCount, 291);
    EXPECT_EQ(z.model.autotype, 1);
    EXPECT_EQ(z.model.Drivelist, Lines({"F:"}));
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("Longer"));
    EXPECT_TRUE(z.model.Recurse);
}

TEST_F(SetCommandsTest, BrowserFilesComeFromTheCompanionFileInTheProgramsFolder) {
    BackupSetModel set;
    set.Extensions = 1;
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.brw"),
                    "c:\\data\\a.doc\r\nc:\\data\\b.doc\r\n");
    world.writeFile(QStringLiteral("D:\\Sets\\Office.brw"), "d:\\wrong.doc\r\n");
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(z.BackupSet, Lines({"c:\\data\\a.doc", "c:\\data\\b.doc"}));
    EXPECT_TRUE(z.BrowserFilesChosen);
    EXPECT_FALSE(z.view.CommactivelabVisible);
}

TEST_F(SetCommandsTest, CommonFilesComeFromTheCompanionListUnlessSearchedAgain) {
    BackupSetModel set;
    set.Extensions = 2;
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.dlf"),
                    "C:\\Mail\\in.pst\r\nC:\\Docs\\a.doc\r\nC:\\Docs\\b.xls");
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(z.view.CListBox1, Lines({"C:\\Mail\\in.pst", "C:\\Docs\\a.doc", "C:\\Docs\\b.xls"}));
    EXPECT_EQ(z.view.FFound, QStringLiteral("Files 3"));
    EXPECT_TRUE(z.view.CommactivelabVisible);

    z.view.CListBox1.clear();
    z.view.FFound.clear();
    set.ReCheck = true;
    writeSet(office, set);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    EXPECT_TRUE(z.view.CListBox1.isEmpty()) << "the search runs again instead";
    EXPECT_TRUE(z.view.FFound.isEmpty());
    EXPECT_TRUE(z.view.CommactivelabVisible);
}

TEST_F(SetCommandsTest, PanelSixShowsTheNamingOfTheLoadedSet) {
    const char* codes[] = {"FN", "NN", "AN", "SF"};
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.lst"), "Alpha\r\nBeta\r\n");
    THarbexZoDi& z = controller();
    z.panels.set(1, office);
    for (int option = 0; option < 4; ++option) {
        BackupSetModel set;
        set.Zipped = true;
        set.ZipFiles = 3;
        set.FixedOption = option;
        writeSet(office, set);
        z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
        EXPECT_EQ(z.model.FixedOption, option);
        EXPECT_EQ(z.panels[6], QString::fromLatin1(codes[option])) << option;
    }
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(SetCommandsTest, PanelSixKeepsTheLoadedNamingWhenCommonFilesForceOneArchive) {
    BackupSetModel set;
    set.Zipped = true;
    set.Extensions = 2;
    set.ZipFiles = 3;
    set.FixedOption = 1;
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(z.model.FixedOption, 3);
    EXPECT_EQ(z.model.ZipFiles, 0);
    EXPECT_EQ(z.panels[6], QStringLiteral("NN"));
}

TEST_F(SetCommandsTest, AnUncompressedSetWithoutNamesFileIsNamedByFolders) {
    BackupSetModel set;
    set.FixedOption = 1;
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(z.model.FixedOption, 0);
    EXPECT_EQ(z.panels[6], QStringLiteral("FN"));
}

TEST_F(SetCommandsTest, PredefinedNamesWithoutANamesFileAskForTheWizard) {
    BackupSetModel set;
    set.Zipped = true;
    set.FixedOption = 2;
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(world.prompter().messages(), QStringList{kNoNamesFile});
    EXPECT_EQ(z.panels[6], QStringLiteral("AN"));
    EXPECT_TRUE(z.archiveNames().Archives.isEmpty());

    // Browser files are not named from the list: no message.
    world.prompter().clear();
    set.Extensions = 1;
    writeSet(office, set);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    EXPECT_TRUE(world.prompter().messages().isEmpty());
}

TEST_F(SetCommandsTest, TheCompanionNamesFileGivesTheSetItsArchiveNames) {
    BackupSetModel set;
    set.FixedOption = 2;
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.lst"), "Alpha\r\nBeta\r\n");
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(z.model.NamesFile, QStringLiteral("C:\\Harbex\\Office.lst"));
    EXPECT_EQ(ArchivePaths(z), Lines({"Alpha", "Beta"}));
    EXPECT_EQ(z.model.FixedOption, 2);
    EXPECT_EQ(z.panels[6], QStringLiteral("AN"));
    EXPECT_TRUE(world.prompter().messages().isEmpty());
}

TEST_F(SetCommandsTest, AnInvalidNamesFileDisablesPredefinedNames) {
    BackupSetModel set;
    set.Zipped = true;
    set.FixedOption = 2;
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.lst"), QByteArray("Alpha\0\x01", 7));
    THarbexZoDi& z = loadedSet(office, set);
    EXPECT_EQ(
        world.prompter().messages(),
        QStringList{QStringLiteral("Your archive names file is invalid, usage has been disabled")});
    EXPECT_EQ(z.model.FixedOption, 0);
    EXPECT_EQ(z.panels[6], QStringLiteral("FN"));
}

TEST_F(SetCommandsTest, ASetInAFolderThatIsGoneUsesTheDefaultCompanionFiles) {
    BackupSetModel set;
    set.Extensions = 1;
    set.FixedOption = 2;
    world.writeFile(QStringLiteral("C:\\Harbex\\Default.brw"), "c:\\default.doc\r\n");
    world.writeFile(QStringLiteral("C:\\Harbex\\Default.lst"), "Fallback\r\n");
    world.writeFile(QStringLiteral("C:\\Harbex\\Office.brw"), "c:\\office.doc\r\n");
    THarbexZoDi& z = controller();
    z.panels.set(1, QStringLiteral("C:\\Gone\\Office.bus"));
    z.Netsave = ComposeSetText(set, 1);
    world.dialogs().answerNext(std::nullopt);  // reads the set text in memory
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    EXPECT_EQ(z.BackupSet, Lines({"c:\\default.doc"}));
    EXPECT_EQ(z.model.NamesFile, QStringLiteral("C:\\Harbex\\Default.lst"));
    EXPECT_EQ(ArchivePaths(z), Lines({"Fallback"}));

    set.Extensions = 2;
    world.writeFile(QStringLiteral("C:\\Harbex\\Default.dlf"), "c:\\found.pst\r\n");
    z.Netsave = ComposeSetText(set, 1);
    world.dialogs().answerNext(std::nullopt);
    z.setFile().LoadbackupsetClick(LoadSender::Command);
    EXPECT_EQ(z.view.CListBox1, Lines({"c:\\found.pst"}));
    EXPECT_EQ(z.view.FFound, QStringLiteral("Files 1"));
}

TEST_F(SetCommandsTest, CompanionFilesOfASetInADriveRootUseItsName) {
    EXPECT_EQ(CompanionFileName(QStringLiteral("D:\\Office.bus"), QStringLiteral(".lst"),
                                world.programFolder()),
              QStringLiteral("C:\\Harbex\\Office.lst"));
    EXPECT_EQ(CompanionFileName(QStringLiteral("Office.bus"), QStringLiteral(".brw"),
                                world.programFolder()),
              QStringLiteral("C:\\Harbex\\Default.brw"));
    EXPECT_EQ(CompanionFileName(QStringLiteral("\\\\S1\\D\\Sets\\Office.bus"),
                                QStringLiteral(".dlf"), world.programFolder()),
              QStringLiteral("C:\\Harbex\\Default.dlf"))
        << "the share has no Sets folder";
}

TEST_F(SetCommandsTest, AMissingSpecificFolderAbortsThePendingAutomaticBackup) {
    BackupSetModel set;
    set.autotype = 2;
    set.UseSpecificFolders = true;
    set.DestList = Lines({"D:\\Copies", "E:\\Copies"});  // E: is no drive of this machine
    world.makeFolder(QStringLiteral("D:\\Copies"));
    writeSet(office, set);
    THarbexZoDi& z = controller();
    z.settings.AbortBox = true;
    z.Timer.start();
    z.view.OptionsVisible = true;
    QString panel4AtMessage;
    bool timerAtMessage = true;
    bool optionsAtMessage = true;
    world.prompter().onShow = [&](const PromptRecord&) {
        panel4AtMessage = z.panels[4];
        timerAtMessage = z.Timer.isActive();
        optionsAtMessage = z.view.OptionsVisible;
    };
    z.panels.set(1, office);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);

    EXPECT_EQ(world.prompter().messages(),
              QStringList{QStringLiteral("Specific Directory \"E:\\Copies\" does not exist")});
    EXPECT_EQ(panel4AtMessage, QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    EXPECT_FALSE(timerAtMessage);
    EXPECT_FALSE(optionsAtMessage) << "the Options panel is hidden while the set is read";
    EXPECT_TRUE(z.view.OptionsVisible) << "and shown again afterwards";
    EXPECT_FALSE(z.Timer.isActive());
    EXPECT_EQ(z.panels[4], QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    EXPECT_EQ(z.model.DestList, Lines({"E:\\Copies", "D:\\Copies"})) << "the folder stays";
    world.prompter().onShow = nullptr;
}

TEST_F(SetCommandsTest, AMissingSpecificFolderIsAcceptedWithoutAbortBox) {
    BackupSetModel set;
    set.autotype = 2;
    set.UseSpecificFolders = true;
    set.DestList = Lines({"E:\\Copies"});
    writeSet(office, set);
    THarbexZoDi& z = controller();
    z.settings.AbortBox = false;
    z.Timer.start();
    z.panels.set(1, office);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_TRUE(z.Timer.isActive());
    z.Timer.stop();
}

TEST_F(SetCommandsTest, WithoutAnEngineALoadedSetIsNotCompressed) {
    removeEngine();
    THarbexZoDi& z = loadedSet(office, OfficeSet());
    EXPECT_FALSE(z.model.Zipped);
    EXPECT_FALSE(z.model.RecurseZip);
    EXPECT_EQ(z.panels[3], QStringLiteral(" "));
    EXPECT_EQ(z.panels[2], QStringLiteral("-u "));
    EXPECT_FALSE(z.commands.isEnabled(QStringLiteral("Zipup")));
}

TEST_F(SetCommandsTest, StartUpLoadsTheSetNamedInTheSettings) {
    writeSet(office, OfficeSet());
    settingsForLaterStart(office);
    THarbexZoDi& z = start();
    EXPECT_EQ(z.panels[1], office);
    EXPECT_EQ(z.model.DirSource, OfficeSet().DirSource);
    EXPECT_EQ(z.model.ZipCoreName, QStringLiteral("Office"));
    EXPECT_EQ(z.panels[7], QStringLiteral("MAN"));
    EXPECT_EQ(z.panels[4], QStringLiteral("Manual Mode"));
    EXPECT_EQ(z.panels[6], QStringLiteral("FN"));
    EXPECT_EQ(z.sets().CoreName(), QStringLiteral("Office"));
}

}  // namespace
}  // namespace harbex::test
