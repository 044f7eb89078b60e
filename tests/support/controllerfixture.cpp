#include "support/controllerfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "log/runlogbook.h"

namespace harbex::test {

ControllerTest::ControllerTest() {
    installEngine();
}

ControllerTest::~ControllerTest() {
    z.reset();
}

THarbexZoDi& ControllerTest::controller() {
    if (!z) z = std::make_unique<THarbexZoDi>();
    return *z;
}

THarbexZoDi& ControllerTest::start() {
    THarbexZoDi& controller = this->controller();
    controller.FormActivate();
    return controller;
}

void ControllerTest::prepareCloseDuringRun() {
    z->Idle = true;
    z->settings.SaveOnExit = false;
    z->log().SetLogFileName();
}

QStringList ControllerTest::closeOnceTheRunHasReturned() {
    EXPECT_EQ(world.setting(QStringLiteral("SOE")), std::nullopt)
        << "the window closes only once the run has returned";
    z->handleMessages();  // back in the message loop: the close is requested again
    EXPECT_EQ(world.setting(QStringLiteral("SOE")), QStringLiteral("0")) << "settings saved";
    return SplitTextLines(QString::fromUtf8(world.readFile(z->settings.LogFileName)));
}

namespace {

// The modules and the utility as the build made them.
QString Built(const QString& name) {
    return QStringLiteral(HARBEX_BUILD_FOLDER "/") + name;
}

// A link is enough: the program only loads or starts the file.
void LinkInto(TestWorld& world, const QString& builtName, const QString& programPath) {
    const QString target = world.host(programPath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    ASSERT_TRUE(QFile::link(Built(builtName), target)) << target.toStdString();
}

}  // namespace

void ControllerTest::installEngine() {
    const QString folder = world.executableFolder();
    LinkInto(world, ZipEngineModuleName(), folder + ZipEngineModuleName());
    LinkInto(world, UnzipEngineModuleName(), folder + UnzipEngineModuleName());
}

void ControllerTest::removeEngine() {
    const QString folder = world.executableFolder();
    QFile::remove(world.host(folder + ZipEngineModuleName()));
    QFile::remove(world.host(folder + UnzipEngineModuleName()));
}

void ControllerTest::installUtility(const QString& programPath) {
    LinkInto(world, StandInZipUtilityName(), programPath);
}

void ControllerTest::settingsForLaterStart(const QString& busFile) {
    world.setSetting(QStringLiteral("First"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("Splash"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("Zip Temp"), QStringLiteral("C:\\"));
    if (!busFile.isEmpty()) world.setSetting(QStringLiteral("Bus File"), busFile);
}

}  // namespace harbex::test
