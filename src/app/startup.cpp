// The start-up sequence: run once, at the first activation of the main window, in a fixed order
// that decides which set is current, which compression engine is usable and what the program
// does next. Every branch can end without a question, so an unattended start never hangs.

#include <QCheckBox>
#include <QPushButton>

#include "app/harbexzodi.h"
#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "engine/engines.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "schedule/sequencer.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "ui/welcomeform.h"
#include "util/datetimetext.h"
#include "util/stringutils.h"
#include "util/utils.h"
#include "util/weekdays.h"

namespace harbex {

QString THarbexZoDi::BuildTitleText() const {
    return QStringLiteral(HARBEX_INTERNAL_NAME) + QStringLiteral(" Version ") +
           QStringLiteral(HARBEX_FILE_VERSION) + QStringLiteral("  by Keelwick");
}

void THarbexZoDi::FormActivate() {
    if (Activated) return;
    StartUpSequence();
}

void THarbexZoDi::StartUpSequence() {
    // A close requested during start-up's waits takes effect once start-up has finished.
    const RunScope running(*this);
    Activated = true;
    Idle = true;
    OptionsMayClose = true;
    TitleText = BuildTitleText();
    NetworkList = std::make_unique<QStringList>();
    LoadSettings();
    SetUpCompression();
    HelpFile = programFolder() + QStringLiteral("Harbexhelp.chm");
    sequence().InitSequenceGrid();
    DuplicateCopies = std::make_unique<QStringList>();
    log().RunLog.clear();
    log().SetLogFileName();
    log().ContinueTodaysLog();
    if (!CurrentPlatform().network->isPresent() && !settings.LocalMode) {
        Prompts().message(QStringLiteral("NO LAN DETECTED, Local Mode has been set"));
        settings.LocalMode = true;
        showSettingsInActions();
        discovery().LocalModeClick();
    }
    SummaryStale = false;
    UsedInitials.clear();
    CheckTemporaryFolder();
    model.NamesFile.clear();
    ShowSplash();
    SetFileTypeCaptions();
    NewSetMode = false;
    ChooseCurrentSet();
    settings.First = false;
    panels.set(0, WeekdayName(WeekdayNumber(Now().today())));
    ReportStart = 0;
    ReportEnd = 1;
    discovery().LoadNetworkList();
    StartUpBehaviour();
}

void THarbexZoDi::SetUpCompression() {
    commands.setEnabled(QStringLiteral("Zipup"), true);
    Engines& e = engines();
    const bool internalFirst = settings.internal;
    int result = internalFirst ? e.SetupInternalEngine(false) : e.SetupExternalUtility(false);
    if (result == 1) {
        // The user agreed to switch; the other engine gets one chance.
        result = internalFirst ? e.SetupExternalUtility(false) : e.SetupInternalEngine(false);
        if (result != 0) result = 2;
    }
    if (result == 2) {
        Prompts().message(QStringLiteral("HARBEX was unable to setup file compression"));
        model.Zipped = false;
        model.ZippedEnabled = false;
    }
    // The utility can be chosen only while the external one is in use, from the start on.
    view.SelZipUtilityVisible = !settings.internal;
    // Only from now on does a change of "Use Internal Compression" run its checks.
    e.internalClickAttached = true;
}

void THarbexZoDi::CheckTemporaryFolder() {
    if (engines().PointZipTempSel(settings.ZipTemp)) return;
    if (!settings.SequencingMode)
        Prompts().message(QStringLiteral(
            "Temporary directory for Compressed files is invalid\r Using Root directory"));
    engines().PointZipTempSel(programFolder());
    settings.ZipTemp = view.ZipTempSel;
}

void THarbexZoDi::ShowSplash() {
    if (settings.First || !settings.ShowSplash) return;
    TWelcomeForm splash(this);
    splash.HideSplash->setChecked(true);
    splash.makeSplash();
    CurrentPlatform().dialogs->execForm(splash);
    settings.ShowSplash = splash.HideSplash->isChecked();
}

void THarbexZoDi::ChooseCurrentSet() {
    if (settings.First)
        FirstRunSet();
    else if (settings.SequencingMode)
        SequencingSet();
    else
        ManualSet();
}

void THarbexZoDi::FirstRunSet() {
    sets().BuildDefaultSet(true);
    setFile().WriteSetText();
    sequence().ClearSequenceList();
    int choice = 0;
    {
        TWelcomeForm welcome(this);
        CurrentPlatform().dialogs->execForm(welcome);
        choice = welcome.choice();
    }
    WelcomeChoice = choice;
    if (WelcomeChoice != 0) {
        const QString path = busFile();
        const Button answer = Prompts().question(
            QStringLiteral("A default set of options has been created,\r\nHarbex will create the "
                           "option file ") +
                path + QStringLiteral("\r\n") + QStringLiteral("Click Yes to accept (Recomended)") +
                QStringLiteral("\r\n") +
                QStringLiteral("Click No to choose your own name and /or location"),
            IconKind::Confirmation, {Button::Yes, Button::No, Button::Help}, 77);
        if (answer == Button::Yes) {
            if (Files().folderExists(AddBackslash(FolderOf(path))))
                saveSetText(path);
            else
                Prompts().message(QStringLiteral("Unable to Save ") + path);
        } else {
            sets().Savedlg();
        }
        return;
    }
    WaitSeconds(1);
    NewSetMode = true;
    WizardBtnClick();
}

void THarbexZoDi::SequencingSet() {
    setBusFile(QStringLiteral("NO BUS LOADED"));
    SequenceIndex = sequencer().FindNextDueEntry(0);
    panels.set(7, QStringLiteral("SEQ ") + QString::number(SequenceIndex));
    if (SequenceIndex == -1) {
        panels.set(4, QStringLiteral("No Backup due today"));
        panels.set(7, QStringLiteral("SEQF"));
        panels.repaint();
        setCaption(TitleText);
        WaitSeconds(2);
        return;
    }
    setCaption(TitleText + QStringLiteral(" : ") + FileNameOf(busFile()));
}

void THarbexZoDi::ManualSet() {
    panels.set(7, QStringLiteral("MAN"));
    if (Files().fileExists(busFile())) {
        setFile().LoadbackupsetClick(LoadSender::StatusPanel);
        setCaption(TitleText);
        return;
    }
    Prompts().message(QStringLiteral("No backup Set found, setting defaults"));
    sets().BuildDefaultSet(true);
    setFile().WriteSetText();
    const QString path = busFile();
    if (Files().folderExists(AddBackslash(FolderOf(path))))
        saveSetText(path);
    else
        Prompts().message(QStringLiteral("Unable to Save Defaults to ") + path);
}

// A set that does not run by schedule cannot take part in a sequence.
void THarbexZoDi::CancelSequencing(const QString& message) {
    panels.set(4, QStringLiteral("BUS ERROR: MANUAL OPERATION"));
    Prompts().message(message);
    settings.SequencingMode = false;
}

void THarbexZoDi::StartUpBehaviour() {
    if (settings.SequencingMode && SequenceIndex == -1) {
        NothingDueToday();
        return;
    }
    switch (model.autotype) {
        case 0:
            panels.set(4, QStringLiteral("Manual Mode"));
            if (settings.SequencingMode)
                CancelSequencing(
                    QStringLiteral("The loaded Backup-Set has manual operation "
                                   "selected, \rsequencing has been cancelled"));
            break;
        case 1:
            if (settings.SequencingMode) {
                Idle = false;
                sequencer().AdvanceSequence();
                setCaption(TitleText + QStringLiteral(" : ") + FileNameOf(busFile()));
                Idle = true;
            } else {
                ScheduledStart();
            }
            break;
        case 2:
            if (settings.SequencingMode) {
                CancelSequencing(
                    QStringLiteral("The loaded Backup-Set has 'Run at start-up "
                                   "selected', \rManual mode has been set"));
                model.autotype = 0;
                panels.set(7, QStringLiteral("MAN"));
            } else if (driveLists().CheckDriveConnections()) {
                autoRuns().StartCountdown();
            } else if (!settings.AbortBox) {
                Prompts().message(
                    QStringLiteral("Automatic Backup Aborted - Please check Network Drives"));
            }
            break;
        default:
            break;
    }
}

// Sequencing found no entry due today: whatever set it looked at last, the day's sequence is over
// and sequencing stays on for tomorrow. The sequencer's own step shows it and waits for midnight.
void THarbexZoDi::NothingDueToday() {
    Idle = false;
    sequencer().AdvanceSequence();
    Idle = true;
}

void THarbexZoDi::ScheduledStart() {
    if (!autoRuns().IsDueToday()) {
        panels.set(4, QStringLiteral("No Backup due Today"));
        MidnightTimer.start();
    } else {
        MinutesToGo = autoRuns().MinutesUntilDue();
        if (MinutesToGo < 0) {
            PromptForMissedBackup();
        } else {
            autoRuns().ShowTimeToNext(MinutesToGo);
            panels.set(7, QStringLiteral("SHD"));
            ShedTimer.start();
        }
    }
    log().add(panels.text(4));
}

void THarbexZoDi::PromptForMissedBackup() {
    const QString time = TimeText(model.TimePicker);
    panels.set(4, QStringLiteral("Missed Backup due at ") + time);
    switch (settings.PromptMissed) {
        case 0:
            Prompts().message(QStringLiteral("Backup due missed at ") + time);
            break;
        case 1:
            if (Prompts().question(QStringLiteral("A Backup was due Today at ") + time +
                                       QStringLiteral(" Backup Now ?"),
                                   IconKind::Information, {Button::Yes, Button::No, Button::Help},
                                   50) == Button::Yes)
                autoRuns().StartCountdown();
            break;
        case 2:
            autoRuns().StartCountdown();
            break;
        case 3:
            MidnightTimer.start();
            break;
        default:
            break;
    }
}

}  // namespace harbex
