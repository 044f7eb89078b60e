#pragma once

#include <QFrame>

class QProgressBar;

namespace harbex {

class THarbexZoDi;

// The panel "Counting down to AutoBackup" that shows over the main window before an automatic
// run, with "Abort Backup", "Backup Now" and the bar that fills while the countdown runs. It
// shows the window state's countdown values and holds none of its own.
class CountdownPanel : public QFrame {
    Q_OBJECT
  public:
    explicit CountdownPanel(THarbexZoDi& z);
    void refresh();

  protected:
    // Keeps the panel in the middle when the window changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();
    THarbexZoDi& z_;
    QProgressBar* bar_ = nullptr;
};

}  // namespace harbex
