#pragma once

#include <QChar>
#include <QString>

namespace harbex {

struct Platform;

// What the map-network-drive dialog asks for: a drive letter and the host folder it stands for
// (empty: the letter is disconnected), and the host folder that holds the network's servers
// (empty: unchanged).
struct DriveMapChoice {
    QChar letter;
    QString hostFolder;
    QString networkRoot;
};

// Result codes of the connection dialog, as the original system's dialog gives them.
inline constexpr int kMapCancelled = -1;
inline constexpr int kMapPathNotFound = 3;      // the folder does not exist
inline constexpr int kMapBadDevice = 1200;      // not a drive letter
inline constexpr int kMapExtendedError = 1208;  // the drive map could not be stored

// Stores the choice in the drive map (the registry key the platform reads it from) and makes
// the running program use it at once. Returns 0 or one of the codes above; nothing is changed
// unless every part of the choice is valid.
int MapNetworkDrive(Platform& platform, const DriveMapChoice& choice);

}  // namespace harbex
