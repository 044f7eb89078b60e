#pragma once

#include <QString>

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

}  // namespace harbex
