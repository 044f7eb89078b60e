#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

namespace harbex {

struct ProcessRun {
    enum class Status { Finished, TimedOut, Stopped, FailedToStart };
    Status status = Status::Finished;
    int errorNumber = 0;  // the system's error number when the program could not be started
    int exitCode = 0;     // when Finished; -1 when the program was ended by a signal
    QString errorOutput;  // the end of what the program wrote to its error output
};

// Starts programs directly (never through a shell) with an argument list.
class Processes {
  public:
    // Variables added to the environment of every program started (tests point a started
    // program at their own settings folder this way).
    explicit Processes(QMap<QString, QString> extraEnvironment = {})
        : extraEnvironment_(std::move(extraEnvironment)) {}
    virtual ~Processes() = default;
    // Waits at most timeoutMs for the program to end; on time-out, or once stopWhen says so (it
    // is asked every tenth of a second), the program and everything it started are killed
    // before this returns. showWindow is 0 (hidden) or 5 (shown); a command-line program has no
    // window of its own here, so it only matters to callers' logs.
    virtual ProcessRun runAndWait(const QString& hostProgram, const QStringList& arguments,
                                  quint32 timeoutMs, quint16 showWindow,
                                  const std::function<bool()>& stopWhen = {});
    // Starts a program and leaves it running (the log viewer).
    virtual bool startDetached(const QString& hostProgram, const QStringList& arguments,
                               const QString& hostWorkingFolder);

  private:
    QMap<QString, QString> extraEnvironment_;
};

}  // namespace harbex
