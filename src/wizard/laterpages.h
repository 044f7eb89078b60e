#pragma once

namespace harbex {

class THarbexZoDi;
class Wizard;

// The Next handlers of the compression pages (9 to 11) and the common-files pages (16, 17). They
// carry the order of the pages: which page follows from the answers given so far, and how a
// single-page edit ends. The pages' own questions and checks (the archive names check of page
// 11) join them together with those pages' content.
class LaterPages {
  public:
    explicit LaterPages(THarbexZoDi& z) : z_(z) {}

    void Page9NextClick();
    void Page10NextClick();
    void Page11NextClick();
    void Page16nextClick();
    void Page17NextClick();

  private:
    Wizard& wizard();
    void endOrMoveOn(int page, int nextPage);
    THarbexZoDi& z_;
};

}  // namespace harbex
