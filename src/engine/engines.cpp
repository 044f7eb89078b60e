#include "engine/engines.h"

#include "app/harbexzodi.h"
#include "engine/archivefiles.h"
#include "engine/collector.h"
#include "log/runlogbook.h"
#include "platform/commandline.h"
#include "platform/platform.h"
#include "util/errors.h"
#include "util/listfile.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

// Info-ZIP's zip and PKZIP both end with 12 when nothing matched what they were given.
constexpr int kNothingToDo = 12;

ArchiveAttempt Failed(const QString& reason) {
    return {ArchiveOutcome::Failed, reason, {}};
}

// The utility's last line of error output, which usually says why it gave up ("File too
// large"), for the log after its exit code.
QString ReasonGiven(const QString& errorOutput) {
    const QStringList lines = errorOutput.split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) return QString();
    return QStringLiteral(": ") + lines.last().trimmed();
}

}  // namespace

bool Engines::EngineAvailable(Kind kind) const {
    if (kind == Kind::Zipmaster) {
        // The modules are part of the installed program, not of the user's data.
        const QString folder = CurrentPlatform().executableFolder;
        return Files().fileExists(folder + ZipEngineModuleName()) &&
               Files().fileExists(folder + UnzipEngineModuleName());
    }
    return Files().fileExists(z_.settings.ExtUtilPath);
}

bool Engines::AnyEngineAvailable() const {
    return EngineAvailable(Kind::Zipmaster) || EngineAvailable(Kind::External);
}

int Engines::SetupInternalEngine(bool quiet) {
    if (EngineAvailable(Kind::Zipmaster)) {
        ZipMaster.setDLLDirectory(CurrentPlatform().executableFolder);
        z_.view.ZipUtil = QStringLiteral(" Zipmaster");
        // A module that does not load is reported when an archive is made with it.
        ZipMaster.LoadZipLibrary();
        ZipMaster.LoadUnzipLibrary();
        return 0;
    }
    if (quiet) return 0;
    const Button answer = Prompts().question(
        QStringLiteral(
            "Error: Internal compression System file missing, Click Ignore to use "
            "external compression\rYou must have a suitable Compression engine installed"),
        IconKind::Error, {Button::Abort, Button::Ignore, Button::Help}, 67);
    if (answer == Button::Ignore) {
        z_.settings.internal = false;
        z_.view.internalEnabled = false;
        return 1;
    }
    return 2;
}

int Engines::SetupExternalUtility(bool quiet) {
    const QString path = z_.settings.ExtUtilPath;
    if (EngineAvailable(Kind::External)) {
        z_.view.ZipUtil = FileNameOf(path);
        return 0;
    }
    if (quiet) return 0;
    const Button answer = Prompts().question(
        QStringLiteral("Error, Cannot locate External Compression utility ") + FileNameOf(path) +
            QStringLiteral(" in ") + RemoveBackslash(FolderOf(path)) +
            QStringLiteral(" Click Yes to Re-Install, No to set internal copression"),
        IconKind::Error, {Button::Yes, Button::No}, 67);
    if (answer == Button::No) {
        z_.settings.internal = true;
        return 1;
    }
    return 2;
}

void Engines::internalClick() {
    if (!internalClickAttached) return;
    z_.commands.setEnabled(QStringLiteral("Zipup"), false);
    if (z_.settings.internal) {
        z_.view.SelZipUtilityVisible = false;
        if (SetupInternalEngine(false) == 0) z_.commands.setEnabled(QStringLiteral("Zipup"), true);
    } else {
        z_.view.SelZipUtilityVisible = true;
        if (SetupExternalUtility(false) == 0) z_.commands.setEnabled(QStringLiteral("Zipup"), true);
    }
}

void Engines::SelZipUtilityClick() {
    // Programs here have no ".exe": the filter shows every file and no extension is added.
    const auto chosen = CurrentPlatform().dialogs->openFile(
        {QStringLiteral("Select Zip Utility"), QStringLiteral("Executable|*"), QString(), QString(),
         QStringLiteral("PKZIP")});
    if (!chosen) return;
    z_.view.ZipUtil = FileNameOf(*chosen);
    z_.settings.ExtUtilPath = *chosen;
}

void Engines::SelectLocal() {
    z_.view.LocalPanVisible = true;
}

