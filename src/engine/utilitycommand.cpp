#include "engine/utilitycommand.h"

#include "platform/commandline.h"
#include "platform/hostpaths.h"
#include "util/listfile.h"

namespace harbex {

QString UtilityParameterText(const QString& archive, ExternalForm form, const QStringList& entries,
                             const QString& listFile) {
    switch (form) {
        case ExternalForm::List:
            return QuoteArgument(archive) + QStringLiteral(" @") + QuoteArgument(listFile);
        case ExternalForm::ListWithPaths:
            return QStringLiteral("-p ") + QuoteArgument(archive) + QStringLiteral(" @") +
                   QuoteArgument(listFile);
        case ExternalForm::Spec:
            return QuoteArgument(archive) + u' ' + QuoteArgument(entries.value(0));
    }
    return QString();
}

bool ParseUtilityCommand(const QStringList& arguments, UtilityCommand* command) {
    QStringList rest = arguments;
    command->keepFolders = false;
    if (!rest.isEmpty() && rest.first().compare(QStringLiteral("-p"), Qt::CaseInsensitive) == 0) {
        command->keepFolders = true;
        rest.removeFirst();
    }
    if (rest.size() != 2 || rest[0].startsWith(u'-')) return false;
    command->archive = rest[0];
    command->names = rest[1];
    return true;
}

QString UtilityEntryPath(const QString& name, const HostPaths& paths) {
    const QString program = name.startsWith(u'/') ? paths.toProgram(name) : QString();
    return program.isEmpty() ? name : program;
}

QStringList UtilityListEntries(const QStringList& lines, const HostPaths& paths) {
    QStringList entries;
    for (const QString& entry : ListFileEntries(lines)) entries << UtilityEntryPath(entry, paths);
    return entries;
}

}  // namespace harbex
