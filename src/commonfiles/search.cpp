#include "commonfiles/search.h"

#include <QSet>
#include <deque>

#include "platform/platform.h"
#include "util/stringutils.h"

namespace harbex {
namespace {

QString UpperExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

bool IsDriveRoot(const QString& folder) {
    return folder.size() == 3 && folder[1] == u':' && folder[2] == u'\\';
}

}  // namespace

QString SearchRootFolder(const QString& root) {
    const QString folder = AddBackslash(root);
    return IsDriveRoot(folder) ? folder : RemoveBackslash(folder);
}

void SearchFolderTree(const QString& root, const QString& extension, QStringList& errors,
                      QStringList& results, const std::function<bool()>& keepAlive) {
    const QString wanted = extension.toUpper();
    FileSystem& files = Files();
    // Front = the next folder to visit.
    std::deque<QString> stack;
    // A link back up the tree would otherwise be walked round and round.
    QSet<FolderIdentity> visited;
    FolderIdentity identity;
    if (files.folderIdentity(root, &identity)) visited.insert(identity);
    QString folder = root;
    for (;;) {
        if (keepAlive && !keepAlive()) return;
        std::vector<DirEntry> entries;
        if (files.findEntries(folder, QStringLiteral("*"), &entries)) {
            const QString prefix = AddBackslash(folder);
            for (const DirEntry& entry : entries) {
                if (keepAlive && !keepAlive()) return;
                if (entry.name == u"." || entry.name == u"..") continue;
                const QString path = prefix + entry.name;
                if (entry.directory) {
                    if (files.folderIdentity(path, &identity)) {
                        if (visited.contains(identity)) {
                            errors << QStringLiteral("DUPLICATE FOLDER ERROR: DELETING ") + path;
                            continue;
                        }
                        visited.insert(identity);
                    }
                    stack.push_front(path);
                } else if (!entry.system && UpperExtension(entry.name) == wanted) {
                    // Devices, pipes and sockets are no files to back up: reading a pipe
                    // would wait for ever.
                    results << path;
                }
            }
        } else if (folder != root) {
            errors << QStringLiteral("FOLDER CANNOT BE OPENED 18: DELETING ") + folder;
        }
        if (stack.empty()) return;
        if (stack.front() == folder) {
            errors << QStringLiteral("DUPLICATE FOLDER ERROR: DELETING ") + folder;
            stack.pop_front();
            if (stack.empty()) return;
        }
        folder = stack.front();
        stack.pop_front();
    }
}

}  // namespace harbex
