#pragma once

#include <QChar>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>

namespace harbex {

class Registry;

// Maps the program's paths (drive letters such as C:\Data\report.doc and network paths such as
// \\S1\D\Monday) onto host folders, and back. "\" and "/" both separate; each component is
// matched exactly first and then without regard to case, because stored paths (browser lists,
// set files written on the original system) may differ in case from the files on disk.
class HostPaths {
  public:
    HostPaths(QMap<QChar, QString> drives, QString networkRoot);

    // Reads the drive map from the registry key Software\Keelwick\Pelvor\Drives: one value per
    // drive letter naming a host folder, and "Network" naming the network root. Absent values:
    // C is "/", Network is "/mnt", other letters are unmapped.
    static HostPaths FromRegistry(const Registry& registry);
    // The same from any store of the map's named text values.
    static HostPaths FromValues(const std::function<std::optional<QString>(const QString&)>& value);
    static const QString& DriveMapKey();

    // Host path for a program path; components that do not exist yet are kept as written.
    // An empty result means the path has no place on this machine: it lies on an unmapped drive,
    // or it names no drive at all (a relative path never resolves against the working folder).
    QString toHost(const QString& programPath) const;
    // Program path for a host path: the longest mapped prefix wins. Empty when the host path lies
    // on no mapped drive and not below the network root: such a path has no program form.
    QString toProgram(const QString& hostPath) const;

    bool isMapped(QChar driveLetter) const;
    QString driveFolder(QChar driveLetter) const;  // host folder or empty
    QString networkRoot() const { return networkRoot_; }

    void setDrive(QChar driveLetter, const QString& hostFolder);
    void setNetworkRoot(const QString& hostFolder);

  private:
    QMap<QChar, QString> drives_;  // upper-case letter -> host folder
    QString networkRoot_;
};

// Splits a program path into its root ("C:" or "\\SERVER\SHARE", empty for a relative path)
// and its components.
struct ProgramPathParts {
    QChar drive;     // upper-case letter, or null for network and relative paths
    QString server;  // for \\SERVER\SHARE paths
    QString share;
    QStringList components;
    bool isNetwork() const { return !server.isEmpty(); }
    bool isRelative() const { return drive.isNull() && server.isEmpty(); }
};
ProgramPathParts SplitProgramPath(const QString& programPath);

// The non-empty parts of a path or registry key, split at "\" and "/".
QStringList PathComponents(const QString& path);

// What the user is told about a host folder that lies on no drive: which folder, and how to give
// it a drive letter in the drive map file.
QString NoDriveMessage(const QString& hostFolder, const QString& driveMapFile);

}  // namespace harbex
