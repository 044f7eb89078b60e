#pragma once

#include <QString>
#include <array>
#include <functional>

class QLabel;
class QStatusBar;

namespace harbex {

// The eight panels of the main window's status bar, numbered from 0. Every subsystem writes
// them through this one interface, and tests read them back.
class StatusPanels {
  public:
    static constexpr int kCount = 8;

    StatusPanels();
    // Shows the panels in a status bar; without one they are kept in memory only.
    void attach(QStatusBar* bar);

    // A panel that shows a value owned elsewhere: reading the panel reads the owner, writing the
    // panel writes the owner, so the two can never differ.
    void bind(int panel, std::function<QString()> read, std::function<void(const QString&)> write);
    // Shows a bound panel's owner again after the owner changed behind the panel's back.
    void show(int panel);

    void set(int panel, const QString& text);
    QString text(int panel) const;
    QString operator[](int panel) const { return text(panel); }
    // Draws the bar at once, for progress shown in the middle of long work.
    void repaint();
    // Runs after every write of a panel, with the panel's number (the tray icon follows the
    // status that way).
    void setOnChange(std::function<void(int)> onChange) { onChange_ = std::move(onChange); }

  private:
    struct Binding {
        std::function<QString()> read;
        std::function<void(const QString&)> write;
    };
    std::array<QString, kCount> texts_;
    std::array<Binding, kCount> bindings_;
    std::array<QLabel*, kCount> labels_{};
    QStatusBar* bar_ = nullptr;
    std::function<void(int)> onChange_;
};

}  // namespace harbex
