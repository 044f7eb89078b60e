#pragma once

namespace harbex {

class THarbexZoDi;

// The schedule questions about the current set, and arming and stopping automatic runs.
class AutoRuns {
  public:
    explicit AutoRuns(THarbexZoDi& z) : z_(z) {}

    bool IsDueToday() const;
    int MinutesUntilDue() const;
    // Panel 4 := the time left to the next backup; the status bar is drawn at once.
    void ShowTimeToNext(int minutes);

    // Arms the countdown to an automatic run: Timer and the countdown bar's Delay.
    void StartCountdown();
    // "Abort Backup": cancels a pending countdown; nothing is re-armed.
    void AbortAutoClick();
    // "Stop Sheduled backups": disarms every timer that could start a run.
    void StopSheduledbackups1Click();

    // The end of every export: after a short pause, advances the numbered log counter and writes
    // the run log to today's file.
    void AfterRunStep();

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
