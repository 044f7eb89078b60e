#include "platform/wildcard.h"

namespace harbex {
namespace {

bool MatchFrom(const QString& pattern, qsizetype p, const QString& name, qsizetype n) {
    // Iterative matcher with one backtrack point for the last "*": linear in practice.
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace

bool WildcardMatch(const QString& pattern, const QString& name) {
    if (MatchFrom(pattern, 0, name, 0)) return true;
    if (name.contains(u'.')) return false;
    // For a name without an extension, "x.*" and "x." both mean "x".
    if (pattern.endsWith(QStringLiteral(".*")))
        return MatchFrom(pattern.left(pattern.size() - 2), 0, name, 0);
    if (pattern.endsWith(u'.')) return MatchFrom(pattern.left(pattern.size() - 1), 0, name, 0);
    return false;
}

QStringList SplitPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& part : patterns.split(u';')) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty()) result << trimmed;
    }
    return result;
}

bool MatchesAnyPattern(const QString& patterns, const QString& name) {
    for (const QString& pattern : SplitPatterns(patterns))
        if (WildcardMatch(pattern, name)) return true;
    return false;
}

}  // namespace harbex
