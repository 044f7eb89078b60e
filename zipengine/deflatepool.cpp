#include "deflatepool.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace harbex::zipcore {
namespace {

constexpr std::size_t kZlibChunk = 1u << 30;  // zlib counts in 32-bit units

std::string SystemError(int error) {
    return std::strerror(error);
}

// Reads to the end, whatever the size was when the file was looked at.
bool ReadWholeFile(int fd, std::uint64_t expected, std::vector<unsigned char>& data,
                   std::string* error) {
    data.resize(static_cast<std::size_t>(expected) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) data.resize(data.size() * 2 + 65536);
        const ssize_t n = ::read(fd, data.data() + used, data.size() - used);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            *error = SystemError(errno);
            return false;
        }
        used += static_cast<std::size_t>(n);
    }
    data.resize(used);
    return true;
}

std::uint32_t Crc(const unsigned char* data, std::size_t size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    for (std::size_t done = 0; done < size;) {
        const std::size_t n = std::min(size - done, kZlibChunk);
        crc = crc32(crc, data + done, static_cast<uInt>(n));
        done += n;
    }
    return static_cast<std::uint32_t>(crc);
}

// One deflate state per thread and level, reset between files: setting one up costs more than
// compressing a small file.
class Deflater {
  public:
    explicit Deflater(int level) {
        ok_ = deflateInit2(&stream_, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater() {
        if (ok_) deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    z_stream* get() { return ok_ && deflateReset(&stream_) == Z_OK ? &stream_ : nullptr; }

  private:
    z_stream stream_{};
    bool ok_ = false;
};

z_stream* StreamFor(int level) {
    thread_local std::vector<std::unique_ptr<Deflater>> deflaters(10);
    if (level < 0 || level > 9) return nullptr;
    if (!deflaters[level]) deflaters[level] = std::make_unique<Deflater>(level);
    return deflaters[level]->get();
}

bool Deflate(const unsigned char* data, std::size_t size, int level,
             std::vector<unsigned char>& out) {
    z_stream* s = StreamFor(level);
    if (!s) return false;
    z_stream& stream = *s;
    out.resize(deflateBound(&stream, static_cast<uLong>(size)));
    std::size_t in = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        const std::size_t chunk = std::min(size - in, kZlibChunk);
        stream.next_in = const_cast<unsigned char*>(data + in);
        stream.avail_in = static_cast<uInt>(chunk);
        stream.next_out = out.data() + stream.total_out;
        stream.avail_out = static_cast<uInt>(std::min(out.size() - stream.total_out, kZlibChunk));
        const bool last = in + chunk == size;
        status = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
        in += chunk - stream.avail_in;
        if (status == Z_BUF_ERROR) status = Z_OK;
    }
    out.resize(stream.total_out);
    return status == Z_STREAM_END;
}

}  // namespace

std::vector<unsigned char> DeflateRaw(const unsigned char* data, std::size_t size, int level) {
    std::vector<unsigned char> out;
    // Already compressed data would grow; stored blocks keep it at its size plus a few bytes.
    if (!Deflate(data, size, level, out) || out.size() >= size) Deflate(data, size, 0, out);
    return out;
}

DeflatePool::DeflatePool(int level, unsigned threads, std::uint64_t budget)
    : level_(level),
      threads_(threads ? threads : std::max(1u, std::thread::hardware_concurrency())),
      budget_(budget) {}

DeflatePool::~DeflatePool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

std::size_t DeflatePool::add(const std::string& hostPath, std::uint64_t expectedSize) {
    jobs_.push_back(Job{hostPath, expectedSize, false, false, {}});
    return jobs_.size() - 1;
}

void DeflatePool::start() {
    const std::size_t count = std::min<std::size_t>(threads_, jobs_.size());
    for (std::size_t i = 0; i < count; ++i) workers_.emplace_back([this] { work(); });
}

// The next job may start when it fits the budget, or when nothing else is in flight (a single
// file larger than the budget must still be done).
bool DeflatePool::canTakeNext() const {
    return next_ < jobs_.size() && (inFlight_ == 0 || inFlight_ + jobs_[next_].expected <= budget_);
}

void DeflatePool::work() {
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || canTakeNext(); });
            if (stopping_) return;
            index = next_++;
            inFlight_ += jobs_[index].expected;
        }
        Deflated result = deflateFile(jobs_[index].path);
        {
            std::lock_guard lock(mutex_);
            jobs_[index].result = std::move(result);
            jobs_[index].done = true;
        }
        changed_.notify_all();
    }
}

const Deflated& DeflatePool::wait(std::size_t job) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return jobs_[job].done; });
    return jobs_[job].result;
}

void DeflatePool::release(std::size_t job) {
    {
        std::lock_guard lock(mutex_);
        Job& j = jobs_[job];
        if (j.released || !j.done) return;
        j.released = true;
        std::vector<unsigned char>().swap(j.result.data);
        inFlight_ -= j.expected;
    }
    changed_.notify_all();
}

Deflated DeflatePool::deflateFile(const std::string& path) const {
    Deflated result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = SystemError(errno);
        return result;
    }
    struct stat info {};
    std::vector<unsigned char> data;
    if (::fstat(fd, &info) != 0) info.st_size = 0;
    const bool read =
        ReadWholeFile(fd, static_cast<std::uint64_t>(info.st_size), data, &result.error);
    ::close(fd);
    if (!read) return result;
    result.size = data.size();
    result.crc = Crc(data.data(), data.size());
    result.mtime = info.st_mtime;
    result.mode = info.st_mode;
    result.data = DeflateRaw(data.data(), data.size(), level_);
    result.compressedSize = result.data.size();
    result.ok = true;
    return result;
}

}  // namespace harbex::zipcore
