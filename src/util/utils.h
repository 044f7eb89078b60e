#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/filesystem.h"

namespace harbex {

struct NetResource;

// The text with fill characters put in front until it is width characters long.
QString PadLeft(const QString& text, int width, QChar fill);

// Runs a program with a parameter text and waits at most timeoutMs for it to end. Returns "OK",
// "Process file does not exist", a "Create Proccess failed ..." text or the time-out text; the
// parameter text is split into arguments by the Windows rules and no shell is involved.
QString RunAndWait(const QString& programPath, const QString& parameters, quint32 timeoutMs,
                   quint16 showWindow);
// The same, also giving the program's exit code when status is "OK" (-1 when it was ended by a
// signal), for callers that must know whether the program succeeded. A program still running
// when stopWhen says so is ended, with a status that says it was stopped.
struct ProgramRun {
    QString status;
    int exitCode = 0;
    QString errorOutput;  // the end of the program's error output
};
ProgramRun RunProgram(const QString& programPath, const QString& parameters, quint32 timeoutMs,
                      quint16 showWindow, const std::function<bool()>& stopWhen = {});

// Pauses that keep handling window messages (timers fire, Abort buttons work).
void WaitSeconds(unsigned n);
void WaitMilliseconds(unsigned n);

// A search entry that is a real sub-folder (not "." or "..").
bool IsSubfolderEntry(const DirEntry& entry);
// Whether the folder (without trailing backslash) holds at least one sub-folder.
bool HasSubfolders(const QString& folder);
// The folder's entries as a directory search with the normal attribute mask returns them:
// hidden and system entries are not part of it. Returns false when the folder cannot be searched.
bool SearchFolder(const QString& folder, std::vector<DirEntry>* entries, QString* error = nullptr);

// Destroys the list and leaves the reference empty.
void ReleaseList(std::unique_ptr<QStringList>& list);

// Appends the names of the network's containers below a resource (nullptr for the whole
// network: workgroups and servers, never shares) and "Open resource error " lines to the list.
void EnumNetworkContainers(const NetResource* resource, QStringList& list);
// The text that follows "Open resource error " for a system error number.
QString NetworkErrorText(int error);

// True when the drive's size can be read. Raises HarbexError("Not a valid drive ID") for a
// character that is not a letter.
bool DriveIsReady(QChar drive);

}  // namespace harbex
