#include "platform/filecopy.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <vector>

#include "platform/filesystem.h"

namespace harbex {
namespace {

// Large enough for the kernel to copy at full speed, small enough to notice a cancel quickly.
constexpr size_t kBlock = 8u << 20;

QString SystemReason(int error) {
    return qt_error_string(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

  private:
    int fd_;
};

QByteArray FolderOfHost(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// A name beside the destination that no one else uses; hidden, so that a collection that
// meets it while the copy is in progress leaves it alone.
QByteArray TemporaryNameIn(const QByteArray& folder) {
    const quint64 random = QRandomGenerator::global()->generate64();
    return folder + "/.hbx" + QByteArray::number(random, 36) + ".tmp";
}

enum class Method { InKernel, SendFile, Buffered };

// Copies from the current offsets until the source ends; a file of the size it had when it was
// opened is taken as ended without one more call to find its end. Returns 0 or the error number.
int CopyBytes(int in, int out, qint64 size, qint64* copied, const std::atomic<bool>* cancel,
              bool* cancelled) {
    Method method = Method::InKernel;
    std::vector<char> buffer;
    for (;;) {
        if (size > 0 && *copied >= size) return 0;
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            *cancelled = true;
            return ECANCELED;
        }
        ssize_t done = 0;
        if (method == Method::InKernel) {
            done = ::copy_file_range(in, nullptr, out, nullptr, kBlock, 0);
            if (done < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                             errno == EOPNOTSUPP || errno == EBADF)) {
                method = Method::SendFile;
                continue;
            }
        } else if (method == Method::SendFile) {
            done = ::sendfile(out, in, nullptr, kBlock);
            if (done < 0 && (errno == EINVAL || errno == ENOSYS)) {
                method = Method::Buffered;
                buffer.resize(1u << 20);
                continue;
            }
        } else {
            done = ::read(in, buffer.data(), buffer.size());
            if (done > 0) {
                for (ssize_t written = 0; written < done;) {
                    const ssize_t n = ::write(out, buffer.data() + written, done - written);
                    if (n < 0 && errno == EINTR) continue;
                    if (n < 0) return errno;
                    written += n;
                }
            }
        }
        if (done < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (done == 0) return 0;
        *copied += done;
    }
}

// Gives the finished unnamed file a name: the destination itself when it does not exist yet,
// otherwise a temporary name that then replaces the destination.
int NameUnnamedFile(int fd, const QByteArray& target, const QByteArray& folder, bool* replaced) {
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(fd);
    auto link = [&](const QByteArray& name) {
        if (::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, name.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return 0;
        const int error = errno;
        if (error != ENOENT) return error;
        // Without /proc the descriptor itself can be linked, where the system allows it.
        return ::linkat(fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0 ? 0 : errno;
    };
    *replaced = false;
    const int direct = link(target);
    if (direct != EEXIST) return direct;
    *replaced = true;
    if (::fdatasync(fd) != 0) return errno;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray temporary = TemporaryNameIn(folder);
        const int error = link(temporary);
        if (error == EEXIST) continue;
        if (error != 0) return error;
        if (::rename(temporary.constData(), target.constData()) == 0) return 0;
        const int renameError = errno;
        ::unlink(temporary.constData());
        return renameError;
    }
    return EEXIST;
}

}  // namespace

HostCopyResult CopyHostFile(const QString& from, const QString& to,
                            const std::atomic<bool>* cancel) {
    HostCopyResult result;
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const QByteArray folder = FolderOfHost(target);
    auto fail = [&result](int error) {
        result.error = SystemReason(error);
        return result;
    };

    const Descriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!in.valid()) return fail(errno);
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) return fail(errno);
    // A pipe or a device would be read for ever, a folder not at all.
    if (!S_ISREG(info.st_mode)) return fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);

    // An unnamed file vanishes by itself when the copy fails or the program is killed.
    bool unnamed = true;
    int out = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    QByteArray temporary;
    if (out < 0) {
        const int error = errno;
        if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL) return fail(error);
        unnamed = false;
        for (int attempt = 0; attempt < 8 && out < 0; ++attempt) {
            temporary = TemporaryNameIn(folder);
            out = ::open(temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
            if (out < 0 && errno != EEXIST) return fail(errno);
        }
        if (out < 0) return fail(EEXIST);
    }
    const Descriptor output(out);
    auto discard = [&](int error) {
        if (!unnamed) ::unlink(temporary.constData());
        return fail(error);
    };

    qint64 copied = 0;
    if (const int error =
            CopyBytes(in.get(), out, info.st_size, &copied, cancel, &result.cancelled))
        return discard(error);
    // The copy gets the source's permissions and times, as a file copy on the original system
    // keeps the time the file was last written.
    if (::fchmod(out, info.st_mode & 0777) != 0) return discard(errno);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    if (::futimens(out, times) != 0) return discard(errno);

    if (unnamed) {
        bool replaced = false;
        if (const int error = NameUnnamedFile(out, target, folder, &replaced)) return fail(error);
    } else {
        // Only an existing copy needs the bytes on the disk before it is replaced.
        if (::access(target.constData(), F_OK) == 0 && ::fdatasync(out) != 0) return discard(errno);
        if (::rename(temporary.constData(), target.constData()) != 0) return discard(errno);
    }
    result.ok = true;
    result.bytes = copied;
    return result;
}

qint64 HostFileSize(const QString& host) {
    struct stat info {};
    if (host.isEmpty() || ::stat(QFile::encodeName(host).constData(), &info) != 0) return -1;
    return S_ISREG(info.st_mode) ? static_cast<qint64>(info.st_size) : -1;
}

bool HostIsFolder(const QString& host) {
    struct stat info {};
    return !host.isEmpty() && ::stat(QFile::encodeName(host).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

CopyTarget::CopyTarget(const FileSystem& files, const QString& programFolder)
    : host_(files.toHost(programFolder)) {
    const QFileInfo info(host_);
    exists_ = !host_.isEmpty() && info.isDir();
    if (host_.isEmpty())
        reason_ = QStringLiteral("the drive is not mapped to a folder");
    else if (!exists_)
        reason_ = info.exists() ? QStringLiteral("the destination is not a folder")
                                : QStringLiteral("the folder does not exist");
}

QString CopyTarget::hostPathFor(const QString& name) {
    // One listing of the folder answers for every file copied into it, instead of one look at
    // the disk per file.
    if (!listed_) {
        listed_ = true;
        const QStringList entries = QDir(host_).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString& entry : entries) {
            exact_.insert(entry);
            names_.insert(entry.toCaseFolded(), entry);
        }
    }
    if (exact_.contains(name)) return host_ + u'/' + name;
    const QString key = name.toCaseFolded();
    const auto found = names_.constFind(key);
    if (found != names_.constEnd()) return host_ + u'/' + *found;
    // The copy about to be made is the file of that name from now on.
    names_.insert(key, name);
    exact_.insert(name);
    return host_ + u'/' + name;
}

}  // namespace harbex
