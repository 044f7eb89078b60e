#pragma once

#include <QIcon>
#include <QString>

namespace harbex {

// What the desktop tells about a file: its small icon and the name of its type ("Plain text
// document"). A file the desktop knows nothing about has a null icon and an empty type.
struct ShellFileInfo {
    QIcon icon;
    QString typeName;
};

// The desktop's information for a file given by its program path.
ShellFileInfo ShellInfoOf(const QString& programPath);

}  // namespace harbex
