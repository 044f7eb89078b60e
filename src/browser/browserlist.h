#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace harbex {

// A file's size as the browser's lists show it: whole kilobytes, rounded down but never below
// one ("1KB" for 100 bytes, "4KB" for 5000).
QString SizeText(qint64 bytes);
// The modification time in the user's date and time formats.
QString ModifiedText(const QDateTime& when);

// The ".brw" list of a set: one picked file per line, its full path in lower case.
struct BrowserListRead {
    bool exists = false;
    bool ok = false;
    QString error;  // the system's message when the file exists but cannot be read
    QStringList files;
};
BrowserListRead ReadBrowserList(const QString& path);
// The files of the list's lines, and the list's text for files (their paths in lower case).
QStringList BrowserListFiles(const QStringList& lines);
QString BrowserListText(const QStringList& files);
// Writes the list, every line ended by CR LF; no file picked gives an empty file.
bool WriteBrowserList(const QString& path, const QStringList& files, QString* error = nullptr);

}  // namespace harbex
