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

}  // namespace
}  // namespace harbex::test
