#include "commonfiles/dirlistbox.h"

#include <QApplication>
#include <QComboBox>
#include <QStyle>

#include "platform/platform.h"
#include "util/stringutils.h"

namespace harbex {
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

DirListBox::DirListBox(QComboBox* drives, QWidget* parent) : QListWidget(parent), drives_(drives) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    fillDrives();
    connect(drives_, &QComboBox::currentTextChanged, this,
            [this](const QString& drive) { open(drive); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { open(item->data(kPathRole).toString()); });
    if (drives_->count() > 0) open(drives_->currentText());
}

void DirListBox::fillDrives() {
    const HostPaths& paths = *CurrentPlatform().paths;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (paths.isMapped(QChar(letter))) drives_->addItem(QChar(letter) + QStringLiteral(":\\"));
}

void DirListBox::open(const QString& folder) {
    if (folder.isEmpty()) return;
    current_ = folder;
    clear();
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon opened = style()->standardIcon(QStyle::SP_DirOpenIcon);
    // The path down to the folder: the drive root, then one entry per level.
    const ProgramPathParts parts = SplitProgramPath(folder);
    QString path = parts.isNetwork() ? QStringLiteral("\\\\") + parts.server + u'\\' + parts.share
                                     : QString(parts.drive) + QStringLiteral(":\\");
    auto add = [this](const QIcon& icon, const QString& caption, const QString& full, int depth) {
        auto* item = new QListWidgetItem(icon, QString(depth * 3, u' ') + caption, this);
        item->setData(kPathRole, full);
        return item;
    };
    int depth = 0;
    add(opened, path, path, depth++);
    for (const QString& name : parts.components) {
        path = AddBackslash(path) + name;
        add(opened, name, path, depth++);
    }
    setCurrentItem(item(count() - 1));
    QStringList names;
    // A folder that cannot be listed simply shows no sub-folders.
    Files().list(path, QStringLiteral("*"), ListKind::Folders, &names);
    for (const QString& name : names) add(closed, name, AddBackslash(path) + name, depth);
}

QStringList DirListBox::selectedFolders() const {
    QStringList folders;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected()) folders << item(row)->data(kPathRole).toString();
    return folders;
}

}  // namespace harbex
