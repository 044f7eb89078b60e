#include "browser/browserlist.h"

#include "platform/platform.h"
#include "util/datetimetext.h"

namespace harbex {

QString SizeText(qint64 bytes) {
    return QString::number(std::max<qint64>(bytes / 1024, 1)) + QStringLiteral("KB");
}

QString ModifiedText(const QDateTime& when) {
    return DateText(when.date()) + u' ' + TimeText(when.time());
}

BrowserListRead ReadBrowserList(const QString& path) {
    BrowserListRead result;
    result.exists = Files().fileExists(path);
    if (!result.exists) return result;
    const TextReadResult read = Files().readLines(path);
    result.ok = read.ok;
    result.error = read.error;
    // Blank lines name no file; a list edited by hand may have some.
    for (const QString& line : read.lines)
        if (!line.trimmed().isEmpty()) result.files << line;
    return result;
}

bool WriteBrowserList(const QString& path, const QStringList& files, QString* error) {
    QStringList lines;
    for (const QString& file : files) lines << file.toLower();
    const QString text =
        lines.isEmpty() ? QString() : JoinLinesCrLf(lines) + QStringLiteral("\r\n");
    return Files().writeText(path, text, error);
}

}  // namespace harbex
