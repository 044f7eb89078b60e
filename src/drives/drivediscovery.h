#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;

// Finds the candidate drives a set can copy to: in Local Mode the local drive letters, otherwise
// a share named after each drive letter on every server of the network. The candidates are the
// controller's NetworkList, offered in the NetDrives choice and kept between runs in the network
// list file.
class DriveDiscovery {
  public:
    explicit DriveDiscovery(THarbexZoDi& z) : z_(z) {}

    // "Find Drives": discovers by the current mode, saves the file and refills NetDrives.
    void FindDrives();
    // "Build Network Drives List": network discovery behind the please-wait window.
    void FindMappedDrives1Click();
    // Enumerates the network and fills target with the reachable drive-letter shares; when a
    // plausibility check fails it reports and leaves target as it was.
    void BuildNetworkList(bool logOutput, QStringList& target);
    // A change of "Local Mode": asks, then empties the drive lists and discovers afresh.
    void LocalModeClick();

    // The network list file: the program's folder and the program's file name with ".nwf".
    static QString NetworkListFileFor(const QString& programFolder, const QString& programFile);
    // Start-up: rebuilds the list when asked to, then reads the file into NetDrives.
    void LoadNetworkList();

    // The two "PLEASE WAIT: " "BUILDING NETWORK LIST" labels of the drives page.
    bool SLab1Visible = false;
    bool SLab2Visible = false;

  private:
    void findLocalDrives();
    bool writeNetworkList();
    THarbexZoDi& z_;
};

}  // namespace harbex
