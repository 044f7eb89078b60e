#include "engine/zipspecs.h"

#include <QHash>
#include <QSet>

#include "platform/hostpaths.h"
#include "platform/platform.h"
#include "util/stringutils.h"

namespace harbex {
namespace {

class Expander {
  public:
    Expander(bool recurse, bool keepFolders) : recurse_(recurse), keepFolders_(keepFolders) {}

    void spec(const QString& spec) {
        if (HasWildcard(spec)) {
            const qsizetype slash = spec.lastIndexOf(u'\\');
            folder(slash < 0 ? QString() : spec.left(slash), spec.mid(slash + 1), true);
        } else if (Files().fileExists(spec)) {
            file(spec);
        } else if (Files().folderExists(spec)) {
            folder(RemoveBackslash(spec), QStringLiteral("*.*"), true);
        } else {
            result.problems << spec +
                                   QStringLiteral(" (The system cannot find the file specified)");
        }
    }

    ExpandedSpecs result;

  private:
    void folder(const QString& path, const QString& pattern, bool named) {
        // Each real folder once per pattern, so that a link back up the tree ends the walk.
        FolderIdentity real;
        if (Files().folderIdentity(path, &real)) {
            QSet<QString>& patterns = visited_[real];
            if (patterns.contains(pattern)) return;
            patterns.insert(pattern);
        }
        QStringList names;
        QString error;
        if (!Files().list(path, pattern, ListKind::Files, &names, &error)) {
            if (named) result.problems << path + QStringLiteral(" (") + error + u')';
            return;
        }
        const QString prefix = AddBackslash(path);
        for (const QString& name : names) file(prefix + name);
        if (!recurse_) return;
        QStringList folders;
        if (!Files().list(path, QStringLiteral("*"), ListKind::Folders, &folders)) return;
        for (const QString& sub : folders) folder(prefix + sub, pattern, false);
    }

    void file(const QString& path) {
        const QString host = Files().toHost(path);
        if (seen_.contains(host)) return;
        seen_.insert(host);
        result.items << ZipSpecItem{path, host, StoredName(path, keepFolders_), RootedName(path)};
    }

    bool recurse_;
    bool keepFolders_;
    QHash<FolderIdentity, QSet<QString>> visited_;
    QSet<QString> seen_;
};

}  // namespace

ExpandedSpecs ExpandFileSpecs(const QStringList& specs, bool recurse, bool keepFolders) {
    Expander expander(recurse, keepFolders);
    for (const QString& spec : specs)
        if (!spec.trimmed().isEmpty()) expander.spec(spec);
    return expander.result;
}

QString StoredName(const QString& programPath, bool keepFolders) {
    const QStringList components = SplitProgramPath(programPath).components;
    if (components.isEmpty()) return QString();
    return keepFolders ? components.join(u'/') : components.last();
}

QString RootedName(const QString& programPath) {
    const ProgramPathParts parts = SplitProgramPath(programPath);
    const QString root = parts.isNetwork()
                             ? parts.server + u'/' + parts.share
                             : (parts.drive.isNull() ? QString() : QString(parts.drive));
    return root.isEmpty() ? parts.components.join(u'/') : root + u'/' + parts.components.join(u'/');
}

bool HasWildcard(const QString& spec) {
    const QString last = spec.mid(spec.lastIndexOf(u'\\') + 1);
    return last.contains(u'*') || last.contains(u'?');
}

}  // namespace harbex
