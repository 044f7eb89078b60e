#include "sets/setcommands.h"

#include <QLineEdit>

#include "app/harbexzodi.h"
#include "drives/drivelists.h"
#include "engine/archivenames.h"
#include "engine/engines.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "sets/setfile.h"
#include "sets/setreaderhooks.h"
#include "sets/summary.h"
#include "ui/newsetform.h"
#include "util/datetimetext.h"
#include "util/stringutils.h"
#include "util/utils.h"
#include "util/weekdays.h"

namespace harbex {
namespace {

const QString kUpdatedAndSaved = QStringLiteral("BACKUPSET UPDATED AND SAVED");

QString FixedOptionCode(int fixedOption) {
    switch (fixedOption) {
        case 0:
            return QStringLiteral("FN");
        case 1:
            return QStringLiteral("NN");
        case 2:
            return QStringLiteral("AN");
        case 3:
            return QStringLiteral("SF");
        default:
            return QString();
    }
}

// A side file of the set: absent is normal, present but unreadable is reported.
TextReadResult ReadSideFile(const QString& path) {
    if (!Files().fileExists(path)) return {};
    TextReadResult read = Files().readLines(path);
    if (!read.ok) Prompts().message(read.error);
    return read;
}

// The file name typed for a new set, without any folder or extension.
QString BareSetName(const QString& typed) {
    QString name = FileNameOf(typed);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    return name;
}

}  // namespace

// ---- reading ----

bool SetCommands::readSetText(LoadSender sender, QStringList* lines) {
    auto readFile = [lines](const QString& path) {
        const TextReadResult read = Files().readLines(path);
        if (!read.ok) {
            Prompts().message(read.error);
            return false;
        }
        *lines = read.lines;
        return true;
    };
    if (sender == LoadSender::StatusPanel) return readFile(z_.busFile());
    const auto chosen = CurrentPlatform().dialogs->openFile(
        {QStringLiteral("Load Backup Set"), QStringLiteral("Keelwick Backup files|*.BUS"),
         QStringLiteral("*.BUS"), z_.programFolder(), QStringLiteral("Default")});
    if (!chosen) {
        // Cancel reads the set again from the text last read or composed.
        *lines = SplitTextLines(z_.Netsave);
        return true;
    }
    if (!readFile(*chosen)) return false;
    z_.panels.set(1, *chosen);
    return true;
}

void SetCommands::LoadbackupsetClick(LoadSender sender) {
    QStringList lines;
    if (!readSetText(sender, &lines)) {
        // The path still names that file, but the set in memory is another one.
        if (sender == LoadSender::StatusPanel) unreadSetFile_ = z_.busFile();
        return;
    }
    unreadSetFile_.clear();
    z_.Netsave = JoinLinesCrLf(lines);
    z_.view.Label25 = z_.busFile();
    const bool optionsWereVisible = z_.view.OptionsVisible;
    z_.view.OptionsVisible = false;
    applyLoadedSet(lines);
    if (optionsWereVisible) z_.view.OptionsVisible = true;
    z_.UserFolderCount = static_cast<int>(z_.model.DirSource.size());
    RefreshOptions();
}

void SetCommands::applyLoadedSet(const QStringList& lines) {
    BackupSetModel& m = z_.model;
    ControllerReaderHooks hooks(z_);
    const SetReadResult result = ReadSetLines(lines, m, z_.panels.text(2), hooks);
    // The Drives tab's copies show what the set's drive sections held.
    z_.driveLists().refillMirrors();
    z_.panels.set(2, result.zipParameters);
    if (result.compSeen) z_.panels.set(3, result.compIndicator);

    if (m.FixedOption == 2 && m.Extensions == 0 && z_.archiveNames().Archives.isEmpty())
        Prompts().message(
            QStringLiteral("No archive names file was loaded, Please run the Wizard"));
    if (m.Extensions == 1) {
        const QString browserFile =
            CompanionFileName(z_.busFile(), QStringLiteral(".brw"), z_.programFolder());
        const TextReadResult read = ReadSideFile(browserFile);
        if (read.ok) {
            z_.BackupSet = read.lines;
            z_.BrowserFilesChosen = true;
        }
    }
    if (m.Extensions == 2 && !m.ReCheck) {
        const QString listFile =
            CompanionFileName(z_.busFile(), QStringLiteral(".dlf"), z_.programFolder());
        const TextReadResult read = ReadSideFile(listFile);
        if (read.ok) {
            z_.view.CListBox1 = read.lines;
            z_.view.FFound = QStringLiteral("Files ") + QString::number(read.lines.size());
        }
    }
    z_.view.CommactivelabVisible = m.Extensions == 2;
    z_.panels.set(6, FixedOptionCode(m.FixedOption));
    z_.view.MounthPickerVisible = m.ShedType == 3;
}

// ---- writing ----

void SetCommands::WriteSetText() {
    if (z_.settings.RestoreDrives) z_.driveLists().RestoreBtnClick();
    RefreshOptions();
    BackupSetModel& m = z_.model;
    if (m.Zipped && m.Recurse) {
        const Button answer = Prompts().question(
            QStringLiteral(
                "******************  IMPORTANT WARNING ************************\r\nYou have "
                "selected the option to recurse sub folders at source level and \r\nthen to "
                "compress the files.\r\nWhen creating copmpressed archives, the recommended "
                "option is to \r\nallow the compression engine to handle files in sub "
                "folders.\r\nPlease select OK to reset the options to compressed level recurse "),
            IconKind::Warning, {Button::Ok, Button::Cancel, Button::Help}, 40);
        if (answer == Button::Ok) {
            m.Recurse = false;
            m.RecurseZip = true;
            RefreshOptions();
        }
    }
    if (z_.UserFolderCount > 0 && m.DirSource.size() > z_.UserFolderCount)
        m.DirSource = m.DirSource.mid(0, z_.UserFolderCount);
    z_.Netsave = ComposeSetText(m, z_.sequence().SequenceRowOf(z_.busFile()), z_.panels.text(2));
}

// ---- default set ----

void SetCommands::BuildDefaultSet(bool withDefaultPath) {
    BackupSetModel& m = z_.model;
    WindowState& v = z_.view;
    AppSettings& s = z_.settings;
    m.What = 2;
    m.Extensions = 0;
    v.CommactivelabVisible = false;
    v.usebrowser = false;
    m.DirSource.clear();
    m.Recurse = false;
    m.RecurseEnabled = true;
    m.FilterList.clear();
    v.AllFiles = false;
    v.FileFiltersIndex = 0;
    m.UseDailyFolders = false;
    m.Days.fill(false);
    m.UseSpecificFolders = false;
    v.Daylist.clear();
    m.DestList.clear();
    m.Zipped = false;
    m.ZipFiles = 3;
    m.ZipOptions = 1;
    z_.panels.set(2, QStringLiteral("-u"));
    m.RecurseZip = false;
    s.DelTemps = false;
    if (!s.internal) {
        // Checking the box runs its handling, as a click would.
        s.internal = true;
        z_.engines().internalClick();
    }
    v.ZipName = QStringLiteral("Keelwick");
    v.NametypeSecondCaption = v.ZipName;
    m.ZipCoreName = v.ZipName.left(6);
    CoreName = m.ZipCoreName;
    s.SequencingMode = false;
    m.FixedOption = 0;
    m.Nametype = 1;
    m.NamesFile.clear();
    z_.archiveNames().Reset();
    s.SearchErrors = true;
    m.autotype = 0;
    z_.DelayTimeChange(5);
    m.ShedType = 0;
    m.DowSelect = 1;
    v.MounthPickerVisible = false;
    m.MounthPicker = 0;
    s.PromptMissed = 1;
    s.EnabLog = false;
    s.LogOptions = 1;
    s.ViewOptions = 1;
    // The folder list was emptied: whatever the user adds now is the set's own.
    z_.UserFolderCount = 0;
    z_.showSettingsInActions();
    if (withDefaultPath) z_.panels.set(1, z_.programFolder() + QStringLiteral("default.bus"));
    Prompts().message(QStringLiteral("A Default Backup set has been built"));
}

// ---- refresh ----

bool SetCommands::sequencingCheck() {
    if (z_.sequence().AnySequenceActive() || !z_.settings.SequencingMode) return true;
    const Button answer = Prompts().question(
        QStringLiteral("No BUS files are active cannot run sequencer\rClick Ok to open Seqeuence "
                       "editor, Abort to Disable sequencing"),
        IconKind::Error, {Button::Ok, Button::Cancel, Button::Abort, Button::Help}, 60);
    if (answer == Button::Ok) {
        z_.showOptionsPanel(QStringLiteral("Sequence List"));
        z_.Timer.stop();
        z_.OptionsMayClose = false;
        return false;
    }
    if (answer == Button::Abort) {
        z_.settings.SequencingMode = false;
        Prompts().message(QStringLiteral("Sequencing canceled"));
    } else {
        Prompts().message(QStringLiteral("Action canceled, the sequencing problem still exists"));
    }
    return true;
}

void SetCommands::applyCompressionRules() {
    BackupSetModel& m = z_.model;
    WindowState& v = z_.view;
    if (!z_.engines().AnyEngineAvailable()) {
        m.Zipped = false;
        m.ZippedEnabled = false;
    }
    z_.commands.setEnabled(QStringLiteral("CollectFiles"), !m.Zipped);
    z_.commands.setEnabled(QStringLiteral("Collect"), !m.Zipped);
    v.ZipTabVisible = m.Zipped;
    z_.commands.setEnabled(QStringLiteral("Zipup"), m.Zipped);
    z_.commands.setEnabled(QStringLiteral("CreateZipFiles"), m.Zipped);
    if (!m.Zipped) return;
    v.FixedOptionVisible = true;
    if (m.RecurseZip) m.Recurse = false;
    if (m.ZipFiles == 0) v.FixedOptionVisible = false;
    if (m.ZipFiles == 1 || m.ZipFiles == 2) {
        v.SnamVisible = false;
        v.ZipNameVisible = false;
    }
    if (m.Extensions == 1 || m.Extensions == 2) {
        // Browser-chosen and common files always go into one archive.
        m.ZipFiles = 0;
        m.FixedOption = 3;
        v.FixedOptionVisible = false;
        v.ZipFilesEnabled = false;
        v.ChooseSourceEnabled = false;
        v.ChooseFiltersEnabled = false;
        z_.commands.setEnabled(QStringLiteral("Collect"), false);
        if (m.Extensions == 1)
            v.usebrowser = true;
        else
            z_.BrowserFilesChosen = false;
    } else {
        z_.BrowserFilesChosen = false;
    }
}

void SetCommands::applyNaming() {
    BackupSetModel& m = z_.model;
    WindowState& v = z_.view;
    if (m.Nametype == 0) {
        v.Snam = QStringLiteral("Using");
        CoreName = z_.panels.text(0);
        v.ZipName = CoreName;
        v.ZipNameEnabled = false;
    } else if (m.Nametype == 1) {
        v.Snam = QStringLiteral("Specific name");
        v.ZipName = m.ZipCoreName.isEmpty() ? QStringLiteral("KEELWICK") : m.ZipCoreName;
        CoreName = v.ZipName;
        v.ZipNameEnabled = true;
    }
    CoreName = CoreName.left(6);
    v.NametypeSecondCaption = v.ZipName.size() < 2 ? QStringLiteral("No Zip name set") : v.ZipName;
}

void SetCommands::applyMode() {
    if (z_.settings.SequencingMode) {
        z_.panels.set(7, QStringLiteral("SEQ"));
        return;
    }
    switch (z_.model.autotype) {
        case 0:
            z_.panels.set(4, QStringLiteral("Manual Mode"));
            z_.panels.set(7, QStringLiteral("MAN"));
            break;
        case 1:
            z_.panels.set(7, QStringLiteral("SHD"));
            z_.panels.set(4, QStringLiteral("Sheduled backup at ") + TimeText(z_.model.TimePicker));
            break;
        case 2:
            z_.panels.set(7, QStringLiteral("AUTO"));
            break;
        default:
            break;
    }
}

void SetCommands::RefreshOptions() {
    for (const char* name : {"ExportFiles", "DoAll", "StartBackup"})
        z_.commands.setEnabled(QString::fromLatin1(name), true);
    z_.SummaryStale = true;
    WindowState& v = z_.view;
    v.NametypeVisible = true;
    v.SnamVisible = true;
    v.ZipNameVisible = true;
    v.Daylist.clear();
    if (!sequencingCheck()) return;
    for (int day = 0; day < 7; ++day)
        if (z_.model.Days[day]) v.Daylist << WeekdayName(day + 1);
    v.DailyTabVisible = z_.model.UseDailyFolders;
    v.dailyLabVisible = z_.model.UseDailyFolders;
    applyCompressionRules();
    applyNaming();
    z_.panels.set(2, ZipParameterText(z_.model.ZipOptions, z_.model.RecurseZip));
    z_.panels.set(3, z_.model.Zipped ? QStringLiteral("COMP") : QStringLiteral(" "));
    applyMode();
    BuildSummary();
}

// ---- saving ----

bool SetCommands::mayReplace(const QString& path) {
    if (unreadSetFile_.isEmpty() || path.compare(unreadSetFile_, Qt::CaseInsensitive) != 0 ||
        !Files().fileExists(path))
        return true;
    const Button answer = Prompts().question(
        QStringLiteral("The backup set file ") + path +
            QStringLiteral(" could not be read, so the set shown is not the one in that file.\r\n"
                           "Replace that file with the set shown?"),
        IconKind::Warning, {Button::Yes, Button::Cancel, Button::Help}, 7);
    if (answer != Button::Yes) return false;
    unreadSetFile_.clear();
    return true;
}

void SetCommands::SavebackupSet2Click() {
    WriteSetText();
    const QString path = z_.busFile();
    if (Files().fileExists(path)) {
        if (!mayReplace(path) || !z_.saveSetText(path)) return;
    } else {
        const Button answer =
            Prompts().question(QStringLiteral("Save New backup Set ") + path, IconKind::Warning,
                               {Button::Yes, Button::Cancel, Button::Help}, 7);
        if (answer != Button::Yes) return;
        if (!z_.saveSetText(path)) return;
    }
    z_.panels.set(4, kUpdatedAndSaved);
    z_.SaveSettings();
}

void SetCommands::Savedlg() {
    WriteSetText();
    const auto chosen = CurrentPlatform().dialogs->saveFile(
        {QStringLiteral("Save Backup Set"),
         QStringLiteral("Keelwick Backup Set|*.bus|Text File|*.txt"), QStringLiteral("*.bus"),
         z_.programFolder(), QStringLiteral("default")});
    if (!chosen) return;
    if (!z_.saveSetText(*chosen)) return;
    z_.panels.set(1, *chosen);
    z_.panels.set(4, kUpdatedAndSaved);
    z_.SaveSettings();
}

bool SetCommands::saveCurrentSetIfItExists() {
    WriteSetText();
    const QString path = z_.busFile();
    // A file that could not be read is kept unless the user says otherwise; the command goes on.
    return !Files().fileExists(path) || !mayReplace(path) || z_.saveSetText(path);
}

void SetCommands::SaveSetOnExit() {
    const QString path = z_.busFile();
    if (Files().fileExists(path)) {
        if (mayReplace(path)) z_.saveSetText(path);
        return;
    }
    const Button answer = Prompts().question(QStringLiteral("Save New backup Set ") + path,
                                             IconKind::Warning, {Button::Yes, Button::Cancel}, 14);
    if (answer != Button::Yes) return;
    if (Files().folderExists(AddBackslash(FolderOf(path))))
        z_.saveSetText(path);
    else
        Prompts().message(QStringLiteral("Unable to Save new backup set to ") + path);
}

void SetCommands::CreateBackupSetClick() {
    if (!saveCurrentSetIfItExists()) return;
    BuildDefaultSet(false);
    z_.NewSetMode = true;
    QString name;
    for (;;) {
        TNewSetForm form(z_.NewSetAnswer, z_.busFile(), &z_);
        CurrentPlatform().dialogs->execForm(form);
        z_.NewSetAnswer = form.answer();
        if (z_.NewSetAnswer == 1) break;
        name = BareSetName(form.NewName->text());
        if (!name.trimmed().isEmpty()) break;
        // A set needs a name: ".bus" alone would be a hidden file with no name to show.
        Prompts().message(QStringLiteral("Invalid Filename ") + z_.programFolder() + name +
                          QStringLiteral(".bus"));
    }
    if (z_.NewSetAnswer != 1) {
        z_.panels.set(1, z_.programFolder() + name + QStringLiteral(".bus"));
        z_.NewSetMode = false;
        z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
        z_.showOptionsPanel(QStringLiteral("Misc"));
        z_.Timer.stop();
        return;
    }
    if (Files().fileExists(z_.busFile())) LoadbackupsetClick(LoadSender::StatusPanel);
}

void SetCommands::NewBackupset1Click() {
    if (!saveCurrentSetIfItExists()) return;
    BuildDefaultSet(false);
    z_.NewSetMode = true;
    z_.WizardBtnClick();
}

void SetCommands::EditExisting1Click() {
    z_.NewSetMode = false;
    z_.WizardBtnClick();
}

void SetCommands::DefsbtnClick() {
    const Button answer =
        Prompts().question(QStringLiteral("Are you sure you want to set the defaults ?"),
                           IconKind::Warning, {Button::Yes, Button::No}, 13);
    if (answer == Button::No) return;
    BuildDefaultSet(false);
    Savedlg();
}

// ---- summary ----

void SetCommands::BuildSummary() {
    const BackupSetModel& m = z_.model;
    const QString browserFile =
        CompanionFileName(z_.busFile(), QStringLiteral(".brw"), z_.programFolder());
    const SummaryInputs inputs{
        .model = m,
        .settings = z_.settings,
        .browserFile = browserFile,
        .browserFileExists = Files().fileExists(browserFile),
        .zipParameters = z_.panels.text(2),
        .coreName = CoreName,
        .zipUtil = z_.view.ZipUtil,
        .namesFileExists = Files().fileExists(m.NamesFile),
        .autotypeCaption = AutotypeCaption(m.autotype),
        .sequenceIndex = z_.SequenceIndex,
        .countDueToday = z_.sequence().CountDueToday(),
        .logFileName = z_.settings.LogFileName,
    };
    SummaryPad = BuildSummaryLines(inputs);
    z_.SummaryStale = false;
}

void SetCommands::SummaryClick() {
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), false);
    BuildSummary();
    z_.view.OptionsTab = QStringLiteral("Summary");
    RefreshOptions();
    z_.showOptionsPanel(QStringLiteral("Summary"));
    z_.Timer.stop();
}

void SetCommands::ViewBackupOperation1Click() {
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), false);
    RefreshOptions();
    z_.showOptionsPanel(QStringLiteral("Backup Set"));
    z_.Timer.stop();
}

void SetCommands::ShowBus(bool displayBusFile) {
    DisplayBUSFile = displayBusFile;
    RefreshOptions();
    z_.view.NetsaveVisible = DisplayBUSFile;
    z_.showOptionsPanel(z_.view.OptionsVisible ? z_.view.OptionsTab : QStringLiteral("Summary"));
}

}  // namespace harbex
