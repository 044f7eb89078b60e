#include "platform/waits.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

namespace harbex {

void Waits::waitMilliseconds(quint64 ms) {
    processPendingMessages();
    QDeadlineTimer deadline(static_cast<qint64>(ms), Qt::PreciseTimer);
    // A local event loop sleeps until a message arrives or the deadline passes; it wakes for
    // every timer and click, so the window stays responsive without burning a core.
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1 << 30)));
        if (loop.exec() < 0) {
            // The application is quitting and no event loop runs any more: sleep out the rest
            // instead of spinning through loops that return at once.
            QThread::msleep(
                static_cast<unsigned long>(std::max<qint64>(deadline.remainingTime(), 0)));
            return;
        }
    }
}

void Waits::runWhileHandlingMessages(const std::function<void()>& work,
                                     const std::function<void()>& tick, int intervalMs) {
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QTimer timer;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    if (tick) QObject::connect(&timer, &QTimer::timeout, &loop, tick);
    thread->start();
    timer.start(intervalMs);
    if (!thread->isFinished()) loop.exec();
    thread->wait();
}

void Waits::processPendingMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace harbex
