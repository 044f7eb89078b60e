#include "browser/browserform.h"

#include <QApplication>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "browser/browserlist.h"
#include "platform/platform.h"
#include "platform/shellinfo.h"
#include "util/errors.h"
#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

constexpr int kFilledRole = Qt::UserRole;
constexpr int kMaxTypeName = 80;
constexpr int kTreeWidth = 200;
const QStringList kColumns = {QStringLiteral("Name"), QStringLiteral("Size"),
                              QStringLiteral("Type"), QStringLiteral("Modified")};
const int kColumnWidths[] = {120, 45, 70, 120};

// The picture that marks a picked file.
QIcon PickedImage() {
    return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
}

QTreeWidget* FileList(QTreeWidget* list, const char* name) {
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(4);
    list->setHeaderLabels(kColumns);
    for (int c = 0; c < 4; ++c) list->setColumnWidth(c, kColumnWidths[c]);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setDragEnabled(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    return list;
}

QToolButton* ToolButton(const char* name, const char* caption, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

// The shares of the office network, "\\SERVER\SHARE", below every container the network shows.
void CollectShares(const NetResource* below, int depth, QStringList* shares) {
    QList<NetResource> children;
    if (depth > 4 || CurrentPlatform().network->enumerate(below, &children) != 0) return;
    for (const NetResource& child : children) {
        if (child.kind == NetResource::Kind::Share)
            *shares << child.remoteName;
        else
            CollectShares(&child, depth + 1, shares);
    }
}

bool RootIsReady(const QString& root) {
    if (root.size() == 2 && root[1] == u':') {
        try {
            return DriveIsReady(root[0]);
        } catch (const HarbexError&) {
            return false;
        }
    }
    return Files().probeFolder(root + u'\\').reachable;
}

}  // namespace

// ---- the picked list's drop target ----

void PickedList::dragEnterEvent(QDragEnterEvent* event) {
    if (dragOver && dragOver(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PickedList::dragMoveEvent(QDragMoveEvent* event) {
    if (dragOver && dragOver(event->source())) {
        // A copy: a drag that started here must not take the entries away from here.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PickedList::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dragDrop) dragDrop();
}

// ---- the window ----

TBrowser::TBrowser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Browser"));
    setWindowTitle(QStringLiteral("Harbex - File Browser"));
    setSizeGripEnabled(true);
    resize(780, 460);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
    buildLists();
    auto* headerModel = new QStandardItemModel(0, 2, this);
    headerModel->setHorizontalHeaderLabels(
        {QStringLiteral("SOURCE FILES"), QStringLiteral("FILES TO BACKUP")});
    Header = new QHeaderView(Qt::Horizontal);
    Header->setObjectName(QStringLiteral("Header"));
    Header->setModel(headerModel);
    Header->setDefaultAlignment(Qt::AlignCenter);
    Header->setSectionsClickable(false);
    Header->setStretchLastSection(true);
    Header->setFixedHeight(Header->fontMetrics().height() + 10);
    layout->addWidget(Header);
    layout->addWidget(Splitter1, 1);
    auto* bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("SBar"));
    bar->setSizeGripEnabled(false);
    for (QLabel*& panel : SBar) panel = new QLabel;
    SBar[0]->setMinimumWidth(200);
    SBar[1]->setMinimumWidth(50);
    bar->addWidget(SBar[0]);
    bar->addWidget(SBar[1], 1);
    layout->addWidget(bar);
    buildMenus();
    connectHandlers();
    FormCreate();
}

QWidget* TBrowser::buildToolBar() {
    auto* bar = new QToolBar;
    DriveComboBox1 = new QComboBox;
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setMinimumWidth(140);
    bar->addWidget(DriveComboBox1);
    bar->addSeparator();
    ToolButton3 = ToolButton("ToolButton3", "Done", QStyle::SP_DialogOkButton);
    CancelButton = ToolButton("CancelButton", "Cancel", QStyle::SP_DialogCancelButton);
    ToolButton1 = ToolButton("ToolButton1", "Select All", QStyle::SP_FileDialogListView);
    ToolButton2 = ToolButton("ToolButton2", "Clear All", QStyle::SP_DialogResetButton);
    ToolButton3->setToolTip(QStringLiteral("Back up the files to backup"));
    for (QToolButton* button : {ToolButton3, CancelButton, ToolButton1, ToolButton2})
        bar->addWidget(button);
    return bar;
}

void TBrowser::buildLists() {
    TreeView1 = new QTreeWidget;
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    // Deep folders scroll sideways rather than losing their names.
    TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeView1->header()->setStretchLastSection(false);
    SourceView = FileList(new QTreeWidget, "SourceView");
    SourceView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SourceView->setDragDropMode(QAbstractItemView::DragOnly);
    // Sorting is by name only, whichever column is clicked.
    SourceView->header()->setSectionsClickable(true);
    DestView = new PickedList;
    FileList(DestView, "DestView");
    DestView->setAcceptDrops(true);
    DestView->setDragDropMode(QAbstractItemView::DragDrop);
    DestView->setDefaultDropAction(Qt::CopyAction);
    DestView->setColumnWidth(0, 260);
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(5);
    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(SourceView);
    Splitter1->addWidget(DestView);
    Splitter1->setStretchFactor(2, 1);
    int sourceWidth = 0;
    for (int width : kColumnWidths) sourceWidth += width;
    Splitter1->setSizes({kTreeWidth, sourceWidth, 300});
}

void TBrowser::buildMenus() {
    SrcPopup = new QMenu(this);
    selectforBackup1 = SrcPopup->addAction(QStringLiteral("Select for Backup"));
    DestPopup = new QMenu(this);
    RemoveSelection1 = DestPopup->addAction(QStringLiteral("Remove Selection"));
    ClearAll1 = DestPopup->addAction(QStringLiteral("Clear All"));
}

void TBrowser::connectHandlers() {
    connect(DriveComboBox1, &QComboBox::activated, this, [this] { DriveComboBox1Change(); });
    connect(TreeView1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { TreeView1Expanding(node); });
    // Opening or closing a folder changes the count of sub-folders the status shows.
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, [this] { updateStatus(); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] { TreeView1Click(); });
    connect(SourceView, &QTreeWidget::itemClicked, this, [this] { SourceViewClick(); });
    connect(SourceView, &QTreeWidget::itemDoubleClicked, this, [this] { SourceViewDblClick(); });
    connect(SourceView->header(), &QHeaderView::sectionClicked, this,
            [this] { SourceViewColumnClick(); });
    connect(DestView, &QTreeWidget::itemClicked, this, [this] { DestViewClick(); });
    DestView->dragOver = [this](QObject* source) { return DestViewDragOver(source); };
    DestView->dragDrop = [this] { DestViewDragDrop(); };
    connect(SourceView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { SrcPopup->popup(SourceView->viewport()->mapToGlobal(at)); });
    connect(DestView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { DestPopup->popup(DestView->viewport()->mapToGlobal(at)); });
    connect(selectforBackup1, &QAction::triggered, this, [this] { selectforBackup1Click(); });
    connect(RemoveSelection1, &QAction::triggered, this, [this] { RemoveSelection1Click(); });
    connect(ClearAll1, &QAction::triggered, this, [this] { ClearAll1Click(); });
    connect(ToolButton2, &QToolButton::clicked, this, [this] { ClearAll1Click(); });
    connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(); });
    connect(ToolButton3, &QToolButton::clicked, this, [this] { AcceptBtnClick(); });
    connect(CancelButton, &QToolButton::clicked, this, [this] { CancelButtonClick(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { SplitterMoved(); });
}

// ---- creation and drives ----

void TBrowser::FormCreate() {
    DestView->setIconSize(QSize(16, 16));
    SourceView->setIconSize(QSize(16, 16));
    fillDrives();
    SBar[1]->clear();
    const int c = DriveComboBox1->findData(QStringLiteral("C:"));
    DriveComboBox1->setCurrentIndex(c >= 0 ? c : 0);
    if (DriveComboBox1->count() > 0) DriveComboBox1Change();
    Header->resizeSection(
        0, Splitter1->sizes().value(0) + Splitter1->handleWidth() + Splitter1->sizes().value(1));
    accepted_ = false;
    sortAscending_ = false;
}

void TBrowser::fillDrives() {
    const HostPaths& paths = *CurrentPlatform().paths;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (paths.isMapped(QChar(letter))) {
            const QString drive = QChar(letter) + QStringLiteral(":");
            DriveComboBox1->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon),
                                    drive, drive);
        }
    QStringList shares;
    CollectShares(nullptr, 0, &shares);
    for (const QString& share : shares)
        DriveComboBox1->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon), share,
                                share);
}

