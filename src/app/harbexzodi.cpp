#include "app/harbexzodi.h"

#include "app/options/optionspanel.h"

#include "app/countdownpanel.h"
#include "app/desktopnotices.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "browser/filebrowser.h"
#include "commonfiles/commonfiles.h"
#include "drives/dailyfolders.h"
#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "engine/archivenames.h"
#include "engine/archivenaming.h"
#include "engine/backuprun.h"
#include "engine/collector.h"
#include "engine/compressor.h"
#include "engine/engines.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "schedule/sequencer.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "sets/setsummary.h"
#include "tools/launchatstartup.h"
#include "tools/rizivezur.h"
#include "ui/archivesform.h"
#include "wizard/sourcepages.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex {

THarbexZoDi::THarbexZoDi(QWidget* parent)
    : QMainWindow(parent),
      setFile_(std::make_unique<SetReaderWriter>(*this)),
      sets_(std::make_unique<SetCommands>(*this)),
      summary_(std::make_unique<SetSummary>(*this)),
      log_(std::make_unique<RunLogBook>(*this)),
      collector_(std::make_unique<Collector>(*this)),
      sequence_(std::make_unique<SequenceList>(*this)),
      sequencer_(std::make_unique<Sequencer>(*this)),
      autoRuns_(std::make_unique<AutoRuns>(*this)),
      engines_(std::make_unique<Engines>(*this)),
      naming_(std::make_unique<ArchiveNaming>(*this)),
      archiveNames_(std::make_unique<ArchiveNamesList>(*this)),
      compressor_(std::make_unique<Compressor>(*this)),
      discovery_(std::make_unique<DriveDiscovery>(*this)),
      driveLists_(std::make_unique<DriveLists>(*this)),
      dailyFolders_(std::make_unique<DailyFolders>(*this)),
      monitor_(std::make_unique<RizIvezur>(*this)),
      exporter_(std::make_unique<Exporter>(*this)),
      backupRun_(std::make_unique<BackupRun>(*this)),
      wizard_(std::make_unique<Wizard>(*this)),
      commonFiles_(std::make_unique<CommonFiles>(*this)),
      fileBrowser_(std::make_unique<FileBrowser>(*this)),
      launcher_(std::make_unique<LaunchAtStartUp>(*this)),
      notices_(std::make_unique<DesktopNotices>(*this)) {
    setWindowTitle(QStringLiteral("Harbex"));
    resize(860, 560);
    settings = AppSettings::Defaults(programFolder(), CurrentPlatform().defaults);
    // Until the settings are read, status panel 1 shows its design text.
    settings.BusFile = QStringLiteral("BUSFILE");
    NetworkList = std::make_unique<QStringList>();
    // Known from the start: Local Mode switched on early in start-up already writes the file.
    NetworkListFile =
        DriveDiscovery::NetworkListFileFor(programFolder(), CurrentPlatform().programFile);
    applyCountdownInterval();
    ShedTimer.setInterval(60000);
    MidnightTimer.setInterval(1000);
    ShutDown.setInterval(5000);
    connect(&ShutDown, &QTimer::timeout, this, &THarbexZoDi::ShutDownTimer);
    // Whatever a command changed, the window shows it afterwards.
    commands.setAfterEach([this] { refreshOptionsPanel(); });
    buildCommands();
    buildMenus();
    buildToolBar();
    buildCentralArea();
    panels.attach(statusBar());
    // Coming back to the program shows the wizard's page again, with its background.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) wizard_->ApplicationActivated();
            });
    archivesForm_ = std::make_unique<TArchivesForm>(*archiveNames_, this);
    // The set's path has one owner, the "Bus File" setting; status panel 1 shows it.
    panels.bind(
        1, [this] { return settings.BusFile; },
        [this](const QString& path) { settings.BusFile = path; });
}

THarbexZoDi::~THarbexZoDi() = default;

QString THarbexZoDi::programFolder() const {
    return CurrentPlatform().programFolder;
}

void THarbexZoDi::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Start-up runs once the window is on screen, as at its first activation.
    if (!Activated)
        QMetaObject::invokeMethod(this, &THarbexZoDi::FormActivate, Qt::QueuedConnection);
}

