#pragma once

#include <QString>

namespace harbex {

class THarbexZoDi;

// Whether the DOS launcher announces the application as running: its key below the current
// user's "Software" key names the application (compared with letter case) and holds a "Run"
// value that is a number other than 0. A missing key or value, another name, or a "Run" that is
// not a number all mean "not running". Raises HarbexError when "Name" or "Run" is stored as
// something other than text.
bool IsFlaggedRunning(const QString& application, const QString& key);

// The RIZ Ivezur tab: DOS applications started through the launcher keep their files open, so a
// backup must not run while the monitored one is flagged as running.
class RizIvezur {
  public:
    explicit RizIvezur(THarbexZoDi& z) : z_(z) {}

    // "Test": the answer of the check for DOSApp and RegKey, shown in Testresult.
    void TestBtnClick();
    // The browse button: DOSApp becomes the chosen program's full path.
    void SpeedButton8Click();
    // "Set Default Registry Key".
    void SpeedButton10Click();

    QString Testresult = QStringLiteral("Test Result");

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
