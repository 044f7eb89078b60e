#include "wizard/sourcepages.h"

#include "app/harbexzodi.h"
#include "browser/filebrowser.h"
#include "platform/platform.h"
#include "sets/setcommands.h"
#include "sets/setsummary.h"
#include "util/errors.h"
#include "util/stringutils.h"
#include "util/utils.h"
#include "wizard/foldertree.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard& SourcePages::wizard() {
    return z_.wizard();
}

// ---- page flow ----

void SourcePages::Page1nextClick() {
    BackupSetModel& m = z_.model;
    Wizard& w = wizard();
    switch (m.What) {
        case 0:
            Prompts().message(QStringLiteral(
                "If you want to backup entire drives Harbex is not your best choice"));
            w.CloseWizard();
            return;
        case 1:
            Line1 = QStringLiteral(
                "Harbex has set a global filter so that all the files in your specified Folder "
                "will be selected");
            Line2.clear();
            Line3 = QStringLiteral("Click Next to Specify your Folder");
            m.Extensions = 0;
            z_.view.CommactivelabVisible = false;
            setUsebrowser(false);
            m.FilterList = QStringList{QStringLiteral("*.*")};
            setAllFiles(true);
            w.PageHistoryCount = 0;
            w.pushHistory(kPage1);
            w.ShowWizardPage(kPage3);
            return;
        case 2:
            w.PageHistoryCount = 0;
            w.pushHistory(kPage1);
            w.ShowWizardPage(kPage2);
            return;
        default:
            Prompts().message(
                QStringLiteral("Please read the Help file for advice on how to\ruse Harbex to "
                               "protect your important files"));
            w.CloseWizard();
            return;
    }
}

void SourcePages::folderAndFilterLines() {
    Line1 = QStringLiteral(
        "Click Next to choose the folder/s that contain the files you want to backup");
    Line2 =
        QStringLiteral("Then  click Next to use the Filter Editor to set your required filters");
    Line3 = QStringLiteral("Click Next to Confirm");
}

void SourcePages::Page2nextClick() {
    BackupSetModel& m = z_.model;
    WindowState& v = z_.view;
    switch (m.Extensions) {
        case 0:
            folderAndFilterLines();
            AddFilterEnabled = true;
            DelFilEnabled = true;
            NewFilterVisible = true;
            setUsebrowser(false);
            v.CommactivelabVisible = false;
            break;
        case 1:
            Line1 = QStringLiteral(
                "You can Select the files you want to backup using the file browser");
            Line2.clear();
            Line3 = QStringLiteral("Click Next to Start");
            setUsebrowser(true);
            m.FilterList.clear();
            m.DirSource.clear();
            z_.UserFolderCount = 0;
            v.CommactivelabVisible = false;
            break;
        case 2:
            Line1 =
                QStringLiteral("Click Next to choose the Types of file that you want to backup");
            Line2.clear();
            Line3 = QStringLiteral("Click Next to Continue");
            m.DirSource.clear();
            z_.UserFolderCount = 0;
            setUsebrowser(false);
            // Switching the browser off chooses folders and filters; the answer here stands.
            m.Extensions = 2;
            setRecurse(false);
            m.FilterList.clear();
            v.CommactivelabVisible = true;
            break;
        default:
            Line1 = QStringLiteral("Please read the Help file for advice on file backups");
            Line2 = QStringLiteral("Use the following editor to choose your files and folders");
            Line3 = QStringLiteral("Click Next to Confirm");
            break;
    }
    wizard().pushHistory(kPage2);
    wizard().ShowWizardPage(kPage3);
}

