#pragma once

#include <QString>
#include <QStringList>

#include "app/windowstate.h"

namespace harbex {

class THarbexZoDi;

// The set's active drives (Drivelist, which every run writes to) and deactivated drives
// (RemovedList, remembered but unused), the commands that move drives between them, and the
// check before a run that takes unreachable drives out. The lists of record are in the backup
// set model; ADrives and DDrives are the copies the Drives tab shows.
class DriveLists {
  public:
    explicit DriveLists(THarbexZoDi& z) : z_(z) {}

    // "Add": the text of NetDrives, in upper case, becomes an active drive.
    void AvalibleDrivesClick();
    // "Delete": the selected active drive goes.
    void DeleteDriveClick();
    // "Clear All": no active drive.
    void ClearButClick();
    // "Restore" / "Activate All": every deactivated drive becomes active again.
    void RestoreBtnClick();
    // "Deactivate All".
    void DeactivateBtnClick();
    // "Clear Network List": every drive list and the candidates are emptied, the file too.
    void SpeedButton20Click();
    // "Test Network Connections": the dialog that maps a drive letter or the network.
    void mapnet();

    // The pre-run check: false when the monitored DOS application is flagged as running, or
    // when an active drive cannot be reached and unreachable drives are deleted rather than
    // moved to the deactivated list.
    bool CheckDriveConnections();
    // The destination page's drive choice: the active drives, the first selected.
    void FillDestinationDrives();

    // Empties both lists of record and both mirrors.
    void emptyDriveLists();
    // The mirrors show the lists of record again (after a set was read).
    void refillMirrors();

    QStringList ADrives;
    QStringList DDrives;
    int DrivelistIndex = -1;       // the selected entry of Drivelist
    ComboBoxState AvalibleDrives;  // the destination page's drive choice

  private:
    static void moveAll(const QStringList& from, QStringList& to, QStringList& toMirror);
    bool monitoredApplicationRuns();
    THarbexZoDi& z_;
};

}  // namespace harbex
