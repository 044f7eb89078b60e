#include "wizard/foldertree.h"

#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "platform/platform.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {

FolderTree::FolderTree(const QString& name) {
    setObjectName(name);
    setHeaderHidden(true);
    setIconSize(QSize(16, 16));
}

void FolderTree::showRoot(const QString& rootText) {
    const QSignalBlocker blocker(this);
    clear();
    auto* root = new QTreeWidgetItem({rootText});
    root->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    addTopLevelItem(root);
    setCurrentItem(root);
    fill(root, rootText + u'\\');
    root->setExpanded(true);
}

void FolderTree::fill(QTreeWidgetItem* node, const QString& path) {
    std::vector<DirEntry> entries;
    // A folder that cannot be searched simply shows no sub-folders.
    SearchFolder(path, &entries);
    QStringList names;
    for (const DirEntry& entry : entries)
        if (IsSubfolderEntry(entry)) names << entry.name;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& name : names) {
        auto* child = new QTreeWidgetItem({name});
        child->setIcon(0, folder);
        if (HasSubfolders(path + name))
            child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        node->addChild(child);
    }
}

void FolderTree::expanding(QTreeWidgetItem* node) {
    const QSignalBlocker blocker(this);
    if (node->childCount() == 0) {
        fill(node, nodePath(node));
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    setCurrentItem(node);
}

QString FolderTree::nodePath(const QTreeWidgetItem* node) {
    QString path;
    for (const QTreeWidgetItem* at = node; at; at = at->parent()) path = at->text(0) + u'\\' + path;
    return path;
}

QString FolderTree::selectedPath() const {
    const QTreeWidgetItem* node = currentItem();
    return node ? nodePath(node) : QString();
}

QTreeWidgetItem* FolderTree::find(const QString& path) {
    if (topLevelItemCount() == 0) return nullptr;
    QTreeWidgetItem* node = topLevelItem(0);
    const QString rootPath = nodePath(node);
    if (!AddBackslash(path).startsWith(rootPath, Qt::CaseInsensitive)) return nullptr;
    const QStringList names =
        AddBackslash(path).mid(rootPath.size()).split(u'\\', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        if (node->childCount() == 0) expanding(node);
        node->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i)
            if (node->child(i)->text(0).compare(name, Qt::CaseInsensitive) == 0)
                next = node->child(i);
        if (!next) return nullptr;
        node = next;
    }
    return node;
}

}  // namespace harbex
