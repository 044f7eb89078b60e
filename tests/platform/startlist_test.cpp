#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/startlist.h"

namespace harbex {
namespace {

TEST(StartList, EntriesAreDesktopFilesThatNameTheProgram) {
    QTemporaryDir dir;
    StartList list(dir.path() + QStringLiteral("/autostart"));
    EXPECT_FALSE(list.contains(QStringLiteral("Harbex")));
    ASSERT_TRUE(list.add(QStringLiteral("Harbex"), QStringLiteral("/opt/My Apps/harbex")));
    EXPECT_TRUE(list.contains(QStringLiteral("Harbex")));
    EXPECT_EQ(list.commandOf(QStringLiteral("Harbex")), QStringLiteral("\"/opt/My Apps/harbex\""));
    QFile file(dir.path() + QStringLiteral("/autostart/Harbex.desktop"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("[Desktop Entry]\nType=Application\nName=Harbex\n"));
    file.close();
    ASSERT_TRUE(list.remove(QStringLiteral("Harbex")));
    EXPECT_FALSE(list.contains(QStringLiteral("Harbex")));
    EXPECT_TRUE(list.remove(QStringLiteral("Harbex"))) << "removing a missing entry is no error";
}

TEST(StartList, AFolderThatCannotBeMadeIsReported) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StartList list(dir.path() + QStringLiteral("/file/autostart"));
    QString error;
    EXPECT_FALSE(list.add(QStringLiteral("Harbex"), QStringLiteral("/usr/bin/harbex"), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace harbex
