#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

// The folder above a path: a drive root such as C:\ is its own parent, the parent of C:\A is
// C:\, and a path without any backslash has the parent "ROOT".
QString ParentFolder(const QString& path);

// The nine folders above a path, nearest first (ParentFolder applied again and again).
QStringList NineAncestors(const QString& path);

// What adding one chosen folder to the search roots came to.
enum class RootCheck {
    Added,
    ParentOfRoot,  // the folder lies above a root: nothing more is added
    ChildOfRoot,   // the folder lies below a root
    Duplicate,
};

// Checks one chosen folder against the roots and adds it when it may be added; the user is told
// why when it may not. Folders nested more than nine levels apart are not recognised as nested.
RootCheck AddRootFolder(QStringList& rootList, const QString& folder);

}  // namespace harbex
