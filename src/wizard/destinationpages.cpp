#include "wizard/destinationpages.h"

#include "app/harbexzodi.h"
#include "drives/dailyfolders.h"
#include "drives/drivecandidates.h"
#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "platform/platform.h"
#include "util/stringutils.h"
#include "wizard/foldertree.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& DestinationPages::wizard() {
    return z_.wizard();
}

void DestinationPages::Page6NextClick() {
    wizard().pushHistory(kPage6);
    wizard().ShowWizardPage(kPage7);
}

void DestinationPages::Page7NextClick() {
    const BackupSetModel& m = z_.model;
    Wizard& w = wizard();
    if (!m.UseDailyFolders && !m.UseSpecificFolders) {
        Prompts().message(QStringLiteral("You Must Select a Destination option"));
        w.ShowWizardPage(kPage7);
        return;
    }
    if (m.UseDailyFolders && std::none_of(m.Days.begin(), m.Days.end(), [](bool d) { return d; })) {
        Prompts().message(QStringLiteral("You Must Select at least One Day"));
        w.ShowWizardPage(kPage7);
        return;
    }
    w.pushHistory(kPage7);
    if (z_.SinglePageEdit) {
        // The filters shown on the Options panel follow the set; the daily folder list is made
        // again by the next check of the daily folders.
        z_.dailyFolders().Dailys.clear();
        w.closeWithoutPrompt();
        return;
    }
    w.ShowWizardPage(kPage15);
}

void DestinationPages::Page8NextClick() {
    Wizard& w = wizard();
    if (z_.model.DestList.isEmpty()) {
        w.askForAnEntry(
            QStringLiteral("You must Select at least one destination folder\r\nClick Ok to select "
                           "folders or Cancel to quit the wizard. "),
            45, kPage8);
        return;
    }
    w.doneOrNext(kPage8, kPage9);
}

void DestinationPages::Page15NextClick() {
    QString error;
    if (!Files().writeText(z_.NetworkListFile, NetworkListText(*z_.NetworkList), &error))
        Prompts().message(error);
    Wizard& w = wizard();
    if (z_.model.Drivelist.isEmpty() &&
        Prompts().question(QStringLiteral("You must select at least one Drive, or the backup will "
                                          "fail,\r\nclick Ok to select your drives. "),
                           IconKind::Warning, {Button::Ok, Button::Ignore, Button::Help},
                           44) == Button::Ok) {
        w.ShowWizardPage(kPage15);
        return;
    }
    w.pushHistory(kPage15);
    if (z_.SinglePageEdit) {
        z_.driveLists().refillMirrors();
        w.closeWithoutPrompt();
        return;
    }
    w.ShowWizardPage(z_.model.UseSpecificFolders ? kPage8 : kPage9);
}

void DestinationPages::FinddrivesbtnClick() {
    z_.discovery().FindDrives();
    wizard().showActivePageAgain();
}

// ---- the destination tree of page 8 ----

void DestinationPages::FillDestinationDrives() {
    z_.driveLists().FillDestinationDrives();
    DestFolderDriveChange();
}

void DestinationPages::DestFolderDriveChange() {
    const QString text = z_.driveLists().AvalibleDrives.text;
    const QString root = text.isEmpty() ? QStringLiteral("C:") : text;
    if (!DestFolders) return;
    DestFolders->showRoot(root);
    wizard().CurrentTreeFolder = FolderTree::nodePath(DestFolders->topLevelItem(0));
}

void DestinationPages::DestFoldersExpanding(QTreeWidgetItem* node) {
    if (DestFolders && node) DestFolders->expanding(node);
}

void DestinationPages::DestFoldersClick() {
    if (!DestFolders || !DestFolders->currentItem()) return;
    const QString path = DestFolders->selectedPath();
    Wizard& w = wizard();
    if (path == w.CurrentTreeFolder) return;
    w.CurrentTreeFolder = path;
    addCurrentFolder();
}

void DestinationPages::addCurrentFolder() {
    const QString entry = RemoveBackslash(wizard().CurrentTreeFolder);
    if (z_.model.DestList.contains(entry, Qt::CaseInsensitive)) return;
    z_.model.DestList << entry;
}

void DestinationPages::DeletedestbtnClick() {
    QStringList& folders = z_.model.DestList;
    if (DestListIndex < 0 || DestListIndex >= folders.size()) {
        Prompts().message(QStringLiteral("Nothing selected"));
    } else {
        folders.removeAt(DestListIndex);
        DestListIndex = -1;
    }
    wizard().showActivePageAgain();
}

void DestinationPages::cleardestbtnClick() {
    z_.model.DestList.clear();
    DestListIndex = -1;
}

void DestinationPages::CreateFolderBtnClick() {
    const QString path = AddBackslash(wizard().CurrentTreeFolder) + QStringLiteral("newfolder");
    // Made only when nothing of that name is there: an existing folder is never taken over.
    if (Files().exists(path) || !Files().createFolder(path)) {
        Prompts().message(QStringLiteral("Invalid Filename ") + path);
        wizard().showActivePageAgain();
        return;
    }
    addCurrentFolder();
}

}  // namespace harbex
