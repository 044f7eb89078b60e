// Backups started from the command line (a system timer, cron, a script): the same run as at the
// end of an automatic countdown, with no window, no question and an exit code that says how it
// went.

#include "app/headlessrun.h"

#include <QTextStream>

#include "app/desktopnotices.h"
#include "app/harbexzodi.h"
#include "engine/engines.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/setfile.h"
#include "sets/setreaderwriter.h"
#include "util/weekdays.h"

namespace harbex {
namespace {

QString UsageText() {
    return QStringLiteral(
        "Usage: harbex [--run SET | --help | --version]\n"
        "\n"
        "Without options Harbex opens its window.\n"
        "\n"
        "  --run SET   back up the set SET once, without a window, as an automatic run does;\n"
        "              SET is a set file (a path, a drive path such as C:\\Sets\\daily.bus, or\n"
        "              the name of a set in Harbex's data folder). Nothing is asked: where the\n"
        "              window would ask, the safe answer is taken and the log says so. The\n"
        "              report goes to the log file and to standard output, problems to\n"
        "              standard error.\n"
        "  --help      show this text\n"
        "  --version   show the program's name and version\n"
        "\n"
        "Exit status of --run: 0 every copy was checked OK; 1 the run ran but a copy failed,\n"
        "a file was missing or nothing was copied; 2 the run could not start (bad set file,\n"
        "no drive reachable, no compression engine, or the set is being backed up already).\n");
}

// The window program's prompter and dialogs are replaced for the run and put back afterwards.
class HeadlessAnswers {
  public:
    HeadlessAnswers(Platform& platform, const std::function<void(const QString&)>& report)
        : platform_(platform),
          prompter_(std::exchange(platform.prompter, std::make_unique<HeadlessPrompter>(report))),
          dialogs_(std::exchange(platform.dialogs, std::make_unique<HeadlessDialogs>(report))) {}
    ~HeadlessAnswers() {
        platform_.prompter = std::move(prompter_);
        platform_.dialogs = std::move(dialogs_);
    }
    HeadlessAnswers(const HeadlessAnswers&) = delete;
    HeadlessAnswers& operator=(const HeadlessAnswers&) = delete;

  private:
    Platform& platform_;
    std::unique_ptr<Prompter> prompter_;
    std::unique_ptr<Dialogs> dialogs_;
};

bool LooksLikeSetFile(const QStringList& lines) {
    for (const QString& line : lines)
        if (SectionOf(line) != SetSection::None) return true;
    return false;
}

}  // namespace

// Friend of the controller: it takes the start-up steps a run needs, and no others.
class HeadlessRun {
  public:
    HeadlessRun(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}
    int run(const QString& setArgument);

  private:
    int notStarted(const QString& reason);
    void report(const QString& line);
    void prepare(THarbexZoDi& z, const QString& setPath);
    QString driveProblem(const THarbexZoDi& z) const;
    int finish(THarbexZoDi& z, qsizetype firstLine);

