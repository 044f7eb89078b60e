#pragma once

// Writes and checks zip archives with libzip. Shared by the internal engine's modules and the
// stand-in command-line utility; plain C++ without Qt, because it lives inside loadable modules.

#include <cstdint>
#include <string>
#include <vector>

namespace harbex::zipcore {

// How files meet entries already in the archive: Add replaces every entry it names, Update
// replaces changed entries and adds new ones, Freshen only replaces changed entries.
enum class AddMode { Add, Update, Freshen };

struct Item {
    std::string hostPath;
    std::string storedName;    // the entry name ("report.doc", "Data/sub/report.doc")
    std::string fallbackName;  // used when an earlier file of the same call took storedName
};

struct Request {
    std::string archive;  // host path; created when missing, updated otherwise
    std::vector<Item> items;
    AddMode mode = AddMode::Add;
    int level = 9;         // deflate level
    unsigned threads = 0;  // compressing threads; 0 = one per processor
    // Write nothing when a file cannot be read, instead of leaving it out.
    bool allOrNothing = false;
};

struct Skipped {
    std::string hostPath;
    std::string reason;
};

struct Result {
    enum class Status { Written, NothingToDo, Failed };
    Status status = Status::Failed;
    std::string error;
    std::vector<std::string> written;  // entry names added or replaced by this call
    std::vector<Skipped> skipped;      // files that could not be read; the rest were archived
};

// Adds the items to the archive. libzip writes the result beside the archive and renames it into
// place, so a failure leaves the archive as it was before the call.
Result WriteArchive(const Request& request);

// Checks the archive's directory and reads every named entry (every entry when names is empty)
// through its checksum. Returns false with the reason in error.
bool TestArchive(const std::string& archive, const std::vector<std::string>& names,
                 std::string* error, std::uint64_t* entries = nullptr);

}  // namespace harbex::zipcore
