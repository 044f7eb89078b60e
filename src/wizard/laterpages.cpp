#include "wizard/laterpages.h"

#include <algorithm>

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& LaterPages::wizard() {
    return z_.wizard();
}

void LaterPages::Page9NextClick() {
    const BackupSetModel& m = z_.model;
    Wizard& w = wizard();
    w.pushHistory(kPage9);
    if (!m.Zipped)
        w.ShowWizardPage(kPage12);
    else if (m.Extensions == 1)
        w.ShowWizardPage(kPage11);  // picked files always go into one archive
    else
        w.ShowWizardPage(kPage10);
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

void LaterPages::Page10NextClick() {
    endOrMoveOn(kPage10, kPage11);
}

void LaterPages::Page11NextClick() {
    endOrMoveOn(kPage11, kPage12);
}

void LaterPages::Page16nextClick() {
    Wizard& w = wizard();
    if (z_.SinglePageEdit) {
        w.closeWithoutPrompt();
        return;
    }
    const auto& types = z_.model.FileTypes;
    if (std::none_of(types.begin(), types.end(), [](bool checked) { return checked; })) {
        Prompts().message(QStringLiteral("You must select at least one filetype"));
        w.ShowWizardPage(kPage16);
        return;
    }
    w.pushHistory(kPage16);
    w.ShowWizardPage(kPage17);
}

void LaterPages::Page17NextClick() {
    Wizard& w = wizard();
    if (w.Page17NextTag == 1) {
        w.Page17NextTag = 0;
        w.closeWithoutPrompt();
        return;
    }
    w.pushHistory(kPage17);
    w.ShowWizardPage(kPage6);
}

}  // namespace harbex
