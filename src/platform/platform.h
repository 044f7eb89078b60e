#pragma once

#include <QString>
#include <memory>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/hostpaths.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/prompter.h"
#include "platform/registry.h"
#include "platform/startlist.h"
#include "platform/waits.h"

namespace harbex {

// Settings whose original defaults only make sense on the original system get working
// equivalents here, in program-path form. Every such default is in this one list.
//
// - "Zip Temp", originally C:\: the host's temporary folder.
// - "Ext Util", originally C:\utils\pkzip.exe: the bundled stand-in utility beside the program.
// - "Log View", originally C:\windows\notepad.exe: the desktop's opener, or a text editor found
//   on the PATH.
// - Where the search for a log viewer starts, originally C:\Windows: the folder of the programs
//   (/usr/bin).
struct PlatformDefaults {
    QString zipTemp;
    QString extUtil;
    QString logViewer;
    QString viewerFolder;
    static PlatformDefaults Original();
};

// File names of the internal zip engine's two modules and of the stand-in external zip utility,
// all kept beside the executable.
QString ZipEngineModuleName();
QString UnzipEngineModuleName();
QString StandInZipUtilityName();

// Everything the program asks of the operating system. main() installs the real services;
// tests install temp folders, a settable clock and scripted answers.
struct Platform {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<HostPaths> paths;
    std::unique_ptr<FileSystem> files;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Waits> waits;
    std::unique_ptr<Prompter> prompter;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Processes> processes;
    std::unique_ptr<Network> network;
    std::unique_ptr<StartList> startList;
    // The program's folder of the original, where set files, logs and side files live. Here it is
    // a per-user data folder: $HARBEX_HOME when set, otherwise $XDG_DATA_HOME/Harbex
    // (~/.local/share/Harbex). Program path with trailing backslash.
    QString programFolder;
    // The folder of the running program file, where the engine modules and the stand-in zip
    // utility live. Program path with trailing backslash; empty when it lies on no drive.
    QString executableFolder;
    QString programFile;  // program path of the running program file (its name names the ".nwf")
    PlatformDefaults defaults;
    // Why the program cannot run on this machine as it is set up (its data or temporary folder
    // cannot be used); empty when it can.
    QString startupProblem;

    // The real services for the running program.
    static std::unique_ptr<Platform> CreateReal();
    // The host folder of the per-user data, from the environment.
    static QString DataFolderFromEnvironment();
    // Re-reads the drive map after it was edited in the registry.
    void reloadDriveMap();
};

// The installed platform; the caller keeps ownership and must outlive every use.
Platform& CurrentPlatform();
void InstallPlatform(Platform* platform);

// Short names for the services most code uses.
inline FileSystem& Files() {
    return *CurrentPlatform().files;
}
inline Prompter& Prompts() {
    return *CurrentPlatform().prompter;
}
inline const Clock& Now() {
    return *CurrentPlatform().clock;
}

}  // namespace harbex
