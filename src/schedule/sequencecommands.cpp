// The commands of the Sequence List tab. Every one of them first stops all scheduled activity:
// the list changes under the sequencer's feet, so sequencing resumes only through "Start Now" or
// a restart of the program.

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "sets/setreaderwriter.h"
#include "util/datetimetext.h"
#include "util/utils.h"
#include "wizard/wizard.h"

namespace harbex {
namespace {

bool ValidRow(int r) {
    return r >= 1 && r <= 8;
}

void NothingSelected() {
    Prompts().message(QStringLiteral("Nothing selected"));
}

}  // namespace

bool SequenceList::rowFileExists(int r) const {
    return Files().fileExists(grid_[r][Name]);
}

void SequenceList::SListSelectCell(int column, int row) {
    if (!ValidRow(row)) return;
    if (column >= Name && column <= On) {
        SDeleteEnabled = true;
        SAddEnabled = true;
        ButtonTag = row;
        SEditCaption = QStringLiteral("Edit ") + QString::number(row);
        return;
    }
    if (column != ActiveCell) return;
    if (!rowFileExists(row)) {
        Prompts().message(QStringLiteral("Cannot make undefined backup set Active !!"));
        return;
    }
    QString& active = grid_[row][ActiveCell];
    active = active == u"YES" ? QStringLiteral("NO") : QStringLiteral("YES");
    GridToSequence();
}

void SequenceList::SDeleteClick() {
    SDeleteEnabled = false;
    SAddEnabled = false;
    z_.autoRuns().StopSheduledbackups1Click();
    if (!ValidRow(ButtonTag)) return;
    resetRow(ButtonTag);
    SortSequenceGrid();
    GridToSequence();
}

bool SequenceList::enableScheduling() {
    const Button answer = Prompts().question(
        QStringLiteral("The Selected Backup set does not have scheduling enabled.\r\nClick OK to "
                       "enable scheduing and add the backup set."),
        IconKind::Error, {Button::Ok, Button::Cancel, Button::Help}, 7);
    if (answer != Button::Ok) return false;
    // The set file changes only when the set is saved.
    z_.model.autotype = 1;
    return true;
}

void SequenceList::SReplaceClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    if (z_.model.autotype != 1) {
        if (!enableScheduling()) return;
        if (IsSetInSequence(false) || CheckSequenceSpacing(2, false)) {
            GridToSequence();
            return;
        }
    }
    if (!ValidRow(ButtonTag)) {
        NothingSelected();
        return;
    }
    if (IsSetInSequence(true) || CheckSequenceSpacing(2, true)) return;
    fillRow(ButtonTag, z_.busFile());
    SortSequenceGrid();
    GridToSequence();
}

void SequenceList::fillRow(int r, const QString& path) {
    const ScheduleRowTexts texts = RowTextsFor(z_.model, Now().today());
    grid_[r][Name] = path;
    grid_[r][Type] = texts.Type;
    grid_[r][At] = texts.At;
    grid_[r][On] = texts.On;
    // The user switches the row on by clicking its Active cell.
    grid_[r][ActiveCell] = QStringLiteral("NO");
}

void SequenceList::SAddClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    // Cancelling the dialog, or a file that cannot be read, adds nothing: the set that is still
    // current is not the one the user meant to add.
    const bool loaded = z_.setFile().LoadbackupsetClick(LoadSender::Command);
    SDeleteEnabled = false;
    SAddEnabled = false;
    if (loaded) SReplaceClick();
}

void SequenceList::SEditClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    if (!ValidRow(ButtonTag)) {
        NothingSelected();
        return;
    }
    if (!rowFileExists(ButtonTag)) return;
    z_.setBusFile(grid_[ButtonTag][Name]);
    if (!z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel)) return;
    if (z_.model.autotype != 1) {
        if (enableScheduling()) GridToSequence();
        return;
    }
    // The schedule page's Done checks the spacing, refreshes the rows and saves the set.
    z_.wizard().JumpToWizardClick(12);
}

void SequenceList::AutoSeqBtnClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    SortSequenceGrid();
    QTime t = Autostarttime;
    for (int r = 1; r <= 8; ++r) {
        if (!rowFileExists(r)) continue;
        z_.setBusFile(grid_[r][Name]);
        // A set that cannot be read keeps its row as it is and uses no time slot.
        if (!z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel)) continue;
        WaitSeconds(1);
        z_.model.autotype = 1;
        z_.model.ShedType = 0;
        // The time picker refuses a zero time: a slot at midnight runs a second later.
        z_.model.TimePicker = t == QTime(0, 0) ? QTime(0, 0, 1) : t;
        grid_[r][Type] = QStringLiteral("DAILY");
        grid_[r][At] = TimeText(z_.model.TimePicker);
        grid_[r][On] = QStringLiteral("N/A");
        grid_[r][ActiveCell] = QStringLiteral("YES");
        z_.setFile().WriteSetText();
        if (Files().fileExists(z_.busFile())) z_.saveSetText(z_.busFile());
        t = t.addSecs(z_.settings.AutoInterval * 60);
    }
    GridToSequence();
}

}  // namespace harbex
