#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace harbex {

// One row of the archive names table: the archive the compress step makes in that place.
struct ArchiveRow {
    QString Number;
    QString TempPath;  // folder, with one trailing backslash
    QString ArchiveName;
    QString Ext;
    QString path() const { return TempPath + ArchiveName + Ext; }
    bool operator==(const ArchiveRow&) const = default;
};

// The rows of a ".lst" file's lines, numbered from 0: "C:\Temp\fol0.zip" gives "C:\Temp\",
// "fol0", ".zip" (the folder ends at the last "\" or ":"). Blank lines name no archive.
QList<ArchiveRow> ArchiveRowsFromLines(const QStringList& lines);
// The ".lst" text of the rows: one full archive path a line.
QString ArchiveRowsText(const QList<ArchiveRow>& rows);

}  // namespace harbex
