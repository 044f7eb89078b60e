#include <gtest/gtest.h>

#include <QTimer>
#include <future>

#include "platform/deadline.h"

namespace harbex::test {
namespace {

TEST(Deadline, WorkThatDoesNotAnswerIsGivenUpWhileTheWindowKeepsRunning) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);
    const auto hung = RunWithDeadline<bool>([released] { return released.wait(), true; }, 200);
    EXPECT_FALSE(hung.has_value());
    EXPECT_GT(ticks, 0) << "timers fire while the program waits";
    release.set_value();  // the abandoned work ends on its own
    EXPECT_EQ(RunWithDeadline<int>([] { return 42; }, 60000), 42);
}

TEST(Deadline, LongWorkRunsToItsEndWhileMessagesAndClicksAreHandled) {
    std::promise<void> release;
    std::future<void> released = release.get_future();
    // Only a handled message lets the work end.
    QTimer::singleShot(20, [&release] { release.set_value(); });
    bool finished = false;
    RunWhileHandlingMessages([&] {
        finished = released.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    });
    EXPECT_TRUE(finished);
}

}  // namespace
}  // namespace harbex::test
