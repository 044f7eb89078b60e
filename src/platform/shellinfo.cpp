#include "platform/shellinfo.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

#include "platform/platform.h"

namespace harbex {

ShellFileInfo ShellInfoOf(const QString& programPath) {
    const QString host = Files().toHost(programPath);
    if (host.isEmpty()) return {};
    // The type comes from the name alone, as a file manager's list shows it: looking into every
    // file of a big folder would keep the window waiting.
    const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(QFileInfo(host), QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) icon = QFileIconProvider().icon(QAbstractFileIconProvider::File);
    return {icon, type.comment()};
}

}  // namespace harbex