void SourcePages::Page3NextClick() {
    const BackupSetModel& m = z_.model;
    Wizard& w = wizard();
    if (m.What == 1 || m.Extensions == 0) {
        w.pushHistory(kPage3);
        w.ShowWizardPage(kPage4);
    } else if (m.Extensions == 1) {
        FileBrowserBtnClick();
        if (BrowserCancelled) {
            w.WizardCancel();
            return;
        }
        w.pushHistory(kPage3);
        if (z_.BrowserFilesChosen) {
            z_.model.ZipFiles = 0;
            w.ShowWizardPage(kPage6);
        } else {
            folderAndFilterLines();
            w.ShowWizardPage(kPage4);
        }
    } else if (m.Extensions == 2) {
        w.pushHistory(kPage3);
        w.ShowWizardPage(kPage16);
    } else {
        w.pushHistory(kPage3);
        Prompts().message(
            QStringLiteral("Please read the help files so that you can decide\ron the best backup "
                           "policy for your files"));
        w.ShowWizardPage(kPage3);
    }
    z_.summary().BuildSummary();
}

void SourcePages::Page4NextClick() {
    Wizard& w = wizard();
    if (z_.model.DirSource.isEmpty()) {
        w.askForAnEntry(
            QStringLiteral("You must Select at least one source folder\r\nClick Ok to select "
                           "folders or Cancel to quit the wizard. "),
            40, kPage4);
        return;
    }
    const bool extensionsFit = z_.model.What == 1 || z_.model.Extensions == 0;
    w.doneOrNext(kPage4, z_.model.What == 1 ? kPage6 : extensionsFit ? kPage5 : kPage4);
    if (w.visible() && !extensionsFit) {
        Prompts().message(QStringLiteral("Wizard error. Please Cancel and Re-start the Wizard"));
        w.ShowWizardPage(kPage4);
    }
    z_.summary().BuildSummary();
}

void SourcePages::Page5NextClick() {
    Wizard& w = wizard();
    if (z_.model.FilterList.isEmpty()) {
        w.askForAnEntry(
            QStringLiteral("You must Select at least one filter\r\nClick Ok to select filters or "
                           "Cancel to quit the wizard. "),
            41, kPage5);
        return;
    }
    w.doneOrNext(kPage5, kPage6);
    z_.summary().BuildSummary();
}

// ---- the folder tree and list of page 4 ----

void SourcePages::SourceFolderDriveChange() {
    const QString drive =
        sourcedrives.isEmpty() ? QStringLiteral("C:") : sourcedrives.left(1) + u':';
    bool ready = false;
    try {
        ready = DriveIsReady(drive[0]);
    } catch (const HarbexError&) {
        ready = false;
    }
    if (!ready) {
        Prompts().message(QStringLiteral("No Disk in: ") + drive);
        return;
    }
    if (!Folders) return;
    Folders->showRoot(drive);
    wizard().CurrentTreeFolder = FolderTree::nodePath(Folders->topLevelItem(0));
}

void SourcePages::FoldersExpanding(QTreeWidgetItem* node) {
    if (Folders && node) Folders->expanding(node);
}

void SourcePages::FoldersClick() {
    if (!Folders || !Folders->currentItem()) return;
    const QString path = Folders->selectedPath();
    Wizard& w = wizard();
    if (path == w.CurrentTreeFolder) return;
    w.CurrentTreeFolder = path;
    z_.model.DirSource << RemoveBackslash(path);
    z_.UserFolderCount = static_cast<int>(z_.model.DirSource.size());
}

void SourcePages::DeleteFolderClick() {
    QStringList& folders = z_.model.DirSource;
    if (DirSourceIndex < 0 || DirSourceIndex >= folders.size()) {
        Prompts().message(QStringLiteral("Nothing selected"));
    } else {
        folders.removeAt(DirSourceIndex);
        DirSourceIndex = -1;
    }
    z_.UserFolderCount = static_cast<int>(folders.size());
    wizard().showActivePageAgain();
}

void SourcePages::DeleteAllClick() {
    z_.model.DirSource.clear();
    DirSourceIndex = -1;
    z_.UserFolderCount = 0;
}

void SourcePages::setRecurse(bool checked) {
    if (z_.model.Recurse == checked) return;
    z_.model.Recurse = checked;
    if (recurseAttached_) RecurseClick();
}

