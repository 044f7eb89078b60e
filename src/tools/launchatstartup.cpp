#include "tools/launchatstartup.h"

#include <QCoreApplication>

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "util/utils.h"

namespace harbex {

const QString& LaunchAtStartUp::ApplicationTitle() {
    static const QString title = QStringLiteral("Harbex");
    return title;
}

QString LaunchAtStartUp::ProgramHostPath() {
    const Platform& platform = CurrentPlatform();
    const QString host = platform.executableFolder.isEmpty()
                             ? QString()
                             : platform.paths->toHost(platform.programFile);
    // A program outside every drive still has its place on this machine.
    return host.isEmpty() ? QCoreApplication::applicationFilePath() : host;
}

void LaunchAtStartUp::StartUpClick() {
    StartList& list = *CurrentPlatform().startList;
    if (!z_.settings.StartUp) {
        list.remove(ApplicationTitle());
        return;
    }
    if (list.add(ApplicationTitle(), ProgramHostPath())) return;
    Prompts().message(
        QStringLiteral("Administrator rights are required to setup auto launch\r\nAuto launch has "
                       "been disabled, Please contact your network administrator."));
    // The box goes off without this handling running again, which would remove an entry that an
    // administrator made.
    z_.settings.StartUp = false;
    z_.refreshOptionsPanel();
    WaitMilliseconds(100);
}

}  // namespace harbex
