#pragma once

#include <QAction>
#include <QHash>
#include <QString>
#include <functional>

namespace harbex {

// The menu and toolbar commands of the main window, by name. A command's enabled state is the
// program's own (tests read it); a command whose feature is not part of this build yet stays
// disabled on screen and says so in its tooltip, rather than doing nothing when clicked.
class Commands {
  public:
    explicit Commands(QObject* owner) : owner_(owner) {}

    QAction* add(const QString& name, const QString& text, const QString& hint,
                 std::function<void()> handler, bool built = true);
    // Runs after every command's handler (the window shows what the command changed).
    void setAfterEach(std::function<void()> after) { after_ = std::move(after); }
    QAction* action(const QString& name) const { return actions_.value(name); }

    void setEnabled(const QString& name, bool enabled);
    bool isEnabled(const QString& name) const { return enabled_.value(name, false); }
    bool isBuilt(const QString& name) const { return built_.value(name, false); }

  private:
    void show(const QString& name);
    QObject* owner_;
    std::function<void()> after_;
    QHash<QString, QAction*> actions_;
    QHash<QString, bool> enabled_;
    QHash<QString, bool> built_;
    QHash<QString, QString> hints_;
};

}  // namespace harbex
