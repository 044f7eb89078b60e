#include "sets/setsummary.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/summary.h"

namespace harbex {

void SetSummary::BuildSummary() {
    const BackupSetModel& m = z_.model;
    const QString browserFile =
        CompanionFileName(z_.busFile(), QStringLiteral(".brw"), z_.programFolder());
    const SummaryInputs inputs{
        .model = m,
        .settings = z_.settings,
        .browserFile = browserFile,
        .browserFileExists = Files().fileExists(browserFile),
        .zipParameters = z_.panels.text(2),
        .coreName = z_.sets().CoreName(),
        .zipUtil = z_.view.ZipUtil,
        .namesFileExists = Files().fileExists(m.NamesFile),
        .autotypeCaption = AutotypeCaption(m.autotype),
        .sequenceIndex = z_.SequenceIndex,
        .countDueToday = z_.sequence().CountDueToday(),
        .logFileName = z_.settings.LogFileName,
    };
    SummaryPad = BuildSummaryLines(inputs);
    z_.SummaryStale = false;
}

void SetSummary::SummaryClick() {
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), false);
    BuildSummary();
    z_.view.OptionsTab = QStringLiteral("Summary");
    z_.sets().RefreshOptions();
    z_.showOptionsPanel(QStringLiteral("Summary"));
    z_.Timer.stop();
}

void SetSummary::ViewBackupOperation1Click() {
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), false);
    z_.sets().RefreshOptions();
    z_.showOptionsPanel(QStringLiteral("Backup Set"));
    z_.Timer.stop();
}

void SetSummary::ShowBus(bool displayBusFile) {
    DisplayBUSFile = displayBusFile;
    z_.sets().RefreshOptions();
    z_.view.NetsaveVisible = DisplayBUSFile;
    z_.refreshOptionsPanel();
}

}  // namespace harbex
