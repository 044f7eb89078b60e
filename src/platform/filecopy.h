#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <atomic>

namespace harbex {

struct HostCopyResult {
    bool ok = false;
    bool cancelled = false;
    qint64 bytes = 0;  // bytes the destination holds after a successful copy
    QString error;     // the system's reason when the copy failed
};

// Copies the host file `from` to the host path `to` so that `to` never holds half a copy: the
// bytes go to a file without a name (or, where the file system cannot make one, a hidden
// temporary name) in the destination's folder, and only the complete copy takes the name `to`,
// replacing an existing file in one step. An existing file is replaced only after the new bytes
// are on the disk, so that not even a power cut loses both. The copy keeps the source's
// modification time and permission bits. On failure or cancel the old `to` is untouched and no
// temporary file is left behind. The kernel copies the bytes itself where it can; `cancel` is
// looked at between blocks of a few megabytes. Safe on any thread.
HostCopyResult CopyHostFile(const QString& from, const QString& to,
                            const std::atomic<bool>* cancel = nullptr);

// The size of a regular file at a host path (links followed), or -1 when there is none: one look
// at the disk, where asking "exists" and "how big" separately would take two.
qint64 HostFileSize(const QString& host);

// Whether a host path is a folder (links followed).
bool HostIsFolder(const QString& host);

class FileSystem;

// A folder that many files are copied into. The folder is resolved once; a file name is found as
// the path resolution finds it (exactly, then without regard to case) from one listing of the
// folder kept for the whole run, rather than one listing per file.
class CopyTarget {
  public:
    CopyTarget(const FileSystem& files, const QString& programFolder);

    bool exists() const { return exists_; }
    // Why nothing can be copied into the folder, when it does not exist.
    QString missingReason() const { return reason_; }
    // The host path a file of that name is copied to.
    QString hostPathFor(const QString& name);

  private:
    QString host_;
    bool exists_ = false;
    QString reason_;
    bool listed_ = false;
    QSet<QString> exact_;            // names on disk
    QHash<QString, QString> names_;  // case-folded name -> name on disk
};

}  // namespace harbex
