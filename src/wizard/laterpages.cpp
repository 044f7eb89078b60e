#include "wizard/laterpages.h"

#include "app/harbexzodi.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& LaterPages::wizard() {
    return z_.wizard();
}

// Pages whose single-page edit ends before anything is recorded.
void LaterPages::endOrMoveOn(int page, int nextPage) {
    Wizard& w = wizard();
    if (z_.SinglePageEdit) {
        w.closeWithoutPrompt();
        return;
    }
    w.pushHistory(page);
    w.ShowWizardPage(nextPage);
}

void LaterPages::Page12nextClick() {
    wizard().doneOrNext(kPage12, z_.model.autotype == 1 ? kPage13 : kPage14);
}

void LaterPages::page13nextClick() {
    endOrMoveOn(kPage13, kPage14);
}

}  // namespace harbex
