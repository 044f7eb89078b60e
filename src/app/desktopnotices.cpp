#include "app/desktopnotices.h"

#include <QApplication>
#include <QDBusConnection>
#include <QStyle>
#include <QSystemTrayIcon>

#include "app/harbexzodi.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "platform/notifications.h"
#include "platform/platform.h"
#include "util/utils.h"

namespace harbex {

QString NoticeSummary(const ExportOutcome& outcome) {
    if (!outcome.exported) return QStringLiteral("Harbex: the backup stopped before copying");
    return outcome.allCopiesGood() ? QStringLiteral("Harbex: backup finished")
                                   : QStringLiteral("Harbex: backup finished with problems");
}

QString NoticeBody(const ExportOutcome& outcome, const QString& setName, const QString& logFile) {
    QString body = setName + QStringLiteral(": ");
    if (!outcome.exported)
        body += QStringLiteral("nothing was copied.");
    else if (outcome.nothingCollected)
        body += QStringLiteral("no files were collected, nothing was backed up.");
    else if (outcome.aborted)
        body += QStringLiteral("the drives could not be reached, nothing was backed up.");
    else
        body += QString::number(outcome.done) + QStringLiteral(" files backed up, ") +
                QString::number(outcome.failed) + QStringLiteral(" failed") +
                (outcome.notFound > 0 ? QStringLiteral(", ") + QString::number(outcome.notFound) +
                                            QStringLiteral(" not found.")
                                      : QStringLiteral("."));
    return body + QStringLiteral("\nClick to open the log ") + logFile;
}

DesktopNotices::DesktopNotices(THarbexZoDi& z)
    : z_(z), notifier_(std::make_unique<DesktopNotifier>(QDBusConnection::sessionBus())) {
    // The status bar says when a scheduled wait starts or ends; the timer itself is looked at
    // once the handler that wrote the status has finished arming or stopping it.
    z_.panels.setOnChange([this](int panel) {
        if (panel == 4 || panel == 7) scheduleTrayRefresh();
    });
}

DesktopNotices::~DesktopNotices() {
    z_.panels.setOnChange({});
}

void DesktopNotices::useBus(const QDBusConnection& bus) {
    notifier_ = std::make_unique<DesktopNotifier>(bus);
}

void DesktopNotices::AutomaticRunFinished(const ExportOutcome& outcome) {
    if (!enabled) return;
    const QString logFile = Files().toHost(z_.settings.LogFileName);
    lastSummary = NoticeSummary(outcome);
    lastBody = NoticeBody(outcome, FileNameOf(z_.busFile()), logFile);
    notifier_->notify(
        lastSummary, lastBody, QStringLiteral("Open log"), [this] { openLog(); },
        [this] {
            ++undelivered;
            showTrayMessage();
        });
}

void DesktopNotices::openLog() {
    const AppSettings& s = z_.settings;
    if (Files().fileExists(s.LogFileName)) ShellOpen(s.LogViewer, s.LogFileName, QString(), 5);
}

void DesktopNotices::showTrayMessage() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    QSystemTrayIcon& icon = tray();
    icon.show();
    icon.showMessage(lastSummary, lastBody);
    messageShown_ = true;
}

QSystemTrayIcon& DesktopNotices::tray() {
    if (!tray_) {
        const QIcon fallback = QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
        tray_ = new QSystemTrayIcon(QIcon::fromTheme(QStringLiteral("harbex"), fallback), this);
        connect(tray_, &QSystemTrayIcon::messageClicked, this, [this] { openLog(); });
        connect(tray_, &QSystemTrayIcon::activated, this, [this] { z_.restoreWindow(); });
    }
    return *tray_;
}

void DesktopNotices::scheduleTrayRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshQueued_ = false;
            refreshTray();
        },
        Qt::QueuedConnection);
}

void DesktopNotices::refreshTray() {
    trayWanted_ = enabled && z_.ShedTimer.isActive();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!trayWanted_) {
        // After a run's message the icon stays, so that the message can still be clicked.
        if (tray_ && !messageShown_) tray_->hide();
        return;
    }
    QSystemTrayIcon& icon = tray();
    icon.setToolTip(QStringLiteral("Harbex: ") + z_.panels.text(4));
    icon.show();
}

}  // namespace harbex
