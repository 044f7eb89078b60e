#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

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

// The patterns of a filter entry, split once for matching many names.
class PatternSet {
  public:
    explicit PatternSet(const QString& patterns);
    bool matches(const QString& name) const;

  private:
    QStringList patterns_;
    bool everything_ = false;  // "*" or "*.*": every name
};

// File names compared as the original system compares them: without regard to letter case.
// These build no folded copies, so that sorting and looking up many names stays cheap.
int CompareWithoutCase(QStringView a, QStringView b);
struct NoCaseLess {
    bool operator()(QStringView a, QStringView b) const { return CompareWithoutCase(a, b) < 0; }
};
// A name as a key of a QSet or QHash that ignores letter case; it views the text, which must
// outlive the key.
struct NoCaseKey {
    QStringView text;
    bool operator==(const NoCaseKey& other) const {
        return CompareWithoutCase(text, other.text) == 0;
    }
};
size_t qHash(const NoCaseKey& key, size_t seed = 0);

}  // namespace harbex
