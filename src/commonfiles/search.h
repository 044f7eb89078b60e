#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace harbex {

// Walks a folder tree depth first and appends the full path of every file whose extension equals
// the given one (".doc"; letter case does not matter) to results, and a line for every folder it
// had to leave out to errors. The files of a folder come in listing order before any of its
// sub-folders is visited; sub-folders are visited in the reverse of their listing order. Hidden
// files and folders are searched too; links to folders are followed, but every real folder is
// visited once. keepAlive (when given) runs before each folder and each entry, so that the
// caller can keep its window alive; when it answers false the walk stops there.
void SearchFolderTree(const QString& root, const QString& extension, QStringList& errors,
                      QStringList& results, const std::function<bool()>& keepAlive = {});

// The folder a search starts from, for a root as the user chose it: without a trailing
// backslash, except for a drive root such as C:\.
QString SearchRootFolder(const QString& root);

}  // namespace harbex
