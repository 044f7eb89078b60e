#include "archivewriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <set>

#include "deflatepool.h"

namespace harbex::zipcore {
namespace {

// Files up to this size are read whole and deflated on the pool's threads; larger ones are
// streamed by libzip on the writing thread, so that a huge file never has to fit in memory.
constexpr std::uint64_t kPooledFileLimit = 64ull << 20;
constexpr std::uint64_t kPoolBudget = 4 * kPooledFileLimit;

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// The modification time as the archive keeps it: local time in two-second steps.
time_t ArchiveTime(time_t t) {
    struct tm local {};
    if (!localtime_r(&t, &local)) return t;
    return t - (local.tm_sec & 1);
}

bool Changed(zip_t* archive, zip_int64_t index, const struct stat& file) {
    zip_stat_t entry;
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &entry) != 0) return true;
    if ((entry.valid & ZIP_STAT_SIZE) && entry.size != static_cast<zip_uint64_t>(file.st_size))
        return true;
    return !(entry.valid & ZIP_STAT_MTIME) || entry.mtime != ArchiveTime(file.st_mtime);
}

// A file that is there and can be opened for reading; otherwise the reason.
bool Readable(const std::string& path, struct stat* info, std::string* reason) {
    if (::stat(path.c_str(), info) != 0) {
        *reason = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info->st_mode)) {
        *reason = "not a regular file";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *reason = std::strerror(errno);
        return false;
    }
    ::close(fd);
    return true;
}

struct Planned {
    std::string hostPath;
    std::string name;
    struct stat info;
    zip_int64_t index = -1;
    std::size_t* job = nullptr;  // pool job, for pooled files
};

// A libzip source that hands over a file the pool has already deflated; libzip then copies the
// data as it is instead of compressing it again.
class PooledSource {
  public:
    PooledSource(DeflatePool& pool, const std::size_t& job, std::string& failure)
        : pool_(pool), job_(job), failure_(failure) {
        zip_error_init(&error_);
    }
    ~PooledSource() { zip_error_fini(&error_); }

    static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                                zip_source_cmd_t command) {
        return static_cast<PooledSource*>(state)->handle(data, length, command);
    }

  private:
    const Deflated* result() {
        const Deflated& done = pool_.wait(job_);
        if (done.ok) return &done;
        if (failure_.empty()) failure_ = done.error;
        zip_error_set(&error_, ZIP_ER_READ, EIO);
        return nullptr;
    }

    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command) {
        switch (command) {
            case ZIP_SOURCE_OPEN:
                position_ = 0;
                return result() ? 0 : -1;
            case ZIP_SOURCE_READ: {
                const Deflated* done = result();
                if (!done) return -1;
                const std::size_t n = std::min<std::size_t>(length, done->data.size() - position_);
                std::memcpy(data, done->data.data() + position_, n);
                position_ += n;
                return static_cast<zip_int64_t>(n);
            }
            case ZIP_SOURCE_CLOSE:
                pool_.release(job_);
                return 0;
            case ZIP_SOURCE_STAT:
                return stat(data, length);
            case ZIP_SOURCE_GET_FILE_ATTRIBUTES:
                return attributes(data, length);
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&error_, data, length);
            case ZIP_SOURCE_FREE:
                delete this;
                return 0;
            case ZIP_SOURCE_SUPPORTS:
                return zip_source_make_command_bitmap(
                    ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                    ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_GET_FILE_ATTRIBUTES, -1);
            default:
                zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }

    zip_int64_t stat(void* data, zip_uint64_t length) {
        auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
        const Deflated* done = st ? result() : nullptr;
        if (!done) return -1;
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC | ZIP_STAT_COMP_METHOD |
                    ZIP_STAT_MTIME;
        st->size = done->size;
        st->comp_size = done->compressedSize;
        st->crc = done->crc;
        st->comp_method = ZIP_CM_DEFLATE;
        st->mtime = done->mtime;
        return sizeof(*st);
    }

    zip_int64_t attributes(void* data, zip_uint64_t length) {
        auto* attributes = ZIP_SOURCE_GET_ARGS(zip_file_attributes_t, data, length, &error_);
        const Deflated* done = attributes ? result() : nullptr;
        if (!done) return -1;
        attributes->valid =
            ZIP_FILE_ATTRIBUTES_HOST_SYSTEM | ZIP_FILE_ATTRIBUTES_EXTERNAL_FILE_ATTRIBUTES;
        attributes->host_system = ZIP_OPSYS_UNIX;
        attributes->external_file_attributes = static_cast<zip_uint32_t>(done->mode) << 16;
        return sizeof(*attributes);
    }

    DeflatePool& pool_;
    const std::size_t& job_;
    std::string& failure_;
    zip_error_t error_;
    std::size_t position_ = 0;
};

// Chooses the entry name of each file: its stored name, or its fallback when an earlier file of
// the same call took that name; the same file named twice is archived once.
bool TakeName(const Item& item, std::set<std::string>& used, std::string* name) {
    for (const std::string* candidate : {&item.storedName, &item.fallbackName}) {
        if (candidate->empty() || used.count(*candidate)) continue;
        used.insert(*candidate);
        *name = *candidate;
        return true;
    }
    return false;
}

