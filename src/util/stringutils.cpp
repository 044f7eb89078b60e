#include "util/stringutils.h"

namespace harbex {

QString StripSpaces(const QString& text) {
    QString result = text;
    result.remove(u' ');
    return result;
}

QString AddBackslash(const QString& text) {
    return text.endsWith(u'\\') ? text : text + u'\\';
}

QString RemoveBackslash(const QString& text) {
    return text.endsWith(u'\\') ? text.left(text.size() - 1) : text;
}

QString BoolToFlag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool FlagIsSet(const QString& text) {
    return text.contains(u'1');
}

}  // namespace harbex
