// The end of the wizard: the prompt that decides what becomes of the edited set.

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "ui/wizardprompt.h"
#include "wizard/wizard.h"

namespace harbex {
namespace {

const QString kOverwrite = QStringLiteral(
    "This action will overwrite your existing Backup set.\r\nDo you want to continue..");

}  // namespace

void Wizard::WizardCancel() {
    CloseWizard();
    if (z_.SinglePageEdit) {
        z_.SinglePageEdit = false;
        ResetWizardButtons();
        return;
    }
    // No automatic run starts while the user decides what becomes of the set.
    z_.Timer.stop();
    z_.panels.set(4, QStringLiteral("READY"));
    z_.sets().RefreshOptions();
    endPrompt();
}

void Wizard::endPrompt() {
    int choice = TWizardPrompt::kDiscard;
    {
        TWizardPrompt prompt(z_.NewSetMode, &z_);
        CurrentPlatform().dialogs->execForm(prompt);
        choice = prompt.choice();
    }
    switch (choice) {
        case TWizardPrompt::kSave:
            if (!saveChoice()) return;
            break;
        case TWizardPrompt::kUpdate:
            if (!updateChoice()) return;
            break;
        case TWizardPrompt::kEditSequence:
            z_.showOptionsPanel(QStringLiteral("Sequence List"));
            z_.sets().RefreshOptions();
            z_.Timer.stop();
            break;
        default:
            discardChoice();
            break;
    }
    sequencingQuestion();
    z_.NewSetMode = false;
}

void Wizard::discardChoice() {
    if (z_.NewSetMode) {
        Prompts().message(QStringLiteral("Backup set abandoned, No Backup set is loaded"));
        return;
    }
    const QString path = z_.busFile();
    if (!Files().fileExists(path)) return;
    z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    Prompts().message(QStringLiteral("Saved copy of ") + FileNameOf(path) +
                      QStringLiteral(" restored"));
}

bool Wizard::composeAndSave(const QString& path) {
    z_.setFile().WriteSetText();
    return z_.saveSetText(path);
}

bool Wizard::saveChoice() {
    const QString current = z_.busFile();
    if (z_.NewSetMode) return composeAndSave(current);
    const auto chosen = CurrentPlatform().dialogs->saveFile(
        {QStringLiteral("Save Backup Set"),
         QStringLiteral("Keelwick Backup Set|*.bus|Text File|*.txt"), QStringLiteral("*.bus"),
         z_.programFolder(), QString()});
    if (!chosen) return true;
    // Set paths name the same file whatever their letter case, so a name that differs only in
    // case is the loaded set's own file and gets the overwrite question.
    if (chosen->compare(current, Qt::CaseInsensitive) != 0) {
        if (!composeAndSave(*chosen)) return false;
        if (Files().fileExists(current)) z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
        return true;
    }
    if (Prompts().question(kOverwrite, IconKind::Warning, {Button::Yes, Button::No, Button::Help},
                           7) != Button::Yes)
        return true;
    if (!composeAndSave(*chosen)) return false;
    z_.panels.set(4, QStringLiteral("BACKUPSET UPDATED AND SAVED"));
    return true;
}

bool Wizard::updateChoice() {
    const QString path = z_.busFile();
    if (Prompts().question(kOverwrite, IconKind::Warning, {Button::Yes, Button::No}, 7) ==
        Button::Yes) {
        if (!composeAndSave(path)) return false;
        z_.panels.set(4, QStringLiteral("BACKUPSET UPDATED, AND SAVED"));
        return true;
    }
    if (Files().fileExists(path)) z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    return true;
}

void Wizard::sequencingQuestion() {
    const int start = z_.model.autotype;
    if ((start != 0 && start != 2) || !z_.settings.SequencingMode) return;
    const Button answer = Prompts().question(
        QStringLiteral("Harbex is currently in Sequencing Mode. \rThis Backup-set has no "
                       "Scheduling option.\r\nDo you want to load and use this Backup-set when "
                       "Harbex starts?\rIf you select \"No\" Harbex continue to run in "
                       "Sequencing Mode"),
        IconKind::Warning, {Button::Yes, Button::No, Button::Help}, 9);
    if (answer == Button::Yes) z_.settings.SequencingMode = false;
}

}  // namespace harbex
