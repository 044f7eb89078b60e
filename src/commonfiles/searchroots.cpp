#include "commonfiles/searchroots.h"

#include "platform/platform.h"

namespace harbex {

QString ParentFolder(const QString& path) {
    if (path.size() == 3) return path;
    const qsizetype slash = path.lastIndexOf(u'\\');
    if (slash < 0) return QStringLiteral("ROOT");
    QString parent = path.left(slash);
    if (!parent.contains(u'\\')) parent += u'\\';
    return parent;
}

QStringList NineAncestors(const QString& path) {
    QStringList ancestors;
    QString folder = path;
    for (int level = 0; level < 9; ++level) ancestors << (folder = ParentFolder(folder));
    return ancestors;
}

RootCheck AddRootFolder(QStringList& rootList, const QString& folder) {
    if (rootList.isEmpty()) {
        rootList << folder;
        return RootCheck::Added;
    }
    for (const QString& root : std::as_const(rootList)) {
        if (NineAncestors(root).contains(folder)) {
            Prompts().message(QStringLiteral("Nested Folders error - folder ") + folder +
                              QStringLiteral(" is a parent of ") + root);
            return RootCheck::ParentOfRoot;
        }
    }
    for (const QString& ancestor : NineAncestors(folder)) {
        if (rootList.contains(ancestor, Qt::CaseInsensitive)) {
            Prompts().message(QStringLiteral("Nested Folders error - folder is a child of ") +
                              ancestor);
            return RootCheck::ChildOfRoot;
        }
    }
    if (rootList.contains(folder)) {
        Prompts().message(QStringLiteral("Duplicate folder"));
        return RootCheck::Duplicate;
    }
    rootList << folder;
    return RootCheck::Added;
}

}  // namespace harbex
