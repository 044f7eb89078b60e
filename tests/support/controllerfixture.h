#pragma once

#include <memory>

#include "app/harbexzodi.h"
#include "support/world.h"

namespace harbex::test {

// The program on a test machine: the controller is created on demand, after a test has prepared
// the registry and the files, and is destroyed before the machine.
class ControllerTest : public WorldTest {
  protected:
    ControllerTest();
    ~ControllerTest() override;

    // Creates the controller without starting it.
    THarbexZoDi& controller();
    // Creates the controller and runs its start-up sequence.
    THarbexZoDi& start();

    // Puts the internal engine's two modules beside the program file, so that start-up finds a
    // compression engine without asking.
    void installEngine();
    void removeEngine();
    // Puts the stand-in zip utility where "Ext Util" names it (C:\utils\pkzip.exe by default).
    void installUtility(const QString& programPath = QStringLiteral("C:\\utils\\pkzip.exe"));
    // Settings for a start that is not the first: no splash, the set file named.
    void settingsForLaterStart(const QString& busFile = QString());
    QString setPath(const QString& name) const { return world.programFolder() + name; }
    // A manual set that is idle, ready for a close during a run: nothing to save on exit, and
    // today's log file named.
    void prepareCloseDuringRun();
    // After a run stopped by a close has returned: the window is still open, and it closes as
    // soon as messages are handled again. Gives the lines of the log file the close wrote.
    QStringList closeOnceTheRunHasReturned();

    std::unique_ptr<THarbexZoDi> z;
};

}  // namespace harbex::test
