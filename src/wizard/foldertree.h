#pragma once

#include <QTreeWidget>

namespace harbex {

// The folder tree of the source and destination pages: one drive root whose folders are read one
// level at a time, when a node is opened. A node's path is built from its own text and its
// ancestors' texts, so the root's text is the drive ("C:") and every path ends with "\".
class FolderTree : public QTreeWidget {
  public:
    explicit FolderTree(const QString& name);

    // Empties the tree and shows the drive root filled one level, the root selected and opened.
    void showRoot(const QString& rootText);
    // Adds the sub-folders of path (with trailing backslash) to the node, sorted by name
    // without regard to case; each that has sub-folders of its own can be opened.
    void fill(QTreeWidgetItem* node, const QString& path);
    // Opening a node reads its sub-folders the first time; the node becomes the selection.
    void expanding(QTreeWidgetItem* node);
    static QString nodePath(const QTreeWidgetItem* node);
    // The path of the selected node, or empty with nothing selected.
    QString selectedPath() const;
    // The node for a folder below the root, opening the nodes on the way; nullptr when the tree
    // has no such folder.
    QTreeWidgetItem* find(const QString& path);
};

}  // namespace harbex
