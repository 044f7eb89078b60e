#pragma once

#include <QElapsedTimer>

namespace harbex {

class THarbexZoDi;

// Keeps the window alive between the items of long work without pausing per item: pending
// window messages are handled at every step, and the status bar is drawn again at most every
// intervalMs, so progress stays visible and the cost does not grow with the number of items.
class ProgressPacer {
  public:
    explicit ProgressPacer(THarbexZoDi& z, int intervalMs = 200) : z_(z), intervalMs_(intervalMs) {}
    void step();

  private:
    THarbexZoDi& z_;
    int intervalMs_;
    // Real elapsed time, not the program's clock: asking the clock for the local time looks at
    // the time zone files every time, which is costly when done for every file.
    QElapsedTimer sinceRepaint_;
};

}  // namespace harbex