void TBrowser::DriveComboBox1Change() {
    QString drive = DriveComboBox1->currentData().toString();
    if (drive.isEmpty()) drive = QStringLiteral("C:");
    if (drive == shownDrive_) return;
    if (!RootIsReady(drive)) {
        Prompts().message(QStringLiteral("No Disk in: ") + drive);
        // The selector goes back to the drive the tree still shows.
        const int shown = DriveComboBox1->findData(shownDrive_);
        if (shown >= 0) DriveComboBox1->setCurrentIndex(shown);
        return;
    }
    shownDrive_ = drive;
    {
        const QSignalBlocker blocker(TreeView1);
        TreeView1->clear();
        auto* root = new QTreeWidgetItem({drive});
        root->setIcon(0, DriveComboBox1->itemIcon(DriveComboBox1->currentIndex()));
        TreeView1->addTopLevelItem(root);
        TreeView1->setCurrentItem(root);
        fillNode(root);
        root->setExpanded(true);
    }
    currentFolder_ = nodePath(TreeView1->topLevelItem(0));
    refillSourceView();
    updateStatus();
}

// ---- the folder tree ----

void TBrowser::fillNode(QTreeWidgetItem* node) {
    if (node->data(0, kFilledRole).toBool()) return;
    node->setData(0, kFilledRole, true);
    const QString path = nodePath(node);
    std::vector<DirEntry> entries;
    // A folder that cannot be read shows no sub-folders; its file list says the same.
    Files().findEntries(path, QStringLiteral("*.*"), &entries);
    const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    for (const DirEntry& entry : entries) {
        if (!IsSubfolderEntry(entry)) continue;
        auto* child = new QTreeWidgetItem({entry.name});
        child->setIcon(0, folderIcon);
        child->setChildIndicatorPolicy(HasSubfolders(path + entry.name)
                                           ? QTreeWidgetItem::ShowIndicator
                                           : QTreeWidgetItem::DontShowIndicator);
        node->addChild(child);
    }
    node->sortChildren(0, Qt::AscendingOrder);
}

