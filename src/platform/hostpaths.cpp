#include "platform/hostpaths.h"

#include <QDir>
#include <QFileInfo>

#include "platform/registry.h"

namespace harbex {
namespace {

QString CleanHostFolder(const QString& folder) {
    QString cleaned = QDir::cleanPath(folder);
    return cleaned.isEmpty() ? QStringLiteral("/") : cleaned;
}

QString JoinHost(const QString& base, const QString& name) {
    return base.endsWith(u'/') ? base + name : base + u'/' + name;
}

// Finds the entry of a folder whose name equals the component without regard to case.
QString CaseInsensitiveEntry(const QString& folder, const QString& component) {
    QDir dir(folder);
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(component, Qt::CaseInsensitive) == 0) return entry;
    return QString();
}

QStringList Normalised(const QStringList& components) {
    QStringList result;
    for (const QString& component : components) {
        if (component == u".") continue;
        if (component == u"..") {
            // Never climb above the mapped root.
            if (!result.isEmpty()) result.removeLast();
            continue;
        }
        result << component;
    }
    return result;
}

QString ResolveBelow(QString host, const QStringList& components) {
    const QStringList parts = Normalised(components);
    // Most paths exist as written: one look at the whole path settles them.
    QString whole = host;
    for (const QString& component : parts) whole = JoinHost(whole, component);
    if (parts.isEmpty() || QFileInfo::exists(whole)) return whole;
    bool resolving = true;
    for (const QString& component : parts) {
        QString next = JoinHost(host, component);
        if (resolving && !QFileInfo::exists(next)) {
            const QString match = CaseInsensitiveEntry(host, component);
            if (match.isEmpty())
                resolving = false;
            else
                next = JoinHost(host, match);
        }
        host = next;
    }
    return host;
}

// The names of a host path: only "/" separates, a "\" is part of a name there.
QStringList HostComponents(const QString& hostPath) {
    return hostPath.split(u'/', Qt::SkipEmptyParts);
}

// Length in components of prefix when hostPath lies at or below it, -1 otherwise.
int PrefixDepth(const QString& prefix, const QString& hostPath) {
    const QStringList prefixParts = HostComponents(prefix);
    const QStringList pathParts = HostComponents(hostPath);
    if (prefixParts.size() > pathParts.size()) return -1;
    for (int i = 0; i < prefixParts.size(); ++i)
        if (prefixParts[i] != pathParts[i]) return -1;
    return static_cast<int>(prefixParts.size());
}

}  // namespace

QStringList PathComponents(const QString& path) {
    QStringList parts;
    for (const QString& part : QString(path).replace(u'\\', u'/').split(u'/'))
        if (!part.isEmpty()) parts << part;
    return parts;
}

ProgramPathParts SplitProgramPath(const QString& programPath) {
    ProgramPathParts parts;
    // Leading blanks are never part of a path; a trailing blank may be part of a host name.
    QString text = programPath;
    while (!text.isEmpty() && text.front().isSpace()) text.remove(0, 1);
    text.replace(u'/', u'\\');
    if (text.startsWith(QStringLiteral("\\\\"))) {
        QStringList items = PathComponents(text);
        if (!items.isEmpty()) parts.server = items.takeFirst();
        if (!items.isEmpty()) parts.share = items.takeFirst();
        parts.components = items;
        return parts;
    }
    if (text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 128) {
        parts.drive = text[0].toUpper();
        text = text.mid(2);
    }
    parts.components = PathComponents(text);
    return parts;
}

HostPaths::HostPaths(QMap<QChar, QString> drives, QString networkRoot) {
    for (auto it = drives.cbegin(); it != drives.cend(); ++it)
        drives_.insert(it.key().toUpper(), CleanHostFolder(it.value()));
    setNetworkRoot(networkRoot);
}

void HostPaths::setNetworkRoot(const QString& hostFolder) {
    // Cleaned like the drive folders: a host path below "/mnt/net/." must be found below it.
    networkRoot_ = hostFolder.isEmpty() ? hostFolder : CleanHostFolder(hostFolder);
}

const QString& HostPaths::DriveMapKey() {
    static const QString key = QStringLiteral("Software\\Keelwick\\Pelvor\\Drives");
    return key;
}

