#include "wizard/compressionpages.h"

#include "app/harbexzodi.h"
#include "engine/archivenames.h"
#include "engine/archivenaming.h"
#include "platform/platform.h"
#include "sets/setsummary.h"
#include "util/stringutils.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& CompressionPages::wizard() {
    return z_.wizard();
}

void CompressionPages::Page9NextClick() {
    BackupSetModel& m = z_.model;
    Wizard& w = wizard();
    w.pushHistory(kPage9);
    if (!m.Zipped) {
        w.ShowWizardPage(kPage12);
        return;
    }
    if (m.Extensions != 1) {
        w.ShowWizardPage(kPage10);
        return;
    }
    // Files picked one by one all go into one archive: there is no grouping to choose, only the
    // basis of its name. Sub-folders mean nothing for a list of single files; the option is
    // switched off as it stands, without its question.
    m.RecurseZip = false;
    m.ZipFiles = 0;
    z_.view.FixedOptionVisible = false;
    P11Text1 = QStringLiteral("A single compressed file will be created");
    P11text3 = QStringLiteral("Base the Filename on :-");
    // The line introduces the only question left on the page, so it shows even when an earlier
    // pass through page 10 hid it.
    P11text3Visible = true;
    P11text4Visible = false;
    w.ShowWizardPage(kPage11);
}

void CompressionPages::Page10NextClick() {
    Wizard& w = wizard();
    if (z_.SinglePageEdit) {
        w.closeWithoutPrompt();
        return;
    }
    z_.view.FixedOptionVisible = true;
    P11text3Visible = true;
    P11text4Visible = true;
    switch (z_.model.ZipFiles) {
        case 0:
            // One archive for everything has one name: there is no scheme to choose.
            z_.view.FixedOptionVisible = false;
            z_.model.FixedOption = 3;
            P11text3Visible = false;
            P11text4Visible = false;
            break;
        case 1:
            FixedOptionFirst = QStringLiteral("Files will be named using the source folder names");
            break;
        case 2:
            FixedOptionFirst = QStringLiteral("Files will be named using the source filters");
            break;
        default:
            FixedOptionFirst =
                QStringLiteral("Files will be named using the source filters and Folders");
            break;
    }
    P11Text1 = QStringLiteral(
        "You can choose to name the compressed archives using one of the schemes "
        "below");
    P11text3 = QStringLiteral(
        "If you are not using predefined names you can choose one of the "
        "following as a basis for ");
    w.pushHistory(kPage10);
    w.ShowWizardPage(kPage11);
}

void CompressionPages::Page11NextClick() {
    BackupSetModel& m = z_.model;
    bool closing = false;
    if (m.FixedOption == 2 && m.Extensions == 0)
        closing = !checkNames();
    else
        m.NamesFile.clear();
    Wizard& w = wizard();
    if (closing || z_.SinglePageEdit) {
        w.closeWithoutPrompt();
        return;
    }
    w.pushHistory(kPage11);
    w.ShowWizardPage(kPage12);
}

void CompressionPages::FixedOptionClick(int index) {
    z_.model.FixedOption = index;
    z_.summary().BuildSummary();
}

// ---- the names check of page 11 ----

bool CompressionPages::checkNames() {
    ArchiveNamesList& names = z_.archiveNames();
    names.PointDialogsAtProgramFolder();
    names.SBar[1] = CompanionFileName(z_.busFile(), QStringLiteral(".lst"), z_.programFolder());
    switch (z_.naming().CheckNamedArchives(z_.model.ZipFiles)) {
        case 0:
            namesProblem();
            return false;
        case 1:
            return nameArchivesNow(RemoveBackslash(z_.settings.ZipTemp));
        default:
            return confirmSavedList();
    }
}

void CompressionPages::namesProblem() {
    Prompts().message(
        QStringLiteral("There is a problem with your selected files please restart the wizard"));
    wizard().showActivePageAgain();
}

bool CompressionPages::nameArchivesNow(const QString& temp) {
    // The user stopped the proposal at a repeated initial letter: the names cannot be made.
    if (z_.naming().NameBySource(z_.model.ZipFiles, temp) < 0) {
        namesProblem();
        return false;
    }
    ArchiveNamesList& names = z_.archiveNames();
    names.ListChanged = true;
    names.ListSaved = false;
    const bool accepted = names.ShowNamesWindow();
    wizard().showActivePageAgain();
    return !accepted || acceptNames();
}

bool CompressionPages::confirmSavedList() {
    const Button answer = Prompts().question(
        QStringLiteral("A valid list of archive names exists.\r\nClick Yes to Check or Edit this "
                       "list\r\nClick Ok to use the saved list of names"),
        IconKind::Information, {Button::Yes, Button::Ok, Button::Help}, 21);
    if (answer == Button::Yes) {
        const bool accepted = z_.archiveNames().ShowNamesWindow();
        wizard().showActivePageAgain();
        // Left with Cancel, the list stays as it was: it was valid before.
        return !accepted || acceptNames();
    }
    if (z_.model.NamesFile.isEmpty()) {
        Prompts().message(QStringLiteral("You have not saved the archive names list"));
        wizard().showActivePageAgain();
    }
    return true;
}

bool CompressionPages::acceptNames() {
    if (z_.naming().CheckNamedArchives(z_.model.ZipFiles) != 2) {
        namesProblem();
        return false;
    }
    // The set names its list file only when the list is really there: a set pointing at a file
    // never written would lose the names at its next loading.
    z_.model.NamesFile = z_.archiveNames().SavedListFile();
    if (z_.model.NamesFile.isEmpty()) {
        Prompts().message(
            QStringLiteral("You have not saved the Archive names list\rPlease run the Archive "
                           "editor and save the list"));
        wizard().showActivePageAgain();
    }
    return true;
}

}  // namespace harbex
