#include "commonfiles/search.h"

#include <QHash>
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

// One walk of one tree: the folders still to visit (front = next), the real folders met so far,
// and where the matches of each wanted extension go.
class TreeWalk {
  public:
    TreeWalk(const QStringList& extensions, QStringList& errors, std::vector<QStringList>& found,
             const std::function<bool()>& keepAlive, SearchTally* tally)
        : errors_(errors), found_(found), keepAlive_(keepAlive), tally_(tally) {
        found_.resize(static_cast<size_t>(extensions.size()));
        for (qsizetype k = 0; k < extensions.size(); ++k)
            wanted_[extensions[k].toUpper()].push_back(static_cast<size_t>(k));
    }

    void run(const QString& root) {
        FolderIdentity identity;
        if (Files().folderIdentity(root, &identity)) visited_.insert(identity);
        QString folder = root;
        for (;;) {
            if (!alive()) return;
            if (!listFolder(folder)) return;
            if (stack_.empty()) return;
            if (stack_.front() == folder) {
                errors_ << QStringLiteral("DUPLICATE FOLDER ERROR: DELETING ") + folder;
                stack_.pop_front();
                if (stack_.empty()) return;
            }
            folder = stack_.front();
            stack_.pop_front();
        }
    }

  private:
    bool alive() const { return !keepAlive_ || keepAlive_(); }

    // False when the walk is to stop.
    bool listFolder(const QString& folder) {
        std::vector<DirEntry> entries;
        if (!Files().findEntries(folder, QStringLiteral("*"), &entries)) {
            // A root that cannot be listed is reported as well: a search that quietly finds
            // nothing under a folder the user chose would look like a folder without files.
            errors_ << FolderCannotBeOpened(folder);
            return true;
        }
        if (tally_) ++tally_->folders;
        const QString prefix = AddBackslash(folder);
        for (const DirEntry& entry : entries) {
            if (!alive()) return false;
            if (entry.name == u"." || entry.name == u"..") continue;
            if (entry.directory) {
                enterLater(prefix + entry.name);
            } else if (!entry.system) {
                // Devices, pipes and sockets are no files to back up: reading a pipe would wait
                // for ever.
                match(prefix, entry.name);
            }
        }
        return true;
    }

    void enterLater(const QString& path) {
        FolderIdentity identity;
        if (Files().folderIdentity(path, &identity)) {
            // A link back up the tree would otherwise be walked round and round.
            if (visited_.contains(identity)) {
                errors_ << QStringLiteral("DUPLICATE FOLDER ERROR: DELETING ") + path;
                return;
            }
            visited_.insert(identity);
        }
        stack_.push_front(path);
    }

    void match(const QString& prefix, const QString& name) {
        const auto it = wanted_.constFind(UpperExtension(name));
        if (it == wanted_.cend()) return;
        for (size_t k : *it) {
            found_[k] << prefix + name;
            if (tally_) ++tally_->files;
        }
    }

    QStringList& errors_;
    std::vector<QStringList>& found_;
    const std::function<bool()>& keepAlive_;
    SearchTally* tally_;
    QHash<QString, std::vector<size_t>> wanted_;
    std::deque<QString> stack_;
    QSet<FolderIdentity> visited_;
};

}  // namespace

QString SearchRootFolder(const QString& root) {
    const QString folder = AddBackslash(root);
    return IsDriveRoot(folder) ? folder : RemoveBackslash(folder);
}

QString FolderCannotBeOpened(const QString& folder) {
    return QStringLiteral("FOLDER CANNOT BE OPENED 18: DELETING ") + folder;
}

void SearchFolderTreeFor(const QString& root, const QStringList& extensions, QStringList& errors,
                         std::vector<QStringList>& found, const std::function<bool()>& keepAlive,
                         SearchTally* tally) {
    TreeWalk(extensions, errors, found, keepAlive, tally).run(root);
}

bool SearchCommonFiles(const QStringList& roots, const QStringList& extensions,
                       QStringList& results, QStringList& errors,
                       const std::function<bool()>& keepAlive, SearchTally* tally,
                       const std::function<void(const QString&)>& startingRoot) {
    QStringList dotted;
    for (const QString& extension : extensions) dotted << u'.' + extension;
    bool stopped = false;
    // The walk asks at every entry; remembering the answer tells a finished walk from a
    // stopped one.
    const std::function<bool()> alive = [&] { return !(stopped = keepAlive && !keepAlive()); };
    for (const QString& root : roots) {
        const QString folder = SearchRootFolder(root);
        if (startingRoot) startingRoot(folder);
        std::vector<QStringList> found;
        SearchFolderTreeFor(folder, dotted, errors, found, alive, tally);
        if (stopped) return false;
        for (const QStringList& matches : found) results += matches;
    }
    return true;
}

void SearchFolderTree(const QString& root, const QString& extension, QStringList& errors,
                      QStringList& results, const std::function<bool()>& keepAlive) {
    std::vector<QStringList> found;
    SearchFolderTreeFor(root, {extension}, errors, found, keepAlive);
    results += found.front();
}

}  // namespace harbex
