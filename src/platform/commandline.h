#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

// Splits a command line the way Windows programs split theirs: blanks and tabs separate,
// double quotes group, "2n" backslashes before a quote give n backslashes and toggle quoting,
// "2n+1" give n backslashes and a literal quote, other backslashes are literal, and "" inside
// quotes is a literal quote. No shell is involved, so characters such as ; | & $ are plain text.
QStringList SplitWindowsCommandLine(const QString& commandLine);
// The argument written so that SplitWindowsCommandLine gives it back whole: quoted when it holds
// a blank or a tab or is empty.
QString QuoteArgument(const QString& argument);

}  // namespace harbex
