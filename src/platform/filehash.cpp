#include "platform/filehash.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>

namespace harbex {

QByteArray HostFileHash(const QString& host, const std::atomic<bool>* cancel) {
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    // Blocks of a few megabytes: few system calls, and a cancel is noticed quickly. A small file
    // gets a block of its own size, not megabytes of memory to set up for a few bytes.
    constexpr qint64 kBlock = 4 << 20;
    QByteArray block(std::clamp(file.size() + 1, qint64(1), kBlock), Qt::Uninitialized);
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return {};
        const qint64 read = file.read(block.data(), block.size());
        if (read < 0) return {};
        if (read == 0) break;
        hash.addData(QByteArrayView(block.data(), read));
    }
    return hash.result();
}

}  // namespace harbex
