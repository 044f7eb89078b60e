#include "engine/archivenames.h"

#include <QLineEdit>

#include "app/harbexzodi.h"
#include "engine/archivenaming.h"
#include "platform/platform.h"
#include "sets/setsummary.h"
#include "ui/archivesform.h"
#include "ui/nameform.h"
#include "wizard/wizard.h"

namespace harbex {
ArchiveNamesList::ArchiveNamesList(THarbexZoDi& z)
    : SaveList{QStringLiteral("Save named archiveslist file"),
               QStringLiteral("Harbex Archive List File|*.lst"), QStringLiteral("lst"), QString(),
               QString()},
      LoadList{QStringLiteral("Load named archiveslist file"),
               QStringLiteral("Harbex List File [*.lst]|*.lst"), QStringLiteral("lst"), QString(),
               QString()},
      z_(z) {}

bool ArchiveNamesList::ReadNamesFile(const QString& path) {
    ClearBtnClick();
    Archives = ArchiveRowsFromLines(Files().readLines(path).lines);
    SBar[0] = QString::number(Archives.size());
    SBar[1] = path;
    return !Archives.isEmpty();
}

bool ArchiveNamesList::WriteNamesFile(const QString& path) {
    writeFailed_ = false;
    if (Archives.isEmpty()) return false;
    QString error;
    if (Files().writeText(path, ArchiveRowsText(Archives), &error)) return true;
    writeFailed_ = true;
    Prompts().message(error);
    return false;
}

void ArchiveNamesList::ArchiveClick() {
    ListChanged = false;
    ListSaved = false;
    PointDialogsAtProgramFolder();
    SaveList.fileName =
        FileNameOf(CompanionFileName(z_.busFile(), QStringLiteral(".lst"), z_.programFolder()));
    const bool accepted = ShowNamesWindow();
    z_.wizard().showActivePageAgain();
    const QString saved = SavedListFile();
    if (!accepted || saved.isEmpty()) return;
    z_.model.NamesFile = saved;
    z_.summary().BuildSummary();
}

QString ArchiveNamesList::SavedListFile() const {
    return Files().fileExists(SBar[1]) ? SBar[1] : QString();
}

bool ArchiveNamesList::ShowNamesWindow() {
    TArchivesForm& form = z_.archivesForm();
    FormActivate();
    form.refresh();
    CurrentPlatform().dialogs->execForm(form);
    return form.result() == QDialog::Accepted;
}

void ArchiveNamesList::PointDialogsAtProgramFolder() {
    SaveList.initialFolder = z_.programFolder();
    LoadList.initialFolder = z_.programFolder();
}

void ArchiveNamesList::Reset() {
    Archives.clear();
    SBar = {QStringLiteral("0"), QString()};
}

void ArchiveNamesList::FormActivate() {
    ListChanged = false;
    EditorCancelled = false;
    SBar[0] = QString::number(Archives.size());
}

void ArchiveNamesList::ClearBtnClick() {
    Archives.clear();
    SBar[0] = QStringLiteral("0");
    ListChanged = true;
}

void ArchiveNamesList::editBtnClick(int selectedRow) {
    if (selectedRow < 0 || selectedRow >= Archives.size()) {
        Prompts().message(QStringLiteral("Nothing Selected"));
        return;
    }
    QString name;
    {
        TNameForm form(&z_.archivesForm());
        form.NameBox->setText(Archives[selectedRow].ArchiveName);
        CurrentPlatform().dialogs->execForm(form);
        name = form.NameBox->text();
    }
    // A name that cannot be a file name would only fail later, during a backup run.
    if (!IsValidArchiveName(name)) {
        Prompts().message(
            QStringLiteral("\"") + name +
            QStringLiteral("\" cannot be used as an archive name.\rA name must not be "
                           "empty or hold any of the characters \\ / : * ? \" < > |"));
        return;
    }
    Archives[selectedRow].ArchiveName = name;
    ListSaved = false;
    ListChanged = true;
}

void ArchiveNamesList::LoadBtnClick() {
    const auto chosen = CurrentPlatform().dialogs->openFile(LoadList);
    if (!chosen) return;
    ReadNamesFile(*chosen);
    ListChanged = true;
}

void ArchiveNamesList::SaveBtnClick() {
    const QString path = SBar[1];
    if (!Files().fileExists(path)) {
        SaveasbtnClick();
        return;
    }
    writeFailed_ = false;
    if (Prompts().question(QStringLiteral("Overwrite Existing List File ") + path,
                           IconKind::Warning, {Button::Ok, Button::Cancel}, 0) == Button::Ok)
        ListSaved = WriteNamesFile(path);
    if (!ListSaved) nothingToSave();
}

void ArchiveNamesList::SaveasbtnClick() {
    const QString current = SBar[1];
    SaveList.initialFolder = z_.programFolder();
    SaveList.fileName = FileNameOf(current);
    // A list file kept elsewhere is offered where it is.
    if (current.contains(u'\\')) SaveList.initialFolder = FolderOf(current);
    const auto chosen = CurrentPlatform().dialogs->saveFile(SaveList);
    if (!chosen) return;
    SBar[1] = *chosen;
    ListSaved = WriteNamesFile(*chosen);
    if (!ListSaved) nothingToSave();
}

void ArchiveNamesList::nothingToSave() {
    // A write that failed has shown its own reason.
    if (!writeFailed_) Prompts().message(QStringLiteral("Nothing to save"));
}

void ArchiveNamesList::CancelBtnClick() {
    EditorCancelled = true;
}

void ArchiveNamesList::FormClose() {
    if (EditorCancelled || Archives.isEmpty() || ListSaved) return;
    const QString question =
        ListChanged ? QStringLiteral("Changes may have been made to the List of Archive names.")
                    : QStringLiteral("This list of Archive names has not been saved.");
    const Button answer = Prompts().question(
        question + QStringLiteral("\r\nDo you want to save this list to use with the current "
                                  "Backup Set?\rClick Yes to save changes\rClick No to quit the "
                                  "Names editor without saving"),
        IconKind::Warning, {Button::Yes, Button::No}, 0);
    if (answer == Button::Yes) SaveBtnClick();
}

}  // namespace harbex
