#include "commonfiles/commonfiles.h"

#include <QElapsedTimer>
#include <algorithm>

#include "app/harbexzodi.h"
#include "commonfiles/filetypegroups.h"
#include "commonfiles/searchroots.h"
#include "platform/platform.h"
#include "sets/setcommands.h"
#include "ui/searcherrorform.h"
#include "util/listfile.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {
namespace {

QString FilesText(qsizetype count) {
    return QStringLiteral("Files ") + QString::number(count);
}

// Rows from the last to the first, each once, so that removing one leaves the others in place.
QList<int> LastToFirst(QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

CommonFiles::CommonFiles(THarbexZoDi& z) : z_(z) {
    const auto& groups = FileTypeGroups();
    for (size_t g = 0; g < groups.size(); ++g)
        z_.view.FileTypeCaptions[g] = QString::fromLatin1(groups[g].formCaption);
    z_.view.FFound = FilesText(0);
}

void CommonFiles::SetFileTypeCaptions() {
    const auto& groups = FileTypeGroups();
    for (size_t g = 0; g < groups.size(); ++g)
        z_.view.FileTypeCaptions[g] = FileTypeCaption(groups[g]);
    emit changed();
}

void CommonFiles::showPage(int page) {
    if (showWizardPage) showWizardPage(page);
}

// ---- page 16 ----

void CommonFiles::ClearbtnClick() {
    z_.model.FileTypes.fill(false);
    emit changed();
}

PageStep CommonFiles::Page16nextClick() {
    if (z_.SinglePageEdit) {
        z_.SinglePageEdit = false;
        return PageStep::CloseWizard;
    }
    if (std::ranges::find(z_.model.FileTypes, true) != z_.model.FileTypes.end())
        return PageStep::ShowPage17;
    Prompts().message(QStringLiteral("You must select at least one filetype"));
    return PageStep::ShowPage16;
}

// ---- page 17: roots ----

void CommonFiles::GetFolder(const QStringList& selectedFolders) {
    if (searching_) return;
    for (qsizetype i = selectedFolders.size() - 1; i >= 0; --i) {
        const RootCheck check = AddRootFolder(z_.model.RootList, selectedFolders[i]);
        if (check != RootCheck::Added) showPage(17);
        if (check == RootCheck::ParentOfRoot) break;
    }
    emit changed();
}

void CommonFiles::DeleteBtnClick(const QList<int>& selectedRoots) {
    if (searching_) return;
    for (int row : LastToFirst(selectedRoots))
        if (row >= 0 && row < z_.model.RootList.size()) z_.model.RootList.removeAt(row);
    emit changed();
}

// ---- page 17: the search ----

QString CommonFiles::progressText() const {
    if (!searched_) return QString();
    return QStringLiteral("Folders searched %1, files found %2")
        .arg(tally_.folders)
        .arg(tally_.files);
}

void CommonFiles::AbortSearch() {
    if (searching_) abort_ = true;
}

void CommonFiles::setFound(const QStringList& files) {
    z_.view.CListBox1 = files;
    z_.view.FFound = FilesText(files.size());
}

void CommonFiles::runSearch(QStringList& results, QStringList& errors, bool* completed) {
    // A close of the window meanwhile stops the search at its next entry.
    THarbexZoDi::RunScope scope(z_);
    searching_ = true;
    searched_ = true;
    abort_ = false;
    tally_ = {};
    emit changed();
    // Window messages are handled before every folder, and between entries often enough for
    // the window to answer at once, but not at every one of hundreds of thousands of files.
    QElapsedTimer sinceMessages;
    QElapsedTimer sinceProgress;
    qint64 foldersSeen = -1;
    const auto keepAlive = [&] {
        const bool newFolder = tally_.folders != foldersSeen;
        foldersSeen = tally_.folders;
        if (newFolder || !sinceMessages.isValid() || sinceMessages.elapsed() >= 10) {
            sinceMessages.start();
            z_.handleMessages();
        }
        if (!sinceProgress.isValid() || sinceProgress.elapsed() >= 100) {
            sinceProgress.start();
            emit changed();
            z_.panels.repaint();
        }
        return !abort_ && !z_.StopRequested;
    };
    // The roots and groups may be edited while messages are handled; the search keeps to those
    // it started with.
    const QStringList roots = z_.model.RootList;
    *completed = SearchCommonFiles(roots, CheckedExtensions(z_.model.FileTypes), results, errors,
                                   keepAlive, &tally_);
    searching_ = false;
    abort_ = false;
}

void CommonFiles::SearchBtnClick() {
    if (searching_) return;
    if (z_.model.RootList.isEmpty()) {
        Prompts().message(QStringLiteral("Cannot search no folders are selected"));
        showPage(17);
        return;
    }
    z_.panels.set(4, QStringLiteral("SEARCHING: PLEASE WAIT"));
    z_.panels.repaint();
    const QStringList earlier = z_.view.CListBox1;
    const QString earlierCount = z_.view.FFound;
    setFound({});
    QStringList results;
    QStringList errors;
    bool completed = false;
    runSearch(results, errors, &completed);
    if (!completed) {
        // Nothing of a search cut short is kept: the list and its file stay as they were.
        z_.view.CListBox1 = earlier;
        z_.view.FFound = earlierCount;
        z_.panels.set(4, QStringLiteral("SEARCH ABORTED"));
        z_.panels.repaint();
        emit changed();
        return;
    }
    setFound(results);
    z_.panels.set(4, QStringLiteral("SEARCH COMPLETED"));
    z_.panels.repaint();
    emit changed();
    if (results.isEmpty()) {
        Prompts().message(QStringLiteral("No files found"));
        showPage(17);
    }
    if (!errors.isEmpty() && z_.settings.SearchErrors) {
        reviewErrors(errors);
        return;
    }
    saveFoundList();
}

void CommonFiles::reviewErrors(const QStringList& errors) {
    const Button answer = Prompts().question(
        QStringLiteral("Errors were encounted during the Search, do you want to review"),
        IconKind::Error, {Button::Yes, Button::No}, 223);
    if (answer == Button::Yes) {
        Tsearcherrorform form(errors, &z_);
        CurrentPlatform().dialogs->execForm(form);
        if (form.result() == Tsearcherrorform::Result::Ok) {
            saveFoundList();
        } else if (form.result() == Tsearcherrorform::Result::Abort) {
            setFound({});
            emit changed();
        }
    }
    showPage(17);
}

bool CommonFiles::saveFoundList() {
    const QString path =
        CompanionFileName(z_.busFile(), QStringLiteral(".dlf"), z_.programFolder());
    QString error;
    if (Files().writeText(path, ListFileText(z_.view.CListBox1), &error)) return true;
    Prompts().message(error);
    return false;
}

// ---- page 17: the found files ----

void CommonFiles::deletefilebtnClick(const QList<int>& selectedFiles) {
    if (searching_) return;
    QStringList& files = z_.view.CListBox1;
    for (int row : LastToFirst(selectedFiles))
        if (row >= 0 && row < files.size()) files.removeAt(row);
    z_.view.FFound = FilesText(files.size());
    emit changed();
    showPage(17);
    saveFoundList();
}

void CommonFiles::ClearfilesbtnClick() {
    if (searching_) return;
    setFound({});
    emit changed();
}

void CommonFiles::ReCheckExecute() {
    z_.sets().ReCheckExecute();
    emit changed();
}

PageStep CommonFiles::Page17NextClick() {
    int& marker = z_.wizard().Page17NextTag;
    if (marker == 1) {
        marker = 0;
        z_.SinglePageEdit = false;
        return PageStep::CloseWizard;
    }
    return PageStep::ShowPage6;
}

// ---- the Common FileTypes tab and the menu ----

void CommonFiles::BackupCommonBtnClick() {
    if (z_.model.Extensions == 2) {
        Prompts().message(QStringLiteral("You must use the wizard to change this option"));
        return;
    }
    if (std::ranges::find(z_.model.FileTypes, true) != z_.model.FileTypes.end()) {
        z_.model.What = 2;
        z_.model.Extensions = 2;
        z_.view.CommactivelabVisible = true;
        emit changed();
        return;
    }
    const Button answer = Prompts().question(
        QStringLiteral("No File types are selected\r\nClick Yes To open the Wizard and select "
                       "Common file types\r\nor click Cancel to Abort this action.  "),
        IconKind::Warning, {Button::Yes, Button::Cancel}, 129);
    if (answer == Button::Yes) z_.wizard().JumpToWizardClick(kPage16);
}

void CommonFiles::Documents1Click() {
    z_.sets().RefreshOptions();
    z_.showOptionsPanel(QStringLiteral("Common FileTypes"));
    z_.Timer.stop();
}

}  // namespace harbex
