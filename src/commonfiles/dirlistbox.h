#pragma once

#include <QListWidget>
#include <QStringList>

class QComboBox;

namespace harbex {

// A drive selector and the folder list linked to it: the list shows the path from the drive's
// root down to the current folder, then the current folder's sub-folders, each entry standing
// for its full path. A double click opens an entry; several entries can be selected.
class DirListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit DirListBox(QComboBox* drives, QWidget* parent = nullptr);

    // Shows a folder: its ancestors and its sub-folders.
    void open(const QString& folder);
    QString currentFolder() const { return current_; }
    // The full paths of the selected entries, in list order.
    QStringList selectedFolders() const;

  private:
    void fillDrives();
    QComboBox* drives_;
    QString current_;
};

}  // namespace harbex
