#include "schedule/autoruns.h"

#include "app/desktopnotices.h"
#include "app/harbexzodi.h"
#include "engine/backuprun.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/schedule.h"
#include "schedule/sequencer.h"
#include "util/utils.h"
#include "util/weekdays.h"

#include <algorithm>

namespace harbex {

AutoRuns::AutoRuns(THarbexZoDi& z) : z_(z) {
    QObject::connect(&z_.Timer, &QTimer::timeout, &z_, [this] { TimerTimeout(); });
    QObject::connect(&z_.Delay, &QTimer::timeout, &z_, [this] { DelayTimer(); });
    QObject::connect(&z_.ShedTimer, &QTimer::timeout, &z_, [this] { ShedTimerTimer(); });
    QObject::connect(&z_.MidnightTimer, &QTimer::timeout, &z_, [this] { MidnightTimerTimer(); });
}

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

void AutoRuns::ShedTypeClick() {
    z_.view.ShedBox = ScheduleBoxFor(z_.model.ShedType);
}

// ---- the countdown ----

void AutoRuns::StartCountdown() {
    z_.Timer.start();
    z_.Delay.start();
    z_.view.BackingupVisible = true;
    z_.refreshCountdownPanel();
}

void AutoRuns::hideCountdown() {
    z_.view.BackingupVisible = false;
    z_.refreshCountdownPanel();
}

void AutoRuns::TimerTimeout() {
    hideCountdown();
    z_.Timer.stop();
    // A run started inside another would replace the lists the first is working through; the
    // automatic run follows as soon as the current one has ended.
    if (z_.RunInProgress()) {
        expiryWaiting_ = true;
        return;
    }
    expiryWaiting_ = false;
    z_.exporter().forgetOutcome();
    z_.backupRun().DoAllClick(RunSender::None);
    z_.notices().AutomaticRunFinished(z_.exporter().lastOutcome());
    // The automatic close that follows must not stop at the summary.
    if (z_.settings.QuitAfterAuto && !z_.settings.SequencingMode) z_.SummaryStale = false;
}

void AutoRuns::runWaitingExpiry() {
    if (!expiryWaiting_ || z_.RunInProgress()) return;
    TimerTimeout();
}

void AutoRuns::DelayTimer() {
    z_.handleMessages();
    if (!z_.Timer.isActive()) {
        z_.Delay.stop();
        return;
    }
    // A step past the end starts the bar again from the beginning.
    constexpr int kEnd = 500;
    constexpr int kStep = 10;
    const int next = z_.view.Countdown + kStep;
    z_.view.Countdown = next > kEnd ? next - kEnd : next;
    z_.refreshCountdownPanel();
}

void AutoRuns::AbortAutoClick() {
    hideCountdown();
    z_.Timer.stop();
    expiryWaiting_ = false;
    z_.panels.set(4, QStringLiteral(" AUTOMATIC BACKUP ABORTED"));
    z_.panels.repaint();
}

void AutoRuns::BitBtn3Click() {
    hideCountdown();
    if (!z_.Timer.isActive()) return;
    // Expires at the next turn of the message loop, exactly as at the end of the countdown;
    // Timer keeps its interval. Whatever stops Timer meanwhile stops this expiry too.
    QMetaObject::invokeMethod(
        &z_,
        [this] {
            if (z_.Timer.isActive()) TimerTimeout();
        },
        Qt::QueuedConnection);
}

// ---- waiting for a time or for the next day ----

void AutoRuns::ShedTimerTimer() {
    // The clock decides, not the number of ticks: a machine that slept through the wait starts
    // the backup at its first tick after waking. With the clock running normally both agree;
    // a clock put back (daylight saving) does not postpone a counted wait.
    z_.MinutesToGo = std::min(z_.MinutesToGo - 1, MinutesUntilDue());
    if (z_.MinutesToGo > 0) {
        ShowTimeToNext(z_.MinutesToGo);
        return;
    }
    z_.ShedTimer.stop();
    z_.restoreWindow();
    z_.panels.set(4, QStringLiteral("Starting backup "));
    z_.panels.repaint();
    StartCountdown();
}

void AutoRuns::ArmMidnightTimer() {
    sleepingSince_ = Now().today();
    z_.MidnightTimer.start();
}

void AutoRuns::MidnightTimerTimer() {
    z_.panels.set(7, QStringLiteral("SLP"));
    z_.panels.repaint();
    // The first tick on a new date starts the day, however late it comes: a machine asleep or
    // busy over midnight does not lose the day's backups.
    const QDate today = Now().today();
    if (!sleepingSince_.isValid()) sleepingSince_ = today;
    if (today == sleepingSince_) return;
    sleepingSince_ = today;
    z_.panels.set(0, WeekdayName(WeekdayNumber(today)));
    // The lines of the day that ended go to that day's file before the new file is named.
    if (!z_.log().RunLog.isEmpty()) saveAndEmptyLog();
    if (z_.settings.LogOptions == 3) ++z_.settings.LogCounter;
    z_.log().SetLogFileName();
    if (z_.settings.SequencingMode) {
        z_.SequenceIndex = z_.sequencer().FindNextDueEntry(0);
        if (z_.SequenceIndex == -1) {
            z_.panels.set(4, QStringLiteral("No Backup due today"));
            z_.panels.set(7, QStringLiteral("SEQF"));
            z_.panels.repaint();
            return;
        }
    } else if (!IsDueToday()) {
        z_.panels.set(4, QStringLiteral("No Backup due Today"));
        z_.panels.repaint();
        return;
    }
    z_.MidnightTimer.stop();
    z_.MinutesToGo = MinutesUntilDue();
    ShowTimeToNext(z_.MinutesToGo);
    z_.panels.set(7, z_.settings.SequencingMode
                         ? QStringLiteral("SEQ ") + QString::number(z_.SequenceIndex)
                         : QStringLiteral("SHD"));
    z_.panels.repaint();
    z_.ShedTimer.start();
}

void AutoRuns::StopSheduledbackups1Click() {
    z_.Timer.stop();
    z_.ShedTimer.stop();
    z_.Delay.stop();
    z_.MidnightTimer.stop();
    expiryWaiting_ = false;
    z_.panels.set(4, QStringLiteral("BACKUPS ABORTED"));
    z_.panels.set(7, QString());
    z_.panels.repaint();
}

// ---- after every export ----

void AutoRuns::AfterRunStep() {
    WaitSeconds(2);
    if (z_.settings.SequencingMode) {
        z_.SequenceIndex = z_.sequencer().FindNextDueEntry(z_.SequenceIndex + 1);
        if (z_.SequenceIndex == -1) {
            z_.panels.set(4, QStringLiteral("Todays Backups finished"));
            if (z_.settings.LogOptions == 3) ++z_.settings.LogCounter;
            if (z_.log().SaveRunLogChecked(QStringLiteral("Unable to Save Log to ")))
                z_.log().EmptyAfterSave();
            ArmMidnightTimer();
            return;
        }
        if (z_.model.autotype == 1) z_.sequencer().AdvanceSequence();
    } else if (z_.settings.LogOptions == 3) {
        ++z_.settings.LogCounter;
    }
    closeAfterAutomaticWork();
}

void AutoRuns::closeAfterAutomaticWork() {
    const int autotype = z_.model.autotype;
    if (z_.settings.QuitAfterAuto) {
        if ((autotype != 1 && autotype != 2) || z_.settings.SequencingMode) {
            z_.log().SaveRunLog();
            return;
        }
        saveAndEmptyLog();
        z_.panels.set(4, QStringLiteral("SHUTTING DOWN"));
        z_.panels.repaint();
        z_.ShutDown.start();
        return;
    }
    if (autotype == 0) {
        QString error;
        if (!z_.log().SaveRunLog(&error)) {
            Prompts().message(error);
            return;
        }
        z_.log().EmptyAfterSave();
        return;
    }
    // The lines stay for a later save point; the file shows this run's report already, so
    // that "View Log File" after a backup shows that backup.
    z_.log().SaveRunLog();
}

bool AutoRuns::saveAndEmptyLog() {
    if (!z_.log().SaveRunLog()) return false;
    z_.log().EmptyAfterSave();
    return true;
}

}  // namespace harbex