bool THarbexZoDi::event(QEvent* event) {
    // A hint of a menu item or tool button shows as its tooltip; shown in the status bar it would
    // hide the eight panels while the pointer rests there.
    if (event->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(event);
}

void THarbexZoDi::buildCommands() {
    SetCommands& s = *sets_;
    SetReaderWriter& f = *setFile_;
    SetSummary& summary = *summary_;
    RunLogBook& l = *log_;
    Collector& c = *collector_;
    DriveLists& d = *driveLists_;
    auto add = [this](const char* name, const char* text, const char* hint,
                      std::function<void()> handler, bool built = true) {
        commands.add(QString::fromLatin1(name), QString::fromLatin1(text),
                     QString::fromLatin1(hint), std::move(handler), built);
    };
    // Files
    add("LoadSet", "&Load Backup Set", "Load Backup Set",
        [&f] { f.LoadbackupsetClick(LoadSender::Command); });
    add("SavebackupSet2", "&Save backup Set", "Save the backup set",
        [&s] { s.SavebackupSet2Click(); });
    add("Savebkset", "Save Backup Set &As", "Save Backup Set", [&s] { s.Savedlg(); });
    add("CreateBackupSet", "&Create Backup set", "Create a new backup set",
        [&s] { s.CreateBackupSetClick(); });
    add("ExitNB", "&Quit Harbex", "Quit Harbex", [this] { Exit1Click(); });
    // Backup
    add("CollectFiles", "Collect Files", "Collect the files to back up",
        [&c] { c.CollectClick(); });
    add("Collect", "Collect Files", "Collect the files to back up", [&c] { c.CollectClick(); });
    Compressor& zip = *compressor_;
    add("CreateZipFiles", "Create Zip Files", "Create Zip Files", [&zip] { zip.ZipupClick(); });
    add("Zipup", "Create Zip Files", "Create Zip Files", [&zip] { zip.ZipupClick(); });
    add("FileBrowserBtn", "File Browser", "Build your backup from randomly selected files",
        [this] { fileBrowser_->FileBrowserBtnClick(); });
    add("ArchiveBtn", "Named Archive Editor", "Opens the Named Archive Editor",
        [this] { archiveNames_->ArchiveClick(); });
    add("ExportFiles", "Export Files", "Copy the collected files to their destinations",
        [this] { exporter_->ExportFiles(RunSender::ExportCommand); });
    add("StartExport", "Export Files", "Copy the collected files to their destinations",
        [this] { exporter_->ExportFiles(RunSender::ExportCommand); });
    add("StartBackup", "Start Backup", "Start Backup",
        [this] { backupRun_->DoAllClick(RunSender::StartBackup); });
    add("DoAll", "Backup All", "Collect, compress and copy the backup set",
        [this] { backupRun_->DoAllClick(RunSender::BackupAll); });
    add("ViewBackupOperation", "View Backup Operation", "View Backup Operation",
        [&summary] { summary.ViewBackupOperation1Click(); });
    add("ViewLogFile", "&View Log File", "View Log File", [&l] { l.ViewLogFile1Click(); });
    add("ClearLog", "Clear Log", "Clear Log", [&l] { l.ClearLog1Click(); });
    add("StopSheduledbackups", "Stop Sheduled backups", "Stop Sheduled backups",
        [this] { autoRuns_->StopSheduledbackups1Click(); });
    add("CreateDailys", "Create Dailys", "Create Daily Folders",
        [this] { dailyFolders_->SetUpDirsClick(); });
    add("Network", "Test Network Connections", "Test Network Connections", [&d] { d.mapnet(); });
    // Wizard
    add("NewBackupset", "New Backup set", "New Backup set", [&s] { s.NewBackupset1Click(); });
    add("EditExisting", "Edit Existing", "Edit Existing", [&s] { s.EditExisting1Click(); });
    add("WizardBtn", "Wizard", "Start the set-up wizard", [this] { WizardBtnClick(); });
    // Options
    add("Summary", "Summary", "Show Backup summary", [&summary] { summary.SummaryClick(); });
    add("SummaryBtn", "Summary", "Show Backup summary", [&summary] { summary.SummaryClick(); });
    add("Showoptions", "&Options", "Show Options", [this] { options_->OptionsClick(); });
    add("OptionsBtn", "Options", "Show Options", [this] { options_->OptionsClick(); });
    add("SetDefaults", "Set Defaults", "Set Defaults", [&s] { s.DefsbtnClick(); });
    add("CommonFiles1", "Common Files", "Common Files",
        [this] { commonFiles_->Documents1Click(); });
    add("DisplayBUSFile", "Show BUS file", "Show BUS file", nullptr);
    add("EnabLog", "Enable Log File", "Enable Log File", nullptr);
    add("FindMappedDrives1", "Build &Network Drives List", "Build Network Drives List",
        [this] { discovery_->FindMappedDrives1Click(); });
    add("LocalMode", "Local Mode", "Local drives instead of network drives", nullptr);
    commands.action(QStringLiteral("LoadSet"))->setShortcut(QKeySequence::Open);
    commands.action(QStringLiteral("SavebackupSet2"))->setShortcut(QKeySequence::Save);
    commands.action(QStringLiteral("ExitNB"))->setShortcut(QKeySequence::Quit);
    // Menu items that show a value: the same setter as the value's box on the Options panel.
    QAction* showBus = commands.action(QStringLiteral("DisplayBUSFile"));
    showBus->setCheckable(true);
    connect(showBus, &QAction::triggered, this,
            [this](bool checked) { summary_->ShowBus(checked); });
    QAction* enabLog = commands.action(QStringLiteral("EnabLog"));
    enabLog->setCheckable(true);
    connect(enabLog, &QAction::triggered, this, [this] {
        log_->EnabLogExecute();
        refreshOptionsPanel();
    });
    QAction* localMode = commands.action(QStringLiteral("LocalMode"));
    localMode->setCheckable(true);
    connect(localMode, &QAction::triggered, this, [this](bool checked) {
        setLocalMode(checked);
        refreshOptionsPanel();
    });
}

void THarbexZoDi::buildMenus() {
    auto menu = [this](const char* title, std::initializer_list<const char*> names) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(title));
        for (const char* name : names) {
            if (QString::fromLatin1(name).isEmpty())
                m->addSeparator();
            else
                m->addAction(commands.action(QString::fromLatin1(name)));
        }
        return m;
    };
    menu("&Files", {"LoadSet", "SavebackupSet2", "Savebkset", "CreateBackupSet", "", "ExitNB"});
    menu("&Backup",
         {"CollectFiles", "CreateZipFiles", "ExportFiles", "StartBackup", "", "ViewBackupOperation",
          "", "ViewLogFile", "ClearLog", "", "StopSheduledbackups"});
    menu("Backup &Wizard", {"NewBackupset", "EditExisting"});
    menu("&Options",
         {"Summary", "SetDefaults", "Showoptions", "CommonFiles1", "", "EnabLog", "DisplayBUSFile",
          "", "FindMappedDrives1", "LocalMode", "Network", "CreateDailys"});
}

