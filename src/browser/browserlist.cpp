#include "browser/browserlist.h"

#include "platform/platform.h"
#include "util/datetimetext.h"
#include "util/listfile.h"

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
    result.files = BrowserListFiles(read.lines);
    return result;
}

QStringList BrowserListFiles(const QStringList& lines) {
    return ListFileEntries(lines);
}

QString BrowserListText(const QStringList& files) {
    QStringList lines;
    for (const QString& file : files) lines << file.toLower();
    return ListFileText(lines);
}

bool WriteBrowserList(const QString& path, const QStringList& files, QString* error) {
    return Files().writeText(path, BrowserListText(files), error);
}

}  // namespace harbex
