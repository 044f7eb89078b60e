#pragma once

#include <QTreeWidget>
#include <functional>

namespace harbex {

// The temporary folder selector: the mapped drives with their folders as a tree that opens one
// level at a time. Selecting a folder hands its program path to chosen; a double click to
// finished. point() selects a folder without handing it on.
class FolderSelector : public QTreeWidget {
  public:
    FolderSelector(std::function<void(const QString&)> chosen, std::function<void()> finished);

    // Opens the tree down to the folder and selects it; nothing is selected when the tree does
    // not hold it (a network folder, a drive that is not mapped).
    void point(const QString& folder);

  private:
    void fillDrives();
    void open(QTreeWidgetItem* item);
    QTreeWidgetItem* child(QTreeWidgetItem* parent, const QString& name);
};

}  // namespace harbex
