// What pages 1 to 5 show: the kind of source, the kind of files, the instructions before the
// folders, the source folder tree with its list, and the filter editor.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "wizard/foldertree.h"
#include "wizard/sourcepages.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex {
namespace {

const QString kWhichFiles = QStringLiteral("Which files do you want to protect");

QGroupBox* RadioGroup(OptionsBinder& b, const QString& name, const QStringList& captions,
                      OptionsBinder::Number get, std::function<void(int)> set) {
    return ChoiceBox(b, kWhichFiles, name, captions, std::move(get), std::move(set));
}

void BuildPage1(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    page.body()->addWidget(RadioGroup(
        b, QStringLiteral("What"),
        {QStringLiteral("All the files on this computer"),
         QStringLiteral("All the files in one or more folders"),
         QStringLiteral("Some of the files in one or more folders"),
         QStringLiteral("None of the above")},
        [&z] { return z.model.What; }, [&z](int i) { z.model.What = i; }));
    page.body()->addStretch(1);
}

void BuildPage2(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    page.body()->addWidget(RadioGroup(
        b, QStringLiteral("Extensions"),
        {QStringLiteral("Yes I can group the files by thier extensions."),
         QStringLiteral("No they all have different extensions."),
         QStringLiteral("I want to backup common file types "), QStringLiteral("I dont know.")},
        [&z] { return z.model.Extensions; }, [&z](int i) { z.model.Extensions = i; }));
    page.body()->addStretch(1);
}

void BuildPage3(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    SourcePages& s = z.wizard().sources();
    page.body()->addWidget(b.label(QStringLiteral("Line1"), [&s] { return s.Line1; }));
    page.body()->addWidget(b.label(QStringLiteral("Line2"), [&s] { return s.Line2; }));
    page.body()->addWidget(b.label(QStringLiteral("Line3"), [&s] { return s.Line3; }));
    page.body()->addStretch(1);
}

// The drive letters the machine has, as the drive selector offers them.
QStringList MappedDrives() {
    QStringList drives;
    const HostPaths& paths = *CurrentPlatform().paths;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (paths.isMapped(QChar(letter))) drives << QString(QChar(letter)) + u':';
    return drives;
}

void BuildPage4(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    SourcePages& s = z.wizard().sources();
    auto* grid = new QGridLayout;
    const QStringList drives = MappedDrives();
    QComboBox* selector = b.combo(
        QStringLiteral("sourcedrives"), drives,
        [&s, drives] { return static_cast<int>(drives.indexOf(s.sourcedrives.left(1) + u':')); },
        [&s, drives](int i) {
            s.sourcedrives = drives.value(i).left(1);
            s.SourceFolderDriveChange();
        });
    grid->addWidget(selector, 0, 0);
    auto* tree = new FolderTree(QStringLiteral("Folders"));
    s.Folders = tree;
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [&s, &b](QTreeWidgetItem* node) {
        b.change([&] { s.FoldersExpanding(node); });
    });
    // Enter on a folder chooses it as a click does, for the keyboard.
    for (auto signal : {&QTreeWidget::itemClicked, &QTreeWidget::itemActivated})
        QObject::connect(tree, signal, tree, [&s, &b] { b.change([&] { s.FoldersClick(); }); });
    grid->addWidget(tree, 1, 0, 3, 1);
    grid->addWidget(PageText(QStringLiteral("Selected Folders")), 0, 1);
    QListWidget* folders = b.list(QStringLiteral("DirSource"), [&z] { return z.model.DirSource; });
    QObject::connect(folders, &QListWidget::currentRowChanged, folders,
                     [&s](int row) { s.DirSourceIndex = row; });
    grid->addWidget(folders, 1, 1, 1, 2);
    grid->addWidget(b.check(
                        QStringLiteral("Recurse"), QStringLiteral("Look in sub folders"),
                        [&z] { return z.model.Recurse; }, [&s](bool on) { s.setRecurse(on); }),
                    2, 1);
    grid->addWidget(b.label(QStringLiteral("FolderCount"), [&z] { return z.view.FolderCount; }), 2,
                    2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("Folderdelbtn"), QStringLiteral("&Delete"),
                                [&s] { s.DeleteFolderClick(); }));
    buttons->addWidget(b.button(QStringLiteral("Folderclrbtn"), QStringLiteral("Cl&ear"),
                                [&s] { s.DeleteAllClick(); }));
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    page.body()->addLayout(grid, 1);
    // The tree shows the selector's drive from the start.
    s.SourceFolderDriveChange();
}

void BuildPage5(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    SourcePages& s = z.wizard().sources();
    auto* row = new QHBoxLayout;
    QListWidget* filters =
        b.list(QStringLiteral("FilterList"), [&z] { return z.model.FilterList; });
    QObject::connect(filters, &QListWidget::currentRowChanged, filters,
                     [&s](int index) { s.FilterListIndex = index; });
    row->addWidget(filters, 1);
    auto* column = new QVBoxLayout;
    column->addWidget(b.check(
        QStringLiteral("AllFiles"), QStringLiteral("All files"), [&z] { return z.view.AllFiles; },
        [&s](bool on) { s.setAllFiles(on); }));
    QPushButton* add = b.button(QStringLiteral("AddFilter"), QStringLiteral("&Add Filter"),
                                [&s] { s.AddFilterClick(); });
    b.enabledWhen(add, [&s] { return s.AddFilterEnabled; });
    column->addWidget(add);
    QPushButton* del = b.button(QStringLiteral("DelFil"), QStringLiteral("&Delete Filter"),
                                [&s] { s.DelFilClick(); });
    b.enabledWhen(del, [&s] { return s.DelFilEnabled; });
    column->addWidget(del);
    QLabel* caption = PageText(QStringLiteral("New Filter"));
    caption->setObjectName(QStringLiteral("FLab"));
    b.visibleWhen(caption, [&s] { return s.NewFilterVisible; });
    column->addWidget(caption);
    QLineEdit* newFilter = b.edit(
        QStringLiteral("NewFilter"), [&s] { return s.NewFilter; },
        [&s](const QString& text) { s.NewFilter = text; });
    caption->setBuddy(newFilter);
    QObject::connect(newFilter, &QLineEdit::editingFinished, newFilter,
                     [&s, &b] { b.change([&] { s.NewFilterExit(); }); });
    b.visibleWhen(newFilter, [&s] { return s.NewFilterVisible; });
    b.onRefresh([&s, newFilter] {
        if (!s.NewFilterFocus || !newFilter->isVisible()) return;
        s.NewFilterFocus = false;
        newFilter->setFocus();
    });
    column->addWidget(newFilter);
    column->addStretch(1);
    column->addWidget(b.button(QStringLiteral("ValidFiltersbtn"), QStringLiteral("&Valid Filters"),
                               [&s] { s.ValidFiltersbtnClick(); }));
    row->addLayout(column);
    page.body()->addLayout(row, 1);
}

}  // namespace

void BuildSourcePages(WizardView& view, THarbexZoDi& z, OptionsBinder& b) {
    BuildPage1(*view.page(kPage1), z, b);
    BuildPage2(*view.page(kPage2), z, b);
    BuildPage3(*view.page(kPage3), z, b);
    BuildPage4(*view.page(kPage4), z, b);
    BuildPage5(*view.page(kPage5), z, b);
}

}  // namespace harbex
