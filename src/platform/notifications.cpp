#include "platform/notifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace harbex {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The key the service sends when the notice itself is clicked.
const QString kDefaultAction = QStringLiteral("default");
const QString kLogAction = QStringLiteral("open-log");

}  // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {
    if (!bus_.isConnected()) return;
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(ActionInvoked(uint, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                 SLOT(NotificationClosed(uint, uint)));
}

void DesktopNotifier::notify(const QString& summary, const QString& body,
                             const QString& actionLabel, std::function<void()> action,
                             std::function<void()> undelivered) {
    if (!bus_.isConnected()) {
        undelivered();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // Services that show markup read the body as such; a path with "<" or "&" must stay text.
    call << QStringLiteral("Harbex") << uint(0) << QStringLiteral("harbex") << summary
         << body.toHtmlEscaped()
         << QStringList{kDefaultAction, actionLabel, kLogAction, actionLabel} << QVariantMap()
         << int(-1);
    // Asynchronous: a slow or absent service never holds up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, 10000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, action = std::move(action),
             undelivered = std::move(undelivered)](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (reply.isError()) {
                    undelivered();
                    return;
                }
                actions_.insert(reply.value(), action);
            });
}

void DesktopNotifier::ActionInvoked(uint id, const QString& actionKey) {
    if (actionKey != kDefaultAction && actionKey != kLogAction) return;
    const auto found = actions_.constFind(id);
    if (found != actions_.constEnd() && *found) (*found)();
}

void DesktopNotifier::NotificationClosed(uint id, uint) {
    actions_.remove(id);
}

}  // namespace harbex
