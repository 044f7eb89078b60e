#pragma once

// The entry points of the internal zip engine's two modules, as the program looks them up by
// name. Plain C, so that the modules and the program only share this header.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { HARBEX_ZIPDLL_VERSION = 200, HARBEX_UNZDLL_VERSION = 200 };

enum HarbexZipMode { HarbexZipAdd = 0, HarbexZipUpdate = 1, HarbexZipFreshen = 2 };

// Results of ZipDllExec and UnzDllExec.
enum HarbexZipStatus { HarbexZipWritten = 0, HarbexZipNothingToDo = 1, HarbexZipFailed = 2 };

struct HarbexZipItem {
    const char* hostPath;
    const char* storedName;
    const char* fallbackName;
};

struct HarbexZipCall {
    uint32_t structSize;  // sizeof(struct HarbexZipCall)
    const char* archive;  // host path; created when missing, updated otherwise
    const struct HarbexZipItem* items;
    uint64_t itemCount;
    int32_t mode;     // HarbexZipMode
    int32_t level;    // deflate level, 0 to 9
    int32_t threads;  // 0: one per processor
    // Called once for every file that could not be read and was left out.
    void (*skipped)(void* context, const char* hostPath, const char* reason);
    // Called once for every entry added or replaced.
    void (*written)(void* context, const char* storedName);
    void* context;
    char error[1024];  // why the archive could not be written
};

struct HarbexUnzCall {
    uint32_t structSize;  // sizeof(struct HarbexUnzCall)
    const char* archive;
    const char* const* names;  // entries to read through; none: every entry
    uint64_t nameCount;
    uint64_t entries;  // out: number of entries in the archive
    char error[1024];
};

typedef int32_t (*ZipDllExecFunction)(struct HarbexZipCall* call);
typedef uint32_t (*GetZipDllVersionFunction)(void);
typedef int32_t (*UnzDllExecFunction)(struct HarbexUnzCall* call);
typedef uint32_t (*GetUnzDllVersionFunction)(void);

#ifdef __cplusplus
}
#endif
