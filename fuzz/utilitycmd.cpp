// The external utility's command line: split by the Windows rules, taken apart as the stand-in
// utility does; what it accepts is composed again as the program composes the utility's
// parameters, and that must split and parse into the same command. Every argument list, quoted
// and joined, must also split back into itself.

#include "engine/utilitycommand.h"
#include "harness.h"
#include "platform/commandline.h"

namespace harbex::fuzz {
namespace {

QString Shown(const UtilityCommand& c) {
    return QStringLiteral("%1 <%2> <%3>").arg(c.keepFolders ? "-p" : "", c.archive, c.names);
}

}  // namespace

HARBEX_FUZZ_HARNESS(utilitycmd) {
    const QString line = QString::fromUtf8(bytes);
    const QStringList arguments = SplitWindowsCommandLine(line);

    QStringList quoted;
    for (const QString& argument : arguments) quoted << QuoteArgument(argument);
    Expect(SplitWindowsCommandLine(quoted.join(u' ')) == arguments, "utilitycmd", [&] {
        return QStringLiteral("arguments do not survive quoting: ") + Printable(arguments) + u'\n' +
               quoted.join(u' ');
    });

    UtilityCommand command;
    if (!ParseUtilityCommand(arguments, &command)) return;
    const bool list = command.names.startsWith(u'@');
    const ExternalForm form = !list                 ? ExternalForm::Spec
                              : command.keepFolders ? ExternalForm::ListWithPaths
                                                    : ExternalForm::List;
    // The Spec form cannot say "-p": the utility keeps folders only with a list.
    if (form == ExternalForm::Spec && command.keepFolders) return;
    const QString composed = UtilityParameterText(command.archive, form, {command.names},
                                                  list ? command.names.mid(1) : QString());
    UtilityCommand again;
    const bool parsed = ParseUtilityCommand(SplitWindowsCommandLine(composed), &again);
    Expect(parsed && again == command, "utilitycmd", [&] {
        return QStringLiteral("composed as ") + composed + QStringLiteral(" it reads ") +
               (parsed ? Shown(again) : QStringLiteral("nothing")) + QStringLiteral(", not ") +
               Shown(command);
    });
}

}  // namespace harbex::fuzz
