#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace harbex {

// One file to archive, found from a file specification.
struct ZipSpecItem {
    QString programPath;
    QString hostPath;
    QString storedName;    // the entry name in the archive
    QString fallbackName;  // the entry name when an earlier file took storedName
};

struct ExpandedSpecs {
    QList<ZipSpecItem> items;
    QStringList problems;  // "path (reason)" for specifications that name nothing readable
};

// Turns file specifications (full file paths, or a folder followed by a wildcard pattern such as
// C:\Data\*.doc) into the files they name, each file once. With recurse a pattern also matches
// in every sub-folder of its folder (each real folder visited once, links followed). Hidden and
// system files are never taken, as in collection.
ExpandedSpecs ExpandFileSpecs(const QStringList& specs, bool recurse, bool keepFolders);

// Entry names: the file name alone, or with keepFolders the folders below the drive or share
// ("Data/sub/report.doc"). The rooted name adds the drive or server and share
// ("C/Data/sub/report.doc"), so that two different files never share it.
QString StoredName(const QString& programPath, bool keepFolders);
QString RootedName(const QString& programPath);

// Whether the last component holds "*" or "?".
bool HasWildcard(const QString& spec);

}  // namespace harbex
