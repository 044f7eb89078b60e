#pragma once

#include <QString>
#include <array>

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

    void set(int panel, const QString& text);
    QString text(int panel) const;
    QString operator[](int panel) const { return text(panel); }
    // Draws the bar at once, for progress shown in the middle of long work.
    void repaint();

  private:
    std::array<QString, kCount> texts_;
    std::array<QLabel*, kCount> labels_{};
    QStatusBar* bar_ = nullptr;
};

}  // namespace harbex
