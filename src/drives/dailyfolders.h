#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;

// One folder per chosen weekday (Monday, Friday, ...) directly below every active drive, so
// that a week of backups stays on each drive. This creates the missing ones and lists which
// exist (Dailys) and which could not be made, with the system's reason (FailList).
class DailyFolders {
  public:
    explicit DailyFolders(THarbexZoDi& z) : z_(z) {}

    // "Update" / "Create Dailys": creates and checks the daily folders.
    void SetUpDirsClick();
    // "Manage Dailys": leaves the wizard for the Daily Folders tab and runs the check.
    void MangedrivesbtnClick();
    // "Use Daily Folders": toggles the set's use of daily folders; the Daily Folders tab of the
    // Options panel is shown exactly while they are used.
    void UseDailyFoldersExecute();

    QStringList Dailys;
    QStringList FailList;

  private:
    bool setUpDrive(const QString& drive, const QStringList& days);
    THarbexZoDi& z_;
};

}  // namespace harbex
