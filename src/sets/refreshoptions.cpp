// RefreshOptions: the one place where the set's rules are applied to the window and the status
// bar. It ends by filling the Options panel from the model.

#include "app/harbexzodi.h"
#include "engine/engines.h"
#include "platform/platform.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/setfile.h"
#include "sets/setsummary.h"
#include "util/datetimetext.h"
#include "util/weekdays.h"

namespace harbex {

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

// The core name itself follows the set (CoreName); the refresh sets what the box looks like.
void SetCommands::applyNaming() {
    WindowState& v = z_.view;
    if (z_.model.Nametype == 0) {
        v.Snam = QStringLiteral("Using");
        v.ZipNameEnabled = false;
    } else if (z_.model.Nametype == 1) {
        v.Snam = QStringLiteral("Specific name");
        v.ZipNameEnabled = true;
    }
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
    z_.summary().BuildSummary();
    z_.refreshOptionsPanel();
}

}  // namespace harbex
