#include "drives/drivelists.h"

#include "app/harbexzodi.h"
#include "drives/drivecandidates.h"
#include "platform/drivemap.h"
#include "platform/platform.h"
#include "tools/rizivezur.h"
#include "ui/mapdrivedialog.h"
#include "util/errors.h"

namespace harbex {

void DriveLists::AvalibleDrivesClick() {
    ComboBoxState& candidates = z_.NetDrives;
    candidates.text = candidates.text.toUpper();
    const QString drive = candidates.text;
    if (z_.model.Drivelist.contains(drive)) return;
    if (!z_.NetworkList->contains(drive)) {
        // A typed drive joins the candidates; the file gets it at its next write.
        *z_.NetworkList << drive;
        candidates.items << drive;
    }
    z_.model.Drivelist << drive;
    ADrives << drive;
}

void DriveLists::DeleteDriveClick() {
    QStringList& active = z_.model.Drivelist;
    if (DrivelistIndex < 0 || DrivelistIndex >= active.size()) return;
    active.removeAt(DrivelistIndex);
    DrivelistIndex = -1;
}

void DriveLists::ClearButClick() {
    z_.model.Drivelist.clear();
    DrivelistIndex = -1;
}

// Appends every entry of from, from the last to the first, to a list and its mirror, unless the
// list has it already; so the moved drives arrive in reverse order.
void DriveLists::moveAll(const QStringList& from, QStringList& to, QStringList& toMirror) {
    for (qsizetype i = from.size() - 1; i >= 0; --i) {
        if (to.contains(from[i])) continue;
        to << from[i];
        toMirror << from[i];
    }
}

void DriveLists::RestoreBtnClick() {
    moveAll(z_.model.RemovedList, z_.model.Drivelist, ADrives);
    DDrives.clear();
    z_.model.RemovedList.clear();
}

void DriveLists::DeactivateBtnClick() {
    moveAll(z_.model.Drivelist, z_.model.RemovedList, DDrives);
    z_.model.Drivelist.clear();
    ADrives.clear();
    DrivelistIndex = -1;
}

void DriveLists::SpeedButton20Click() {
    emptyDriveLists();
    z_.NetDrives.clear();
    z_.NetworkList->clear();
    QString error;
    if (!Files().writeText(z_.NetworkListFile, NetworkListText(*z_.NetworkList), &error))
        Prompts().message(error);
}

void DriveLists::mapnet() {
    Platform& platform = CurrentPlatform();
    TMapDriveDialog dialog(&z_, *platform.paths);
    platform.dialogs->execForm(dialog);
    const int result = dialog.result() == QDialog::Accepted
                           ? MapNetworkDrive(platform, dialog.choice())
                           : kMapCancelled;
    if (result == 0 || !z_.settings.Showneterrors) return;
    Prompts().message(result == kMapCancelled
                          ? QStringLiteral("Operation cancled")
                          : QStringLiteral("Network connection error ") + QString::number(result));
}

bool DriveLists::CheckDriveConnections() {
    if (z_.settings.MonitorDRUN && monitoredApplicationRuns()) return false;
    BackupSetModel& m = z_.model;
    bool result = true;
    // Timers may run while a drive is probed and change the list; walk a copy.
    const QStringList active = m.Drivelist;
    for (qsizetype i = active.size() - 1; i >= 0; --i) {
        if (Files().probeFolder(active[i]).reachable) continue;
        result = false;
        if (z_.settings.MoveDrives) {
            m.RemovedList << active[i];
            result = true;
        }
        const qsizetype at = m.Drivelist.lastIndexOf(active[i], i);
        if (at >= 0) m.Drivelist.removeAt(at);
    }
    return result;
}

bool DriveLists::monitoredApplicationRuns() {
    try {
        return IsFlaggedRunning(z_.settings.DOSApp, z_.settings.RegKey);
    } catch (const HarbexError& error) {
        // A launcher flag that cannot be read is no permission to back up open files.
        Prompts().message(error.message());
        return true;
    }
}

void DriveLists::FillDestinationDrives() {
    AvalibleDrives.setItems(z_.model.Drivelist);
    AvalibleDrives.select(0);
}

void DriveLists::emptyDriveLists() {
    z_.model.Drivelist.clear();
    z_.model.RemovedList.clear();
    ADrives.clear();
    DDrives.clear();
    DrivelistIndex = -1;
}

void DriveLists::refillMirrors() {
    ADrives = z_.model.Drivelist;
    DDrives = z_.model.RemovedList;
}

}  // namespace harbex