std::vector<Planned> Plan(zip_t* archive, const Request& request, Result& result) {
    std::vector<Planned> planned;
    std::set<std::string> used;
    for (const Item& item : request.items) {
        Planned p;
        if (!TakeName(item, used, &p.name)) continue;
        std::string reason;
        if (!Readable(item.hostPath, &p.info, &reason)) {
            result.skipped.push_back({item.hostPath, reason});
            continue;
        }
        p.hostPath = item.hostPath;
        const zip_int64_t existing = zip_name_locate(archive, p.name.c_str(), 0);
        if (existing >= 0 && request.mode != AddMode::Add && !Changed(archive, existing, p.info))
            continue;
        if (existing < 0 && request.mode == AddMode::Freshen) continue;
        planned.push_back(std::move(p));
    }
    return planned;
}

}  // namespace

Result WriteArchive(const Request& request) {
    Result result;
    int code = 0;
    zip_t* archive = zip_open(request.archive.c_str(), ZIP_CREATE, &code);
    if (!archive) {
        result.error = request.archive + ": " + ZipErrorText(code);
        return result;
    }
    std::vector<Planned> planned = Plan(archive, request, result);
    if (request.allOrNothing && !result.skipped.empty()) {
        zip_discard(archive);
        result.error = "cannot read " + result.skipped.front().hostPath + " (" +
                       result.skipped.front().reason + ")";
        return result;
    }
    if (planned.empty()) {
        zip_discard(archive);
        result.status = Result::Status::NothingToDo;
        return result;
    }
    DeflatePool pool(request.level, request.threads, kPoolBudget);
    std::deque<std::size_t> jobs;  // stable addresses for the sources
    std::string failure;
    for (Planned& p : planned) {
        const bool pooled = static_cast<std::uint64_t>(p.info.st_size) <= kPooledFileLimit;
        zip_source_t* source = nullptr;
        if (pooled) {
            p.job = &jobs.emplace_back(0);
            source = zip_source_function(archive, &PooledSource::Callback,
                                         new PooledSource(pool, *p.job, failure));
        } else {
            source = zip_source_file(archive, p.hostPath.c_str(), 0, -1);
        }
        if (source)
            p.index =
                zip_file_add(archive, p.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (!source || p.index < 0 ||
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(p.index), ZIP_CM_DEFLATE,
                                     static_cast<zip_uint32_t>(request.level)) != 0) {
            if (source && p.index < 0) zip_source_free(source);
            result.error = p.name + ": " + zip_strerror(archive);
            zip_discard(archive);
            return result;
        }
        result.written.push_back(p.name);
    }
    // libzip writes the entries in the order of their index; the pool works in that order too.
    std::vector<Planned*> byIndex;
    for (Planned& p : planned)
        if (p.job) byIndex.push_back(&p);
    std::sort(byIndex.begin(), byIndex.end(),
              [](const Planned* a, const Planned* b) { return a->index < b->index; });
    for (Planned* p : byIndex)
        *p->job = pool.add(p->hostPath, static_cast<std::uint64_t>(p->info.st_size));
    pool.start();
    if (zip_close(archive) != 0) {
        result.error =
            failure.empty() ? std::string(zip_strerror(archive)) : "Read error: " + failure;
        zip_discard(archive);
        result.written.clear();
        return result;
    }
    result.status = Result::Status::Written;
    return result;
}

bool TestArchive(const std::string& archive, const std::vector<std::string>& names,
                 std::string* error, std::uint64_t* entries) {
    int code = 0;
    zip_t* za = zip_open(archive.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!za) {
        *error = archive + ": " + ZipErrorText(code);
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(za, 0);
    if (entries) *entries = static_cast<std::uint64_t>(std::max<zip_int64_t>(count, 0));
    std::vector<zip_uint64_t> toRead;
    if (names.empty()) {
        for (zip_int64_t i = 0; i < count; ++i) toRead.push_back(static_cast<zip_uint64_t>(i));
    }
    for (const std::string& name : names) {
        const zip_int64_t index = zip_name_locate(za, name.c_str(), 0);
        if (index < 0) {
            *error = name + ": missing from the archive";
            zip_discard(za);
            return false;
        }
        toRead.push_back(static_cast<zip_uint64_t>(index));
    }
    std::vector<char> buffer(1 << 20);
    for (const zip_uint64_t index : toRead) {
        zip_file_t* file = zip_fopen_index(za, index, 0);
        zip_int64_t n = file ? 1 : -1;
        while (n > 0) n = zip_fread(file, buffer.data(), buffer.size());
        if (n < 0) {
            const char* name = zip_get_name(za, index, 0);
            *error = std::string(name ? name : "?") + ": " +
                     (file ? zip_file_strerror(file) : zip_strerror(za));
            if (file) zip_fclose(file);
            zip_discard(za);
            return false;
        }
        zip_fclose(file);
    }
    zip_discard(za);
    return true;
}

}  // namespace harbex::zipcore
