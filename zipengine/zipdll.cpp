// The internal engine's zip module: creates or updates one archive per call.

#include "zipdll.h"

#include <cstdio>
#include <exception>

#include "archivewriter.h"

using harbex::zipcore::AddMode;
using harbex::zipcore::Result;

namespace {

void SetError(char (&buffer)[1024], const std::string& text) {
    std::snprintf(buffer, sizeof buffer, "%s", text.c_str());
}

AddMode ModeOf(int32_t mode) {
    switch (mode) {
        case HarbexZipUpdate:
            return AddMode::Update;
        case HarbexZipFreshen:
            return AddMode::Freshen;
        default:
            return AddMode::Add;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) uint32_t GetZipDllVersion(void) {
    return HARBEX_ZIPDLL_VERSION;
}

extern "C" __attribute__((visibility("default"))) int32_t ZipDllExec(HarbexZipCall* call) {
    if (!call || call->structSize != sizeof(HarbexZipCall) || !call->archive)
        return HarbexZipFailed;
    call->error[0] = '\0';
    try {
        harbex::zipcore::Request request;
        request.archive = call->archive;
        request.mode = ModeOf(call->mode);
        request.level = call->level;
        request.threads = call->threads > 0 ? static_cast<unsigned>(call->threads) : 0;
        for (uint64_t i = 0; i < call->itemCount; ++i) {
            const HarbexZipItem& item = call->items[i];
            request.items.push_back({item.hostPath ? item.hostPath : "",
                                     item.storedName ? item.storedName : "",
                                     item.fallbackName ? item.fallbackName : ""});
        }
        const Result result = harbex::zipcore::WriteArchive(request);
        for (const auto& skipped : result.skipped)
            if (call->skipped)
                call->skipped(call->context, skipped.hostPath.c_str(), skipped.reason.c_str());
        for (const std::string& name : result.written)
            if (call->written) call->written(call->context, name.c_str());
        switch (result.status) {
            case Result::Status::Written:
                return HarbexZipWritten;
            case Result::Status::NothingToDo:
                return HarbexZipNothingToDo;
            case Result::Status::Failed:
                break;
        }
        SetError(call->error, result.error);
    } catch (const std::exception& e) {
        // Nothing may cross the module boundary; out of memory is the likely cause.
        SetError(call->error, e.what());
    }
    return HarbexZipFailed;
}
