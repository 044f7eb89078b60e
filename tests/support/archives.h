#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace harbex::test {

// What ordinary zip tools see in an archive (host path): unzip -t must pass, and Python's
// zipfile must read every entry; the result maps entry names to their contents' SHA-256 (hex).
struct ArchiveCheck {
    bool unzipOk = false;
    QString unzipOutput;
    QMap<QString, QByteArray> entries;
};
ArchiveCheck CheckArchive(const QString& hostArchive);

// The SHA-256 (hex) of some bytes, as CheckArchive reports contents.
QByteArray Sha(const QByteArray& bytes);

}  // namespace harbex::test
