// What pages 6, 7, 8 and 15 show: the step to the destinations, the daily folders, the specific
// folders with their tree, and the drives.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "drives/dailyfolders.h"
#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "sets/setcommands.h"
#include "util/weekdays.h"
#include "wizard/destinationpages.h"
#include "wizard/foldertree.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex {
namespace {

// A drop-down list whose items follow a list that changes (the drives found, the active drives).
QComboBox* Choice(OptionsBinder& b, const QString& name, ComboBoxState& state, bool editable,
                  std::function<void()> chosen) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(editable);
    box->setMinimumWidth(160);
    QObject::connect(box, &QComboBox::activated, box, [&b, &state, chosen](int index) {
        b.change([&] {
            state.select(index);
            if (chosen) chosen();
        });
    });
    if (editable)
        QObject::connect(box, &QComboBox::editTextChanged, box,
                         [&state](const QString& text) { state.text = text; });
    b.onRefresh([box, &state, editable] {
        const QSignalBlocker blocker(box);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        if (shown != state.items) {
            box->clear();
            box->addItems(state.items);
        }
        box->setCurrentIndex(state.index);
        if (editable && box->currentText() != state.text) box->setEditText(state.text);
    });
    return box;
}

void BuildPage6(WizardPage& page) {
    page.body()->addWidget(
        PageText(QStringLiteral("You have now finished seleting your source files")));
    page.body()->addWidget(
        PageText(QStringLiteral("Harbex will now ask you to define the backup Locations")));
    page.body()->addWidget(PageText(QStringLiteral("Click Next to Continue")));
    page.body()->addStretch(1);
}

void BuildPage7(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    auto* grid = new QGridLayout;
    grid->addWidget(b.action(
                        QStringLiteral("EnableDailys2"), QStringLiteral("Use Daily Folders"),
                        [&z] { return z.model.UseDailyFolders; },
                        [&z] { z.dailyFolders().UseDailyFoldersExecute(); }),
                    0, 0);
    auto* days = new QGroupBox(QStringLiteral("Days"));
    days->setObjectName(QStringLiteral("Days"));
    auto* dayLayout = new QVBoxLayout(days);
    for (int day = 0; day < 7; ++day)
        dayLayout->addWidget(b.check(
            QStringLiteral("CheckBox") + QString::number(day + 3), WeekdayName(day + 1),
            [&z, day] { return z.model.Days[static_cast<size_t>(day)]; },
            [&z, day](bool on) { z.model.Days[static_cast<size_t>(day)] = on; }));
    b.enabledWhen(days, [&z] { return z.model.UseDailyFolders; });
    grid->addWidget(days, 1, 0, 3, 1);
    grid->addWidget(
        b.action(
            QStringLiteral("EnableSpecific2"), QStringLiteral("Use specified Folders for backups"),
            [&z] { return z.model.UseSpecificFolders; },
            [&z] { z.sets().UseSpecificFoldersExecute(); }),
        0, 1);
    grid->addWidget(PageText(QStringLiteral("Create and Check")), 2, 1);
    grid->addWidget(b.button(QStringLiteral("Mangedrivesbtn"), QStringLiteral("&Manage Dailys"),
                             [&z] { z.dailyFolders().MangedrivesbtnClick(); }),
                    3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    page.body()->addLayout(grid);
    page.body()->addStretch(1);
}

void BuildPage8(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    DestinationPages& d = z.wizard().destinations();
    auto* grid = new QGridLayout;
    grid->addWidget(Choice(b, QStringLiteral("AvalibleDrives"), z.driveLists().AvalibleDrives,
                           false, [&d] { d.DestFolderDriveChange(); }),
                    0, 0);
    auto* tree = new FolderTree(QStringLiteral("DestFolders"));
    d.DestFolders = tree;
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [&d, &b](QTreeWidgetItem* node) {
        b.change([&] { d.DestFoldersExpanding(node); });
    });
    // Enter on a folder chooses it as a click does, for the keyboard.
    for (auto signal : {&QTreeWidget::itemClicked, &QTreeWidget::itemActivated})
        QObject::connect(tree, signal, tree, [&d, &b] { b.change([&] { d.DestFoldersClick(); }); });
    grid->addWidget(tree, 1, 0, 2, 1);
    grid->addWidget(PageText(QStringLiteral("Selected Folders")), 0, 1);
    QListWidget* folders = b.list(QStringLiteral("DestList"), [&z] { return z.model.DestList; });
    QObject::connect(folders, &QListWidget::currentRowChanged, folders,
                     [&d](int row) { d.DestListIndex = row; });
    grid->addWidget(folders, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("Deletedestbtn"), QStringLiteral("&Delete"),
                                [&d] { d.DeletedestbtnClick(); }));
    buttons->addWidget(b.button(QStringLiteral("cleardestbtn"), QStringLiteral("Cl&ear"),
                                [&d] { d.cleardestbtnClick(); }));
    buttons->addWidget(b.button(QStringLiteral("CreateFolderBtn"), QStringLiteral("Create Di&r"),
                                [&d] { d.CreateFolderBtnClick(); }));
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    page.body()->addLayout(grid, 1);
}

