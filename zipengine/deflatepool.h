#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harbex::zipcore {

// One file read and deflated by the pool: raw deflate data ready to be stored as it is.
struct Deflated {
    bool ok = false;
    std::string error;                // why the file could not be read
    std::vector<unsigned char> data;  // freed once written
    std::uint64_t compressedSize = 0;
    std::uint64_t size = 0;  // uncompressed size
    std::uint32_t crc = 0;
    time_t mtime = 0;
    mode_t mode = 0;
};

// Compresses whole files on several threads, in the order they were added, while the archive is
// written on the caller's thread in that same order. The bytes read but not yet written stay
// within a budget, so memory use does not grow with the size of the archive.
class DeflatePool {
  public:
    DeflatePool(int level, unsigned threads, std::uint64_t budget);
    ~DeflatePool();
    DeflatePool(const DeflatePool&) = delete;
    DeflatePool& operator=(const DeflatePool&) = delete;

    // Jobs are added before start(); the number returned names the job.
    std::size_t add(const std::string& hostPath, std::uint64_t expectedSize);
    void start();
    // Blocks until the job is done.
    const Deflated& wait(std::size_t job);
    // The job's data has been written: its memory goes back to the budget.
    void release(std::size_t job);

  private:
    struct Job {
        std::string path;
        std::uint64_t expected = 0;
        bool done = false;
        bool released = false;
        Deflated result;
    };
    void work();
    bool canTakeNext() const;
    Deflated deflateFile(const std::string& path) const;

    int level_;
    unsigned threads_;
    std::uint64_t budget_;
    std::deque<Job> jobs_;
    std::size_t next_ = 0;
    std::uint64_t inFlight_ = 0;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};

// Raw deflate of a buffer at the level; data that does not get smaller is kept in stored blocks.
std::vector<unsigned char> DeflateRaw(const unsigned char* data, std::size_t size, int level);

}  // namespace harbex::zipcore
