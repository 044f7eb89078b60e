#pragma once

#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/commands.h"
#include "app/statuspanels.h"
#include "app/windowstate.h"
#include "sets/appsettings.h"
#include "sets/backupsetmodel.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace harbex {

class SetCommands;
class SetReaderWriter;
class SetSummary;
class OptionsPanel;
class CountdownPanel;
class RunLogBook;
class Collector;
class SequenceList;
class Sequencer;
class AutoRuns;
class Engines;
class ArchiveNaming;
class ArchiveNamesList;
class Compressor;
class TArchivesForm;
class DriveDiscovery;
class DriveLists;
class DailyFolders;
class RizIvezur;
class Exporter;
class BackupRun;
class Wizard;
class WizardView;
class CommonFiles;
class FileBrowser;
class LaunchAtStartUp;
class DesktopNotices;

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
    bool BrowserCancelled = false;  // the last browse step's browser was not closed with Done
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
    QSet<QChar> UsedInitials;  // initial letters already given to per-filter archives

    // Drives: the candidates found by discovery, their file, and the choice that offers them.
    std::unique_ptr<QStringList> NetworkList;
    QString NetworkListFile;
    ComboBoxState NetDrives;

    // The set text last read or composed; it is what the save commands write.
    QString Netsave;

    // ---- subsystems ----
    SetReaderWriter& setFile() { return *setFile_; }
    SetCommands& sets() { return *sets_; }
    SetSummary& summary() { return *summary_; }
    OptionsPanel& options() { return *options_; }
    RunLogBook& log() { return *log_; }
    Collector& collector() { return *collector_; }
    SequenceList& sequence() { return *sequence_; }
    Sequencer& sequencer() { return *sequencer_; }
    AutoRuns& autoRuns() { return *autoRuns_; }
    Engines& engines() { return *engines_; }
    ArchiveNaming& naming() { return *naming_; }
    ArchiveNamesList& archiveNames() { return *archiveNames_; }
    Compressor& compressor() { return *compressor_; }
    // The archive names window, created hidden with the main window and kept until the end.
    TArchivesForm& archivesForm() { return *archivesForm_; }
    DriveDiscovery& discovery() { return *discovery_; }
    DriveLists& driveLists() { return *driveLists_; }
    DailyFolders& dailyFolders() { return *dailyFolders_; }
    RizIvezur& monitor() { return *monitor_; }
    Exporter& exporter() { return *exporter_; }
    BackupRun& backupRun() { return *backupRun_; }
    Wizard& wizard() { return *wizard_; }
    CommonFiles& commonFiles() { return *commonFiles_; }

    // The toolbar's wizard button, the menu's New and Edit Existing, and the first run: starts
    // the set-up wizard.
    void WizardBtnClick();
    DesktopNotices& notices() { return *notices_; }
    FileBrowser& fileBrowser() { return *fileBrowser_; }
    LaunchAtStartUp& launcher() { return *launcher_; }

    // ---- operations shared by several subsystems ----
    void LoadSettings();
    void SaveSettings();
    // A change of the countdown delay (seconds, 1 to 60): Timer and the countdown bar follow.
    void DelayTimeChange(int seconds);
    // Timer and its bar Delay take their intervals from the "Timer Interval" setting.
    void applyCountdownInterval();
    // Shows the settings that are actions (ticked menu items) as the settings say.
    void showSettingsInActions();
    // The window caption.
    void setCaption(const QString& caption);
    // Shows the Options panel on a page and fills it.
    void showOptionsPanel(const QString& tab);
    // Fills the window from the model, the settings and the window state: the Options panel's
    // widgets, its pages, the set text at the bottom and the ticked menu items. Runs after every
    // refresh of the set, every load and every command; fills without running any handler.
    void refreshOptionsPanel();
    void hideOptionsPanel();

    // The one setter of each setting whose check box has click handling: the box's new state
    // becomes the setting, then the handling runs.
    void setInternal(bool checked);
    void setLocalMode(bool checked);
    void setStartUp(bool checked);
    // The set's path: the "Bus File" setting, shown in status panel 1.
    QString busFile() const { return settings.BusFile; }
    void setBusFile(const QString& path) { panels.set(1, path); }
    // Saves the set text to a path; reports a failure with the system's message.
    bool saveSetText(const QString& path);
    // Handles window messages that are waiting, once.
    void handleMessages();

    // The common file type check boxes get their captions with the extension lists.
    void SetFileTypeCaptions();

    // Work is in progress (a collection, a backup run, start-up).
    bool RunInProgress() const { return runsInProgress_ > 0; }
    // Shows the countdown panel as the window state says.
    void refreshCountdownPanel();
    // Brings the window back from the minimised state, for an automatic run the user may watch.
    void restoreWindow();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The run from the command line takes the start-up steps it needs.
    friend class HeadlessRun;
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

    std::unique_ptr<SetReaderWriter> setFile_;
    std::unique_ptr<SetCommands> sets_;
    std::unique_ptr<SetSummary> summary_;
    std::unique_ptr<RunLogBook> log_;
    std::unique_ptr<Collector> collector_;
    std::unique_ptr<SequenceList> sequence_;
    std::unique_ptr<Sequencer> sequencer_;
    std::unique_ptr<AutoRuns> autoRuns_;
    std::unique_ptr<Engines> engines_;
    std::unique_ptr<ArchiveNaming> naming_;
    std::unique_ptr<ArchiveNamesList> archiveNames_;
    std::unique_ptr<Compressor> compressor_;
    std::unique_ptr<TArchivesForm> archivesForm_;
    std::unique_ptr<DriveDiscovery> discovery_;
    std::unique_ptr<DriveLists> driveLists_;
    std::unique_ptr<DailyFolders> dailyFolders_;
    std::unique_ptr<RizIvezur> monitor_;
    std::unique_ptr<Exporter> exporter_;
    std::unique_ptr<BackupRun> backupRun_;
    std::unique_ptr<Wizard> wizard_;
    WizardView* wizardView_ = nullptr;
    std::unique_ptr<CommonFiles> commonFiles_;
    std::unique_ptr<FileBrowser> fileBrowser_;
    std::unique_ptr<LaunchAtStartUp> launcher_;
    std::unique_ptr<DesktopNotices> notices_;
    QStackedWidget* middle_ = nullptr;
    QLabel* centralText_ = nullptr;
    OptionsPanel* options_ = nullptr;
    CountdownPanel* countdown_ = nullptr;
    QPlainTextEdit* netsaveView_ = nullptr;
    int runsInProgress_ = 0;
    bool closeAfterRun_ = false;
    bool closed_ = false;
};

}  // namespace harbex
