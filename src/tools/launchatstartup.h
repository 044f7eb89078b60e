#pragma once

#include <QString>

namespace harbex {

class THarbexZoDi;

// "Launch Harbex when Windows starts": an entry in the machine-wide start list that starts this
// program when a user logs on. Changing the list needs administrator rights; without them the
// option is switched off again and the user is told so.
class LaunchAtStartUp {
  public:
    explicit LaunchAtStartUp(THarbexZoDi& z) : z_(z) {}

    // Runs whenever the option changes, also when the settings are loaded at start, so a saved
    // "on" puts the entry right at every start (a moved program gets its new path).
    void StartUpClick();

    static const QString& ApplicationTitle();
    // Where the running program file is on this machine.
    static QString ProgramHostPath();

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
