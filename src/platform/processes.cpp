#include "platform/processes.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <cerrno>
#include <csignal>

namespace harbex {
namespace {

int StartErrorNumber(const QString& hostProgram) {
    const QFileInfo info(hostProgram);
    if (!info.exists()) return ENOENT;
    if (info.isDir() || !info.isExecutable()) return EACCES;
    return ENOEXEC;
}

// Only the end of the error output is kept: it holds the reason a program gave up, and a
// program that writes without end must not fill the memory.
void KeepEnd(QByteArray& kept, const QByteArray& more) {
    constexpr qsizetype kLimit = 4096;
    kept += more;
    if (kept.size() > kLimit) kept.remove(0, kept.size() - kLimit);
}

}  // namespace

ProcessRun Processes::runAndWait(const QString& hostProgram, const QStringList& arguments,
                                 quint32 timeoutMs, quint16 /*showWindow*/,
                                 const std::function<bool()>& stopWhen) {
    ProcessRun run;
    QByteArray errors;  // declared first: it must outlive the process that fills it
    QProcess process;
    process.setProgram(hostProgram);
    process.setArguments(arguments);
    // The output goes where ours goes; the error output is kept for the caller's log.
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                     [&] { KeepEnd(errors, process.readAllStandardError()); });
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!extraEnvironment_.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (auto it = extraEnvironment_.cbegin(); it != extraEnvironment_.cend(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
    }
    // Its own process group, so that a time-out also ends whatever the program started.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    if (!process.waitForStarted(-1)) {
        run.status = ProcessRun::Status::FailedToStart;
        run.errorNumber = StartErrorNumber(hostProgram);
        return run;
    }
    const qint64 pid = process.processId();
    const QDeadlineTimer deadline(static_cast<qint64>(timeoutMs));
    bool timedOut = false;
    bool stopped = false;
    if (process.state() != QProcess::NotRunning) {
        // The window stays alive while a long program runs: messages are handled meanwhile.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        timer.start(static_cast<int>(std::min<quint32>(timeoutMs, 1u << 30)));
        QTimer poll;
        if (stopWhen) {
            QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
                if (!stopWhen()) return;
                stopped = true;
                loop.quit();
            });
            poll.start(100);
        }
        if (process.state() != QProcess::NotRunning) loop.exec();
        // Once the application is quitting the loop returns at once; the program has not been
        // seen to finish, so wait for it without a loop, up to the same time-out.
        if (!timedOut && !stopped && process.state() != QProcess::NotRunning &&
            !process.waitForFinished(static_cast<int>(
                std::min<qint64>(std::max<qint64>(deadline.remainingTime(), 0), 1 << 30))))
            timedOut = true;
    }
    if ((timedOut || stopped) && process.state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(-pid), SIGKILL);
        process.kill();
        process.waitForFinished(-1);
        run.status = stopped ? ProcessRun::Status::Stopped : ProcessRun::Status::TimedOut;
        return run;
    }
    run.status = ProcessRun::Status::Finished;
    process.waitForFinished(-1);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    KeepEnd(errors, process.readAllStandardError());
    run.errorOutput = QString::fromLocal8Bit(errors).trimmed();
    return run;
}

bool Processes::startDetached(const QString& hostProgram, const QStringList& arguments,
                              const QString& hostWorkingFolder) {
    return QProcess::startDetached(hostProgram, arguments, hostWorkingFolder);
}

}  // namespace harbex