QString TBrowser::nodePath(const QTreeWidgetItem* node) const {
    QString path;
    for (; node; node = node->parent()) path = node->text(0) + u'\\' + path;
    return path;
}

void TBrowser::TreeView1Expanding(QTreeWidgetItem* node) {
    if (!node->data(0, kFilledRole).toBool()) {
        fillNode(node);
        TreeView1->setCurrentItem(node);
    }
    updateStatus();
}

void TBrowser::TreeView1Click() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node) return;
    const QString path = nodePath(node);
    if (path != currentFolder_) {
        currentFolder_ = path;
        refillSourceView();
    }
    updateStatus();
}

bool TBrowser::openFolder(const QString& folder) {
    QTreeWidgetItem* node = TreeView1->topLevelItem(0);
    const QString path = AddBackslash(folder);
    if (!node || !path.startsWith(nodePath(node), Qt::CaseInsensitive)) return false;
    for (const QString& name : PathComponents(path.mid(nodePath(node).size()))) {
        fillNode(node);
        node->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i)
            if (node->child(i)->text(0).compare(name, Qt::CaseInsensitive) == 0)
                next = node->child(i);
        if (!next) return false;
        node = next;
    }
    TreeView1->setCurrentItem(node);
    TreeView1Click();
    return true;
}

void TBrowser::updateStatus() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    QString text = node ? nodePath(node) : QString();
    if (node && node->isExpanded())
        text += QStringLiteral(" [ ") + QString::number(node->childCount()) +
                QStringLiteral(" subdirectories ]");
    SBar[0]->setText(text);
}

// ---- the file list ----

void TBrowser::refillSourceView() {
    SourceView->clear();
    std::vector<DirEntry> entries;
    Files().findEntries(currentFolder_, QStringLiteral("*.*"), &entries);
    QList<QTreeWidgetItem*> items;
    for (const DirEntry& entry : entries) {
        if (entry.directory) continue;
        const QString path = AddBackslash(currentFolder_) + entry.name;
        const ShellFileInfo shell = ShellInfoOf(path);
        auto* item = new QTreeWidgetItem({entry.name.toLower(), SizeText(Files().fileSize(path)),
                                          shell.typeName.left(kMaxTypeName),
                                          ModifiedText(Files().lastModified(path))});
        item->setIcon(0, shell.icon);
        items << item;
    }
    // This system lists a folder in no particular order; the user expects names in order.
    sortByName(items, true);
    SourceView->addTopLevelItems(items);
}

void TBrowser::sortByName(QList<QTreeWidgetItem*>& items, bool ascending) {
    std::stable_sort(items.begin(), items.end(), [ascending](auto* a, auto* b) {
        int order = QString::localeAwareCompare(a->text(0), b->text(0));
        // Without a language for the user's locale ("C") names would all compare equal.
        if (order == 0) order = a->text(0).compare(b->text(0), Qt::CaseInsensitive);
        return ascending ? order < 0 : order > 0;
    });
}

