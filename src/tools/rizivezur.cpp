#include "tools/rizivezur.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "util/errors.h"

namespace harbex {
namespace {

QString ReadAnnouncement(const QString& key, const QString& name) {
    const Registry& registry = *CurrentPlatform().registry;
    if (!registry.isTextOrAbsent(RegistryRoot::CurrentUser, key, name))
        throw HarbexError(QStringLiteral("Invalid data type for '%1'").arg(name));
    return registry.readText(RegistryRoot::CurrentUser, key, name).value_or(QString());
}

}  // namespace

bool IsFlaggedRunning(const QString& application, const QString& key) {
    const QString launcherKey = QStringLiteral("Software\\") + key;
    if (ReadAnnouncement(launcherKey, QStringLiteral("Name")) != application) return false;
    bool isNumber = false;
    const int run = ReadAnnouncement(launcherKey, QStringLiteral("Run")).trimmed().toInt(&isNumber);
    return isNumber && run != 0;
}

void RizIvezur::TestBtnClick() {
    try {
        Testresult = IsFlaggedRunning(z_.settings.DOSApp, z_.settings.RegKey)
                         ? QStringLiteral("The application is flagged as running")
                         : QStringLiteral("The application running flag is clear");
    } catch (const HarbexError& error) {
        Prompts().message(error.message());
    }
}

void RizIvezur::SpeedButton8Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Monitored Application");
    request.defaultExtension = QStringLiteral("exe");
    request.filter = QStringLiteral(
        "Execuatable Files [*.exe]|*.exe|Command Files [*.com]|*.com|DOS Batch File "
        "[*.bat]|*.bat|Any File|*.*");
    if (const auto chosen = CurrentPlatform().dialogs->openFile(request))
        z_.settings.DOSApp = *chosen;
}

void RizIvezur::SpeedButton10Click() {
    z_.settings.RegKey = QStringLiteral("Keelwick\\Quorr");
}

}  // namespace harbex
