#pragma once

#include <QList>
#include <QString>
#include <array>

#include "engine/archiverow.h"
#include "platform/dialogs.h"

namespace harbex {

class THarbexZoDi;
class TArchivesForm;

// The archive names list: the table of archives the compress step makes, which the user can see,
// edit name by name, load from and save to a ".lst" file (one full archive path per line). The
// window TArchivesForm shows it; the handlers and the table live here, without widgets.
class ArchiveNamesList {
  public:
    explicit ArchiveNamesList(THarbexZoDi& z);

    QList<ArchiveRow> Archives;
    // The window's status bar: 0 the number of rows, 1 the list file.
    std::array<QString, 2> SBar{QStringLiteral("0"), QString()};
    bool ListChanged = false;
    bool ListSaved = false;
    bool EditorCancelled = false;
    FileDialogRequest SaveList;
    FileDialogRequest LoadList;

    // True when the file held at least one name.
    bool ReadNamesFile(const QString& path);
    // True when something was written; a table without rows writes nothing.
    bool WriteNamesFile(const QString& path);

    // The main window's "Opens the Named Archive Editor".
    void ArchiveClick();
    // Shows the window modally; true when it was left with Accept.
    bool ShowNamesWindow();
    void PointDialogsAtProgramFolder();
    // The list file the window shows (its second status panel) when that file exists; empty
    // when the list was never written there.
    QString SavedListFile() const;
    // Empties the table and forgets its file (a new default set).
    void Reset();

    // The window's handlers. selectedRow is -1 when no row is selected.
    void FormActivate();
    void ClearBtnClick();
    void editBtnClick(int selectedRow);
    void LoadBtnClick();
    void SaveBtnClick();
    void SaveasbtnClick();
    void CancelBtnClick();
    void FormClose();

  private:
    void nothingToSave();
    THarbexZoDi& z_;
    bool writeFailed_ = false;
};

}  // namespace harbex
