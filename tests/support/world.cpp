#include "support/world.h"

#include <QDir>
#include <QFile>

#include "util/datetimetext.h"

namespace harbex::test {
namespace {

const QString kSettingsKey = QStringLiteral("Software\\Keelwick\\Pelvor");

}  // namespace

TestWorld::TestWorld() {
    EXPECT_TRUE(dir_.isValid());
    const QString root = dir_.path();
    for (const char* folder : {"C/Harbex", "C/Programs/Harbex", "D", "net/S1/C", "net/S1/D",
                               "net/S2/E", "reg", "reg-machine", "autostart"})
        QDir().mkpath(root + u'/' + QString::fromLatin1(folder));

    SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));

    platform_ = std::make_unique<Platform>();
    platform_->registry = std::make_unique<Registry>(root + QStringLiteral("/reg"),
                                                     root + QStringLiteral("/reg-machine"));
    Registry& registry = *platform_->registry;
    registry.writeText(RegistryRoot::CurrentUser, HostPaths::DriveMapKey(), QStringLiteral("C"),
                       root + QStringLiteral("/C"));
    registry.writeText(RegistryRoot::CurrentUser, HostPaths::DriveMapKey(), QStringLiteral("D"),
                       root + QStringLiteral("/D"));
    registry.writeText(RegistryRoot::CurrentUser, HostPaths::DriveMapKey(),
                       QStringLiteral("Network"), root + QStringLiteral("/net"));
    platform_->paths = std::make_unique<HostPaths>(HostPaths::FromRegistry(registry));
    platform_->files = std::make_unique<FileSystem>(*platform_->paths);
    auto clock = std::make_unique<FakeClock>();
    clock_ = clock.get();
    platform_->clock = std::move(clock);
    auto waits = std::make_unique<FakeWaits>(*clock_);
    waits_ = waits.get();
    platform_->waits = std::move(waits);
    auto prompter = std::make_unique<ScriptedPrompter>();
    prompter_ = prompter.get();
    platform_->prompter = std::move(prompter);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    platform_->dialogs = std::move(dialogs);
    // Programs started by a test (the stand-in zip utility) read this machine's drive map.
    platform_->processes = std::make_unique<Processes>(
        QMap<QString, QString>{{QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/reg")}});
    auto network = std::make_unique<FakeNetwork>(*platform_->paths);
    network_ = network.get();
    platform_->network = std::move(network);
    platform_->startList = std::make_unique<StartList>(root + QStringLiteral("/autostart"));
    platform_->programFolder = QStringLiteral("C:\\Harbex\\");
    platform_->executableFolder = QStringLiteral("C:\\Programs\\Harbex\\");
    platform_->programFile = QStringLiteral("C:\\Programs\\Harbex\\Harbex.exe");
    platform_->defaults = PlatformDefaults::Original();
    InstallPlatform(platform_.get());
}

TestWorld::~TestWorld() {
    InstallPlatform(nullptr);
    SetUserFormats(QString(), QString());
}

QString TestWorld::host(const QString& programPath) const {
    return platform_->paths->toHost(programPath);
}

QString TestWorld::networkRoot() const {
    return dir_.path() + QStringLiteral("/net");
}

void TestWorld::makeFolder(const QString& programPath) const {
    ASSERT_TRUE(QDir().mkpath(host(programPath))) << programPath.toStdString();
}

void TestWorld::writeFile(const QString& programPath, const QByteArray& bytes) const {
    const QString path = host(programPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray TestWorld::readFile(const QString& programPath) const {
    QFile file(host(programPath));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

bool TestWorld::exists(const QString& programPath) const {
    const QString path = host(programPath);
    return !path.isEmpty() && QFileInfo::exists(path);
}

void TestWorld::setModified(const QString& programPath, const QDateTime& when) const {
    QFile file(host(programPath));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

void TestWorld::setSetting(const QString& name, const QString& value) {
    registry().writeText(RegistryRoot::CurrentUser, kSettingsKey, name, value);
}

std::optional<QString> TestWorld::setting(const QString& name) const {
    return platform_->registry->readText(RegistryRoot::CurrentUser, kSettingsKey, name);
}

void TestWorld::unmapDrive(QChar letter) {
    registry().deleteValue(RegistryRoot::CurrentUser, HostPaths::DriveMapKey(), QString(letter));
    platform_->paths->setDrive(letter, QString());
}

}  // namespace harbex::test
