#pragma once

namespace harbex {

class THarbexZoDi;
class Wizard;

// The Next handlers of the start-up, schedule and log pages (12 to 14). They carry the order of
// the pages: which page follows from the answers given so far, and how a single-page edit ends.
// The pages' own questions and checks (the immediate save of pages 12 and 13) join them together
// with those pages' content.
class LaterPages {
  public:
    explicit LaterPages(THarbexZoDi& z) : z_(z) {}

    void Page12nextClick();
    void page13nextClick();

  private:
    Wizard& wizard();
    void endOrMoveOn(int page, int nextPage);
    THarbexZoDi& z_;
};

}  // namespace harbex
