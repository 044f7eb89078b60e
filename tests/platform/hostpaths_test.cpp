#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/world.h"

namespace harbex::test {
namespace {

class HostPathsTest : public WorldTest {};

TEST_F(HostPathsTest, ResolvesEachComponentWithoutRegardToCase) {
    world.writeFile(QStringLiteral("C:\\Data\\report.doc"), "x");
    const QString expected = world.root() + QStringLiteral("/C/Data/report.doc");
    EXPECT_EQ(world.host(QStringLiteral("c:\\data\\REPORT.doc")), expected);
    EXPECT_EQ(world.host(QStringLiteral("C:/DATA/Report.DOC")), expected);
    EXPECT_TRUE(Files().fileExists(QStringLiteral("c:\\data\\REPORT.doc")));
}

TEST_F(HostPathsTest, PrefersTheExactNameWhenTwoNamesDifferOnlyInCase) {
    world.writeFile(QStringLiteral("C:\\Data\\Notes.txt"), "upper");
    QFile lower(world.root() + QStringLiteral("/C/Data/notes.txt"));
    ASSERT_TRUE(lower.open(QIODevice::WriteOnly));
    lower.write("lower");
    lower.close();
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\Data\\notes.txt")), "lower");
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\Data\\Notes.txt")), "upper");
}

TEST_F(HostPathsTest, KeepsMissingComponentsAsWrittenSoNewFilesGetTheirNames) {
    world.makeFolder(QStringLiteral("C:\\Data"));
    EXPECT_EQ(world.host(QStringLiteral("C:\\DATA\\New Folder\\File.TXT")),
              world.root() + QStringLiteral("/C/Data/New Folder/File.TXT"));
}

TEST_F(HostPathsTest, NetworkPathsGoThroughTheNetworkRoot) {
    world.writeFile(QStringLiteral("\\\\S1\\D\\Monday\\a.txt"), "x");
    EXPECT_TRUE(QFile::exists(world.networkRoot() + QStringLiteral("/S1/D/Monday/a.txt")));
    EXPECT_EQ(world.host(QStringLiteral("\\\\s1\\d\\MONDAY\\A.TXT")),
              world.networkRoot() + QStringLiteral("/S1/D/Monday/a.txt"));
    EXPECT_EQ(world.host(QStringLiteral("//S2/E")), world.networkRoot() + QStringLiteral("/S2/E"));
}

TEST_F(HostPathsTest, HostPathsTurnBackIntoProgramPaths) {
    const HostPaths& paths = *world.platform().paths;
    EXPECT_EQ(paths.toProgram(world.root() + QStringLiteral("/C/Harbex/default.bus")),
              QStringLiteral("C:\\Harbex\\default.bus"));
    EXPECT_EQ(paths.toProgram(world.root() + QStringLiteral("/D")), QStringLiteral("D:\\"));
    EXPECT_EQ(paths.toProgram(world.networkRoot() + QStringLiteral("/S1/D/Monday")),
              QStringLiteral("\\\\S1\\D\\Monday"));
}

TEST_F(HostPathsTest, UnmappedDrivesHaveNoHostPath) {
    EXPECT_TRUE(world.host(QStringLiteral("Q:\\anything")).isEmpty());
    EXPECT_FALSE(Files().exists(QStringLiteral("Q:\\")));
    world.unmapDrive(u'D');
    EXPECT_FALSE(Files().folderExists(QStringLiteral("D:\\")));
}

TEST_F(HostPathsTest, DotDotNeverClimbsAboveTheDrive) {
    EXPECT_EQ(world.host(QStringLiteral("C:\\..\\..\\Harbex")),
              world.root() + QStringLiteral("/C/Harbex"));
    EXPECT_EQ(world.host(QStringLiteral("C:\\Harbex\\..\\Harbex")),
              world.root() + QStringLiteral("/C/Harbex"));
}

TEST(HostPathsDefaults, WithoutADriveMapCIsTheRootAndTheNetworkIsMnt) {
    QTemporaryDir dir;
    Registry registry(dir.path(), dir.path());
    const HostPaths paths = HostPaths::FromRegistry(registry);
    EXPECT_EQ(paths.driveFolder(u'C'), QStringLiteral("/"));
    EXPECT_EQ(paths.networkRoot(), QStringLiteral("/mnt"));
    EXPECT_FALSE(paths.isMapped(u'D'));
    EXPECT_EQ(paths.toHost(QStringLiteral("C:\\etc")), QStringLiteral("/etc"));
    EXPECT_EQ(paths.toProgram(QStringLiteral("/etc/hostname")),
              QStringLiteral("C:\\etc\\hostname"));
    EXPECT_EQ(paths.toProgram(QStringLiteral("/mnt/S1/D")), QStringLiteral("\\\\S1\\D"));
}

}  // namespace
}  // namespace harbex::test
