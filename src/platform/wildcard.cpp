#include "platform/wildcard.h"

namespace harbex {
namespace {

char32_t Folded(char16_t c) {
    if (c < 128) return c >= u'A' && c <= u'Z' ? c + 32 : c;
    return QChar::toCaseFolded(static_cast<char32_t>(c));
}

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
    return PatternSet(patterns).matches(name);
}

PatternSet::PatternSet(const QString& patterns) : patterns_(SplitPatterns(patterns)) {
    for (const QString& pattern : patterns_)
        if (pattern == u"*" || pattern == u"*.*") everything_ = true;
}

bool PatternSet::matches(const QString& name) const {
    if (everything_) return true;
    for (const QString& pattern : patterns_)
        if (WildcardMatch(pattern, name)) return true;
    return false;
}

int CompareWithoutCase(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char32_t x = Folded(a[i].unicode());
        const char32_t y = Folded(b[i].unicode());
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

size_t qHash(const NoCaseKey& key, size_t seed) {
    size_t hash = 14695981039346656037ull ^ seed;
    for (const QChar c : key.text) hash = (hash ^ Folded(c.unicode())) * 1099511628211ull;
    return hash;
}

}  // namespace harbex
