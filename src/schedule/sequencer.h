#pragma once

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

  private:
    void FinishDay();
    THarbexZoDi& z_;
};

}  // namespace harbex
