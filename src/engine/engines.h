#pragma once

#include <QString>
#include <QStringList>

#include "engine/utilitycommand.h"
#include "engine/zipmaster.h"

namespace harbex {

class THarbexZoDi;

// How making one archive ended. NothingToDo: no file needed adding, so no archive was made or
// changed (an archive made earlier is still there).
enum class ArchiveOutcome { Made, NothingToDo, Failed };
struct ArchiveAttempt {
    ArchiveOutcome outcome = ArchiveOutcome::Failed;
    QString reason;       // why it failed
    QStringList skipped;  // files left out, "path (reason)"
};

// Finding, setting up and running the two compression engines: the internal zip engine (two
// modules beside the executable) and the external command-line utility named by "Ext Util".
class Engines {
  public:
    explicit Engines(THarbexZoDi& z) : z_(z) {}

    enum class Kind { Zipmaster, External };
    bool EngineAvailable(Kind kind) const;
    // Whether any engine exists, so that compression can be offered at all.
    bool AnyEngineAvailable() const;

    // 0 ready, 1 switched to the other engine (after the user agreed), 2 failed.
    int SetupInternalEngine(bool quiet);
    int SetupExternalUtility(bool quiet);

    // Click handling of the check box "Use Internal Compression", attached after start-up.
    void internalClick();
    bool internalClickAttached = false;
    // "Select Zip Utility".
    void SelZipUtilityClick();

    // The temporary folder choice: "Select local Dir" shows the folder selector, every change
    // of its folder becomes ZipTemp, a double click hides it again.
    void SelectLocal();
    void ZipTempSelChange(const QString& folder);
    void ZipTempSelDblClick();
    // Points the folder selector at a folder; false when there is no such folder.
    bool PointZipTempSel(const QString& folder);

    // One archive with the internal engine from file specifications; an empty list makes
    // nothing. A failure is shown ("File compression Error") and logged with the archive.
    ArchiveAttempt InternalZip(const QStringList& list, const QString& archive);
    // One archive with the internal engine, without reporting a failure; files left out are
    // logged.
    ArchiveAttempt MakeInternal(const QStringList& specs, const QString& archive);
    // One archive with the external utility. The list forms save the entries to listFile
    // first. The utility works on a temporary name that becomes the archive only when it ended
    // with exit code 0 and left an archive; exit code 12 ("nothing to do") makes nothing.
    ArchiveAttempt ExternalZip(const QString& archive, ExternalForm form,
                               const QStringList& entries, const QString& listFile);
    // Reports a failed archive: the message box unless quiet, and a log line naming it.
    void ReportFailure(const QString& archive, const ArchiveAttempt& attempt, bool quiet);

    TZipMaster ZipMaster;
    // How long the external utility may run. Long enough for a big archive; a utility still
    // running then is ended and its archive discarded.
    quint32 ExternalTimeoutMs = 60u * 60u * 1000u;

  private:
    ArchiveAttempt runExternal(const QString& temporary, ExternalForm form,
                               const QStringList& entries, const QString& listFile);
    void logSkipped(const QStringList& skipped);
    THarbexZoDi& z_;
};

}  // namespace harbex
