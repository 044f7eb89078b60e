#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <ctime>

#include "support/world.h"
#include "util/errors.h"
#include "util/utils.h"

namespace harbex::test {
namespace {

class UtilsTest : public WorldTest {
  protected:
    // A shell script in the program's folder; returns its program path.
    QString script(const QString& name, const QByteArray& body) {
        const QString path = world.programFolder() + name;
        world.writeFile(path, "#!/bin/sh\n" + body);
        QFile::setPermissions(world.host(path),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
};

// A process that is gone or a zombie no longer runs.
bool ProcessRuns(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.size() > close + 2 && text[close + 2] != 'Z';
}

// A killed process ends when the system gets to it; on a busy machine that is not at once.
bool ProcessEndsWithin(qint64 pid, int ms) {
    const QDeadlineTimer deadline(ms);
    while (ProcessRuns(pid)) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(10);
    }
    return true;
}

// The application as it is after the user quit: exit() was called and no event loop runs any
// more. Running the application loop once afterwards clears that state for the next test.
class ApplicationQuitting {
  public:
    ApplicationQuitting() { QCoreApplication::exit(0); }
    ~ApplicationQuitting() {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

double CpuMilliseconds(std::clock_t since) {
    return 1000.0 * double(std::clock() - since) / CLOCKS_PER_SEC;
}

TEST_F(UtilsTest, RunAndWaitStartsNothingWhenNeitherNameIsAFile) {
    const QString marker = world.host(QStringLiteral("C:\\started"));
    EXPECT_EQ(
        RunAndWait(QStringLiteral("C:\\utils\\pkzip.exe"), QStringLiteral("-x ") + marker, 2000, 0),
        QStringLiteral("Process file does not exist"));
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(UtilsTest, RunAndWaitPassesTheParametersAsWindowsSplitsThemWithoutAShell) {
    const QString program = script(
        QStringLiteral("args.sh"),
        "out=\"$1\"; shift; for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out\"; done\n");
    const QString out = world.host(QStringLiteral("C:\\args.txt"));
    const QString result = RunAndWait(
        program,
        QStringLiteral("\"%1\" \"C:\\My Files\\a b.zip\" a;b $HOME `id` \\\\S1\\D").arg(out), 5000,
        0);
    EXPECT_EQ(result, QStringLiteral("OK"));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[C:\\My Files\\a b.zip]\n[a;b]\n[$HOME]\n[`id`]\n[\\\\S1\\D]\n");
}

TEST_F(UtilsTest, RunAndWaitKillsTheProgramAndItsChildrenAtTheTimeOut) {
    const QString pids = world.host(QStringLiteral("C:\\pids"));
    const QString program =
        script(QStringLiteral("slow.sh"), "sleep 60 &\necho $$ $! > \"$1\"\nwait\n");
    const QString result = RunAndWait(program, QStringLiteral("\"%1\"").arg(pids), 300, 0);
    EXPECT_EQ(result, QStringLiteral("Timeout has occured in waiting for result from compiler."));
    QFile file(pids);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> numbers = file.readAll().trimmed().split(' ');
    ASSERT_EQ(numbers.size(), 2);
    for (const QByteArray& pid : numbers)
        EXPECT_TRUE(ProcessEndsWithin(pid.toLongLong(), 10000)) << pid.constData();
}

TEST_F(UtilsTest, AfterQuitRunAndWaitReportsOkOnlyForAProgramThatFinished) {
    const QString done = world.host(QStringLiteral("C:\\done"));
    const QString program =
        script(QStringLiteral("late.sh"), "sleep \"$1\"\necho finished > \"$2\"\n");
    ApplicationQuitting quitting;
    EXPECT_EQ(RunAndWait(program, QStringLiteral("0.3 \"%1\"").arg(done), 10000, 0),
              QStringLiteral("OK"));
    EXPECT_TRUE(QFile::exists(done)) << "OK is only reported once the program has finished";
    QFile::remove(done);
    EXPECT_EQ(RunAndWait(program, QStringLiteral("30 \"%1\"").arg(done), 300, 0),
              QStringLiteral("Timeout has occured in waiting for result from compiler."));
    EXPECT_FALSE(QFile::exists(done));
}

TEST(RealWaits, AfterQuitWaitsSleepInsteadOfSpinning) {
    Waits waits;
    ApplicationQuitting quitting;
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer elapsed;
    elapsed.start();
    waits.waitMilliseconds(400);
    EXPECT_GE(elapsed.elapsed(), 400);
    EXPECT_LT(CpuMilliseconds(cpuBefore), 150.0) << "a wait must sleep, not spin";
}

TEST_F(UtilsTest, RunAndWaitReportsAProgramThatCannotStart) {
    const QString notExecutable = world.programFolder() + QStringLiteral("plain.txt");
    world.writeFile(notExecutable, "just text");
    EXPECT_EQ(RunAndWait(notExecutable, QStringLiteral("x"), 1000, 5),
              QStringLiteral("Create Proccess failed C:\\Harbex\\plain.txt x Error: 13"));
    // The parameter names an existing file but the program does not exist.
    EXPECT_EQ(RunAndWait(QStringLiteral("C:\\utils\\pkzip.exe"), notExecutable, 1000, 0),
              QStringLiteral(
                  "Create Proccess failed C:\\utils\\pkzip.exe C:\\Harbex\\plain.txt Error: 2"));
}

TEST_F(UtilsTest, WaitsHandlePendingMessagesEvenForZero) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    WaitSeconds(0);
    EXPECT_TRUE(fired);
    const QDateTime before = Now().now();
    WaitSeconds(2);
    WaitMilliseconds(200);
    EXPECT_EQ(before.msecsTo(Now().now()), 2200);
}

TEST(RealWaits, LetTimersRunAndDoNotSpinACore) {
    Waits waits;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer elapsed;
    elapsed.start();
    waits.waitMilliseconds(300);
    EXPECT_GE(elapsed.elapsed(), 300);
    EXPECT_GE(ticks, 5);
    EXPECT_LT(CpuMilliseconds(cpuBefore), 150.0) << "a wait must sleep, not spin";
}

TEST_F(UtilsTest, SubfolderTestsIgnoreDotEntriesFilesAndHiddenFolders) {
    world.makeFolder(QStringLiteral("C:\\Empty"));
    world.writeFile(QStringLiteral("C:\\Files\\a.txt"), "x");
    world.makeFolder(QStringLiteral("C:\\Hidden\\.git"));
    world.makeFolder(QStringLiteral("C:\\Tree\\Sub"));
    EXPECT_FALSE(HasSubfolders(QStringLiteral("C:\\Empty")));
    EXPECT_FALSE(HasSubfolders(QStringLiteral("C:\\Files")));
    EXPECT_FALSE(HasSubfolders(QStringLiteral("C:\\Hidden")));
    EXPECT_FALSE(HasSubfolders(QStringLiteral("C:\\Missing")));
    EXPECT_TRUE(HasSubfolders(QStringLiteral("c:\\tree")));
    EXPECT_FALSE(IsSubfolderEntry({QStringLiteral(".."), true, false, false}));
    EXPECT_FALSE(IsSubfolderEntry({QStringLiteral("a.txt"), false, false, false}));
    EXPECT_TRUE(IsSubfolderEntry({QStringLiteral("Sub"), true, false, false}));
}

TEST_F(UtilsTest, EnumNetworkContainersListsTheWorkgroupAndEveryServerButNoShares) {
    for (int i = 0; i < 60; ++i)
        QDir().mkpath(world.networkRoot() + QStringLiteral("/SRV%1/C").arg(i, 2, 10, QChar(u'0')));
    QStringList list;
    EnumNetworkContainers(nullptr, list);
    ASSERT_EQ(list.size(), 63);
    EXPECT_EQ(list.first(), QStringLiteral("WORKGROUP"));
    EXPECT_EQ(list[1], QStringLiteral("\\\\S1"));
    EXPECT_EQ(list[2], QStringLiteral("\\\\S2"));
    EXPECT_EQ(list.last(), QStringLiteral("\\\\SRV59"));
    for (const QString& name : list) EXPECT_EQ(name.count(u'\\'), name == u"WORKGROUP" ? 0 : 2);
}

TEST_F(UtilsTest, EnumNetworkContainersWithoutANetworkAddsExactlyOneErrorLine) {
    QDir(world.networkRoot()).removeRecursively();
    QStringList list{QStringLiteral("kept")};
    EnumNetworkContainers(nullptr, list);
    EXPECT_EQ(list, (QStringList{QStringLiteral("kept"),
                                 QStringLiteral("Open resource error No network is present.")}));
    EXPECT_EQ(NetworkErrorText(50), QStringLiteral("Network request not supported"));
    EXPECT_EQ(NetworkErrorText(4242), QStringLiteral("4242"));
}

TEST_F(UtilsTest, DriveIsReadyForMappedDrivesInEitherCaseAndRaisesForNonLetters) {
    EXPECT_TRUE(DriveIsReady(u'c'));
    EXPECT_TRUE(DriveIsReady(u'D'));
    EXPECT_FALSE(DriveIsReady(u'E'));
    QDir(world.host(QStringLiteral("D:\\"))).removeRecursively();
    EXPECT_FALSE(DriveIsReady(u'd')) << "a mapped drive without its medium is not ready";
    try {
        DriveIsReady(u'1');
        ADD_FAILURE() << "a digit is not a drive";
    } catch (const HarbexError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Not a valid drive ID"));
    }
}

TEST(ReleaseList, LeavesTheReferenceEmpty) {
    auto list = std::make_unique<QStringList>(QStringList{QStringLiteral("a")});
    ReleaseList(list);
    EXPECT_EQ(list, nullptr);
}

}  // namespace
}  // namespace harbex::test