QListWidget* DriveList(OptionsBinder& b, const QString& name, const QStringList& list) {
    return b.list(name, [&list] { return list; });
}

void BuildPage15(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    DriveLists& lists = z.driveLists();
    DriveDiscovery& discovery = z.discovery();
    auto* grid = new QGridLayout;
    grid->addWidget(PageText(QStringLiteral("Select Drives to add to Active list")), 0, 0);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(Choice(b, QStringLiteral("NetDrives"), z.NetDrives, true, nullptr), 1);
    addRow->addWidget(b.button(QStringLiteral("Button2"), QStringLiteral("&Add"),
                               [&lists] { lists.AvalibleDrivesClick(); }));
    grid->addLayout(addRow, 1, 0);
    grid->addWidget(b.button(QStringLiteral("Finddrivesbtn"), QStringLiteral("&Find Drives"),
                             [&z] { z.wizard().destinations().FinddrivesbtnClick(); }),
                    1, 1, Qt::AlignLeft);
    QLabel* wait1 = PageText(QStringLiteral("PLEASE WAIT: "));
    QLabel* wait2 = PageText(QStringLiteral("BUILDING NETWORK LIST"));
    wait1->setObjectName(QStringLiteral("SLab1"));
    wait2->setObjectName(QStringLiteral("SLab2"));
    b.visibleWhen(wait1, [&discovery] { return discovery.SLab1Visible; });
    b.visibleWhen(wait2, [&discovery] { return discovery.SLab2Visible; });
    grid->addWidget(wait1, 2, 1);
    grid->addWidget(wait2, 3, 1);
    grid->addWidget(PageText(QStringLiteral("Active Drives")), 2, 0);
    QListWidget* active = DriveList(b, QStringLiteral("Drivelist"), z.model.Drivelist);
    QObject::connect(active, &QListWidget::currentRowChanged, active,
                     [&lists](int row) { lists.DrivelistIndex = row; });
    grid->addWidget(active, 3, 0);
    auto* activeButtons = new QHBoxLayout;
    activeButtons->addWidget(PageText(QStringLiteral("Remove selected drive")));
    activeButtons->addWidget(b.button(QStringLiteral("Deletedrivebtn"), QStringLiteral("&Delete"),
                                      [&lists] { lists.DeleteDriveClick(); }));
    activeButtons->addWidget(PageText(QStringLiteral("Clear the list")));
    activeButtons->addWidget(b.button(QStringLiteral("Clearallbtn"), QStringLiteral("Cl&ear All"),
                                      [&lists] { lists.ClearButClick(); }));
    grid->addLayout(activeButtons, 4, 0);
    grid->addWidget(PageText(QStringLiteral("De-activated Drives")), 5, 0);
    grid->addWidget(DriveList(b, QStringLiteral("RemovedList"), z.model.RemovedList), 6, 0);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(PageText(QStringLiteral("Move drives back to active list")));
    restoreRow->addWidget(b.button(QStringLiteral("RestoreDrivesbtn"), QStringLiteral("&Restore"),
                                   [&lists] { lists.RestoreBtnClick(); }));
    grid->addLayout(restoreRow, 7, 0);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    page.body()->addLayout(grid, 1);
}

}  // namespace

void BuildDestinationPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b) {
    BuildPage6(*view.page(kPage6));
    BuildPage7(*view.page(kPage7), z, b);
    BuildPage8(*view.page(kPage8), z, b);
    BuildPage15(*view.page(kPage15), z, b);
}

}  // namespace harbex
