#include "schedule/sequencer.h"

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "util/datetimetext.h"
#include "util/utils.h"

namespace harbex {

int Sequencer::FindNextDueEntry(int start) {
    // The path of the set in memory, for the panel after an entry that could not be read.
    QString loaded = z_.busFile();
    for (int n = std::max(start, 0); n <= 7; ++n) {
        const ShedInfo& info = z_.settings.Sequence[n];
        if (!info.Active) continue;
        z_.panels.set(1, info.BusFile);
        z_.panels.set(7, QStringLiteral("SEQ ") + QString::number(n));
        z_.panels.repaint();
        WaitSeconds(1);
        if (!Files().fileExists(z_.busFile())) continue;
        QString failure;
        if (!z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel, &failure)) {
            logUnreadable(n, failure);
            z_.setBusFile(loaded);
            continue;
        }
        loaded = z_.busFile();
        if (z_.autoRuns().IsDueToday()) return n;
    }
    return -1;
}

void Sequencer::logUnreadable(int n, const QString& reason) {
    // Nobody may be watching: no message box, the day goes on with the next entry and the log
    // says which file was left out and why.
    z_.panels.set(4, QStringLiteral("Unable to load backup set: ") + reason);
    z_.panels.repaint();
    z_.log().add(z_.busFile() + u' ' + z_.panels.text(4) + QStringLiteral(" Seq ") +
                 QString::number(n));
}

void Sequencer::StartNowBtnClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    const QString first = z_.sequence().cell(1, SequenceList::Name);
    if (!Files().fileExists(first)) {
        Prompts().message(QStringLiteral("Cannot load intial backup set: Sequence aborted"));
        return;
    }
    z_.setBusFile(first);
    z_.SequenceIndex = FindNextDueEntry(0);
    z_.settings.Skip = true;
    z_.settings.SequencingMode = true;
    AdvanceSequence();
}

void Sequencer::AdvanceSequence() {
    if (z_.SequenceIndex == -1) {
        z_.panels.set(4, QStringLiteral("No Backup due today"));
        z_.panels.set(7, QStringLiteral("SEQF"));
        z_.autoRuns().ArmMidnightTimer();
        return;
    }
    while (z_.SequenceIndex != -1) {
        z_.panels.set(7, z_.settings.SequencingMode
                             ? QStringLiteral("SEQ ") + QString::number(z_.SequenceIndex)
                             : QStringLiteral("SHD"));
        z_.handleMessages();
        z_.MinutesToGo = z_.autoRuns().MinutesUntilDue();
        if (z_.MinutesToGo >= 0) {
            z_.autoRuns().ShowTimeToNext(z_.MinutesToGo);
            z_.ShedTimer.start();
            return;
        }
        z_.panels.set(
            4, QStringLiteral("Missed scheduled backup at ") + TimeText(z_.model.TimePicker));
        z_.panels.repaint();
        z_.log().add(z_.busFile() + u' ' + z_.panels.text(4) + QStringLiteral(" Seq ") +
                     QString::number(z_.SequenceIndex));
        WaitSeconds(1);
        if (z_.settings.Skip) {
            z_.SequenceIndex = FindNextDueEntry(z_.SequenceIndex + 1);
        } else {
            z_.SequenceIndex = -1;
            z_.log().add(QStringLiteral("SKIP TO NEXT IS OFF BACKUP SEQUENCE TERMINATED"));
        }
    }
    FinishDay();
}

void Sequencer::FinishDay() {
    z_.panels.set(4, QStringLiteral("Todays Backups finished"));
    if (z_.settings.LogOptions == 3) ++z_.settings.LogCounter;
    z_.log().add(QStringLiteral("FINISHED"));
    z_.log().SaveRunLogChecked(QStringLiteral("Unable to Save Log to "));
    z_.autoRuns().ArmMidnightTimer();
}

}  // namespace harbex
