#include "schedule/autoruns.h"

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/schedule.h"
#include "util/utils.h"

namespace harbex {

bool AutoRuns::IsDueToday() const {
    return IsDueOn(z_.model, Now().today());
}

int AutoRuns::MinutesUntilDue() const {
    return MinutesUntil(z_.model.TimePicker, Now().timeOfDay());
}

void AutoRuns::ShowTimeToNext(int minutes) {
    z_.panels.set(4, TimeToNextText(minutes));
    z_.panels.repaint();
}

void AutoRuns::StartCountdown() {
    z_.Timer.start();
    z_.Delay.start();
}

void AutoRuns::AbortAutoClick() {
    z_.Timer.stop();
    z_.panels.set(4, QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    z_.panels.repaint();
}

void AutoRuns::StopSheduledbackups1Click() {
    z_.Timer.stop();
    z_.ShedTimer.stop();
    z_.Delay.stop();
    z_.MidnightTimer.stop();
    z_.panels.set(4, QStringLiteral("BACKUPS ABORTED"));
    z_.panels.set(7, QString());
}

void AutoRuns::AfterRunStep() {
    WaitSeconds(2);
    const AppSettings& s = z_.settings;
    RunLogBook& log = z_.log();
    // In sequencing mode the next entry of the day's sequence is loaded here, and a set that
    // closes the program after its automatic work closes it here; both come with their features.
    if (!s.SequencingMode && s.LogOptions == 3) ++z_.settings.LogCounter;
    if (!s.QuitAfterAuto && z_.model.autotype == 0) {
        QString error;
        if (!log.SaveRunLog(&error)) {
            Prompts().message(error);
            return;
        }
        log.EmptyAfterSave();
        return;
    }
    // Every other case keeps the lines for a later save point; the file shows this run's report
    // already, so that "View Log File" after a backup shows that backup.
    log.SaveRunLog();
}

}  // namespace harbex
