#include "commonfiles/searchpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "commonfiles/commonfiles.h"
#include "commonfiles/dirlistbox.h"

namespace harbex {
namespace {

QList<int> SelectedRows(const QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected()) rows << row;
    return rows;
}

// Fills a list with lines, keeping what it shows when nothing changed (so that a refresh during
// a search does not lose the user's selection).
void Fill(QListWidget* list, const QStringList& lines) {
    bool same = list->count() == lines.size();
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == lines[row];
    if (same) return;
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(lines);
}

QLabel* Caption(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

QPushButton* SearchPage::button(const QString& name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

SearchPage::SearchPage(THarbexZoDi& z, QWidget* parent) : QWidget(parent), z_(z) {
    CommonFiles& c = z_.commonFiles();
    DriveComboBox2 = new QComboBox;
    DriveComboBox2->setObjectName(QStringLiteral("DriveComboBox2"));
    DirListBox1 = new DirListBox(DriveComboBox2);
    DirListBox1->setObjectName(QStringLiteral("DirListBox"));
    RootList = new QListWidget;
    RootList->setObjectName(QStringLiteral("RootList"));
    RootList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CListBox1 = new QListWidget;
    CListBox1->setObjectName(QStringLiteral("CListBox1"));
    CListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A search can find tens of thousands of files: rows of one height are laid out at once.
    CListBox1->setUniformItemSizes(true);
    FFound = new QLabel;
    FFound->setObjectName(QStringLiteral("FFound"));
    SearchProgress = new QLabel;
    SearchProgress->setObjectName(QStringLiteral("SearchProgress"));
    Recheck2 = new QCheckBox(QStringLiteral("Re-build Common files list Dynamically"));
    Recheck2->setObjectName(QStringLiteral("Recheck2"));
    Recheck2->setToolTip(QStringLiteral(
        "Check to have Harbex recheck for your common files before each backup session"));
    Addfolderbtn = button(QStringLiteral("Addfolderbtn"), QStringLiteral("Add Folder"), {});
    DeleteBtn = button(QStringLiteral("DeleteBtn"), QStringLiteral("Delete"), {});
    SearchBtn = button(QStringLiteral("SearchBtn"), QStringLiteral("Search"), {});
    AbortSearchBtn = button(QStringLiteral("AbortSearchBtn"), QStringLiteral("Abort Search"),
                            QStringLiteral("Stop the search and keep the earlier list"));
    deletefilebtn = button(QStringLiteral("deletefilebtn"), QStringLiteral("Delete"),
                           QStringLiteral("Remove selected entry"));
    Clearfilesbtn = button(QStringLiteral("Clearfilesbtn"), QStringLiteral("Clear"),
                           QStringLiteral("Clear all entrys"));

    connect(Addfolderbtn, &QPushButton::clicked, this,
            [this, &c] { c.GetFolder(DirListBox1->selectedFolders()); });
    connect(DeleteBtn, &QPushButton::clicked, this,
            [this, &c] { c.DeleteBtnClick(SelectedRows(RootList)); });
    connect(SearchBtn, &QPushButton::clicked, this, [&c] { c.SearchBtnClick(); });
    connect(AbortSearchBtn, &QPushButton::clicked, this, [&c] { c.AbortSearch(); });
    connect(deletefilebtn, &QPushButton::clicked, this,
            [this, &c] { c.deletefilebtnClick(SelectedRows(CListBox1)); });
    connect(Clearfilesbtn, &QPushButton::clicked, this, [&c] { c.ClearfilesbtnClick(); });
    connect(Recheck2, &QCheckBox::clicked, this, [&c] { c.ReCheckExecute(); });
    connect(&c, &CommonFiles::changed, this, &SearchPage::refresh);

    auto* folders = new QVBoxLayout;
    folders->addWidget(Caption(QStringLiteral("Folders")));
    folders->addWidget(DriveComboBox2);
    folders->addWidget(DirListBox1, 1);
    folders->addWidget(Addfolderbtn);
    auto* roots = new QVBoxLayout;
    roots->addWidget(Caption(QStringLiteral("Search these folders")));
    roots->addWidget(RootList, 1);
    auto* rootButtons = new QHBoxLayout;
    rootButtons->addWidget(DeleteBtn);
    rootButtons->addWidget(SearchBtn);
    rootButtons->addWidget(AbortSearchBtn);
    roots->addLayout(rootButtons);
    auto* top = new QHBoxLayout;
    top->addLayout(folders, 1);
    top->addLayout(roots, 1);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(FFound);
    fileButtons->addWidget(SearchProgress, 1);
    fileButtons->addWidget(deletefilebtn);
    fileButtons->addWidget(Clearfilesbtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addWidget(Caption(QStringLiteral("Files found")));
    layout->addWidget(CListBox1, 2);
    layout->addLayout(fileButtons);
    layout->addWidget(Recheck2);
    refresh();
}

void SearchPage::refresh() {
    const CommonFiles& c = z_.commonFiles();
    Fill(RootList, z_.model.RootList);
    Fill(CListBox1, z_.view.CListBox1);
    FFound->setText(z_.view.FFound);
    {
        const QSignalBlocker blocker(Recheck2);
        Recheck2->setChecked(z_.model.ReCheck);
    }
    const bool searching = c.searching();
    SearchProgress->setText(c.progressText());
    // While a search runs only Abort is offered: the roots and the list stay as it found them.
    for (QWidget* w : {static_cast<QWidget*>(Addfolderbtn), static_cast<QWidget*>(DeleteBtn),
                       static_cast<QWidget*>(SearchBtn), static_cast<QWidget*>(deletefilebtn),
                       static_cast<QWidget*>(Clearfilesbtn)})
        w->setEnabled(!searching);
    AbortSearchBtn->setEnabled(searching);
}

}  // namespace harbex