void Engines::ZipTempSelChange(const QString& folder) {
    if (!PointZipTempSel(folder)) return;
    z_.settings.ZipTemp = z_.view.ZipTempSel;
}

void Engines::ZipTempSelDblClick() {
    z_.view.LocalPanVisible = false;
}

bool Engines::PointZipTempSel(const QString& folder) {
    if (!Files().folderExists(folder)) return false;
    // The folder list names a folder without its trailing backslash, a drive root with it.
    z_.view.ZipTempSel = folder.endsWith(QStringLiteral(":\\")) ? folder : RemoveBackslash(folder);
    return true;
}

ArchiveAttempt Engines::MakeInternal(const QStringList& specs, const QString& archive) {
    ArchiveAttempt attempt;
    ZipMaster.ZipFilename = archive;
    ZipMaster.FSpecArgs = specs;
    try {
        ZipMaster.AddFiles();
        attempt.outcome =
            ZipMaster.NothingAdded ? ArchiveOutcome::NothingToDo : ArchiveOutcome::Made;
    } catch (const HarbexError& error) {
        attempt.reason = error.message();
    } catch (const std::exception& error) {
        attempt.reason = QString::fromLocal8Bit(error.what());
    }
    attempt.skipped = ZipMaster.Skipped;
    logSkipped(attempt.skipped);
    return attempt;
}

ArchiveAttempt Engines::InternalZip(const QStringList& list, const QString& archive) {
    if (list.isEmpty()) return {ArchiveOutcome::NothingToDo, QString(), {}};
    const ArchiveAttempt attempt = MakeInternal(list, archive);
    if (attempt.outcome == ArchiveOutcome::Failed) ReportFailure(archive, attempt, false);
    z_.collector().advanceCheckBar();
    return attempt;
}

ArchiveAttempt Engines::ExternalZip(const QString& archive, ExternalForm form,
                                    const QStringList& entries, const QString& listFile) {
    const QString temporary = TemporaryArchiveName(archive);
    QString error;
    // The utility may change the file in place, so it gets a copy of the previous archive.
    if (!PrepareTemporaryArchive(archive, temporary, false, &error)) return Failed(error);
    ArchiveAttempt attempt = runExternal(temporary, form, entries, listFile);
    if (attempt.outcome != ArchiveOutcome::Made) {
        DiscardTemporaryArchive(temporary);
        return attempt;
    }
    if (!CommitTemporaryArchive(temporary, archive, &error)) return Failed(error);
    return attempt;
}

ArchiveAttempt Engines::runExternal(const QString& temporary, ExternalForm form,
                                    const QStringList& entries, const QString& listFile) {
    QString error;
    if (form != ExternalForm::Spec && !Files().writeText(listFile, ListFileText(entries), &error))
        return Failed(error);
    const quint16 show = z_.settings.ShowZipping ? 5 : 0;
    const ProgramRun run = RunProgram(z_.settings.ExtUtilPath,
                                      UtilityParameterText(temporary, form, entries, listFile),
                                      ExternalTimeoutMs, show, [this] { return z_.StopRequested; });
    if (run.status != QStringLiteral("OK")) return Failed(run.status);
    if (run.exitCode == kNothingToDo) return {ArchiveOutcome::NothingToDo, QString(), {}};
    if (run.exitCode != 0)
        return Failed(FileNameOf(z_.settings.ExtUtilPath) + QStringLiteral(" ended with code ") +
                      QString::number(run.exitCode) + ReasonGiven(run.errorOutput));
    if (!Files().fileExists(temporary))
        return Failed(FileNameOf(z_.settings.ExtUtilPath) +
                      QStringLiteral(" ended without making the archive"));
    return {ArchiveOutcome::Made, QString(), {}};
}

void Engines::ReportFailure(const QString& archive, const ArchiveAttempt& attempt, bool quiet) {
    z_.log().add(QStringLiteral("File compression Error ") + archive + QStringLiteral(": ") +
                 attempt.reason);
    if (!quiet) Prompts().message(QStringLiteral("File compression Error"));
}

void Engines::logSkipped(const QStringList& skipped) {
    for (const QString& line : skipped) z_.log().add(QStringLiteral("Not compressed: ") + line);
}

}  // namespace harbex