void SourcePages::RecurseClick() {
    BackupSetModel& m = z_.model;
    if (!m.Recurse || !m.Zipped || !m.RecurseZip) return;
    const Button answer = Prompts().question(
        QStringLiteral(
            "YOU ARE EDITING AN EXISTING BACK-UP SET\r\nCompressed archives are selelected in "
            "this back-up set.\r\nThe option to provide automatic inclusion of files in sub "
            "folders is also \r\nselected, \r\nYou cannot use both of these options.\r\n\r\n"
            "Click \"Yes\" To select files from sub folders prior to compression\r\n(This "
            "option is recomended if you intend to use uncompressed archives)\r\n\r\nClick "
            "\"No\" to allow the Compression engine to search sub folders \r\n(This is "
            "recomended if you intend to Compress your archives)"),
        IconKind::Warning, {Button::Yes, Button::No, Button::Help}, 6);
    if (answer == Button::Yes) {
        m.RecurseZip = false;
        return;
    }
    // Unchecking here must not ask the question again.
    recurseAttached_ = false;
    setRecurse(false);
    recurseAttached_ = true;
}

// ---- the filters of page 5 ----

void SourcePages::AddFilterClick() {
    NewFilter.clear();
    NewFilterVisible = true;
    NewFilterFocus = true;
}

void SourcePages::NewFilterExit() {
    if (!NewFilter.isEmpty())
        z_.model.FilterList << (NewFilter.contains(u'.') ? NewFilter
                                                         : QStringLiteral("*.") + NewFilter);
    NewFilter.clear();
}

void SourcePages::NewFilterKeyPress(QChar key) {
    if (key == QChar(13)) NewFilterExit();
}

void SourcePages::DelFilClick() {
    QStringList& filters = z_.model.FilterList;
    if (FilterListIndex < 0 || FilterListIndex >= filters.size()) return;
    filters.removeAt(FilterListIndex);
    FilterListIndex = -1;
}

void SourcePages::setAllFiles(bool checked) {
    if (z_.view.AllFiles == checked) return;
    z_.view.AllFiles = checked;
    AllFilesClick();
}

void SourcePages::AllFilesClick() {
    QStringList& filters = z_.model.FilterList;
    filters.clear();
    FilterListIndex = -1;
    const bool all = z_.view.AllFiles;
    NewFilter = all ? QStringLiteral("All Files") : QString();
    AddFilterEnabled = !all;
    DelFilEnabled = !all;
    if (all) filters << QStringLiteral("*.*");
}

void SourcePages::ValidFiltersbtnClick() {
    Prompts().message(
        QStringLiteral("Please see the help files for more information on File Name filtering"));
    wizard().showActivePageAgain();
}

// ---- browser mode and the browse step ----

void SourcePages::setUsebrowser(bool checked) {
    if (z_.view.usebrowser == checked) return;
    z_.view.usebrowser = checked;
    usebrowserClick();
}

void SourcePages::usebrowserClick() {
    BackupSetModel& m = z_.model;
    WindowState& v = z_.view;
    const bool browser = v.usebrowser;
    if (browser) {
        m.Extensions = 1;
    } else {
        m.Extensions = 0;
        if (m.ZipFiles == 0) m.FixedOption = 3;
    }
    v.ZipFilesEnabled = !browser;
    v.FixedOptionVisible = !browser;
    z_.commands.setEnabled(QStringLiteral("Collect"), !browser);
    z_.commands.setEnabled(QStringLiteral("CollectFiles"), !browser);
    v.ChooseSourceEnabled = !browser;
    v.ChooseFiltersEnabled = !browser;
}

void SourcePages::FileBrowserBtnClick() {
    // The same browse step as the toolbar's; the wizard then shows its page again.
    z_.fileBrowser().FileBrowserBtnClick();
    BrowserCancelled = z_.BrowserCancelled;
    wizard().showActivePageAgain();
}

}  // namespace harbex