void THarbexZoDi::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(24, 24));
    struct Tool {
        const char* name;
        QStyle::StandardPixmap icon;
    };
    const Tool tools[] = {
        {"LoadSet", QStyle::SP_DialogOpenButton},
        {"Savebkset", QStyle::SP_DialogSaveButton},
        {"Collect", QStyle::SP_FileDialogContentsView},
        {"FileBrowserBtn", QStyle::SP_FileDialogStart},
        {"Zipup", QStyle::SP_DriveHDIcon},
        {"StartExport", QStyle::SP_ArrowForward},
        {"ArchiveBtn", QStyle::SP_FileDialogInfoView},
        {"WizardBtn", QStyle::SP_FileDialogStart},
        {"DoAll", QStyle::SP_MediaPlay},
        {"CreateDailys", QStyle::SP_FileDialogNewFolder},
        {"Network", QStyle::SP_DriveNetIcon},
        {"SummaryBtn", QStyle::SP_FileDialogDetailedView},
        {"OptionsBtn", QStyle::SP_FileDialogListView},
        {"ExitNB", QStyle::SP_DialogCloseButton},
    };
    for (const Tool& tool : tools) {
        QAction* action = commands.action(QString::fromLatin1(tool.name));
        action->setIcon(style()->standardIcon(tool.icon));
        bar->addAction(action);
    }
}

void THarbexZoDi::buildCentralArea() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    // The middle shows the program's name, or the Options panel over it while that is in use.
    middle_ = new QStackedWidget;
    centralText_ = new QLabel;
    centralText_->setAlignment(Qt::AlignCenter);
    centralText_->setTextFormat(Qt::RichText);
    middle_->addWidget(centralText_);
    options_ = new OptionsPanel(*this);
    middle_->addWidget(options_);
    // The wizard lies over both while it is in use.
    wizardView_ = new WizardView(*this);
    middle_->addWidget(wizardView_);
    layout->addWidget(middle_, 1);
    // The set text as last read or composed ("Show BUS file"), at the bottom of the window.
    netsaveView_ = new QPlainTextEdit;
    netsaveView_->setObjectName(QStringLiteral("Netsave"));
    netsaveView_->setReadOnly(true);
    netsaveView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    netsaveView_->setMaximumHeight(160);
    layout->addWidget(netsaveView_);
    setCentralWidget(area);
    countdown_ = new CountdownPanel(*this);
    refreshCentralArea();
    refreshOptionsPanel();
}