HostPaths HostPaths::FromRegistry(const Registry& registry) {
    return FromValues([&registry](const QString& name) {
        return registry.readText(RegistryRoot::CurrentUser, DriveMapKey(), name);
    });
}

HostPaths HostPaths::FromValues(
    const std::function<std::optional<QString>(const QString&)>& value) {
    // A folder written by hand as a relative path would be taken from whatever folder the program
    // was started in (and Qt would take ":name" for one of its resources): such a value maps
    // nothing, like an absent one.
    auto folder = [&value](const QString& name) -> std::optional<QString> {
        const auto text = value(name);
        if (!text || !text->startsWith(u'/')) return std::nullopt;
        return text;
    };
    QMap<QChar, QString> drives;
    drives.insert(u'C', QStringLiteral("/"));
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        if (const auto mapped = folder(QString(QChar(letter))))
            drives.insert(QChar(letter), *mapped);
    return HostPaths(drives, folder(QStringLiteral("Network")).value_or(QStringLiteral("/mnt")));
}

bool HostPaths::isMapped(QChar driveLetter) const {
    return drives_.contains(driveLetter.toUpper());
}

QString HostPaths::driveFolder(QChar driveLetter) const {
    return drives_.value(driveLetter.toUpper());
}

void HostPaths::setDrive(QChar driveLetter, const QString& hostFolder) {
    if (hostFolder.isEmpty())
        drives_.remove(driveLetter.toUpper());
    else
        drives_.insert(driveLetter.toUpper(), CleanHostFolder(hostFolder));
}

QString HostPaths::toHost(const QString& programPath) const {
    const ProgramPathParts parts = SplitProgramPath(programPath);
    if (parts.isNetwork()) {
        // A network path never climbs above its share, and "." or ".." names no server or share.
        const auto dots = [](const QString& name) { return name == u"." || name == u".."; };
        if (dots(parts.server) || dots(parts.share)) return QString();
        QStringList below;
        below << parts.server;
        if (!parts.share.isEmpty()) below << parts.share;
        below << Normalised(parts.components);
        return ResolveBelow(networkRoot_.isEmpty() ? QStringLiteral("/") : networkRoot_, below);
    }
    if (parts.isRelative() || !drives_.contains(parts.drive)) return QString();
    return ResolveBelow(drives_.value(parts.drive), parts.components);
}

QString HostPaths::toProgram(const QString& hostPath) const {
    const QString absolute = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    int bestDepth = -1;
    QString bestRoot;
    QString bestBase;
    for (auto it = drives_.cbegin(); it != drives_.cend(); ++it) {
        const int depth = PrefixDepth(it.value(), absolute);
        if (depth > bestDepth) {
            bestDepth = depth;
            bestRoot = QString(it.key()) + u':';
            bestBase = it.value();
        }
    }
    const QStringList absoluteParts = HostComponents(absolute);
    const int networkDepth = networkRoot_.isEmpty() ? -1 : PrefixDepth(networkRoot_, absolute);
    // A name holding "\" would read back as two names: such a path has no program form.
    const auto programForm = [&absoluteParts](int depth) {
        const QStringList rest = absoluteParts.mid(depth);
        for (const QString& name : rest)
            if (name.contains(u'\\')) return std::optional<QString>();
        return std::optional<QString>(rest.join(u'\\'));
    };
    // A network path needs at least the server below the network root.
    if (networkDepth >= 0 && networkDepth > bestDepth && absoluteParts.size() > networkDepth) {
        const auto rest = programForm(networkDepth);
        return rest ? QStringLiteral("\\\\") + *rest : QString();
    }
    if (bestDepth < 0) return QString();
    const auto rest = programForm(bestDepth);
    return rest ? bestRoot + u'\\' + *rest : QString();
}

QString NoDriveMessage(const QString& hostFolder, const QString& driveMapFile) {
    return QStringLiteral("The folder ") + hostFolder +
           QStringLiteral(
               " is not on any drive that Harbex knows.\r\nTo use it, give it a drive letter: add "
               "a line such as D=") +
           hostFolder + QStringLiteral(" to the [Drives] group of ") + driveMapFile +
           QStringLiteral(", then try again.");
}

}  // namespace harbex
