#include "util/listfile.h"

namespace harbex {

QStringList ListFileEntries(const QStringList& lines) {
    QStringList entries;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty()) entries << line;
    return entries;
}

QString ListFileText(const QStringList& entries) {
    QString text;
    for (const QString& entry : entries) text += entry + QStringLiteral("\r\n");
    return text;
}

}  // namespace harbex
