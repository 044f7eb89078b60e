#include "support/archives.h"

#include <QCryptographicHash>
#include <QProcess>

namespace harbex::test {
namespace {

const char* const kReader = R"(
import sys, zipfile, hashlib
with zipfile.ZipFile(sys.argv[1]) as archive:
    for info in archive.infolist():
        if info.file_size < (64 << 20):
            digest = hashlib.sha256(archive.read(info))
        else:
            digest = hashlib.sha256()
            with archive.open(info) as entry:
                for chunk in iter(lambda: entry.read(1 << 24), b''):
                    digest.update(chunk)
        sys.stdout.buffer.write(info.filename.encode('utf-8') + b'\t' + digest.hexdigest().encode() + b'\n')
)";

QByteArray Run(const QString& program, const QStringList& arguments, bool* ok) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(600000);
    *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAll();
}

}  // namespace

QByteArray Sha(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

ArchiveCheck CheckArchive(const QString& hostArchive) {
    ArchiveCheck check;
    check.unzipOutput = QString::fromLocal8Bit(
        Run(QStringLiteral("unzip"), {QStringLiteral("-tq"), hostArchive}, &check.unzipOk));
    bool ok = false;
    const QByteArray listing =
        Run(QStringLiteral("python3"),
            {QStringLiteral("-c"), QString::fromLatin1(kReader), hostArchive}, &ok);
    if (!ok) return check;
    for (const QByteArray& line : listing.split('\n')) {
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab > 0) check.entries.insert(QString::fromUtf8(line.left(tab)), line.mid(tab + 1));
    }
    return check;
}

}  // namespace harbex::test
