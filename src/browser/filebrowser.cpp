#include "browser/filebrowser.h"

#include "app/harbexzodi.h"
#include "browser/browserform.h"
#include "browser/browserlist.h"
#include "platform/platform.h"
#include "sets/setcommands.h"

namespace harbex {

BrowseOutcome ShowFileBrowser(const QString& browserListFile, QWidget* parent) {
    TBrowser browser(parent);
    const BrowserListRead list = ReadBrowserList(browserListFile);
    if (list.exists && !list.ok)
        Prompts().message(list.error);
    else
        for (const QString& file : list.files) browser.addListedFile(file);
    // The user carries on where the picking stopped: the folder of the last picked file.
    for (qsizetype i = list.files.size() - 1; i >= 0; --i)
        if (Files().fileExists(list.files[i]) && browser.openFolder(FolderOf(list.files[i]))) break;
    CurrentPlatform().dialogs->execForm(browser);
    return {browser.result() == QDialog::Accepted, browser.pickedFiles()};
}

void FileBrowser::FileBrowserBtnClick() {
    if (!offerBrowserMode()) return;
    z_.BrowserFilesChosen = false;
    const BrowseOutcome outcome = ShowFileBrowser(listFile(), &z_);
    if (!outcome.accepted) {
        z_.BrowserCancelled = true;
        return;
    }
    if (!takePicks(outcome.files)) {
        // The repeated step's outcome is this step's outcome.
        FileBrowserBtnClick();
        return;
    }
    z_.BrowserCancelled = false;
}

bool FileBrowser::offerBrowserMode() {
    if (z_.model.Extensions == 1) return true;
    const Button answer = Prompts().question(
        QStringLiteral(
            "The current Backup Set does not include the option to backup files \r\nselected with "
            "the Browser, \r\nClick Yes to set Browser active in the BUS File, Folder and Filter "
            "options \r\nwill be ignored.\r\nClick No and HARBEX will ignore any files you "
            "select, \r\nhowever the Browser list will be associated with the current BUS you "
            "\r\ncan change it later\r\nClick Cancel to return to HARBEX's Main window"),
        IconKind::Warning, {Button::Yes, Button::No, Button::Cancel}, 17);
    if (answer == Button::Cancel) return false;
    if (answer == Button::Yes) {
        z_.model.What = 2;
        z_.model.Extensions = 1;
        z_.sets().RefreshOptions();
    }
    return true;
}

bool FileBrowser::takePicks(const QStringList& files) {
    if (files.isEmpty()) {
        const Button answer = Prompts().question(
            QStringLiteral("No files have been selected, Harbex will perform a Backup based \r\non "
                           "Filter and Folder settings, Do you want to accept this or restart the "
                           "\r\nbrowser."),
            IconKind::Warning, {Button::Yes, Button::Retry, Button::Help}, 32);
        if (answer == Button::Retry) return false;
        z_.BrowserFilesChosen = false;
        z_.model.Extensions = 0;
        z_.BackupSet.clear();
        saveList({});
        return true;
    }
    z_.BrowserFilesChosen = true;
    z_.BackupSet = files;
    saveList(files);
    return true;
}

void FileBrowser::saveList(const QStringList& files) {
    QString error;
    if (!WriteBrowserList(listFile(), files, &error)) Prompts().message(error);
}

QString FileBrowser::listFile() const {
    return CompanionFileName(z_.busFile(), QStringLiteral(".brw"), z_.programFolder());
}

}  // namespace harbex
