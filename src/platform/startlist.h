#pragma once

#include <QString>

namespace harbex {

// The machine-wide list of programs started with the desktop session: one ".desktop" file per
// entry in the autostart folder (/etc/xdg/autostart), which, like the original's machine-wide
// list, needs administrator rights to change.
class StartList {
  public:
    explicit StartList(QString hostFolder) : folder_(std::move(hostFolder)) {}

    // The command line of an entry. Only someone who may change the list reads it, as on the
    // original system, where the key is opened for full access: for anyone else it is empty.
    QString commandOf(const QString& title) const;
    // Makes the entry start the program, unless it does so already (then nothing is written).
    // False with the system's reason when the entry cannot be written.
    bool add(const QString& title, const QString& hostProgram, QString* error = nullptr);
    // Takes the entry out when the list may be changed; otherwise, or without an entry, nothing
    // happens.
    void remove(const QString& title);

    QString folder() const { return folder_; }
    QString entryPath(const QString& title) const;
    // The command line that starts a program: its path quoted, so that blanks in it are part of
    // the path, with the characters a desktop entry treats specially escaped.
    static QString CommandFor(const QString& hostProgram);

  private:
    bool mayChange() const;
    QString folder_;
};

}  // namespace harbex
