#pragma once

namespace harbex {

class THarbexZoDi;
class Wizard;

// Pages 12, 13 and 14 of the wizard: how the set starts (by hand, at a scheduled time, or when
// the program starts) and the countdown before an automatic run; the schedule and what to do
// when its time was missed; the logging options. A single-page edit of page 12 or 13 writes the
// set file at once, and page 13's keeps the sequence list in step with the new schedule.
class SchedulePages {
  public:
    explicit SchedulePages(THarbexZoDi& z) : z_(z) {}

    void Page12nextClick();
    void page13nextClick();

  private:
    Wizard& wizard();
    THarbexZoDi& z_;
};

}  // namespace harbex