void THarbexZoDi::refreshCentralArea() {
    if (!centralText_) return;
    centralText_->setText(
        QStringLiteral("<div style='color:#1f4e79'><p style='font-size:28pt; font-weight:bold'>"
                       "Harbex</p><p style='font-size:11pt'>Configurable backup solutions for "
                       "small to medium networks</p></div>"));
}

void THarbexZoDi::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void THarbexZoDi::handleMessages() {
    CurrentPlatform().waits->processPendingMessages();
}

void THarbexZoDi::LoadSettings() {
    settings =
        ReadSettings(*CurrentPlatform().registry, programFolder(), CurrentPlatform().defaults);
    panels.show(1);
    applyCountdownInterval();
    showSettingsInActions();
    // A stored "StartUp" runs its handling, as checking the box does.
    if (settings.StartUp) launcher_->StartUpClick();
}

void THarbexZoDi::DelayTimeChange(int seconds) {
    if (settings.setDelayTime(seconds)) applyCountdownInterval();
}

void THarbexZoDi::applyCountdownInterval() {
    Timer.setInterval(settings.TimerInterval);
    Delay.setInterval(settings.TimerInterval / 50);
}

void THarbexZoDi::showSettingsInActions() {
    commands.action(QStringLiteral("EnabLog"))->setChecked(settings.EnabLog);
    commands.action(QStringLiteral("LocalMode"))->setChecked(settings.LocalMode);
    commands.action(QStringLiteral("DisplayBUSFile"))->setChecked(summary_->DisplayBUSFile);
}

void THarbexZoDi::SaveSettings() {
    QString error;
    if (!WriteSettings(*CurrentPlatform().registry, settings, &error)) Prompts().message(error);
}

bool THarbexZoDi::saveSetText(const QString& path) {
    QString error;
    if (Files().writeText(path, Netsave, &error)) return true;
    Prompts().message(error);
    return false;
}

void THarbexZoDi::showOptionsPanel(const QString& tab) {
    view.OptionsVisible = true;
    view.OptionsTab = tab;
    refreshOptionsPanel();
    // The keyboard works on the panel at once (Ctrl+Tab moves between its pages).
    if (!options_->isAncestorOf(QApplication::focusWidget())) options_->setFocus();
}

void THarbexZoDi::refreshOptionsPanel() {
    if (!options_) return;
    options_->refresh();
    if (wizardView_ && wizard_->visible()) {
        wizardView_->refresh();
        middle_->setCurrentWidget(wizardView_);
    } else {
        middle_->setCurrentWidget(view.OptionsVisible ? static_cast<QWidget*>(options_)
                                                      : centralText_);
    }
    QString text = Netsave;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (netsaveView_->toPlainText() != text) netsaveView_->setPlainText(text);
    netsaveView_->setVisible(view.NetsaveVisible);
    showSettingsInActions();
}

void THarbexZoDi::hideOptionsPanel() {
    view.OptionsVisible = false;
    refreshOptionsPanel();
}

void THarbexZoDi::setInternal(bool checked) {
    settings.internal = checked;
    engines_->internalClick();
}

void THarbexZoDi::setLocalMode(bool checked) {
    // The box changes first; its click handling then asks whether to rebuild the lists.
    settings.LocalMode = checked;
    discovery_->LocalModeClick();
}

void THarbexZoDi::WizardBtnClick() {
    wizard_->WizardBtnClick();
}

void THarbexZoDi::setStartUp(bool checked) {
    settings.StartUp = checked;
    launcher_->StartUpClick();
}

void THarbexZoDi::SetFileTypeCaptions() {
    commonFiles_->SetFileTypeCaptions();
}

void THarbexZoDi::refreshCountdownPanel() {
    if (countdown_) countdown_->refresh();
}

void THarbexZoDi::restoreWindow() {
    // A maximised window stays maximised; only the minimised state is left.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible()) return;
    raise();
    activateWindow();
}

}  // namespace harbex
