// The internal engine's unzip module: reads an archive back through its checksums, so that an
// archive is only given its final name once it is known to be readable.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "archivewriter.h"
#include "zipdll.h"

extern "C" __attribute__((visibility("default"))) uint32_t GetUnzDllVersion(void) {
    return HARBEX_UNZDLL_VERSION;
}

extern "C" __attribute__((visibility("default"))) int32_t UnzDllExec(HarbexUnzCall* call) {
    if (!call || call->structSize != sizeof(HarbexUnzCall) || !call->archive)
        return HarbexZipFailed;
    call->error[0] = '\0';
    try {
        std::vector<std::string> names;
        for (uint64_t i = 0; i < call->nameCount; ++i)
            if (call->names[i]) names.emplace_back(call->names[i]);
        std::string error;
        std::uint64_t entries = 0;
        const bool ok = harbex::zipcore::TestArchive(call->archive, names, &error, &entries);
        call->entries = entries;
        if (ok) return HarbexZipWritten;
        std::snprintf(call->error, sizeof call->error, "%s", error.c_str());
    } catch (const std::exception& e) {
        std::snprintf(call->error, sizeof call->error, "%s", e.what());
    }
    return HarbexZipFailed;
}
