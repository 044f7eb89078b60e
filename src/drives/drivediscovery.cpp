#include "drives/drivediscovery.h"

#include <memory>

#include "app/harbexzodi.h"
#include "drives/drivecandidates.h"
#include "drives/drivelists.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "ui/netwait.h"
#include "util/listfile.h"
#include "util/utils.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {

QString DriveDiscovery::NetworkListFileFor(const QString& programFolder,
                                           const QString& programFile) {
    const QString program = FileNameOf(programFile);
    const qsizetype dot = program.lastIndexOf(u'.');
    return programFolder + (dot >= 0 ? program.left(dot) : program) + QStringLiteral(".nwf");
}

void DriveDiscovery::FindDrives() {
    SLab1Visible = true;
    SLab2Visible = true;
    z_.handleMessages();
    z_.NetDrives.clear();
    z_.NetworkList->clear();
    if (z_.settings.LocalMode)
        findLocalDrives();
    else
        BuildNetworkList(z_.settings.LogNetSearch, *z_.NetworkList);
    if (Files().folderExists(FolderOf(z_.NetworkListFile)))
        writeNetworkList();
    else
        Prompts().message(QStringLiteral("Unable to Save Network List file to") +
                          z_.NetworkListFile);
    z_.NetDrives.items = *z_.NetworkList;
    z_.NetDrives.select(0);
    WaitSeconds(2);
    SLab1Visible = false;
    SLab2Visible = false;
    z_.wizard().showActivePageAgain();
}

void DriveDiscovery::findLocalDrives() {
    for (const QChar letter : DriveLetters(z_.settings.NoAB, z_.settings.LastDrive))
        if (Files().probeFolder(QString(letter) + u':').reachable)
            *z_.NetworkList << QString(letter.toUpper()) + u':';
}

void DriveDiscovery::FindMappedDrives1Click() {
    if (z_.settings.LocalMode) {
        Prompts().message(
            QStringLiteral("Local Mode is active: No network list will be built\rPlease use the "
                           "options to set the required mode"));
        return;
    }
    auto wait = std::make_unique<TNetWait>(&z_);
    wait->showNow();
    BuildNetworkList(z_.settings.LogNetSearch, *z_.NetworkList);
    WaitSeconds(2);
    writeNetworkList();
    wait.reset();
    z_.NetDrives.setItems(*z_.NetworkList);
}

void DriveDiscovery::BuildNetworkList(bool logOutput, QStringList& target) {
    if (logOutput) {
        z_.log().DiagTabVisible = true;
        z_.showOptionsPanel(QStringLiteral("Diags"));
    }
    QStringList found;
    EnumNetworkContainers(nullptr, found);
    if (logOutput) {
        z_.log().DiagBox << found;
        z_.refreshOptionsPanel();
    } else if (const EnumerationFault fault = CheckEnumeration(found);
               fault != EnumerationFault::None) {
        Prompts().question(EnumerationFaultText(fault, found), IconKind::Error,
                           {Button::Ok, Button::Help}, EnumerationFaultHelp(fault));
        return;
    }
    target.clear();
    // A letter whose local drive is not ready is skipped on every server, without a probe.
    QList<QChar> letters;
    for (const QChar letter : DriveLetters(z_.settings.NoAB, z_.settings.LastDrive))
        if (DriveIsReady(letter)) letters << letter;
    for (const QString& line : found) {
        // Domain and workgroup names would be relative paths: nothing to find there.
        if (!IsServerLine(line)) continue;
        for (const QChar letter : letters) {
            const QString share = line + u'\\' + letter;
            if (Files().probeFolder(share).reachable) target << share.toUpper();
        }
    }
}

void DriveDiscovery::LocalModeClick() {
    const QString state = z_.settings.LocalMode ? QStringLiteral("ON") : QStringLiteral("OFF");
    if (Prompts().question(QStringLiteral("Local mode is now ") + state +
                               QStringLiteral(" Click OK to rebuild drive lists"),
                           IconKind::Warning, {Button::Ok, Button::Cancel, Button::Help},
                           224) != Button::Ok)
        return;
    z_.driveLists().emptyDriveLists();
    z_.wizard().JumpToWizardClick(kPage15);
    FindDrives();
}

void DriveDiscovery::LoadNetworkList() {
    z_.NetworkListFile = NetworkListFileFor(z_.programFolder(), CurrentPlatform().programFile);
    if (z_.settings.AlwaysBuildNet) FindMappedDrives1Click();
    if (!Files().fileExists(z_.NetworkListFile)) return;
    const TextReadResult read = Files().readLines(z_.NetworkListFile);
    if (!read.ok) {
        Prompts().message(QStringLiteral("Netlist error"));
        return;
    }
    // A blank line names no drive: offered, it would only fail when a set uses it.
    *z_.NetworkList = ListFileEntries(read.lines);
    z_.NetDrives.setItems(*z_.NetworkList);
    z_.NetDrives.select(0);
}

bool DriveDiscovery::writeNetworkList() {
    QString error;
    if (Files().writeText(z_.NetworkListFile, NetworkListText(*z_.NetworkList), &error))
        return true;
    Prompts().message(error);
    return false;
}

}  // namespace harbex
