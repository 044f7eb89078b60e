#include "util/utils.h"

#include "platform/commandline.h"
#include "platform/network.h"
#include "platform/platform.h"
#include "util/errors.h"

namespace harbex {

QString PadLeft(const QString& text, int width, QChar fill) {
    if (text.size() >= width) return text;
    return QString(width - text.size(), fill) + text;
}

QString RunAndWait(const QString& programPath, const QString& parameters, quint32 timeoutMs,
                   quint16 showWindow) {
    return RunProgram(programPath, parameters, timeoutMs, showWindow).status;
}

ProgramRun RunProgram(const QString& programPath, const QString& parameters, quint32 timeoutMs,
                      quint16 showWindow, const std::function<bool()>& stopWhen) {
    FileSystem& files = Files();
    if (!files.fileExists(programPath) && !files.fileExists(parameters))
        return {QStringLiteral("Process file does not exist"), 0};
    const QString hostProgram = files.toHost(programPath);
    const ProcessRun run = CurrentPlatform().processes->runAndWait(
        hostProgram.isEmpty() ? programPath : hostProgram, SplitWindowsCommandLine(parameters),
        timeoutMs, showWindow, stopWhen);
    switch (run.status) {
        case ProcessRun::Status::FailedToStart:
            return {QStringLiteral("Create Proccess failed ") + programPath + u' ' + parameters +
                        QStringLiteral(" Error: ") + QString::number(run.errorNumber),
                    0};
        case ProcessRun::Status::TimedOut:
            return {QStringLiteral("Timeout has occured in waiting for result from compiler."), 0};
        case ProcessRun::Status::Stopped:
            return {QStringLiteral("Stopped before it finished"), 0};
        case ProcessRun::Status::Finished:
            break;
    }
    return {QStringLiteral("OK"), run.exitCode, run.errorOutput};
}

void WaitSeconds(unsigned n) {
    CurrentPlatform().waits->waitMilliseconds(static_cast<quint64>(n) * 1000);
}

void WaitMilliseconds(unsigned n) {
    CurrentPlatform().waits->waitMilliseconds(n);
}

bool IsSubfolderEntry(const DirEntry& entry) {
    return entry.directory && entry.name != u"." && entry.name != u"..";
}

bool SearchFolder(const QString& folder, std::vector<DirEntry>* entries, QString* error) {
    if (!Files().findEntries(folder, QStringLiteral("*.*"), entries, error)) return false;
    std::erase_if(*entries, [](const DirEntry& entry) { return entry.hidden || entry.system; });
    return true;
}

bool HasSubfolders(const QString& folder) {
    std::vector<DirEntry> entries;
    if (!SearchFolder(folder, &entries)) return false;
    for (const DirEntry& entry : entries)
        if (IsSubfolderEntry(entry)) return true;
    return false;
}

void ReleaseList(std::unique_ptr<QStringList>& list) {
    list.reset();
}

QString NetworkErrorText(int error) {
    switch (error) {
        case 50:
            return QStringLiteral("Network request not supported");
        case 87:
            return QStringLiteral("Bad dwScope or dwType parameter.");
        case 1207:
            return QStringLiteral("The lpNetResource parameter does not point to a container.");
        case 1208:
            return QStringLiteral("A network-specific error occurred");
        case 1222:
            return QStringLiteral("No network is present.");
        default:
            return QString::number(error);
    }
}

void EnumNetworkContainers(const NetResource* resource, QStringList& list) {
    QList<NetResource> children;
    const int error = CurrentPlatform().network->enumerate(resource, &children);
    if (error != 0) {
        list << QStringLiteral("Open resource error ") + NetworkErrorText(error);
        return;
    }
    for (const NetResource& child : children) {
        if (child.usage == 1 || child.usage == 5) continue;  // shares are never listed
        if (resource) list << child.remoteName;
        EnumNetworkContainers(&child, list);
    }
}

bool DriveIsReady(QChar drive) {
    const QChar letter = drive.toUpper();
    if (letter < u'A' || letter > u'Z') throw HarbexError(QStringLiteral("Not a valid drive ID"));
    // Asking for the size never brings up a system dialog here, so there is no error mode to
    // switch.
    return Files().driveSizeReadable(letter);
}

}  // namespace harbex
