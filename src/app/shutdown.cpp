// Closing the main window ends the program. It first stops everything that could start a backup,
// refuses while start-up's sequencer pass or other work is still running, and then leaves a
// consistent state behind: settings saved, the log written, the set saved or left untouched.

#include <QCloseEvent>

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "sets/setsummary.h"
#include "util/utils.h"

namespace harbex {

THarbexZoDi::RunScope::RunScope(THarbexZoDi& z) : z_(z) {
    ++z_.runsInProgress_;
}

THarbexZoDi::RunScope::~RunScope() {
    if (--z_.runsInProgress_ > 0 || !z_.closeAfterRun_) return;
    z_.closeAfterRun_ = false;
    // The close is requested again once the work has unwound back to the message loop.
    QMetaObject::invokeMethod(
        &z_, [z = &z_] { z->close(); }, Qt::QueuedConnection);
}

void THarbexZoDi::Exit1Click() {
    close();
}

void THarbexZoDi::ShutDownTimer() {
    ShutDown.stop();
    close();
}

bool THarbexZoDi::FormCloseQuery() {
    autoRuns().StopSheduledbackups1Click();
    if (Idle && runsInProgress_ == 0) return true;
    panels.set(4, QStringLiteral("SHUTTING DOWN"));
    if (!Idle) {
        // Start-up's sequencer pass is changing the set and the settings: ask again later.
        ShutDown.start();
    } else {
        // Work in progress stops at its next safe point, then the window closes.
        StopRequested = true;
        closeAfterRun_ = true;
    }
    return false;
}

void THarbexZoDi::FormClose() {
    closed_ = true;
    ShutDown.stop();
    while (!Idle) WaitMilliseconds(50);
    ReleaseList(DuplicateCopies);
    SaveSettings();
    // A manual set leaves its closing lines; any other set writes what its runs logged, so that
    // nothing logged since the last save point is lost.
    log().SaveClosingLog(model.autotype == 0);
    log().RunLog.clear();
    ReleaseList(NetworkList);
    if (SummaryStale) {
        summary().SummaryClick();
        return;
    }
    hideOptionsPanel();
    setFile().WriteSetText();
    if (settings.SaveOnExit) sets().SaveSetOnExit();
}

void THarbexZoDi::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

}  // namespace harbex
