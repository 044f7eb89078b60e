#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sets/appsettings.h"
#include "support/world.h"

namespace harbex::test {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// A home with its own settings file whose drive map puts C: on a folder of the temp dir.
class RealPlatformTest : public ::testing::Test {
  protected:
    RealPlatformTest() {
        QDir().mkpath(root() + QStringLiteral("/C/tmp"));
        QDir().mkpath(root() + QStringLiteral("/config/Keelwick"));
        QFile conf(root() + QStringLiteral("/config/Keelwick/Pelvor.conf"));
        EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[Drives]\nC=" + root().toLocal8Bit() + "/C\n");
    }
    QString root() const { return dir_.path(); }
    QString driveMapFile() const { return root() + QStringLiteral("/config/Keelwick/Pelvor.conf"); }

    QTemporaryDir dir_;
    ScopedEnv config_{"XDG_CONFIG_HOME", root() + QStringLiteral("/config")};
    ScopedEnv temp_{"TMPDIR", root() + QStringLiteral("/C/tmp")};
};

TEST_F(RealPlatformTest, TheDataFolderIsPerUserAndCreatedAtStart) {
    struct Case {
        QString harbexHome;
        QString xdgDataHome;
        QString home;
        QString expectedHost;
        QString expectedProgram;
    };
    const QString c = root() + QStringLiteral("/C");
    const Case cases[] = {
        {c + QStringLiteral("/portable"), c + QStringLiteral("/data"), c + QStringLiteral("/u"),
         c + QStringLiteral("/portable"), QStringLiteral("C:\\portable\\")},
        {QString(), c + QStringLiteral("/data"), c + QStringLiteral("/u"),
         c + QStringLiteral("/data/Harbex"), QStringLiteral("C:\\data\\Harbex\\")},
        // A relative data home is not valid and is ignored.
        {QString(), QStringLiteral("relative/data"), c + QStringLiteral("/u"),
         c + QStringLiteral("/u/.local/share/Harbex"),
         QStringLiteral("C:\\u\\.local\\share\\Harbex\\")},
        {QString(), QString(), c + QStringLiteral("/v"),
         c + QStringLiteral("/v/.local/share/Harbex"),
         QStringLiteral("C:\\v\\.local\\share\\Harbex\\")},
    };
    for (const Case& test : cases) {
        ScopedEnv harbexHome("HARBEX_HOME", test.harbexHome);
        ScopedEnv dataHome("XDG_DATA_HOME", test.xdgDataHome);
        ScopedEnv home("HOME", test.home);
        const auto platform = Platform::CreateReal();
        EXPECT_TRUE(platform->startupProblem.isEmpty()) << platform->startupProblem.toStdString();
        EXPECT_TRUE(QFileInfo(test.expectedHost).isDir()) << test.expectedHost.toStdString();
        EXPECT_EQ(platform->programFolder, test.expectedProgram);
        EXPECT_EQ(platform->defaults.zipTemp, QStringLiteral("C:\\tmp\\"));
        EXPECT_TRUE(platform->executableFolder.isEmpty())
            << "the test program lies outside the mapped drive";
    }
}

TEST_F(RealPlatformTest, ADataOrTemporaryFolderOnNoDriveStopsStartUpWithHowToMapIt) {
    const QString outside = root() + QStringLiteral("/outside");
    struct Case {
        QString harbexHome;
        QString tmp;
        QString named;
    };
    const Case cases[] = {
        {outside, root() + QStringLiteral("/C/tmp"), outside},
        {root() + QStringLiteral("/C/data"), outside, outside},
    };
    for (const Case& test : cases) {
        QDir().mkpath(test.tmp);
        ScopedEnv harbexHome("HARBEX_HOME", test.harbexHome);
        ScopedEnv tmp("TMPDIR", test.tmp);
        const auto platform = Platform::CreateReal();
        EXPECT_EQ(platform->startupProblem, NoDriveMessage(test.named, driveMapFile()));
        EXPECT_TRUE(platform->startupProblem.contains(test.named));
        EXPECT_TRUE(platform->startupProblem.contains(QStringLiteral("[Drives]")));
    }
}

TEST_F(RealPlatformTest, TheLogViewerIsAViewerThisMachineHas) {
    const QString bin = root() + QStringLiteral("/C/bin");
    QDir().mkpath(bin);
    QFile editor(bin + QStringLiteral("/gnome-text-editor"));
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\n");
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    ScopedEnv path("PATH", bin);
    ScopedEnv harbexHome("HARBEX_HOME", root() + QStringLiteral("/C/data"));
    const auto platform = Platform::CreateReal();
    EXPECT_EQ(platform->defaults.logViewer, QStringLiteral("C:\\bin\\gnome-text-editor"));
}

class PlatformPathsTest : public WorldTest {};

TEST_F(PlatformPathsTest, APathWithoutADriveHasNoHostPathAndTrailingBlanksAreKept) {
    const HostPaths& paths = *world.platform().paths;
    for (const char* path : {"default.bus", "\\default.bus", ".bus", "Harbex\\x.log", ""})
        EXPECT_TRUE(paths.toHost(QString::fromLatin1(path)).isEmpty()) << path;
    world.writeFile(QStringLiteral("C:\\Data\\name "), "with blank");
    world.writeFile(QStringLiteral("C:\\Data\\name"), "without");
    EXPECT_EQ(paths.toHost(QStringLiteral("  C:\\Data\\name ")),
              world.root() + QStringLiteral("/C/Data/name "));
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\Data\\name ")), "with blank");
    // Nothing reaches the working folder (a temp folder here, in case it would).
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(world.root()));
    QString error;
    EXPECT_FALSE(Files().writeText(QStringLiteral("\\default.bus"), QStringLiteral("x"), &error));
    EXPECT_FALSE(Files().writeText(QStringLiteral(".bus"), QStringLiteral("x"), &error));
    EXPECT_EQ(QDir(world.root()).entryList(QDir::Files), QStringList());
    QDir::setCurrent(working);
}

