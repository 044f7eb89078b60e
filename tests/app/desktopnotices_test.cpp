#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include "app/desktopnotices.h"
#include "engine/exporter.h"
#include "log/runlogbook.h"
#include "schedule/autoruns.h"
#include "support/controllerfixture.h"

namespace harbex::test {

// The desktop's notification service, played by the test on a bus of its own (the user's side
// of a notice, like a scripted answer): it records every notice and can report a click.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    struct Notice {
        QString app;
        QString summary;
        QString body;
        QStringList actions;
    };
    QList<Notice> received;

  public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap&, int) {
        received << Notice{app, summary, body, actions};
        return 40 + static_cast<uint>(received.size());
    }
};

namespace {

const QByteArray kRecordingViewer =
    "#!/bin/sh\n"
    "dir=$(dirname \"$0\")\n"
    "printf '%s\\n' \"$@\" > \"$dir/call.part\"\n"
    "mv \"$dir/call.part\" \"$dir/call.args\"\n";

// Handles messages until the condition holds or 10 s have passed.
bool WaitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return condition();
}

class DesktopNoticesTest : public ControllerTest {
  protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(P("dbus-daemon"));
        if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
        bus_.start(daemon, {P("--session"), P("--nofork"), P("--print-address")});
        ASSERT_TRUE(bus_.waitForStarted());
        ASSERT_TRUE(WaitFor([this] { return bus_.canReadLine(); }));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        world.writeFile(P("C:\\Src\\a.txt"), "a");
        world.writeFile(P("C:\\Src\\b.txt"), "b");
        world.writeFile(kViewer, kRecordingViewer);
        QFile::setPermissions(world.host(kViewer),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        THarbexZoDi& c = controller();
        c.DuplicateCopies = std::make_unique<QStringList>();
        c.panels.set(0, P("Monday"));
        c.panels.set(1, P("C:\\Harbex\\night.bus"));
        c.settings.LogViewer = kViewer;
        c.settings.LogOptions = 0;
        c.settings.QuitAfterAuto = false;
        c.settings.ZipTemp = P("C:\\Harbex\\");
        c.log().SetLogFileName();
        c.model.DirSource = {P("C:\\Src")};
        c.model.FilterList = {P("*.*")};
        c.UserFolderCount = 1;
        c.model.Drivelist = {P("D:")};
        c.model.UseDailyFolders = true;
        c.model.Days.fill(true);
    }
    void TearDown() override {
        for (const QString& name : {P("service"), P("program")})
            QDBusConnection::disconnectFromBus(name + address_);
        if (bus_.state() != QProcess::NotRunning) {
            bus_.kill();
            bus_.waitForFinished();
        }
    }
    QDBusConnection connect(const QString& name) {
        return QDBusConnection::connectToBus(address_, name + address_);
    }
    const QString kViewer = P("C:\\Harbex\\Viewer\\view.sh");
    QProcess bus_;
    QString address_;
};

TEST_F(DesktopNoticesTest, AFinishedAutomaticRunIsNotifiedAndAClickOpensItsLog) {
    enum class Desktop { Service, NoService, NoBus };
    int undelivered = 0;
    for (Desktop desktop : {Desktop::NoBus, Desktop::NoService, Desktop::Service}) {
        SCOPED_TRACE(static_cast<int>(desktop));
        NotificationService service;
        QDBusConnection serviceBus = connect(P("service"));
        ASSERT_TRUE(serviceBus.isConnected());
        if (desktop == Desktop::Service) {
            ASSERT_TRUE(serviceBus.registerService(P("org.freedesktop.Notifications")));
            ASSERT_TRUE(serviceBus.registerObject(P("/org/freedesktop/Notifications"), &service,
                                                  QDBusConnection::ExportAllSlots));
        }
        z->notices().useBus(desktop == Desktop::NoBus ? QDBusConnection::connectToBus(
                                                            P("unix:path=/nonexistent"), P("none"))
                                                      : connect(P("program")));

        z->autoRuns().TimerTimeout();  // the countdown ran out

        const ExportOutcome& outcome = z->exporter().lastOutcome();
        EXPECT_EQ(outcome.done, 2) << "the run is the same with or without a desktop";
        EXPECT_TRUE(world.exists(P("D:\\Monday\\b.txt")));
        EXPECT_TRUE(world.prompter().records().isEmpty());
        if (desktop != Desktop::Service) {
            // An undelivered notice falls back to the tray, and there is none here: nothing.
            ++undelivered;
            EXPECT_TRUE(WaitFor([&] { return z->notices().undelivered == undelivered; }));
            EXPECT_TRUE(service.received.isEmpty());
            serviceBus.unregisterService(P("org.freedesktop.Notifications"));
            continue;
        }
        ASSERT_TRUE(WaitFor([&] { return !service.received.isEmpty(); }));
        const NotificationService::Notice& notice = service.received.first();
        EXPECT_EQ(notice.app, P("Harbex"));
        EXPECT_EQ(notice.summary, P("Harbex: backup finished"));
        EXPECT_EQ(notice.body,
                  P("night.bus: 2 files backed up, 0 failed.\nClick to open the log ") +
                      world.host(P("C:\\Harbex\\Harbex.log")));
        EXPECT_EQ(notice.actions,
                  (QStringList{P("default"), P("Open log"), P("open-log"), P("Open log")}));
        // A click on the notice opens the log in the log viewer.
        QDBusMessage click =
            QDBusMessage::createSignal(P("/org/freedesktop/Notifications"),
                                       P("org.freedesktop.Notifications"), P("ActionInvoked"));
        click << 41u << P("default");
        serviceBus.send(click);
        const QString calls = world.host(P("C:\\Harbex\\Viewer\\call.args"));
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(calls); }));
        QFile file(calls);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().trimmed(), world.host(P("C:\\Harbex\\Harbex.log")).toUtf8());
        serviceBus.unregisterObject(P("/org/freedesktop/Notifications"));
        serviceBus.unregisterService(P("org.freedesktop.Notifications"));
    }
}

TEST_F(DesktopNoticesTest, TheTrayIconIsWantedOnlyWhileTheProgramWaitsForAScheduledTime) {
    struct Step {
        const char* name;
        std::function<void(THarbexZoDi&)> act;
        bool wanted;
    };
    const std::vector<Step> steps = {
        {"Waiting",
         [](THarbexZoDi& c) {
             c.MinutesToGo = 30;
             c.autoRuns().ShowTimeToNext(30);
             c.ShedTimer.start();
         },
         true},
        {"ShedTimerRunsOut",
         [](THarbexZoDi& c) {
             c.MinutesToGo = 1;
             c.model.TimePicker = QTime(10, 0, 30);
             c.autoRuns().ShedTimerTimer();
         },
         false},
        {"WaitingAgain",
         [](THarbexZoDi& c) { c.ShedTimer.start(), c.autoRuns().ShowTimeToNext(5); }, true},
        {"Stopped", [](THarbexZoDi& c) { c.autoRuns().StopSheduledbackups1Click(); }, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(*z);
        z->Timer.stop();
        EXPECT_TRUE(WaitFor([&] { return z->notices().trayWanted() == step.wanted; }));
    }
}

}  // namespace
}  // namespace harbex::test

#include "desktopnotices_test.moc"
