#pragma once

#include <QString>

namespace harbex {

// The text with every blank (code 32) removed.
QString StripSpaces(const QString& text);
// The text with "\" appended unless it already ends with one; an empty text becomes "\".
QString AddBackslash(const QString& text);
// The text without its last character when that is "\"; only one is removed.
QString RemoveBackslash(const QString& text);
// Yes/no values in the set file: written "1" or "0", read as set when a "1" occurs anywhere.
QString BoolToFlag(bool value);
bool FlagIsSet(const QString& text);

}  // namespace harbex
