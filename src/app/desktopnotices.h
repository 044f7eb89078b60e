#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QDBusConnection;
class QSystemTrayIcon;

namespace harbex {

class THarbexZoDi;
class DesktopNotifier;
struct ExportOutcome;

// What the desktop shows of the program's unattended work: a notice when an automatic run has
// finished (how many files were backed up and how many failed; a click opens the log), and a
// tray icon while the program waits for a scheduled time. Without a notification service the
// tray icon's message is used, and without a tray nothing is shown; the work goes on the same.
class DesktopNotices : public QObject {
    Q_OBJECT
  public:
    explicit DesktopNotices(THarbexZoDi& z);
    ~DesktopNotices() override;

    // Off for the run from the command line, which has no desktop to tell.
    bool enabled = true;

    // An automatic run has ended with this outcome.
    void AutomaticRunFinished(const ExportOutcome& outcome);
    // Notices go to the service on this bus (the session bus unless a test gives another).
    void useBus(const QDBusConnection& bus);

    // The texts of the last notice (for the tray's message as well).
    QString lastSummary;
    QString lastBody;
    // How many notices no notification service took (the tray's message was tried instead).
    int undelivered = 0;
    // Whether the tray icon is meant to show now: the program waits for a scheduled time.
    bool trayWanted() const { return trayWanted_; }
    // Opens today's log file in the log viewer, as a click on a notice does.
    void openLog();

  private:
    void scheduleTrayRefresh();
    void refreshTray();
    void showTrayMessage();
    QSystemTrayIcon& tray();

    THarbexZoDi& z_;
    std::unique_ptr<DesktopNotifier> notifier_;
    QSystemTrayIcon* tray_ = nullptr;
    bool trayWanted_ = false;
    bool refreshQueued_ = false;
    bool messageShown_ = false;
};

// The notice's texts for an outcome: the summary line and the body.
QString NoticeSummary(const ExportOutcome& outcome);
QString NoticeBody(const ExportOutcome& outcome, const QString& setName, const QString& logFile);

}  // namespace harbex
