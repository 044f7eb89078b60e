#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/deadline.h"
#include "platform/hostpaths.h"

namespace harbex {

// One entry of a raw directory search, as the original system's search returns it
// (including "." and ".." inside a folder).
struct DirEntry {
    QString name;
    bool directory = false;
    bool hidden = false;  // the name starts with "."
    bool system = false;  // neither a regular file nor a folder (device, socket, broken link...)
};

enum class ListKind { Files, Folders };

// Whether a folder answered, and the system's reason when it did not.
struct FolderProbe {
    bool reachable = false;
    QString reason;
};
// What makes a folder the same folder whatever path leads to it (links included).
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FolderIdentity&) const = default;
};
inline size_t qHash(const FolderIdentity& id, size_t seed = 0) {
    return ::qHash(id.inode, seed) ^ ::qHash(id.device, seed);
}

struct TextReadResult {
    bool ok = false;
    QString error;  // the system's message when !ok
    QStringList lines;
};

// The file system seen through program paths. Every path argument is a program path
// (C:\..., \\SERVER\SHARE\...); the host mapping is done here and nowhere else.
class FileSystem {
  public:
    explicit FileSystem(const HostPaths& paths);

    QString toHost(const QString& programPath) const;

    bool exists(const QString& path) const;
    bool fileExists(const QString& path) const;
    bool folderExists(const QString& path) const;
    QDateTime lastModified(const QString& path) const;
    // The identity of the folder a path leads to, links followed. False with the reason in plain
    // words when it cannot be reached (gone, access denied, path too long for this system).
    bool folderIdentity(const QString& path, FolderIdentity* identity,
                        QString* error = nullptr) const;
    // What a rename does when a file of the new name exists already.
    enum class ExistingFile { Keep, Replace };
    // Renames a file within its folder or to another folder of the same drive. A file of the new
    // name is kept and the rename refused, unless it is to be replaced: that happens in one step,
    // so the new name never names half a file.
    bool renameFile(const QString& from, const QString& to, QString* error = nullptr,
                    ExistingFile existing = ExistingFile::Keep) const;
    qint64 fileSize(const QString& path) const;

    // One level, like a plain make-directory: the parent must exist. On failure *error is the
    // system's reason ("Permission denied", "No such file or directory", ...).
    bool createFolder(const QString& path, QString* error = nullptr) const;

    // Whether the folder can be listed: a drive counts as reachable only then. Never waits
    // longer than limitMs, whatever the mount under the folder does.
    FolderProbe probeFolder(const QString& path, int limitMs = kProbeLimitMs) const;
    // The same without the time limit, for work that already runs on a worker.
    FolderProbe listFolder(const QString& path) const;

    // Runs work on its own copy of this file system (drive map included) on a worker thread and
    // waits at most limitMs; std::nullopt when the work did not finish in time.
    template <typename T>
    std::optional<T> withinLimit(std::function<T(const FileSystem&)> work,
                                 int limitMs = kProbeLimitMs) const {
        auto paths = std::make_shared<const HostPaths>(paths_);
        return RunWithDeadline<T>(
            [paths, work = std::move(work)] { return work(FileSystem(*paths)); }, limitMs);
    }
    // Copies a file, replacing any file at the destination only once the copy is complete (see
    // CopyHostFile); the copy keeps the source's modification time.
    bool copyFile(const QString& source, const QString& destination,
                  QString* error = nullptr) const;
    bool deleteFile(const QString& path, QString* error = nullptr) const;
    // A second name for a file's content: a hard link where the folder allows one, else a copy.
    // Only for files that are replaced as a whole afterwards, never changed in place.
    bool linkOrCopyFile(const QString& source, const QString& destination,
                        QString* error = nullptr) const;

    // Names (without folder) directly in the folder that match one of the ";"-separated
    // patterns; hidden and system entries are left out; sorted ascending without regard to case.
    // Returns false with the system's message when the folder cannot be listed.
    bool list(const QString& folder, const QString& patterns, ListKind kind, QStringList* names,
              QString* error = nullptr) const;
    // Raw search of folder entries matching a pattern, in the order the host returns them.
    bool findEntries(const QString& folder, const QString& pattern, std::vector<DirEntry>* entries,
                     QString* error = nullptr) const;

    // 8-bit text: lines end at CR LF, a lone CR or a lone LF; a final line break is accepted.
    // A file holding bytes that are not text (such as NUL) is refused with a message.
    TextReadResult readLines(const QString& path) const;
    // Writes the text as a whole file, atomically: a crash or a full disk never leaves half a file.
    bool writeText(const QString& path, const QString& text, QString* error = nullptr) const;
    bool appendText(const QString& path, const QString& text, QString* error = nullptr) const;

    // True when the drive is mapped and its folder answers a size query within the probe limit.
    bool driveSizeReadable(QChar driveLetter) const;

  private:
    const HostPaths& paths_;
};

// Joins lines with CR LF; no line break after the last one.
QString JoinLinesCrLf(const QStringList& lines);
// Splits text at CR LF, lone CR or lone LF; a final line break does not make an empty line.
QStringList SplitTextLines(const QString& text);
// Decodes 8-bit text: UTF-8 when the bytes are valid UTF-8, otherwise the Western code page.
// Returns false when the bytes are not text at all.
bool DecodeText(const QByteArray& bytes, QString* text);
QByteArray EncodeText(const QString& text);

}  // namespace harbex
