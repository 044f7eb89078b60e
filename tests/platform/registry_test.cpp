#include <gtest/gtest.h>

#include <QFile>

#include "support/world.h"

namespace harbex::test {
namespace {

const QString kKey = QStringLiteral("Software\\Keelwick\\Pelvor");

TEST(Registry, ValueNamesAreFoundInAnyCaseAndKeepTheirStoredSpelling) {
    QTemporaryDir dir;
    Registry registry(dir.path() + QStringLiteral("/user"),
                      dir.path() + QStringLiteral("/machine"));
    ASSERT_TRUE(registry.writeText(RegistryRoot::CurrentUser, kKey, QStringLiteral("Zip Temp"),
                                   QStringLiteral("C:\\Temp\\")));
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, kKey, QStringLiteral("zip temp")),
              QStringLiteral("C:\\Temp\\"));
    EXPECT_EQ(
        registry.readText(RegistryRoot::CurrentUser, QStringLiteral("software\\KEELWICK\\Pelvor"),
                          QStringLiteral("ZIP TEMP")),
        std::nullopt)
        << "the key file name is the stored one";
    ASSERT_TRUE(registry.writeText(RegistryRoot::CurrentUser, kKey, QStringLiteral("Zip temp"),
                                   QStringLiteral("D:\\")));
    EXPECT_EQ(registry.valueNames(RegistryRoot::CurrentUser, kKey),
              QStringList{QStringLiteral("Zip Temp")});
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, kKey, QStringLiteral("Zip Temp")),
              QStringLiteral("D:\\"));
}

TEST(Registry, KeysMapOntoIniFilesWithDeeperLevelsAsGroups) {
    QTemporaryDir dir;
    Registry registry(dir.path() + QStringLiteral("/user"),
                      dir.path() + QStringLiteral("/machine"));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, kKey));
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, kKey, QStringLiteral("First")),
              std::nullopt);
    ASSERT_TRUE(registry.writeText(RegistryRoot::CurrentUser, kKey, QStringLiteral("First"),
                                   QStringLiteral("0")));
    ASSERT_TRUE(registry.writeText(RegistryRoot::CurrentUser, kKey + QStringLiteral("\\Drives"),
                                   QStringLiteral("D"), QStringLiteral("/srv/d")));
    ASSERT_TRUE(
        registry.writeText(RegistryRoot::LocalMachine,
                           QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
                           QStringLiteral("Harbex"), QStringLiteral("C:\\Harbex\\Harbex.exe")));
    QFile user(dir.path() + QStringLiteral("/user/Keelwick/Pelvor.conf"));
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    const QByteArray text = user.readAll();
    EXPECT_TRUE(text.contains("[General]\nFirst=0")) << text.constData();
    EXPECT_TRUE(text.contains("[Drives]\nD=/srv/d")) << text.constData();
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/machine/Microsoft/Windows.conf")));
    EXPECT_TRUE(registry.keyExists(RegistryRoot::CurrentUser, kKey + QStringLiteral("\\drives")));
}

TEST(Registry, HandWrittenValuesWithCommasAndBlanksReadBackAsText) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/Keelwick"));
    QFile file(dir.path() + QStringLiteral("/Keelwick/Pelvor.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Backslashes are escaped in these files, as QSettings writes them.
    file.write("[General]\nM App=C:\\\\dos\\\\run.exe, fast\nLog View=C:\\\\tools\\\\view.exe\n");
    file.close();
    Registry registry(dir.path(), dir.path());
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, kKey, QStringLiteral("m app")),
              QStringLiteral("C:\\dos\\run.exe, fast"));
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, kKey, QStringLiteral("Log view")),
              QStringLiteral("C:\\tools\\view.exe"));
}

}  // namespace
}  // namespace harbex::test