    QTextStream& out_;
    QTextStream& err_;
    RunLogBook* log_ = nullptr;
    QStringList pending_;  // reported before the log was ready
};

int HeadlessRun::notStarted(const QString& reason) {
    report(reason);
    err_.flush();
    return kRunNotStarted;
}

void HeadlessRun::report(const QString& line) {
    err_ << "harbex: " << line << Qt::endl;
    if (log_)
        log_->add(line);
    else
        pending_ << line;
}

int HeadlessRun::run(const QString& setArgument) {
    Platform& platform = CurrentPlatform();
    const QString driveMapFile =
        platform.registry->fileOf(RegistryRoot::CurrentUser, HostPaths::DriveMapKey());
    QString error;
    const QString setPath = SetPathFromArgument(*platform.paths, setArgument,
                                                platform.programFolder, driveMapFile, &error);
    if (setPath.isEmpty()) return notStarted(error);
    if (!Files().fileExists(setPath))
        return notStarted(QStringLiteral("The backup set file ") + setPath +
                          QStringLiteral(" does not exist; nothing was backed up."));
    const TextReadResult read = Files().readLines(setPath);
    if (!read.ok) return notStarted(read.error);
    if (!LooksLikeSetFile(read.lines))
        return notStarted(QStringLiteral("The file ") + setPath +
                          QStringLiteral(" is not a Harbex backup set; nothing was backed up."));
    // The set as its file says, before this machine's engines have a say in it.
    BackupSetModel wanted;
    SetReaderHooks plain;
    ReadSetLines(read.lines, wanted, QString(), plain);

    RunLock lock(Files().toHost(platform.programFolder), Files().toHost(setPath));
    QString holder;
    if (!lock.tryLock(&holder))
        return notStarted(QStringLiteral("The set ") + setPath +
                          QStringLiteral(" is being backed up already by ") + holder +
                          QStringLiteral("; this run was not started."));

    const HeadlessAnswers answers(platform, [this](const QString& line) { report(line); });
    THarbexZoDi z;
    z.notices().enabled = false;
    prepare(z, setPath);
    QString problem = driveProblem(z);
    if (problem.isEmpty() && wanted.Zipped &&
        !z.engines().EngineAvailable(z.settings.internal ? Engines::Kind::Zipmaster
                                                         : Engines::Kind::External))
        problem = QStringLiteral(
            "The set is compressed, but its compression engine is missing (the internal "
            "engine's modules beside the program, or the utility named by \"Ext Util\"); "
            "nothing was backed up.");
    if (!problem.isEmpty()) {
        report(problem);
        z.log().SaveRunLog();
        return kRunNotStarted;
    }
    const qsizetype firstLine = z.log().RunLog.size();
    // Exactly what the end of a countdown does.
    z.autoRuns().TimerTimeout();
    return finish(z, firstLine);
}

void HeadlessRun::prepare(THarbexZoDi& z, const QString& setPath) {
    z.Activated = true;
    z.Idle = true;
    z.TitleText = z.BuildTitleText();
    Platform& platform = CurrentPlatform();
    // The settings as the window program reads them, without the handling of "StartUp" (a run
    // registers nothing). A run is of this one set: a sequence belongs to the window program.
    z.settings = ReadSettings(*platform.registry, z.programFolder(), platform.defaults);
    z.settings.SequencingMode = false;
    z.applyCountdownInterval();
    z.showSettingsInActions();
    z.DuplicateCopies = std::make_unique<QStringList>();
    z.log().RunLog.clear();
    z.log().SetLogFileName();
    z.log().ContinueTodaysLog();
    log_ = &z.log();
    for (const QString& line : std::exchange(pending_, {})) log_->add(line);
    z.SetUpCompression();
    z.CheckTemporaryFolder();
    z.panels.set(0, WeekdayName(WeekdayNumber(Now().today())));
    z.panels.set(7, QStringLiteral("AUTO"));
    z.ReportStart = 0;
    z.ReportEnd = 1;
    z.setBusFile(setPath);
    z.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
}

QString HeadlessRun::driveProblem(const THarbexZoDi& z) const {
    const QStringList& drives = z.model.Drivelist;
    if (drives.isEmpty())
        return QStringLiteral("The set has no active drive to copy to; nothing was backed up.");
    for (const QString& drive : drives)
        if (Files().probeFolder(drive).reachable) return QString();
    return QStringLiteral("None of the set's drives can be reached (") + drives.join(u' ') +
           QStringLiteral("); nothing was backed up.");
}

int HeadlessRun::finish(THarbexZoDi& z, qsizetype firstLine) {
    const ExportOutcome& outcome = z.exporter().lastOutcome();
    RunLogBook& log = z.log();
    // A run that stopped before its export has its reasons in the log lines it added.
    const QStringList lines =
        outcome.exported ? outcome.report : log.RunLog.mid(std::min(firstLine, log.RunLog.size()));
    for (const QString& line : lines) out_ << line << '\n';
    if (outcome.exported && !z.settings.EnabLog) {
        out_ << "Files backed up successfully " << outcome.done << '\n';
        out_ << "Failed backups               " << outcome.failed << '\n';
    }
    int code = outcome.exported && outcome.allCopiesGood() ? kRunAllGood : kRunFailures;
    // Who reads only standard error (cron mails it) learns that this run needs a look.
    if (code == kRunFailures)
        err_ << "harbex: the backup of " << z.busFile() << " had problems: "
             << (outcome.exported
                     ? QString::number(outcome.failed) + QStringLiteral(" copies failed, ") +
                           QString::number(outcome.notFound) +
                           QStringLiteral(" files not found, ") + QString::number(outcome.done) +
                           QStringLiteral(" copies checked OK")
                     : QStringLiteral("it stopped before copying"))
             << "; see " << Files().toHost(z.settings.LogFileName) << Qt::endl;
    // The export saved the log already; a run that stopped early has not, and a failed save
    // must not pass unnoticed.
    QString error;
    if (!log.SaveRunLog(&error)) {
        err_ << "harbex: " << error << Qt::endl;
        code = kRunFailures;
    }
    out_ << "Log file: " << Files().toHost(z.settings.LogFileName) << Qt::endl;
    if (z.settings.LogOptions == 3)
        CurrentPlatform().registry->writeText(RegistryRoot::CurrentUser, SettingsKey(),
                                              QStringLiteral("L Count"),
                                              QString::number(z.settings.LogCounter));
    err_.flush();
    return code;
}

bool IsCommandLineRun(const QStringList& arguments) {
    return arguments.size() > 1;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (!IsCommandLineRun(arguments)) return -1;
    const QString& option = arguments[1];
    if (option == QStringLiteral("--help") || option == QStringLiteral("-h")) {
        out << UsageText() << Qt::flush;
        return kRunAllGood;
    }
    if (option == QStringLiteral("--version")) {
        out << HARBEX_INTERNAL_NAME << ' ' << HARBEX_FILE_VERSION << Qt::endl;
        return kRunAllGood;
    }
    if (option == QStringLiteral("--run") && arguments.size() == 3)
        return RunSetHeadless(arguments[2], out, err);
    err << "harbex: "
        << (option == QStringLiteral("--run") ? QStringLiteral("--run needs one set file")
                                              : QStringLiteral("unknown option ") + option)
        << "\n\n"
        << UsageText() << Qt::flush;
    return kRunNotStarted;
}

int RunSetHeadless(const QString& setArgument, QTextStream& out, QTextStream& err) {
    HeadlessRun run(out, err);
    return run.run(setArgument);
}

}  // namespace harbex
