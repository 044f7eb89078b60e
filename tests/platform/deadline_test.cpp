#include <gtest/gtest.h>

#include <QTimer>
#include <future>

#include "platform/deadline.h"
#include "support/world.h"

namespace harbex::test {
namespace {

TEST(Deadline, WorkThatDoesNotAnswerIsGivenUpWhileTheWindowKeepsRunning) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);
    const std::optional<bool> hung = RunWithDeadline<bool>(
        [released] {
            released.wait();
            return true;
        },
        200);
    EXPECT_FALSE(hung.has_value());
    EXPECT_GT(ticks, 0) << "timers fire while the program waits";
    release.set_value();  // the abandoned work ends on its own
    EXPECT_EQ(RunWithDeadline<int>([] { return 42; }, 60000), 42);
    EXPECT_EQ(NoAnswerReason(3000), QStringLiteral("No answer within 3 seconds"));
}

TEST(Deadline, AFolderProbeSaysWhyADriveCannotBeReached) {
    TestWorld world;
    world.writeFile(QStringLiteral("C:\\Harbex\\notes.txt"), "text");
    struct Case {
        const char* path;
        bool reachable;
        const char* reason;
    };
    const QList<Case> cases = {
        {"C:", true, ""},
        {"c:\\HARBEX", true, ""},
        {"\\\\s1\\c", true, ""},
        {"G:", false, "The drive is not mapped to a folder"},
        {"Harbex", false, "Not a drive or network path"},
        {"", false, "No such file or directory"},
        {"C:\\Missing", false, "No such file or directory"},
        {"C:\\Harbex\\notes.txt", false, "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const FolderProbe probe = Files().probeFolder(QString::fromLatin1(c.path));
        EXPECT_EQ(probe.reachable, c.reachable);
        EXPECT_EQ(probe.reason, QString::fromLatin1(c.reason));
    }
}

}  // namespace
}  // namespace harbex::test
