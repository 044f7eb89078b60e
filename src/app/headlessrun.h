#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace harbex {

// Exit codes of a run from the command line.
enum HeadlessExit {
    kRunAllGood = 0,    // every copy validated " OK"
    kRunFailures = 1,   // the run ran, but a copy failed, a file was missing or nothing was copied
    kRunNotStarted = 2  // bad command line or set file, no drive reachable, no engine, or locked
};

// What the command line asks for: a window (no arguments), or one of the commands below.
// Returns the exit code of the command, or -1 when the window program should start.
//   --run SET    one backup of SET, as an automatic run does, without a window
//   --help       the usage text
//   --version    the program's name and version
// Options the window program does not know are an error (exit 2), so that a typo in a timer's
// command line does not open a window nobody sees.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
// Whether the arguments ask for a command rather than the window (decided before Qt starts).
bool IsCommandLineRun(const QStringList& arguments);

// One backup of a set, without a window: the set is loaded and run as the end of an automatic
// countdown runs it (collection, compression, export, validation, log file), with the settings,
// drive map and program folder of the window program. Where the window program would ask, the
// safe answer is taken and the log and standard error say so. The report goes to standard output
// as well. Returns one of the exit codes above.
int RunSetHeadless(const QString& setArgument, QTextStream& out, QTextStream& err);

}  // namespace harbex
