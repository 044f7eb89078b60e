#include "engine/engines.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "util/stringutils.h"

namespace harbex {

bool Engines::EngineAvailable(Kind kind) const {
    if (kind == Kind::Zipmaster) {
        // The modules are part of the installed program, not of the user's data.
        const QString folder = CurrentPlatform().executableFolder;
        return Files().fileExists(folder + ZipEngineModuleName()) &&
               Files().fileExists(folder + UnzipEngineModuleName());
    }
    return Files().fileExists(z_.settings.ExtUtilPath);
}

bool Engines::AnyEngineAvailable() const {
    return EngineAvailable(Kind::Zipmaster) || EngineAvailable(Kind::External);
}

int Engines::SetupInternalEngine(bool quiet) {
    if (EngineAvailable(Kind::Zipmaster)) {
        z_.view.ZipUtil = QStringLiteral(" Zipmaster");
        return 0;
    }
    if (quiet) return 0;
    const Button answer = Prompts().question(
        QStringLiteral(
            "Error: Internal compression System file missing, Click Ignore to use "
            "external compression\rYou must have a suitable Compression engine installed"),
        IconKind::Error, {Button::Abort, Button::Ignore, Button::Help}, 67);
    if (answer == Button::Ignore) {
        z_.settings.internal = false;
        z_.view.internalEnabled = false;
        return 1;
    }
    return 2;
}

int Engines::SetupExternalUtility(bool quiet) {
    const QString path = z_.settings.ExtUtilPath;
    if (EngineAvailable(Kind::External)) {
        z_.view.ZipUtil = FileNameOf(path);
        return 0;
    }
    if (quiet) return 0;
    const Button answer = Prompts().question(
        QStringLiteral("Error, Cannot locate External Compression utility ") + FileNameOf(path) +
            QStringLiteral(" in ") + RemoveBackslash(FolderOf(path)) +
            QStringLiteral(" Click Yes to Re-Install, No to set internal copression"),
        IconKind::Error, {Button::Yes, Button::No}, 67);
    if (answer == Button::No) {
        z_.settings.internal = true;
        return 1;
    }
    return 2;
}

void Engines::internalClick() {
    if (!internalClickAttached) return;
    z_.commands.setEnabled(QStringLiteral("Zipup"), false);
    if (z_.settings.internal) {
        z_.view.SelZipUtilityVisible = false;
        if (SetupInternalEngine(false) == 0) z_.commands.setEnabled(QStringLiteral("Zipup"), true);
    } else {
        z_.view.SelZipUtilityVisible = true;
        if (SetupExternalUtility(false) == 0) z_.commands.setEnabled(QStringLiteral("Zipup"), true);
    }
}

}  // namespace harbex
