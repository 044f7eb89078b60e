#include "platform/deadline.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace harbex {
namespace {

struct WorkerState {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

}  // namespace

bool FinishesWithin(std::function<void()> work, int limitMs, bool handleUserInput) {
    auto state = std::make_shared<WorkerState>();
    auto run = [state, work = std::move(work)] {
        work();
        const std::lock_guard lock(state->mutex);
        state->done = true;
        state->finished.notify_all();
    };
    try {
        std::thread(run).detach();
    } catch (const std::system_error&) {
        // No thread to be had: do the work here rather than not at all.
        run();
    }
    const QDeadlineTimer deadline(limitMs);  // a negative limit never expires
    const auto events =
        handleUserInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    for (;;) {
        {
            std::unique_lock lock(state->mutex);
            if (state->finished.wait_for(lock, std::chrono::milliseconds(10),
                                         [&state] { return state->done; }))
                return true;
        }
        if (QCoreApplication::instance()) QCoreApplication::processEvents(events);
        if (deadline.hasExpired()) return false;
    }
}

void RunWhileHandlingMessages(std::function<void()> work) {
    FinishesWithin(std::move(work), -1, true);
}

QString NoAnswerReason(int limitMs) {
    return QStringLiteral("No answer within %1 seconds").arg(limitMs / 1000.0);
}

}  // namespace harbex
