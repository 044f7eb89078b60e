#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace harbex {

class THarbexZoDi;

// What the user did in the file browser: closed it with Done (accepted) or not, and the picked
// files' paths in the picked list's order.
struct BrowseOutcome {
    bool accepted = false;
    QStringList files;
};

// Shows the file browser modally. Its picked list starts with the files of the ".brw" list
// file when that holds any (files that are gone are shown as missing).
BrowseOutcome ShowFileBrowser(const QString& browserListFile, QWidget* parent = nullptr);

// The browse step: the way from the toolbar (and from the wizard's source pages) into the file
// browser. It keeps the set's ".brw" list and BackupSet in step with what the user picked.
class FileBrowser {
  public:
    explicit FileBrowser(THarbexZoDi& z) : z_(z) {}

    void FileBrowserBtnClick();

  private:
    // False when the user chose to leave the set as it is.
    bool offerBrowserMode();
    // The picks were accepted; false when the user wants to browse again.
    bool takePicks(const QStringList& files);
    void saveList(const QStringList& files);
    QString listFile() const;

    THarbexZoDi& z_;
};

}  // namespace harbex
