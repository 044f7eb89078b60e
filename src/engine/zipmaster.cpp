#include "engine/zipmaster.h"

#include <QHash>
#include <vector>

#include "engine/archivefiles.h"
#include "engine/zipspecs.h"
#include "platform/deadline.h"
#include "platform/platform.h"
#include "util/errors.h"
#include "zipdll.h"

namespace harbex {
namespace {

// What the zip module reports back while it works, on its own thread.
struct CallReport {
    QHash<QString, QString> programPathOf;  // host path -> program path
    QStringList skipped;
    QStringList written;
};

void OnSkipped(void* context, const char* hostPath, const char* reason) {
    auto* report = static_cast<CallReport*>(context);
    const QString host = QString::fromUtf8(hostPath);
    report->skipped << report->programPathOf.value(host, host) + QStringLiteral(" (") +
                           QString::fromUtf8(reason) + u')';
}

void OnWritten(void* context, const char* storedName) {
    static_cast<CallReport*>(context)->written << QString::fromUtf8(storedName);
}

int32_t ModeFor(TZipMaster::AddOptionSet options) {
    if (options.testFlag(TZipMaster::AddFreshen)) return HarbexZipFreshen;
    if (options.testFlag(TZipMaster::AddUpdate)) return HarbexZipUpdate;
    return HarbexZipAdd;
}

QString HostPathOf(const QString& programPath) {
    const QString host = Files().toHost(programPath);
    if (host.isEmpty())
        throw HarbexError(QStringLiteral("The path is on a drive that is not mapped: ") +
                          programPath);
    return host;
}

}  // namespace

TZipMaster::TZipMaster() = default;

TZipMaster::~TZipMaster() {
    for (auto* library : {zipLibrary_.get(), unzipLibrary_.get()})
        if (library && library->isLoaded()) library->unload();
}

void TZipMaster::setDLLDirectory(const QString& folder) {
    dllDirectory_ = folder.endsWith(u'\\') ? folder.chopped(1) : folder;
}

bool TZipMaster::load(std::unique_ptr<QLibrary>& library, const QString& moduleName,
                      const char* execName, const char* versionName, void** exec) {
    const QString path = dllDirectory_ + u'\\' + moduleName;
    library =
        std::make_unique<QLibrary>(Files().fileExists(path) ? Files().toHost(path) : moduleName);
    void* run = library->load() ? reinterpret_cast<void*>(library->resolve(execName)) : nullptr;
    void* version = run ? reinterpret_cast<void*>(library->resolve(versionName)) : nullptr;
    if (!run || !version) {
        LoadError = library->errorString();
        *exec = nullptr;
        return false;
    }
    *exec = run;
    return true;
}

bool TZipMaster::LoadZipLibrary() {
    return load(zipLibrary_, ZipEngineModuleName(), "ZipDllExec", "GetZipDllVersion", &zipExec_);
}

bool TZipMaster::LoadUnzipLibrary() {
    return load(unzipLibrary_, UnzipEngineModuleName(), "UnzDllExec", "GetUnzDllVersion",
                &unzExec_);
}

void TZipMaster::AddFiles() {
    Skipped.clear();
    NothingAdded = false;
    if (!zipExec_ && !LoadZipLibrary()) throw HarbexError(LoadError);
    const ExpandedSpecs specs = ExpandFileSpecs(FSpecArgs, AddOptions.testFlag(AddRecurseDirs),
                                                AddOptions.testFlag(AddDirNames));
    CallReport report;
    std::vector<QByteArray> text;
    text.reserve(static_cast<std::size_t>(specs.items.size()) * 3);
    std::vector<HarbexZipItem> items;
    for (const ZipSpecItem& item : specs.items) {
        report.programPathOf.insert(item.hostPath, item.programPath);
        for (const QString* s : {&item.hostPath, &item.storedName, &item.fallbackName})
            text.push_back(s->toUtf8());
        const std::size_t n = text.size();
        items.push_back(
            {text[n - 3].constData(), text[n - 2].constData(), text[n - 1].constData()});
    }
    const QString temporary = TemporaryArchiveName(ZipFilename);
    const QByteArray hostTemporary = HostPathOf(temporary).toUtf8();
    QString error;
    if (!PrepareTemporaryArchive(ZipFilename, temporary, true, &error)) throw HarbexError(error);

    HarbexZipCall call{};
    call.structSize = sizeof call;
    call.archive = hostTemporary.constData();
    call.items = items.data();
    call.itemCount = items.size();
    call.mode = ModeFor(AddOptions);
    call.level = AddCompLevel;
    call.skipped = &OnSkipped;
    call.written = &OnWritten;
    call.context = &report;
    int32_t status = HarbexZipFailed;
    auto exec = reinterpret_cast<ZipDllExecFunction>(zipExec_);
    RunWhileHandlingMessages([&] { status = exec(&call); });
    Skipped = specs.problems + report.skipped;
    if (status != HarbexZipWritten) {
        DiscardTemporaryArchive(temporary);
        if (status == HarbexZipNothingToDo) {
            NothingAdded = true;
            return;
        }
        throw HarbexError(QString::fromUtf8(call.error));
    }
    verify(QString::fromUtf8(hostTemporary), report.written);
    if (!CommitTemporaryArchive(temporary, ZipFilename, &error)) throw HarbexError(error);
}

// Reads back what this call wrote before the archive takes its final name; on failure the
// temporary archive is removed and the previous archive stays as it was.
void TZipMaster::verify(const QString& hostArchive, const QStringList& names) {
    const QString temporary = TemporaryArchiveName(ZipFilename);
    if (!unzExec_ && !LoadUnzipLibrary()) {
        DiscardTemporaryArchive(temporary);
        throw HarbexError(LoadError);
    }
    const QByteArray archive = hostArchive.toUtf8();
    std::vector<QByteArray> text;
    for (const QString& name : names) text.push_back(name.toUtf8());
    std::vector<const char*> pointers;
    for (const QByteArray& name : text) pointers.push_back(name.constData());
    HarbexUnzCall call{};
    call.structSize = sizeof call;
    call.archive = archive.constData();
    call.names = pointers.data();
    call.nameCount = pointers.size();
    int32_t status = HarbexZipFailed;
    auto exec = reinterpret_cast<UnzDllExecFunction>(unzExec_);
    RunWhileHandlingMessages([&] { status = exec(&call); });
    if (status == HarbexZipWritten) return;
    DiscardTemporaryArchive(temporary);
    throw HarbexError(QStringLiteral("The new archive could not be read back: ") +
                      QString::fromUtf8(call.error));
}

}  // namespace harbex
