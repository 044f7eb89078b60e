#include "sets/setcommands.h"

#include <QLineEdit>

#include "app/harbexzodi.h"
#include "engine/archivenames.h"
#include "engine/engines.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/setreaderwriter.h"
#include "ui/newsetform.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

const QString kUpdatedAndSaved = QStringLiteral("BACKUPSET UPDATED AND SAVED");

// A set name is a file name: it needs a visible name and none of the characters a file name
// cannot hold.
bool IsUsableSetName(const QString& name) {
    if (name.trimmed().isEmpty()) return false;
    for (const QChar c : name)
        if (c.unicode() < 32 || QStringLiteral(":*?\"<>|").contains(c)) return false;
    return true;
}

}  // namespace

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
    // The core name box shows the set's name from now on: "Keelwick" cut to six characters.
    m.ZipCoreName = QStringLiteral("Keelwick").left(6);
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
    m.MounthPicker = 0;
    z_.autoRuns().ShedTypeClick();
    s.PromptMissed = 1;
    s.EnabLog = false;
    s.LogOptions = 1;
    s.ViewOptions = 1;
    // The folder list was emptied: whatever the user adds now is the set's own.
    z_.UserFolderCount = 0;
    if (withDefaultPath) z_.setBusFile(z_.programFolder() + QStringLiteral("default.bus"));
    z_.refreshOptionsPanel();
    Prompts().message(QStringLiteral("A Default Backup set has been built"));
}

QString SetCommands::CoreName() const {
    return CoreNameOf(z_.model, z_.panels.text(0));
}

// ---- saving ----

void SetCommands::SavebackupSet2Click() {
    SetReaderWriter& file = z_.setFile();
    file.WriteSetText();
    const QString path = z_.busFile();
    if (Files().fileExists(path)) {
        if (!file.mayReplace(path) || !z_.saveSetText(path)) return;
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
    z_.setFile().WriteSetText();
    const auto chosen = CurrentPlatform().dialogs->saveFile(
        {QStringLiteral("Save Backup Set"),
         QStringLiteral("Keelwick Backup Set|*.bus|Text File|*.txt"), QStringLiteral("*.bus"),
         z_.programFolder(), QStringLiteral("default")});
    if (!chosen) return;
    if (!z_.saveSetText(*chosen)) return;
    z_.setBusFile(*chosen);
    z_.panels.set(4, kUpdatedAndSaved);
    z_.SaveSettings();
}

bool SetCommands::saveCurrentSetIfItExists() {
    SetReaderWriter& file = z_.setFile();
    file.WriteSetText();
    const QString path = z_.busFile();
    // A file that could not be read is kept unless the user says otherwise; the command goes on.
    return !Files().fileExists(path) || !file.mayReplace(path) || z_.saveSetText(path);
}

void SetCommands::SaveSetOnExit() {
    const QString path = z_.busFile();
    if (Files().fileExists(path)) {
        if (z_.setFile().mayReplace(path)) z_.saveSetText(path);
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

void SetCommands::SaveBackupsetClick() {
    Savedlg();
}

void SetCommands::UseSpecificFoldersExecute() {
    z_.model.UseSpecificFolders = !z_.model.UseSpecificFolders;
}

void SetCommands::ReCheckExecute() {
    z_.model.ReCheck = !z_.model.ReCheck;
}

// ---- new sets ----

void SetCommands::CreateBackupSetClick() {
    if (!saveCurrentSetIfItExists()) return;
    BuildDefaultSet(false);
    z_.NewSetMode = true;
    const std::optional<QString> path = AskNewSetName();
    if (path) {
        z_.setBusFile(*path);
        z_.NewSetMode = false;
        z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
        z_.showOptionsPanel(QStringLiteral("Misc"));
        z_.Timer.stop();
        return;
    }
    if (Files().fileExists(z_.busFile())) z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
}

std::optional<QString> SetCommands::AskNewSetName() {
    for (;;) {
        TNewSetForm form(z_.NewSetAnswer, z_.busFile(), &z_);
        CurrentPlatform().dialogs->execForm(form);
        z_.NewSetAnswer = form.answer();
        if (z_.NewSetAnswer == 1) return std::nullopt;
        const QString name = BareFileName(form.NewName->text());
        const QString path = z_.programFolder() + name + QStringLiteral(".bus");
        // Another set's file is never taken over by a new set; the loaded set's own is, when
        // the user asks to replace it.
        const bool namesake =
            Files().exists(path) && path.compare(z_.busFile(), Qt::CaseInsensitive) != 0;
        if (IsUsableSetName(name) && !namesake) return path;
        Prompts().message(QStringLiteral("Invalid Filename ") + path);
    }
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

}  // namespace harbex
