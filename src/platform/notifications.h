#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

namespace harbex {

// Desktop notifications through the freedesktop notification service on the session bus. A
// notice carries one action, run when the user clicks the notice or its button while the
// program still runs. Without a bus or a service the notice is simply not delivered.
class DesktopNotifier : public QObject {
    Q_OBJECT
  public:
    explicit DesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    // Sends a notice; `undelivered` runs (later, from the event loop, or at once without a bus)
    // when no service took it.
    void notify(const QString& summary, const QString& body, const QString& actionLabel,
                std::function<void()> action, std::function<void()> undelivered);

  private slots:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

  private:
    QDBusConnection bus_;
    QHash<uint, std::function<void()>> actions_;
};

}  // namespace harbex
