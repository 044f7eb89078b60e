#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;

// The log of what the backups did, for a user who was not watching: lines collect in the RunLog
// and are written to today's log file in the program's folder at fixed save points.
class RunLogBook {
  public:
    explicit RunLogBook(THarbexZoDi& z) : z_(z) {}

    QStringList RunLog;

    void add(const QString& line) { RunLog << line; }

    // Names today's log file by the logging option.
    void SetLogFileName();
    // A second start on the same day continues the same log. A log of today that cannot be read
    // is renamed aside (the time in its name) and a log line says so.
    void ContinueTodaysLog();

    // Writes the file: the lines an earlier save of today already put there and then moved out
    // of the RunLog, followed by the RunLog. Replaces the file atomically.
    bool SaveRunLog(QString* error = nullptr);
    // A save whose folder is checked first; a missing folder shows message + LogFileName.
    bool SaveRunLogChecked(const QString& message);
    // Empties the RunLog after a save; the saved lines stay in the file at the next save.
    void EmptyAfterSave();
    // Backup All reports on an empty RunLog. The lines it holds are the day's earlier ones (read
    // back at start-up or not yet saved): they stay in today's file at the next save.
    void StartFreshReport();

    // The lines added when the program closes in manual operation, in order.
    void AddClosingLines();
    // Closing: in manual operation the closing lines, then a checked save. Otherwise the lines
    // not yet written, if any, without closing lines. Any failure is shown as "Error creating
    // log file" and closing goes on.
    void SaveClosingLog(bool manualOperation = true);

    // Commands
    void ViewLogFile1Click();
    void EnabLogExecute();
    void ClearLog1Click();
    void Page14ResetClick();
    void Button1Click();  // "Clear" on the Diags tab

    QStringList DiagBox;
    bool DiagTabVisible = false;
    QString CountLab = QStringLiteral("0");
    bool LogOptionsVisible = true;
    bool ViewOptionsVisible = true;
    bool LogOptionsBtnEnabled = true;

  private:
    QString proposedLogName() const;
    THarbexZoDi& z_;
    // Lines that are in today's file but no longer in the RunLog.
    QStringList written_;
    QString writtenFile_;
    QDate writtenDay_;
};

// Opens a program with a parameter text, as the desktop shell would, without waiting for it.
// A parameter that names an existing file is passed whole, whatever its length or blanks.
void ShellOpen(const QString& program, const QString& parameters, const QString& folder,
               int showMode);

}  // namespace harbex
