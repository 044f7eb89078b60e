#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <atomic>

#include "sets/appsettings.h"
#include "sets/setfile.h"
#include "support/archives.h"
#include "support/world.h"
#include "util/listfile.h"

// The program killed while it saves: a child process saves one of two versions of a file again
// and again and is killed at a random moment. The file under its final name must then be one of
// the two versions, whole, and nothing else may have taken a final name.

namespace harbex::test {
namespace {

struct Save {
    const char* name;
    QString file;  // program path of the saved file
    // Saves version 0 or 1.
    std::function<void(TestWorld&, int)> save;
    // The version the file holds (0 or 1), or -1 for anything else.
    std::function<int(TestWorld&)> version;
};

// A shared counter of finished saves, for the parent to wait on.
std::atomic<int>* SharedCounter() {
    void* memory = ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    return new (memory) std::atomic<int>(0);
}

BackupSetModel SetVersion(int version) {
    BackupSetModel model;
    model.ZipCoreName = QStringLiteral("Version%1").arg(version);
    for (int i = 0; i < 2000; ++i)
        model.FilterList << QStringLiteral("*.v%1x%2").arg(version).arg(i);
    return model;
}

QStringList LogVersion(int version) {
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << QStringLiteral("C:\\Src\\f%1.txt: version %2 OK").arg(i).arg(version);
    return lines;
}

AppSettings SettingsVersion(const TestWorld& world, int version) {
    AppSettings settings =
        AppSettings::Defaults(world.programFolder(), PlatformDefaults::Original());
    settings.LogCounter = version ? 999 : 1;
    settings.BusFile = QStringLiteral("C:\\Harbex\\v%1.bus").arg(version);
    for (ShedInfo& info : settings.Sequence) info.BusFile = settings.BusFile;
    return settings;
}

template <typename T>
int WhichOf(const T& value, const T& zero, const T& one) {
    return value == zero ? 0 : value == one ? 1 : -1;
}

const Save kSaves[] = {
    {"SetSave", QStringLiteral("C:\\Harbex\\office.bus"),
     [](TestWorld&, int v) {
         Files().writeText(QStringLiteral("C:\\Harbex\\office.bus"),
                           ComposeSetText(SetVersion(v), 1));
     },
     [](TestWorld& w) {
         const QString text =
             QString::fromUtf8(w.readFile(QStringLiteral("C:\\Harbex\\office.bus")));
         return WhichOf(text, ComposeSetText(SetVersion(0), 1), ComposeSetText(SetVersion(1), 1));
     }},
    {"LogSave", QStringLiteral("C:\\Harbex\\Harbex.log"),
     [](TestWorld&, int v) {
         Files().writeText(QStringLiteral("C:\\Harbex\\Harbex.log"), ListFileText(LogVersion(v)));
     },
     [](TestWorld& w) {
         const QByteArray text = w.readFile(QStringLiteral("C:\\Harbex\\Harbex.log"));
         return WhichOf(text, ListFileText(LogVersion(0)).toUtf8(),
                        ListFileText(LogVersion(1)).toUtf8());
     }},
    {"SettingsSave", QString(),
     [](TestWorld& w, int v) { WriteSettings(w.registry(), SettingsVersion(w, v), nullptr); },
     [](TestWorld& w) {
         const AppSettings read =
             ReadSettings(w.registry(), w.programFolder(), PlatformDefaults::Original());
         return WhichOf(read, SettingsVersion(w, 0), SettingsVersion(w, 1));
     }},
};

class KilledDuringSave : public WorldTest, public ::testing::WithParamInterface<Save> {};

TEST_P(KilledDuringSave, TheFileIsOneWholeVersionAndNoOtherFileTakesAFinalName) {
    const Save& save = GetParam();
    save.save(world, 0);
    const QString folder =
        save.file.isEmpty()
            ? QFileInfo(world.registry().fileOf(RegistryRoot::CurrentUser, SettingsKey()))
                  .absolutePath()
            : QFileInfo(world.host(save.file)).absolutePath();
    const QStringList before = QDir(folder).entryList(QDir::Files);
    std::atomic<int>* saved = SharedCounter();
    for (int round = 0; round < 6; ++round) {
        saved->store(0);
        const pid_t child = ::fork();
        if (child == 0) {
            for (int k = 1;; ++k) {
                save.save(world, k % 2);
                saved->store(k);
            }
        }
        // Killed during one of its first saves, at a moment chance picks.
        const int target = QRandomGenerator::global()->bounded(1, 6);
        // A child killed while it was writing the settings' lock file leaves an empty lock,
        // which the next save may take over only once it is 30 seconds old: the deadline
        // leaves room for that wait on a busy machine.
        const QDeadlineTimer deadline(90000);
        while (saved->load() < target && !deadline.hasExpired()) ::sched_yield();
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ASSERT_FALSE(deadline.hasExpired()) << "the child never saved";
        EXPECT_NE(save.version(world), -1) << "round " << round << ": half a file";
        QStringList finals = QDir(folder).entryList(QDir::Files);
        // Temporary files of an interrupted save carry a name of their own, and so does the lock
        // of the settings file, which the next save takes over from the dead process.
        finals.removeIf([&before](const QString& name) {
            const QString last = name.section(u'.', -1);
            return !before.contains(name) && (last.size() == 6 || last == u"lock");
        });
        EXPECT_EQ(finals, before) << "round " << round;
    }
    ::munmap(saved, sizeof(std::atomic<int>));
    // Whatever the kills left behind, the next save works.
    save.save(world, 1);
    EXPECT_EQ(save.version(world), 1);
}

INSTANTIATE_TEST_SUITE_P(Saves, KilledDuringSave, ::testing::ValuesIn(kSaves),
                         [](const auto& info) { return std::string(info.param.name); });

// The archive writer (the stand-in utility, which shares it with the internal engine) killed at
// random points while it replaces yesterday's archive.
TEST_F(WorldTest, AKilledArchiveWriteLeavesYesterdaysArchiveOrAWholeNewOne) {
    const QString folder = world.host(QStringLiteral("C:\\Out"));
    QDir().mkpath(folder);
    QByteArray noise(6 << 20, '\0');
    for (char& byte : noise) byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    world.writeFile(QStringLiteral("C:\\Src\\big.bin"), noise);
    world.writeFile(QStringLiteral("C:\\Src\\small.txt"), "small");
    const QString utility = QStringLiteral(HARBEX_BUILD_FOLDER "/") + StandInZipUtilityName();
    const QString archive = folder + QStringLiteral("/week.zip");
    {
        QProcess first;
        first.start(utility, {archive, world.host(QStringLiteral("C:\\Src\\small.txt"))});
        ASSERT_TRUE(first.waitForFinished(60000) && first.exitCode() == 0);
    }
    QFile old(archive);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray previous = old.readAll();
    old.close();
    int caught = 0;
    for (int round = 0; round < 8 && caught < 3; ++round) {
        QProcess zip;
        zip.start(utility, {archive, world.host(QStringLiteral("C:\\Src\\big.bin"))});
        ASSERT_TRUE(zip.waitForStarted());
        // Killed once its new archive is being written, after a random number of looks.
        int looks = QRandomGenerator::global()->bounded(1, 200);
        const QDeadlineTimer deadline(30000);
        bool writing = false;
        while (zip.state() == QProcess::Running && !deadline.hasExpired() && looks > 0) {
            writing = writing || QDir(folder).entryList(QDir::Files).size() > 1;
            if (writing) --looks;
            zip.waitForFinished(1);
        }
        const bool killed = zip.state() == QProcess::Running;
        zip.kill();
        zip.waitForFinished(30000);
        caught += killed ? 1 : 0;
        QFile now(archive);
        ASSERT_TRUE(now.open(QIODevice::ReadOnly));
        const QByteArray bytes = now.readAll();
        if (bytes != previous) {
            const ArchiveCheck check = CheckArchive(archive);
            EXPECT_TRUE(check.unzipOk) << check.unzipOutput.toStdString();
            EXPECT_EQ(check.entries.value(QStringLiteral("big.bin")), Sha(noise));
        }
        EXPECT_TRUE(QFileInfo::exists(archive)) << "yesterday's archive is gone";
        // Restore yesterday's archive for the next round.
        QFile::remove(archive);
        QFile restore(archive);
        ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
        restore.write(previous);
    }
    EXPECT_GT(caught, 0) << "the utility was never caught writing";
}

}  // namespace
}  // namespace harbex::test
