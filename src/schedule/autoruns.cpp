#include "schedule/autoruns.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "schedule/schedule.h"

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

}  // namespace harbex
