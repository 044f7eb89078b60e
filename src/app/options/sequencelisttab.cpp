#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "schedule/sequencelist.h"

namespace harbex {
namespace {

// The sequence grid SList: eight rows, the row number in the fixed first column.
QTableWidget* SequenceGrid(THarbexZoDi& z, OptionsBinder& b) {
    auto* grid = new QTableWidget(8, 6);
    grid->setObjectName(QStringLiteral("SList"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(SequenceList::Name, QHeaderView::Stretch);
    b.onRefresh([&z, grid] {
        const SequenceList& list = z.sequence();
        QStringList headings;
        for (int c = 0; c < 6; ++c) headings << list.cell(0, c);
        grid->setHorizontalHeaderLabels(headings);
        for (int r = 1; r <= 8; ++r)
            for (int c = 0; c < 6; ++c) {
                QTableWidgetItem* item = grid->item(r - 1, c);
                if (!item) grid->setItem(r - 1, c, item = new QTableWidgetItem);
                item->setText(list.cell(r, c));
            }
    });
    return grid;
}

void AddCommand(QGridLayout* grid, int row, QPushButton* button, const QString& label) {
    grid->addWidget(button, row, 0);
    if (!label.isEmpty()) grid->addWidget(new QLabel(label), row, 1);
}

QString Later(const char* what) {
    return QString::fromLatin1(what) + QStringLiteral(" (not available in this version yet)");
}

}  // namespace

QWidget* BuildSequenceListTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(SequenceGrid(z, b), 1);
    auto* commands = new QGridLayout;
    SequenceList& list = z.sequence();
    AddCommand(commands, 0,
               b.unavailable(QStringLiteral("SDelete"), QStringLiteral("&Delete"),
                             Later("Deleting a row")),
               QStringLiteral("Delete the selection"));
    AddCommand(
        commands, 1,
        b.unavailable(QStringLiteral("SAdd"), QStringLiteral("&Add"), Later("Adding a backup set")),
        QStringLiteral("Add a backup set (this action makes the added set current)"));
    AddCommand(commands, 2,
               b.unavailable(QStringLiteral("SReplace"), QStringLiteral("&Replace"),
                             Later("Inserting the current set")),
               QStringLiteral("Insert current Backup-set schedule"));
    AddCommand(commands, 3,
               b.unavailable(QStringLiteral("SEdit"), QStringLiteral("&Edit"),
                             Later("Editing a row's schedule")),
               QStringLiteral("Warning: Edting a BUS file makes it current"));
    QPushButton* sort = b.button(QStringLiteral("SortBtn"), QStringLiteral("&Sort"),
                                 [&list] { list.SortBtnClick(); });
    sort->setToolTip(QStringLiteral("Sort the table into time order"));
    AddCommand(commands, 4, sort, QString());
    QPushButton* clear = b.button(QStringLiteral("ClearListBtn"), QStringLiteral("&Clear All"),
                                  [&list] { list.ClearListBtnClick(); });
    clear->setToolTip(QStringLiteral("Clear the table"));
    AddCommand(commands, 5, clear, QString());
    AddCommand(commands, 6,
               b.unavailable(QStringLiteral("AutoSeqBtn"), QStringLiteral("A&uto"),
                             QStringLiteral("Automatically set start times for your sequence, "
                                            "each will be seperated by the time in minutes set "
                                            "on the Schedule tab") +
                                 QStringLiteral(" (not available in this version yet)")),
               QString());
    AddCommand(commands, 7,
               b.unavailable(QStringLiteral("StartNowBtn"), QStringLiteral("Start &Now"),
                             QStringLiteral("Run an auto squence") +
                                 QStringLiteral(" (not available in this version yet)")),
               QString());
    auto* start = new QTimeEdit;
    start->setObjectName(QStringLiteral("Autostarttime"));
    start->setDisplayFormat(QStringLiteral("HH:mm"));
    start->setToolTip(
        QStringLiteral("Set a start time for the first item in the table, only "
                       "works for Auto sequence"));
    QObject::connect(start, &QTimeEdit::timeChanged, start,
                     [&b, &list](QTime time) { b.change([&] { list.Autostarttime = time; }); });
    b.onRefresh([start, &list] {
        const QSignalBlocker blocker(start);
        start->setTime(list.Autostarttime);
    });
    auto* startCaption = new QLabel(QStringLiteral("Auto Start &Time"));
    startCaption->setBuddy(start);
    commands->addWidget(startCaption, 8, 0);
    commands->addWidget(start, 8, 1, Qt::AlignLeft);
    commands->setRowStretch(9, 1);
    top->addLayout(commands);
    layout->addLayout(top, 1);
    layout->addWidget(Text(b, QStringLiteral("To enable sequence check 'Enable Sequencing Mode'")));
    layout->addWidget(Text(b, QStringLiteral("on the Schedule tab")));
    AddExitAndHelp(layout, z, b, 60);
    return page;
}

}  // namespace harbex
