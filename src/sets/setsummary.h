#pragma once

#include <QStringList>

namespace harbex {

class THarbexZoDi;

// The summary of the current set on the Options panel's Summary tab, the two commands that open
// the panel on it or on the Backup Set tab, and the display of the raw set text.
class SetSummary {
  public:
    explicit SetSummary(THarbexZoDi& z) : z_(z) {}

    void BuildSummary();
    void SummaryClick();
    void ViewBackupOperation1Click();
    // "Show BUS file": the set text shows at the bottom of the window while it is checked.
    void ShowBus(bool displayBusFile);

    QStringList SummaryPad;
    bool DisplayBUSFile = false;

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
