#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class HostPaths;

// The external utility's three parameter forms: "archive @list", "-p archive @list" (paths kept)
// and "archive folder\filter".
enum class ExternalForm { List, ListWithPaths, Spec };

// The parameter text the program hands the utility: every name quoted as the utility's
// command-line rules need, so that blanks and quotes in paths arrive whole.
QString UtilityParameterText(const QString& archive, ExternalForm form, const QStringList& entries,
                             const QString& listFile);

// What the utility makes of its arguments: "-p" first keeps folder names, then the archive and
// either "@listfile" or one folder\pattern.
struct UtilityCommand {
    bool keepFolders = false;
    QString archive;
    QString names;
    bool operator==(const UtilityCommand&) const = default;
};
// False for any other shape (too few or too many arguments, an archive that looks like an
// option).
bool ParseUtilityCommand(const QStringList& arguments, UtilityCommand* command);

// A name the utility is given, as a program path: host paths are taken through the drive map
// too, so that the list holds one kind of path. A host path on no drive stays as it is: it then
// names nothing, and the utility fails instead of leaving the file out.
QString UtilityEntryPath(const QString& name, const HostPaths& paths);
// The names of an "@list" file's lines, as program paths.
QStringList UtilityListEntries(const QStringList& lines, const HostPaths& paths);

}  // namespace harbex
