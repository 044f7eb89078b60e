#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

// Windows file-name wildcards: "*" is any run of characters, "?" exactly one, letters compare
// without regard to case, and a pattern ending in ".*" also matches a name without any dot
// (so "*.*" matches every name, as users of the original system expect).
bool WildcardMatch(const QString& pattern, const QString& name);

// Splits a filter entry such as "*.doc;*.rtf" into its patterns; blanks around each are dropped.
QStringList SplitPatterns(const QString& patterns);

// True when the name matches at least one of the ";"-separated patterns.
bool MatchesAnyPattern(const QString& patterns, const QString& name);

}  // namespace harbex
