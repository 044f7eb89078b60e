#pragma once

#include <QString>

namespace harbex {

class THarbexZoDi;

// Works through the sequence list during the day: loads the next entry that is due today, arms
// the wait for its time, and logs and skips entries whose time has passed.
class Sequencer {
  public:
    explicit Sequencer(THarbexZoDi& z) : z_(z) {}

    // Loads the active entries from start on in turn; the index of the first whose set exists and
    // is due today, or -1.
    int FindNextDueEntry(int start);
    void AdvanceSequence();
    // "Start Now": today's sequence from its first row, at once.
    void StartNowBtnClick();

  private:
    void FinishDay();
    // An entry whose set file exists but cannot be read is logged and passed over.
    void logUnreadable(int n, const QString& reason);
    THarbexZoDi& z_;
};

}  // namespace harbex
