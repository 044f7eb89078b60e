#include "platform/filehash.h"

#include <QCryptographicHash>
#include <QFile>
#include <vector>

namespace harbex {

QByteArray HostFileHash(const QString& host, const std::atomic<bool>* cancel) {
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    // Blocks of a few megabytes: few system calls, and a cancel is noticed quickly.
    std::vector<char> block(4u << 20);
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return {};
        const qint64 read = file.read(block.data(), static_cast<qint64>(block.size()));
        if (read < 0) return {};
        if (read == 0) break;
        hash.addData(QByteArrayView(block.data(), read));
    }
    return hash.result();
}

}  // namespace harbex
