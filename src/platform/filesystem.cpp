#include "platform/filesystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/filecopy.h"
#include "platform/hostpaths.h"
#include "platform/wildcard.h"

namespace harbex {
namespace {

bool IsHiddenName(const QString& name) {
    return name.startsWith(u'.') && name != u"." && name != u"..";
}

QString UnmappedReason() {
    return QStringLiteral("The drive is not mapped to a folder");
}

QString NoSuchFile(const QString& path) {
    return QStringLiteral("The system cannot find the path specified: %1").arg(path);
}

}  // namespace

FileSystem::FileSystem(const HostPaths& paths) : paths_(paths) {}

QString FileSystem::toHost(const QString& programPath) const {
    return paths_.toHost(programPath);
}

bool FileSystem::exists(const QString& path) const {
    const QString host = toHost(path);
    return !host.isEmpty() && !path.trimmed().isEmpty() && QFileInfo::exists(host);
}

bool FileSystem::fileExists(const QString& path) const {
    const QString host = toHost(path);
    return !host.isEmpty() && !path.trimmed().isEmpty() && QFileInfo(host).isFile();
}

bool FileSystem::folderExists(const QString& path) const {
    const QString host = toHost(path);
    return !host.isEmpty() && !path.trimmed().isEmpty() && QFileInfo(host).isDir();
}

QDateTime FileSystem::lastModified(const QString& path) const {
    return QFileInfo(toHost(path)).lastModified();
}

bool FileSystem::folderIdentity(const QString& path, FolderIdentity* identity,
                                QString* error) const {
    const QString host = toHost(path);
    struct stat info {};
    const int result =
        host.isEmpty() ? (errno = ENOENT, -1) : ::stat(QFile::encodeName(host).constData(), &info);
    if (result == 0 && S_ISDIR(info.st_mode)) {
        *identity = {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
        return true;
    }
    if (error) {
        if (result == 0)
            *error = QStringLiteral("it is not a folder");
        else if (errno == ENOENT || errno == ENOTDIR)
            *error = QStringLiteral("it no longer exists");
        else if (errno == ENAMETOOLONG)
            *error = QStringLiteral("its path is longer than this system allows");
        else if (errno == EACCES)
            *error = QStringLiteral("access is denied");
        else if (errno == ELOOP)
            *error = QStringLiteral("its links lead round in a circle");
        else
            *error = QString::fromLocal8Bit(strerror(errno));
    }
    return false;
}

bool FileSystem::renameFile(const QString& from, const QString& to, QString* error,
                            ExistingFile existing) const {
    const QString source = toHost(from);
    const QString target = toHost(to);
    if (source.isEmpty() || !QFileInfo(source).isFile() || target.isEmpty()) {
        if (error)
            *error = target.isEmpty() && !source.isEmpty() ? NoSuchFile(to) : NoSuchFile(from);
        return false;
    }
    if (existing == ExistingFile::Keep) {
        if (QFileInfo::exists(target)) {
            if (error)
                *error = QStringLiteral("Cannot create a file when that file already exists: %1")
                             .arg(to);
            return false;
        }
        QFile file(source);
        if (file.rename(target)) return true;
        if (error) *error = file.errorString();
        return false;
    }
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData())) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(to, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    return true;
}

qint64 FileSystem::fileSize(const QString& path) const {
    return QFileInfo(toHost(path)).size();
}

bool FileSystem::createFolder(const QString& path, QString* error) const {
    const QString host = toHost(path);
    if (host.isEmpty()) {
        if (error) *error = UnmappedReason();
        return false;
    }
    if (::mkdir(QFile::encodeName(host).constData(), 0777) != 0) {
        if (error) *error = qt_error_string(errno);
        return false;
    }
    return true;
}

FolderProbe FileSystem::listFolder(const QString& path) const {
    // A drive entry is a drive or a network path; anything else would be looked for in the
    // working folder.
    if (path.trimmed().isEmpty()) return {false, qt_error_string(ENOENT)};
    if (SplitProgramPath(path).isRelative())
        return {false, QStringLiteral("Not a drive or network path")};
    const QString host = toHost(path);
    if (host.isEmpty()) return {false, UnmappedReason()};
    DIR* dir = ::opendir(QFile::encodeName(host).constData());
    if (!dir) return {false, qt_error_string(errno)};
    // Reading the first entry is what a listing needs; a dead mount can fail only here.
    errno = 0;
    const bool readable = ::readdir(dir) != nullptr || errno == 0;
    const QString reason = readable ? QString() : qt_error_string(errno);
    ::closedir(dir);
    return {readable, reason};
}

FolderProbe FileSystem::probeFolder(const QString& path, int limitMs) const {
    const auto probe = withinLimit<FolderProbe>(
        [path](const FileSystem& files) { return files.listFolder(path); }, limitMs);
    return probe.value_or(FolderProbe{false, NoAnswerReason(limitMs)});
}

bool FileSystem::copyFile(const QString& source, const QString& destination, QString* error) const {
    const QString from = toHost(source);
    const QString to = toHost(destination);
    if (from.isEmpty() || !QFileInfo(from).isFile()) {
        if (error) *error = NoSuchFile(source);
        return false;
    }
    if (to.isEmpty()) {
        if (error) *error = NoSuchFile(destination);
        return false;
    }
    const HostCopyResult copied = CopyHostFile(from, to);
    if (!copied.ok && error) *error = copied.error;
    return copied.ok;
}

bool FileSystem::deleteFile(const QString& path, QString* error) const {
    const QString host = toHost(path);
    QFile file(host);
    if (host.isEmpty() || !file.remove()) {
        if (error) *error = host.isEmpty() ? NoSuchFile(path) : file.errorString();
        return false;
    }
    return true;
}

bool FileSystem::linkOrCopyFile(const QString& source, const QString& destination,
                                QString* error) const {
    const QString from = toHost(source);
    const QString to = toHost(destination);
    if (!from.isEmpty() && !to.isEmpty() && !QFileInfo::exists(to) &&
        ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return copyFile(source, destination, error);
}

bool FileSystem::list(const QString& folder, const QString& patterns, ListKind kind,
                      QStringList* names, QString* error) const {
    std::vector<DirEntry> entries;
    if (!findEntries(folder, QStringLiteral("*"), &entries, error)) return false;
    names->clear();
    const PatternSet wanted(patterns);
    for (const DirEntry& entry : entries) {
        if (entry.hidden || entry.system || entry.name == u"." || entry.name == u"..") continue;
        if (entry.directory != (kind == ListKind::Folders)) continue;
        if (wanted.matches(entry.name)) names->append(entry.name);
    }
    std::stable_sort(names->begin(), names->end(), NoCaseLess());
    return true;
}

bool FileSystem::findEntries(const QString& folder, const QString& pattern,
                             std::vector<DirEntry>* entries, QString* error) const {
    const QString host = toHost(folder);
    entries->clear();
    DIR* dir = host.isEmpty() ? nullptr : ::opendir(QFile::encodeName(host).constData());
    if (!dir) {
        if (error)
            *error = !host.isEmpty() && errno == EACCES
                         ? QStringLiteral("Access is denied: %1").arg(folder)
                         : NoSuchFile(folder);
        return false;
    }
    const PatternSet wanted(pattern.isEmpty() ? QStringLiteral("*") : pattern);
    const int fd = ::dirfd(dir);
    // The kind of most entries comes with the listing itself; only links (followed, as the
    // original system sees the folder or file behind them) and unknown kinds need a look.
    while (const dirent* found = ::readdir(dir)) {
        const QString name = QFile::decodeName(found->d_name);
        if (!wanted.matches(name)) continue;
        DirEntry entry;
        entry.name = name;
        if (name == u"." || name == u"..") {
            entry.directory = true;
            entries->push_back(entry);
            continue;
        }
        entry.hidden = IsHiddenName(name);
        unsigned char type = found->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info {};
            type = ::fstatat(fd, found->d_name, &info, 0) != 0 ? DT_UNKNOWN
                   : S_ISDIR(info.st_mode)                     ? DT_DIR
                   : S_ISREG(info.st_mode)                     ? DT_REG
                                                               : DT_UNKNOWN;
        }
        entry.directory = type == DT_DIR;
        entry.system = type != DT_DIR && type != DT_REG;
        entries->push_back(entry);
    }
    ::closedir(dir);
    return true;
}

TextReadResult FileSystem::readLines(const QString& path) const {
    TextReadResult result;
    const QString host = toHost(path);
    if (host.isEmpty() || !QFileInfo(host).isFile()) {
        result.error = host.isEmpty() || !QFileInfo::exists(host)
                           ? QStringLiteral(
                                 "Cannot open file \"%1\". The system cannot find the "
                                 "file specified")
                                 .arg(path)
                           : QStringLiteral("Cannot open file \"%1\". Access is denied").arg(path);
        return result;
    }
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return result;
    }
    QString text;
    if (!DecodeText(file.readAll(), &text)) {
        result.error = QStringLiteral("The file \"%1\" is not a text file").arg(path);
        return result;
    }
    result.lines = SplitTextLines(text);
    result.ok = true;
    return result;
}

