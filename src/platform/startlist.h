#pragma once

#include <QString>

namespace harbex {

// The machine-wide list of programs started with the desktop session: one ".desktop" file per
// entry in the autostart folder (/etc/xdg/autostart), which, like the original's machine-wide
// list, needs administrator rights to change.
class StartList {
  public:
    explicit StartList(QString hostFolder) : folder_(std::move(hostFolder)) {}

    bool contains(const QString& title) const;
    QString commandOf(const QString& title) const;
    bool add(const QString& title, const QString& hostProgram, QString* error = nullptr);
    bool remove(const QString& title, QString* error = nullptr);
    QString folder() const { return folder_; }

  private:
    QString entryPath(const QString& title) const;
    QString folder_;
};

}  // namespace harbex
