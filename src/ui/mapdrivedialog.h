#pragma once

#include <QDialog>

#include "platform/drivemap.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace harbex {

class HostPaths;

// "Map Network Drive": on this platform a drive letter or the network is a folder of this
// machine, so mapping a drive means naming the folder a letter stands for, and the folder that
// holds the network's servers. Shows the current map; the caller stores the choice.
class TMapDriveDialog : public QDialog {
    Q_OBJECT
  public:
    TMapDriveDialog(QWidget* parent, const HostPaths& current);

    DriveMapChoice choice() const;

    QComboBox* Drive = nullptr;        // A: ... Z:
    QLineEdit* Folder = nullptr;       // the host folder of the letter; empty disconnects it
    QLineEdit* NetworkRoot = nullptr;  // the host folder of the network
    QPushButton* BrowseFolder = nullptr;
    QPushButton* BrowseNetwork = nullptr;

  private:
    void showDrive(int index);
    void browse(QLineEdit* target, const QString& title);
    const HostPaths& current_;
};

}  // namespace harbex
