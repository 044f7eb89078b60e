#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/commands.h"
#include "app/statuspanels.h"
#include "app/windowstate.h"
#include "sets/appsettings.h"
#include "sets/backupsetmodel.h"

class QLabel;

namespace harbex {

class SetCommands;
class RunLogBook;
class Collector;
class SequenceList;
class Sequencer;
class AutoRuns;
class Engines;
class TextWindow;
class DriveDiscovery;
class DriveLists;
class DailyFolders;
class RizIvezur;
class Exporter;
class BackupRun;

// Who started the set reader: start-up, the sequencer and the set commands pass the status panel
// that names the set file; the menu and toolbar command passes itself and gets a file dialog.
enum class LoadSender { StatusPanel, Command };

// The main window and the program's controller: it owns the current backup set, the settings,
// the status bar, the run lists, the log, the timers and the subsystems, and mediates between
// them. Each subsystem keeps its handlers in a class of its own.
class THarbexZoDi : public QMainWindow {
    Q_OBJECT
  public:
    explicit THarbexZoDi(QWidget* parent = nullptr);
    ~THarbexZoDi() override;

    // ---- start-up ----
    void FormActivate();
    QString BuildTitleText() const;
    QString programFolder() const;

    // ---- closing ----
    void Exit1Click();      // Files -> "&Quit Harbex" and the toolbar's Exit button
    bool FormCloseQuery();  // whether the window may close now
    void FormClose();       // the closing work, once the close is granted
    void ShutDownTimer();   // closes the window when ShutDown expires

    // Marks work in progress that a close must not cut off in the middle (a collection, a backup
    // run, start-up). A close requested meanwhile asks the work to stop at its next safe point
    // (StopRequested) and closes the window as soon as the last such work has returned.
    class RunScope {
      public:
        explicit RunScope(THarbexZoDi& z);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

      private:
        THarbexZoDi& z_;
    };
    // The program is closing: work in progress stops between two files.
    bool StopRequested = false;

    // ---- the shared state ----
    BackupSetModel model;
    AppSettings settings;
    WindowState view;
    StatusPanels panels;
    Commands commands{this};

    // Timers; all disabled until something arms them.
    QTimer Timer;          // countdown before an automatic run
    QTimer Delay;          // the countdown bar, one fiftieth of Timer
    QTimer ShedTimer;      // minutes to a scheduled time
    QTimer MidnightTimer;  // the midnight step
    QTimer ShutDown;       // closing after automatic work

    bool Activated = false;
    bool Idle = false;
    bool SummaryStale = false;
    bool OptionsMayClose = false;
    bool NewSetMode = false;
    bool SinglePageEdit = false;
    bool BrowserFilesChosen = false;
    int WelcomeChoice = 0;
    int NewSetAnswer = 0;  // the new set dialog's last answer, kept across showings
    QString TitleText;
    QString HelpFile;  // questions' Help buttons name their topic; there is no help file to open
    int MinutesToGo = 0;
    int SequenceIndex = 0;

    // Run lists
    QStringList BackupSet;
    QStringList collectset;
    std::unique_ptr<QStringList> DuplicateCopies;
    // Later files with a name seen before whose renamed copy could not be made: they are left
    // out of BackupSet, and the export lists them with the files it did not find.
    QStringList MissedDuplicates;
    // Archives the compress step made in the temporary folder for the current run; with
    // DuplicateCopies they are the only files "Delete Temporary files" may delete.
    QStringList TempArchives;
    int UserFolderCount = 0;
    int ReportStart = 0;
    int ReportEnd = 1;
    QStringList UsedInitials;  // archive initials already used in this run
    QStringList ArchiveNames;  // the user's archive names of the set

    // Drives: the candidates found by discovery, their file, and the choice that offers them.
    std::unique_ptr<QStringList> NetworkList;
    QString NetworkListFile;
    ComboBoxState NetDrives;

    // The set text last read or composed; it is what the save commands write.
    QString Netsave;

    // ---- subsystems ----
    SetCommands& sets() { return *sets_; }
    RunLogBook& log() { return *log_; }
    Collector& collector() { return *collector_; }
    SequenceList& sequence() { return *sequence_; }
    Sequencer& sequencer() { return *sequencer_; }
    AutoRuns& autoRuns() { return *autoRuns_; }
    Engines& engines() { return *engines_; }
    DriveDiscovery& discovery() { return *discovery_; }
    DriveLists& driveLists() { return *driveLists_; }
    DailyFolders& dailyFolders() { return *dailyFolders_; }
    RizIvezur& monitor() { return *monitor_; }
    Exporter& exporter() { return *exporter_; }
    BackupRun& backupRun() { return *backupRun_; }

    // ---- operations shared by several subsystems ----
    void LoadSettings();
    void SaveSettings();
    // A change of the countdown delay (seconds, 1 to 60): Timer and the countdown bar follow.
    void DelayTimeChange(int seconds);
    // Shows the settings that are actions (ticked menu items) as the settings say.
    void showSettingsInActions();
    // The window caption.
    void setCaption(const QString& caption);
    // Shows the Options panel on a tab (a read-only window until the panel exists).
    void showOptionsPanel(const QString& tab);
    // Shows the model's current state on the Options panel if it is open.
    void refreshOptionsPanel();
    void hideOptionsPanel();
    // Where the set's path is.
    QString busFile() const { return panels.text(1); }
    // Saves the set text to a path; reports a failure with the system's message.
    bool saveSetText(const QString& path);
    // Handles window messages that are waiting, once.
    void handleMessages();

    // Operations of features that are not part of this build yet. Each does the least that
    // keeps its callers correct and is replaced when its feature arrives.
    void WizardBtnClick();       // start the set-up wizard
    void SetFileTypeCaptions();  // common file type check box captions
    void StartUpClick();         // launch at start-up

    // Small operations of the countdown and the archive names list that the set file needs
    // now; they move to their subsystems when those arrive.
    void AbortAutoClick();                       // cancel a pending countdown
    bool LoadArchiveNames(const QString& path);  // the ".lst" names list (lines of names)

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildCommands();
    void buildMenus();
    void buildToolBar();
    void buildCentralArea();
    void refreshCentralArea();

    // Start-up steps, in order.
    void StartUpSequence();
    void SetUpCompression();
    void ContinueTodaysLog();
    void CheckTemporaryFolder();
    void ShowSplash();
    void ChooseCurrentSet();
    void FirstRunSet();
    void SequencingSet();
    void ManualSet();
    void StartUpBehaviour();
    void CancelSequencing(const QString& message);
    void NothingDueToday();
    void ScheduledStart();
    void PromptForMissedBackup();

    std::unique_ptr<SetCommands> sets_;
    std::unique_ptr<RunLogBook> log_;
    std::unique_ptr<Collector> collector_;
    std::unique_ptr<SequenceList> sequence_;
    std::unique_ptr<Sequencer> sequencer_;
    std::unique_ptr<AutoRuns> autoRuns_;
    std::unique_ptr<Engines> engines_;
    std::unique_ptr<DriveDiscovery> discovery_;
    std::unique_ptr<DriveLists> driveLists_;
    std::unique_ptr<DailyFolders> dailyFolders_;
    std::unique_ptr<RizIvezur> monitor_;
    std::unique_ptr<Exporter> exporter_;
    std::unique_ptr<BackupRun> backupRun_;
    std::unique_ptr<TextWindow> optionsWindow_;
    QLabel* centralText_ = nullptr;
    int runsInProgress_ = 0;
    bool closeAfterRun_ = false;
    bool closed_ = false;
};

}  // namespace harbex
