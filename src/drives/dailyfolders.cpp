#include "drives/dailyfolders.h"

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "util/stringutils.h"
#include "util/weekdays.h"
#include "wizard/wizard.h"

namespace harbex {
namespace {

// One daily folder after the check: it was there, it was made, or the reason it could not be.
struct DailyOutcome {
    QString path;
    bool existed = false;
    bool created = false;
    QString reason;
};

// Runs on a worker: the drive is listed first, so that no folder is made on a drive that is
// gone and nothing is made above the drive.
QList<DailyOutcome> CheckDrive(const FileSystem& files, const QString& drive,
                               const QStringList& days) {
    QList<DailyOutcome> outcomes;
    const FolderProbe probe = files.listFolder(drive);
    for (const QString& day : days) {
        DailyOutcome outcome;
        outcome.path = AddBackslash(drive) + day;
        if (!probe.reachable)
            outcome.reason = probe.reason;
        else if (files.folderExists(drive + u'\\' + day))
            outcome.existed = true;
        else
            outcome.created = files.createFolder(outcome.path, &outcome.reason);
        outcomes << outcome;
    }
    return outcomes;
}

}  // namespace

void DailyFolders::SetUpDirsClick() {
    FailList.clear();
    Dailys.clear();
    QStringList days;
    for (int day = 1; day <= 7; ++day)
        if (z_.model.Days[day - 1]) days << WeekdayName(day);
    bool missing = false;
    const QStringList drives = z_.model.Drivelist;
    if (!days.isEmpty())
        for (qsizetype i = drives.size() - 1; i >= 0; --i)
            missing = setUpDrive(drives[i], days) || missing;
    z_.refreshOptionsPanel();
    if (!missing || !z_.settings.AbortBox) return;
    z_.autoRuns().AbortAutoClick();
    if (Prompts().question(QStringLiteral("One or more specified daily directorys could not be "
                                          "found\ror Created Select OK to attempt to re-create "
                                          "them"),
                           IconKind::Error, {Button::Ok, Button::Abort, Button::Help},
                           43) == Button::Ok)
        z_.showOptionsPanel(QStringLiteral("Daily Folders"));
}

// Returns whether a daily folder of the drive was missing.
bool DailyFolders::setUpDrive(const QString& drive, const QStringList& days) {
    const auto checked = Files().withinLimit<QList<DailyOutcome>>(
        [drive, days](const FileSystem& files) { return CheckDrive(files, drive, days); });
    QList<DailyOutcome> outcomes;
    if (checked) {
        outcomes = *checked;
    } else {
        for (const QString& day : days)
            outcomes << DailyOutcome{AddBackslash(drive) + day, false, false, NoAnswerReason()};
    }
    bool missing = false;
    for (const DailyOutcome& outcome : outcomes) {
        missing = missing || !outcome.existed;
        if (outcome.existed || outcome.created) {
            Dailys << outcome.path;
            continue;
        }
        FailList << outcome.path + QStringLiteral(" - ") + outcome.reason;
        z_.log().add(QStringLiteral("Unable to create daily folder ") + outcome.path +
                     QStringLiteral(" - ") + outcome.reason);
    }
    return missing;
}

void DailyFolders::UseDailyFoldersExecute() {
    z_.model.UseDailyFolders = !z_.model.UseDailyFolders;
    z_.view.DailyTabVisible = z_.model.UseDailyFolders;
}

void DailyFolders::MangedrivesbtnClick() {
    z_.wizard().CloseWizard();
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.showOptionsPanel(QStringLiteral("Daily Folders"));
    z_.Timer.stop();
    SetUpDirsClick();
}

}  // namespace harbex
