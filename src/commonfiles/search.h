#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace harbex {

// How far a walk has come: folders listed and files found so far.
struct SearchTally {
    qint64 folders = 0;
    qint64 files = 0;
};

// Walks a folder tree depth first and appends the full path of every file whose extension equals
// the given one (".doc"; letter case does not matter) to results, and a line for every folder it
// had to leave out to errors. The files of a folder come in listing order before any of its
// sub-folders is visited; sub-folders are visited in the reverse of their listing order. Hidden
// files and folders are searched too; links to folders are followed, but every real folder is
// visited once. keepAlive (when given) runs before each folder and each entry, so that the
// caller can keep its window alive; when it answers false the walk stops there.
void SearchFolderTree(const QString& root, const QString& extension, QStringList& errors,
                      QStringList& results, const std::function<bool()>& keepAlive = {});

// The same walk for several extensions at once (".doc", ".txt", ...): found[k] receives what
// SearchFolderTree would find for extensions[k], in the same order, but the tree is listed only
// once. A folder that cannot be listed is one error line, whatever the number of extensions.
void SearchFolderTreeFor(const QString& root, const QStringList& extensions, QStringList& errors,
                         std::vector<QStringList>& found, const std::function<bool()>& keepAlive,
                         SearchTally* tally = nullptr);

// The whole common-files search: every root in order, and below each root every extension
// (without the dot) in order; results receives the matches in that order, each root's tree
// listed once. startingRoot (when given) hears of each root's search folder before its walk.
// False when keepAlive stopped the search: results and errors then hold only part of it.
bool SearchCommonFiles(const QStringList& roots, const QStringList& extensions,
                       QStringList& results, QStringList& errors,
                       const std::function<bool()>& keepAlive, SearchTally* tally = nullptr,
                       const std::function<void(const QString&)>& startingRoot = {});

// The folder a search starts from, for a root as the user chose it: without a trailing
// backslash, except for a drive root such as C:\.
QString SearchRootFolder(const QString& root);

// The error line for a folder the search could not list.
QString FolderCannotBeOpened(const QString& folder);

}  // namespace harbex