bool FileSystem::writeText(const QString& path, const QString& text, QString* error) const {
    const QString host = toHost(path);
    if (host.isEmpty() || !QFileInfo(QFileInfo(host).absolutePath()).isDir()) {
        if (error)
            *error = QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(path, QStringLiteral("The system cannot find the path "
                                                   "specified"));
        return false;
    }
    QSaveFile file(host);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = EncodeText(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool FileSystem::appendText(const QString& path, const QString& text, QString* error) const {
    const QString host = toHost(path);
    QFile file(host);
    if (host.isEmpty() || !file.open(QIODevice::Append)) {
        if (error)
            *error = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = EncodeText(text);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool FileSystem::driveSizeReadable(QChar driveLetter) const {
    if (!paths_.isMapped(driveLetter)) return false;
    const QString folder = paths_.driveFolder(driveLetter);
    return RunWithDeadline<bool>([folder] {
               struct statvfs info {};
               return statvfs(QFile::encodeName(folder).constData(), &info) == 0 &&
                      QFileInfo(folder).isDir();
           })
        .value_or(false);
}

QString JoinLinesCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    QString current;
    bool pendingLine = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << current;
            current.clear();
            pendingLine = false;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            current += c;
            pendingLine = true;
        }
    }
    if (pendingLine) lines << current;
    return lines;
}

bool DecodeText(const QByteArray& bytes, QString* text) {
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        // Control characters other than tab, line ends, form feed and the DOS end-of-file mark
        // only occur in binary files.
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' && c != 0x1A)
            return false;
    }
    // The mark at the start is dropped below, exactly once (the decoder would drop one more).
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError()) decoded = QString::fromLatin1(bytes);
    if (decoded.startsWith(QChar(0xFEFF))) decoded.remove(0, 1);
    *text = decoded;
    return true;
}

QByteArray EncodeText(const QString& text) {
    // Reading drops one byte order mark at the start; text that begins with that character
    // itself gets one more, so that it reads back whole.
    if (text.startsWith(QChar(0xFEFF))) return (QChar(0xFEFF) + text).toUtf8();
    return text.toUtf8();
}

}  // namespace harbex