TEST_F(PlatformPathsTest, AChoiceOutsideEveryDriveIsRefusedWithHowToMapIt) {
    const HostPaths& paths = *world.platform().paths;
    const QString outside = world.root() + QStringLiteral("/elsewhere");
    QDir().mkpath(outside);
    EXPECT_EQ(ProgramPathOfChoice(paths, world.root() + QStringLiteral("/C/Harbex/a.bus"),
                                  world.prompter(), QStringLiteral("map.conf")),
              QStringLiteral("C:\\Harbex\\a.bus"));
    EXPECT_EQ(ProgramPathOfChoice(paths, outside + QStringLiteral("/a.bus"), world.prompter(),
                                  QStringLiteral("map.conf")),
              std::nullopt);
    EXPECT_EQ(ProgramPathOfChoice(paths, outside, world.prompter(), QStringLiteral("map.conf")),
              std::nullopt);
    EXPECT_EQ(world.prompter().messages(),
              QStringList(2, NoDriveMessage(outside, QStringLiteral("map.conf"))));
}

// Counts the new versions of a file in a folder: a save writes its new version into a new file
// beside the old one (name.XXXXXX) or under the name itself, and renames it into place.
class FileVersions {
  public:
    explicit FileVersions(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_CREATE);
    }
    ~FileVersions() { ::close(fd_); }
    int created(const QString& name) {
        int found = 0;
        alignas(inotify_event) char buffer[8192];
        ssize_t length;
        while ((length = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + length;) {
                auto* event = reinterpret_cast<inotify_event*>(p);
                const QString created = event->len > 0 ? QFile::decodeName(event->name) : QString();
                if (created == name ||
                    (created.startsWith(name + u'.') && created != name + QStringLiteral(".lock")))
                    ++found;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return found;
    }

  private:
    int fd_;
};

TEST_F(PlatformPathsTest, SavingTheSettingsWritesTheSettingsFileOnce) {
    AppSettings settings = AppSettings::Defaults(world.programFolder(), world.platform().defaults);
    settings.Sequence[7].BusFile = QStringLiteral("C:\\Harbex\\last.bus");
    settings.First = false;
    // The file exists already: it holds the drive map.
    FileVersions versions(world.root() + QStringLiteral("/reg/Keelwick"));
    QString error;
    ASSERT_TRUE(WriteSettings(world.registry(), settings, &error)) << error.toStdString();
    EXPECT_EQ(versions.created(QStringLiteral("Pelvor.conf")), 1);
    EXPECT_EQ(world.setting(QStringLiteral("First")), QStringLiteral("0"));
    EXPECT_EQ(world.setting(QStringLiteral("FName7")), QStringLiteral("C:\\Harbex\\last.bus"));
}

}  // namespace
}  // namespace harbex::test
