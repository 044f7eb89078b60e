#include "app/options/folderselector.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "platform/platform.h"

namespace harbex {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kOpenedRole = Qt::UserRole + 1;

QString PathOf(const QTreeWidgetItem* item) {
    return item->data(0, kPathRole).toString();
}

QTreeWidgetItem* FolderItem(const QString& caption, const QString& path) {
    auto* item = new QTreeWidgetItem({caption});
    item->setData(0, kPathRole, path);
    // Sub-folders are listed when the folder is opened; until then it may have some.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

}  // namespace

FolderSelector::FolderSelector(std::function<void(const QString&)> chosen,
                               std::function<void()> finished) {
    setHeaderHidden(true);
    fillDrives();
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { open(item); });
    connect(this, &QTreeWidget::currentItemChanged, this, [chosen](QTreeWidgetItem* item) {
        if (item) chosen(PathOf(item));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [finished] { finished(); });
}

void FolderSelector::fillDrives() {
    const HostPaths& paths = *CurrentPlatform().paths;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (paths.isMapped(QChar(letter))) {
            const QString root = QChar(letter) + QStringLiteral(":\\");
            addTopLevelItem(FolderItem(root, root));
        }
}

void FolderSelector::open(QTreeWidgetItem* item) {
    if (item->data(0, kOpenedRole).toBool()) return;
    item->setData(0, kOpenedRole, true);
    QStringList names;
    const QString path = PathOf(item);
    // A folder that cannot be listed simply shows no sub-folders.
    Files().list(path, QStringLiteral("*"), ListKind::Folders, &names);
    const QString prefix = path.endsWith(u'\\') ? path : path + u'\\';
    for (const QString& name : names) item->addChild(FolderItem(name, prefix + name));
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QTreeWidgetItem* FolderSelector::child(QTreeWidgetItem* parent, const QString& name) {
    const QSignalBlocker blocker(this);
    open(parent);
    parent->setExpanded(true);
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0).compare(name, Qt::CaseInsensitive) == 0)
            return parent->child(i);
    return nullptr;
}

void FolderSelector::point(const QString& folder) {
    if (currentItem() && PathOf(currentItem()).compare(folder, Qt::CaseInsensitive) == 0) return;
    const ProgramPathParts parts = SplitProgramPath(folder);
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < topLevelItemCount() && !parts.drive.isNull(); ++i)
        if (PathOf(topLevelItem(i)).startsWith(parts.drive)) item = topLevelItem(i);
    for (const QString& name : parts.components) {
        if (!item) break;
        item = child(item, name);
    }
    const QSignalBlocker blocker(this);
    setCurrentItem(item);
    if (item) scrollToItem(item);
}

}  // namespace harbex
