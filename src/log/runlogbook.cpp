#include "log/runlogbook.h"

#include "app/harbexzodi.h"
#include "platform/commandline.h"
#include "platform/platform.h"
#include "util/datetimetext.h"
#include "util/listfile.h"
#include "util/weekdays.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"

namespace harbex {
namespace {

QString LogFolder(const QString& logFileName) {
    const QString folder = FolderOf(logFileName);
    return folder.endsWith(u':') ? folder + u'\\' : folder;
}

// A log file's name with the moment in it: Monday_Harbex.log -> Monday_Harbex_20261207_100000.log
QString AsideName(const QString& logFileName, const QDateTime& now) {
    const qsizetype dot = logFileName.lastIndexOf(u'.');
    const qsizetype slash = logFileName.lastIndexOf(u'\\');
    const qsizetype end = dot > slash ? dot : logFileName.size();
    return logFileName.left(end) + u'_' + now.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           logFileName.mid(end);
}

bool LooksLikeProgramPath(const QString& text) {
    return (text.size() >= 2 && text[1] == u':') || text.startsWith(QStringLiteral("\\\\"));
}

}  // namespace

void RunLogBook::SetLogFileName() {
    const QString folder = z_.programFolder();
    const QDate today = Now().today();
    AppSettings& s = z_.settings;
    switch (s.LogOptions) {
        case 0:
            s.LogFileName = folder + QStringLiteral("Harbex.log");
            break;
        case 1:
            s.LogFileName =
                folder + WeekdayName(WeekdayNumber(today)) + QStringLiteral("_Harbex.log");
            break;
        case 2:
            s.LogFileName = folder + QStringLiteral("HarbexDM") + QString::number(today.day()) +
                            QStringLiteral(".log");
            break;
        case 3:
            CountLab = QString::number(s.LogCounter);
            s.LogFileName = folder + QStringLiteral("HarbexLC") + QString::number(s.LogCounter) +
                            QStringLiteral(".log");
            ++s.LogCounter;
            break;
        default:
            s.LogFileName = folder;
            break;
    }
}

void RunLogBook::ContinueTodaysLog() {
    const QString& name = z_.settings.LogFileName;
    if (!Files().fileExists(name)) return;
    if (DateText(Files().lastModified(name).date()) != DateText(Now().today())) return;
    const TextReadResult read = Files().readLines(name);
    if (read.ok) {
        RunLog = read.lines;
        return;
    }
    // Start-up must not stop at a question for an unattended start, and the next save must not
    // destroy what the file holds: it is moved aside and the log says where.
    const QString aside = AsideName(name, Now().now());
    QString error;
    QString note = QStringLiteral("Earlier log lines of today could not be read: ") + read.error;
    if (Files().renameFile(name, aside, &error)) {
        note += QStringLiteral("; that file was kept as ") + aside;
    } else {
        note += QStringLiteral("; that file is kept and this log goes to ") + aside +
                QStringLiteral(" (") + error + u')';
        z_.settings.LogFileName = aside;
    }
    add(note);
}

bool RunLogBook::SaveRunLog(QString* error) {
    const QString& name = z_.settings.LogFileName;
    const QDate today = Now().today();
    if (writtenFile_ != name || writtenDay_ != today) written_.clear();
    QString failure;
    if (!Files().writeText(name, ListFileText(written_ + RunLog), &failure)) {
        if (error) *error = failure;
        return false;
    }
    writtenFile_ = name;
    writtenDay_ = today;
    return true;
}

bool RunLogBook::SaveRunLogChecked(const QString& message) {
    const QString& name = z_.settings.LogFileName;
    if (!Files().folderExists(LogFolder(name))) {
        Prompts().message(message + name);
        return false;
    }
    QString error;
    if (!SaveRunLog(&error)) {
        Prompts().message(error);
        return false;
    }
    return true;
}

void RunLogBook::EmptyAfterSave() {
    if (writtenFile_ == z_.settings.LogFileName && writtenDay_ == Now().today()) written_ += RunLog;
    RunLog.clear();
}

void RunLogBook::StartFreshReport() {
    const QString& name = z_.settings.LogFileName;
    const QDate today = Now().today();
    if (writtenFile_ != name || writtenDay_ != today) {
        written_.clear();
        writtenFile_ = name;
        writtenDay_ = today;
    }
    written_ += RunLog;
    RunLog.clear();
}

void RunLogBook::AddClosingLines() {
    const QDateTime now = Now().now();
    add(QStringLiteral("Log File save at System shutdown ") + TimeText(now.time()) + u' ' +
        DateText(now.date()));
    add(QStringLiteral("Loaded BUS ") + z_.busFile());
    add(QStringLiteral("Status ") + z_.panels.text(4));
}

void RunLogBook::SaveClosingLog(bool manualOperation) {
    if (!manualOperation && RunLog.isEmpty()) return;
    try {
        if (manualOperation) AddClosingLines();
        const QString& name = z_.settings.LogFileName;
        if (!Files().folderExists(LogFolder(name))) {
            Prompts().message(QStringLiteral("Unable to Save Log file to") + name);
            return;
        }
        if (!SaveRunLog()) Prompts().message(QStringLiteral("Error creating log file"));
    } catch (const std::exception&) {
        Prompts().message(QStringLiteral("Error creating log file"));
    }
}

QString RunLogBook::proposedLogName() const {
    const QDate today = Now().today();
    switch (z_.settings.LogOptions) {
        case 0:
            return QStringLiteral("Harbex.log");
        case 1:
            return WeekdayName(WeekdayNumber(today)) + QStringLiteral("_Harbex.log");
        case 2:
            return QStringLiteral("HarbexDM") + QString::number(today.day()) +
                   QStringLiteral(".log");
        case 3:
            return QStringLiteral("HarbexLC") + QString::number(z_.settings.LogCounter) +
                   QStringLiteral(".log");
        default:
            return QString();
    }
}

void RunLogBook::ViewLogFile1Click() {
    AppSettings& s = z_.settings;
    if (!Files().fileExists(s.LogViewer)) {
        const Button answer = Prompts().question(
            QStringLiteral("Unable to open log file:\r\nCant find Windows 'Notepad', do you want "
                           "to try and locate it yourself"),
            IconKind::Error, {Button::Yes, Button::Cancel, Button::Help}, 18);
        if (answer != Button::Yes) return;
        const auto chosen = CurrentPlatform().dialogs->openFile(
            {QString(),
             QStringLiteral("Execuatable Files [*.exe]|*.exe|Command Files [*.com]|*.com|DOS "
                            "Batch File [*.bat]|*.bat|Any File|*.*"),
             QStringLiteral("exe"), CurrentPlatform().defaults.viewerFolder, QString()});
        if (chosen) s.LogViewer = *chosen;
        return;
    }
    if (s.ViewOptions == 0) {
        if (Files().fileExists(s.LogFileName)) ShellOpen(s.LogViewer, s.LogFileName, QString(), 5);
        return;
    }
    if (s.ViewOptions != 1) return;
    const auto chosen = CurrentPlatform().dialogs->openFile(
        {QStringLiteral("Open Log File"), QStringLiteral("Harbex Log Files [*.log]|*.log"),
         QStringLiteral("log"), z_.programFolder(), proposedLogName()});
    if (chosen) ShellOpen(s.LogViewer, *chosen, QString(), 5);
}

void RunLogBook::EnabLogExecute() {
    AppSettings& s = z_.settings;
    s.EnabLog = !s.EnabLog;
    LogOptionsVisible = s.EnabLog;
    ViewOptionsVisible = s.EnabLog;
    LogOptionsBtnEnabled = s.EnabLog;
    // The wizard's log page shows the change at once.
    if (z_.wizard().visible()) z_.wizard().ShowWizardPage(kPage14);
}

void RunLogBook::ClearLog1Click() {
    RunLog.clear();
    // The user asked for an empty log: the next save replaces the file with what follows.
    written_.clear();
}

void RunLogBook::Page14ResetClick() {
    z_.settings.LogCounter = 0;
    CountLab = QStringLiteral("0");
}

void RunLogBook::Button1Click() {
    DiagBox.clear();
}

void ShellOpen(const QString& program, const QString& parameters, const QString& folder,
               int /*showMode*/) {
    FileSystem& files = Files();
    QStringList arguments;
    if (files.exists(parameters)) {
        arguments << files.toHost(parameters);
    } else {
        for (const QString& argument : SplitWindowsCommandLine(parameters))
            arguments << (LooksLikeProgramPath(argument) ? files.toHost(argument) : argument);
    }
    const QString workingFolder = folder.isEmpty() ? QString() : files.toHost(folder);
    CurrentPlatform().processes->startDetached(files.toHost(program), arguments, workingFolder);
}

}  // namespace harbex
