#include "sets/setreaderhooks.h"

#include "app/harbexzodi.h"
#include "drives/dailyfolders.h"
#include "engine/archivenames.h"
#include "engine/engines.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"

namespace harbex {

void ControllerReaderHooks::handleMessages() {
    z_.handleMessages();
}

void ControllerReaderHooks::dailyFolderSetUp(const BackupSetModel&) {
    z_.dailyFolders().SetUpDirsClick();
}

void ControllerReaderHooks::specificFolder(const QString& folder) {
    if (Files().folderExists(folder) || !z_.settings.AbortBox) return;
    z_.autoRuns().AbortAutoClick();
    Prompts().message(QStringLiteral("Specific Directory \"") + folder +
                      QStringLiteral("\" does not exist"));
}

bool ControllerReaderHooks::engineExists() const {
    return z_.engines().AnyEngineAvailable();
}

void ControllerReaderHooks::compressionUnavailable() {
    z_.commands.setEnabled(QStringLiteral("Zipup"), false);
}

void ControllerReaderHooks::namesFile(BackupSetModel& model) {
    model.NamesFile = CompanionFileName(z_.busFile(), QStringLiteral(".lst"), z_.programFolder());
    ArchiveNamesList& names = z_.archiveNames();
    names.Reset();
    if (Files().fileExists(model.NamesFile)) {
        if (!names.ReadNamesFile(model.NamesFile)) {
            Prompts().message(
                QStringLiteral("Your archive names file is invalid, usage has been disabled"));
            model.FixedOption = 0;
        }
    } else if (!model.Zipped) {
        model.FixedOption = 0;
    }
}

}  // namespace harbex
