#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

// Windows file-name wildcards: "*" is any run of characters, "?" exactly one, letters compare
// without regard to case, a pattern ending in ".*" also matches a name without any dot (so "*.*"
// matches every name), and one ending in "." matches names without an extension ("*." finds
// "Makefile" but not "make.txt"), as users of the original system expect.
bool WildcardMatch(const QString& pattern, const QString& name);

// Splits a filter entry such as "*.doc;*.rtf" into its patterns; blanks around each are dropped.
QStringList SplitPatterns(const QString& patterns);

// True when the name matches at least one of the ";"-separated patterns.
bool MatchesAnyPattern(const QString& patterns, const QString& name);

}  // namespace harbex
