#pragma once

#include <QDate>

namespace harbex {

class THarbexZoDi;

// Unattended operation: the schedule questions about the current set, the wait for a scheduled
// time, the sleep until the next day, the countdown before every automatic run, and the step
// after every export that decides what comes next (the next sequence entry, the end of the
// day, or closing the program).
class AutoRuns {
  public:
    explicit AutoRuns(THarbexZoDi& z);

    bool IsDueToday() const;
    int MinutesUntilDue() const;
    // Panel 4 := the time left to the next backup; the status bar is drawn at once.
    void ShowTimeToNext(int minutes);
    // Lays out the schedule box for the set's schedule type.
    void ShedTypeClick();

    // The countdown: the panel "Counting down to AutoBackup" shows while Timer runs; its bar
    // moves at every tick of Delay; the full backup runs when Timer expires.
    void StartCountdown();
    void TimerTimeout();
    void DelayTimer();
    // "Abort Backup": cancels a pending countdown; nothing is re-armed.
    void AbortAutoClick();
    // "Backup Now": the countdown ends at once; its configured delay stays as it is.
    void BitBtn3Click();

    // One minute of the wait for a scheduled time.
    void ShedTimerTimer();
    // Sleeps until the next day: the midnight step runs at the first tick on a new date.
    void ArmMidnightTimer();
    void MidnightTimerTimer();
    // "Stop Sheduled backups": disarms every timer that could start a run.
    void StopSheduledbackups1Click();

    // The end of every export, whatever started it.
    void AfterRunStep();

    // A countdown ran out while another run was in progress; it runs when that one has ended.
    bool expiryWaiting() const { return expiryWaiting_; }
    void runWaitingExpiry();

  private:
    void hideCountdown();
    void closeAfterAutomaticWork();
    // Writes the RunLog and empties it; lines that could not be written stay for the next save.
    bool saveAndEmptyLog();
    THarbexZoDi& z_;
    QDate sleepingSince_;
    bool expiryWaiting_ = false;
};

}  // namespace harbex
