#include "wizard/schedulepages.h"

#include "app/harbexzodi.h"
#include "schedule/sequencelist.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& SchedulePages::wizard() {
    return z_.wizard();
}

void SchedulePages::Page12nextClick() {
    Wizard& w = wizard();
    w.pushHistory(kPage12);
    if (z_.SinglePageEdit) {
        // The start-up type is saved at once; a file that cannot be written keeps the page open
        // after the error, so the user can try again or cancel.
        if (!w.composeAndSave(z_.busFile())) return;
        w.closeWithoutPrompt();
        return;
    }
    w.ShowWizardPage(z_.model.autotype == 1 ? kPage13 : kPage14);
}

void SchedulePages::page13nextClick() {
    Wizard& w = wizard();
    if (!z_.SinglePageEdit) {
        w.pushHistory(kPage13);
        w.ShowWizardPage(kPage14);
        return;
    }
    w.closeWithoutPrompt();
    SequenceList& list = z_.sequence();
    // Only a set in the sequence list has to keep its distance from the others: a set that is
    // not listed never runs in a sequence, and the empty rows' 23:59:59 must not refuse it.
    // A refused time stays in the loaded set; neither its file nor the list changes.
    if (list.IsSetInSequence(false) && list.CheckSequenceSpacing(2, true)) return;
    list.RefreshSequenceRows();
    list.SortSequenceGrid();
    list.GridToSequence();
    w.composeAndSave(z_.busFile());
}

}  // namespace harbex
