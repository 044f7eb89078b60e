#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

namespace harbex {

// A fingerprint of a host file's bytes (BLAKE2b, 256 bits), read in large blocks; empty when the
// file cannot be read or `cancel` was set meanwhile. Safe on any thread.
QByteArray HostFileHash(const QString& host, const std::atomic<bool>* cancel = nullptr);

}  // namespace harbex
