#include "support/controllerfixture.h"

#include <QFile>

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

void ControllerTest::installEngine() {
    world.writeFile(world.executableFolder() + ZipEngineModuleName(), "engine");
    world.writeFile(world.executableFolder() + UnzipEngineModuleName(), "engine");
}

void ControllerTest::removeEngine() {
    QFile::remove(world.host(world.executableFolder() + ZipEngineModuleName()));
    QFile::remove(world.host(world.executableFolder() + UnzipEngineModuleName()));
}

void ControllerTest::settingsForLaterStart(const QString& busFile) {
    world.setSetting(QStringLiteral("First"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("Splash"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("Zip Temp"), QStringLiteral("C:\\"));
    if (!busFile.isEmpty()) world.setSetting(QStringLiteral("Bus File"), busFile);
}

}  // namespace harbex::test
