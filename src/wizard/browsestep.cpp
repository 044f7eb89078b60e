#include "wizard/browsestep.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"

namespace harbex {

std::optional<QStringList> ChooseBrowserFiles(const QStringList& picked) {
    Platform& platform = CurrentPlatform();
    const QString folder = picked.isEmpty() ? platform.programFolder : FolderOf(picked.first());
    const std::optional<QStringList> chosen = platform.dialogs->openFiles(
        {QStringLiteral("Choose the files to back up"), QStringLiteral("All files|*.*"), QString(),
         folder, QString()});
    if (!chosen) return std::nullopt;
    QStringList files;
    for (const QString& file : *chosen) {
        const QString lower = file.toLower();
        if (!files.contains(lower)) files << lower;
    }
    return files;
}

}  // namespace harbex
