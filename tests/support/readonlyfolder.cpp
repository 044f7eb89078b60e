#include "support/readonlyfolder.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <QFile>

namespace harbex::test {
namespace {

bool SetImmutable(const QString& hostFolder, bool immutable) {
    const int fd = ::open(QFile::encodeName(hostFolder), O_RDONLY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done && static_cast<bool>(flags & FS_IMMUTABLE_FL) != immutable) {
        flags ^= FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace

bool MakeFolderReadOnly(const QString& hostFolder) {
    QFile::setPermissions(hostFolder, QFile::ReadOwner | QFile::ExeOwner);
    return ::geteuid() != 0 || SetImmutable(hostFolder, true);
}

void MakeFolderWritable(const QString& hostFolder) {
    SetImmutable(hostFolder, false);
    QFile::setPermissions(hostFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace harbex::test
