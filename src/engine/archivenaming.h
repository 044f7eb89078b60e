#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include "engine/archiverow.h"

namespace harbex {

class THarbexZoDi;

// ---- the naming rules, without the window ----

// The folder of automatically named archives: the temporary folder with one trailing backslash.
QString NamingTempPath(const QString& temp);
// The single archive: the temporary folder, the core name and ".zip".
QString SingleArchivePath(const QString& temp, const QString& coreName);
// A folder's last component without its extension; empty for a drive root.
QString FolderNamePart(const QString& folder);
// A folder name as an old DOS utility can take it: six characters, then without blanks.
QString ExternalFolderName(const QString& name);
// The character right after the filter's first backslash, or its first character.
QChar FilterInitial(const QString& filter);
bool IsAsciiLetter(QChar c);

// Rows of the schemes, in the order the compress step makes the archives (last folder or filter
// first). Per folder: named after the folder (internal) or its DOS form (external utility).
QList<ArchiveRow> FolderRows(const QStringList& folders, const QString& temp, bool internal);
// Per folder and filter: four characters of the folder and the filter's letter or "f" + index.
QList<ArchiveRow> FolderAndFilterRows(const QStringList& folders, const QStringList& filters,
                                      const QString& temp);
// Numbered names: "fol" + row, "fil" + filter index, or "f" + m counted from 1 (kind 1, 2, 3).
QList<ArchiveRow> NumberedRows(int kind, int folders, int filters, const QString& temp);

// Named archives: how many names a kind needs (1 folders, 2 filters, 3 both) and the word for it.
int NamesNeeded(int kind, int folders, int filters);
QString KindWord(int kind);

// Whether the external utility's command line for a list-file archive is safe for a DOS
// utility: shorter than 64 characters, a temporary folder without blanks or underscores.
bool ExternalCommandAcceptable(const QString& archive, const QString& zipTemp);

// A name the user typed can be a file name: not empty, none of \ / : * ? " < > |.
bool IsValidArchiveName(const QString& name);

// ---- the naming handlers ----

// Fills the archive names table by the set's scheme, asks about repeated initial letters and
// about named archives, and checks the external utility's command line.
class ArchiveNaming {
  public:
    explicit ArchiveNaming(THarbexZoDi& z) : z_(z) {}

    // Each empties the table first and returns its number of rows; NameByFilters returns -1
    // when the user aborted at a repeated initial letter.
    int NameByFolders(const QString& temp);
    int NameByFilters(const QString& temp);
    int NameByFolderAndFilter(const QString& temp);
    int NumberedNames(int kind, const QString& temp);
    // The names proposed for a kind (1 per folder, 2 per filter, 3 per folder and filter): the
    // same names as the scheme that names archives after their source.
    int NameBySource(int kind, const QString& temp);

    // True when the user wants to abort because the letter already named an archive.
    bool InitialLetterUsed(QChar c);
    // 0 cannot go on, 1 the user wants to name the archives now, 2 the table fits.
    int CheckNamedArchives(int kind);
    bool CheckExternalCommand(const QString& archive);

    // Leaving the core name box with the text typed, and a key in it (Enter leaves it).
    void ZipNameExit(const QString& typed);
    void ZipNameKeyPress(QChar key, const QString& typed);

  private:
    void fill(const QList<ArchiveRow>& rows);
    THarbexZoDi& z_;
};

}  // namespace harbex
