#include "platform/shellinfo.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

#include "platform/platform.h"

namespace harbex {

ShellFileInfo ShellInfoOf(const QString& programPath) {
    const QString host = Files().toHost(programPath);
    if (host.isEmpty()) return {};
    const QFileInfo info(host);
    // The type name comes from the file's name first and its content second, as a file
    // manager names it; the provider gives the icon the desktop's theme shows for that type.
    const QMimeDatabase types;
    const QFileIconProvider icons;
    return {icons.icon(info), types.mimeTypeForFile(info).comment()};
}

}  // namespace harbex