void TBrowser::SourceViewClick() {
    const QList<QTreeWidgetItem*> selected = SourceView->selectedItems();
    SBar[1]->setText(selected.isEmpty() ? QString() : selected.front()->text(0));
}

void TBrowser::DestViewClick() {
    const QList<QTreeWidgetItem*> selected = DestView->selectedItems();
    SBar[1]->setText(selected.isEmpty() ? QString() : selected.front()->text(0));
}

void TBrowser::SourceViewColumnClick() {
    QList<QTreeWidgetItem*> items;
    while (SourceView->topLevelItemCount() > 0) items << SourceView->takeTopLevelItem(0);
    sortByName(items, sortAscending_);
    SourceView->addTopLevelItems(items);
    sortAscending_ = !sortAscending_;
}

void TBrowser::ToolButton1Click() {
    SourceView->selectAll();
    SourceView->setFocus();
}

// ---- picking ----

QTreeWidgetItem* TBrowser::pickedEntry(const QString& path) const {
    for (int i = 0; i < DestView->topLevelItemCount(); ++i)
        if (DestView->topLevelItem(i)->text(0).toLower() == path.toLower())
            return DestView->topLevelItem(i);
    return nullptr;
}

void TBrowser::pickSelected() {
    for (int i = 0; i < SourceView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* source = SourceView->topLevelItem(i);
        if (!source->isSelected()) continue;
        const QString path = AddBackslash(currentFolder_) + source->text(0);
        if (pickedEntry(path)) continue;
        auto* entry = new QTreeWidgetItem(
            {path.toLower(), source->text(1), source->text(2), source->text(3)});
        entry->setIcon(0, PickedImage());
        DestView->addTopLevelItem(entry);
    }
}

void TBrowser::selectforBackup1Click() {
    pickSelected();
}

void TBrowser::SourceViewDblClick() {
    if (!SourceView->selectedItems().isEmpty()) pickSelected();
}

bool TBrowser::DestViewDragOver(QObject* source) const {
    return source == SourceView || source == DestView;
}

void TBrowser::DestViewDragDrop() {
    pickSelected();
    updateStatus();
}

void TBrowser::RemoveSelection1Click() {
    const QList<QTreeWidgetItem*> selected = DestView->selectedItems();
    if (!selected.isEmpty()) delete selected.front();
}

void TBrowser::ClearAll1Click() {
    DestView->clear();
}

void TBrowser::addListedFile(const QString& path) {
    auto* entry = new QTreeWidgetItem({path});
    entry->setIcon(0, PickedImage());
    if (!Files().fileExists(path)) {
        entry->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
        entry->setText(2, QStringLiteral("File not found"));
        entry->setForeground(0, QColor(Qt::red));
        entry->setToolTip(0, QStringLiteral("This file is not there any more; a backup lists it "
                                            "under \"Failed exports\""));
    }
    DestView->addTopLevelItem(entry);
}

QStringList TBrowser::pickedFiles() const {
    QStringList files;
    for (int i = 0; i < DestView->topLevelItemCount(); ++i)
        files << DestView->topLevelItem(i)->text(0);
    return files;
}

// ---- closing and layout ----

void TBrowser::AcceptBtnClick() {
    accepted_ = true;
    FormClose();
}

void TBrowser::CancelButtonClick() {
    accepted_ = false;
    FormClose();
}

void TBrowser::FormClose() {
    if (closing_) return;
    closing_ = true;
    done(accepted_ ? QDialog::Accepted : QDialog::Rejected);
    closing_ = false;
}

void TBrowser::reject() {
    accepted_ = false;
    FormClose();
}

void TBrowser::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TBrowser::FormActivate() {
    Header->resizeSection(1, width() - Header->sectionSize(0));
}

void TBrowser::resizeEvent(QResizeEvent* event) {
    // Never narrower than 200; the tree then takes half.
    if (width() < 200) {
        resize(200, height());
        Splitter1->setSizes({100, 0, 100});
    }
    QDialog::resizeEvent(event);
    SplitterMoved();
}

void TBrowser::SplitterMoved() {
    const QList<int> sizes = Splitter1->sizes();
    const int split = sizes.value(0) + sizes.value(1) + 2 * Splitter1->handleWidth();
    Header->resizeSection(0, split);
    Header->resizeSection(1, std::max(0, width() - split));
}

}  // namespace harbex
