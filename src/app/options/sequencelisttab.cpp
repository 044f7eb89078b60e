#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "schedule/sequencelist.h"
#include "schedule/sequencer.h"
#include "util/datetimetext.h"

namespace harbex {
namespace {

// The sequence grid SList: eight rows, the row number in the fixed first column. A click selects
// a cell; on the Active cell a click (or Space) switches the row on or off.
QTableWidget* SequenceGrid(THarbexZoDi& z, OptionsBinder& b) {
    auto* grid = new QTableWidget(8, 6);
    grid->setObjectName(QStringLiteral("SList"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(SequenceList::Name, QHeaderView::Stretch);
    SequenceList& list = z.sequence();
    auto select = [&b, &list](int row, int column) {
        b.change([&] { list.SListSelectCell(column, row + 1); });
    };
    QObject::connect(grid, &QTableWidget::cellClicked, grid, select);
    // Moving with the keyboard selects the row for the row buttons; it never toggles a row.
    QObject::connect(grid, &QTableWidget::currentCellChanged, grid,
                     [&b, &list](int row, int column) {
                         if (row >= 0 && column >= SequenceList::Name && column <= SequenceList::On)
                             b.change([&] { list.SListSelectCell(column, row + 1); });
                     });
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_Space), grid);
    toggle->setContext(Qt::WidgetShortcut);
    QObject::connect(toggle, &QShortcut::activated, grid, [grid, select] {
        if (grid->currentColumn() == SequenceList::ActiveCell)
            select(grid->currentRow(), SequenceList::ActiveCell);
    });
    b.onRefresh([&z, grid] {
        const QSignalBlocker blocker(grid);
        const SequenceList& list = z.sequence();
        QStringList headings;
        for (int c = 0; c < 6; ++c) headings << list.cell(0, c);
        grid->setHorizontalHeaderLabels(headings);
        for (int r = 1; r <= 8; ++r)
            for (int c = 0; c < 6; ++c) {
                QTableWidgetItem* item = grid->item(r - 1, c);
                if (!item) {
                    grid->setItem(r - 1, c, item = new QTableWidgetItem);
                    // The row numbers are a fixed column: they cannot be selected.
                    if (c == SequenceList::Number) item->setFlags(Qt::ItemIsEnabled);
                }
                item->setText(list.cell(r, c));
            }
    });
    return grid;
}

void AddCommand(QGridLayout* grid, int row, QPushButton* button, const QString& label) {
    grid->addWidget(button, row, 0);
    if (!label.isEmpty()) grid->addWidget(new QLabel(label), row, 1);
}

// A command button; the binder fills the page again after its handler.
QPushButton* Command(OptionsBinder& b, const char* name, const char* caption,
                     std::function<void()> click, const char* hint = nullptr) {
    QPushButton* button =
        b.button(QString::fromLatin1(name), QString::fromLatin1(caption), std::move(click));
    if (hint) button->setToolTip(QString::fromLatin1(hint));
    return button;
}

}  // namespace

QWidget* BuildSequenceListTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(SequenceGrid(z, b), 1);
    auto* commands = new QGridLayout;
    SequenceList& list = z.sequence();
    QPushButton* remove = Command(b, "SDelete", "&Delete", [&list] { list.SDeleteClick(); });
    b.enabledWhen(remove, [&list] { return list.SDeleteEnabled; });
    AddCommand(commands, 0, remove, QStringLiteral("Delete the selection"));
    QPushButton* add = Command(b, "SAdd", "&Add", [&list] { list.SAddClick(); });
    b.enabledWhen(add, [&list] { return list.SAddEnabled; });
    AddCommand(commands, 1, add,
               QStringLiteral("Add a backup set (this action makes the added set current)"));
    AddCommand(commands, 2, Command(b, "SReplace", "&Replace", [&list] { list.SReplaceClick(); }),
               QStringLiteral("Insert current Backup-set schedule"));
    QPushButton* edit = Command(b, "SEdit", "&Edit", [&list] { list.SEditClick(); });
    b.onRefresh([edit, &list] { edit->setText(u'&' + list.SEditCaption); });
    AddCommand(commands, 3, edit, QStringLiteral("Warning: Edting a BUS file makes it current"));
    AddCommand(commands, 4,
               Command(
                   b, "SortBtn", "&Sort", [&list] { list.SortBtnClick(); },
                   "Sort the table into time order"),
               QString());
    AddCommand(commands, 5,
               Command(
                   b, "ClearListBtn", "&Clear All", [&list] { list.ClearListBtnClick(); },
                   "Clear the table"),
               QString());
    AddCommand(commands, 6,
               Command(
                   b, "AutoSeqBtn", "A&uto", [&list] { list.AutoSeqBtnClick(); },
                   "Automatically set start times for your sequence, each will be seperated by "
                   "the time in minutes set on the Schedule tab"),
               QString());
    AddCommand(commands, 7,
               Command(
                   b, "StartNowBtn", "Start &Now", [&z] { z.sequencer().StartNowBtnClick(); },
                   "Run an auto squence"),
               QString());
    auto* start = new QTimeEdit;
    start->setObjectName(QStringLiteral("Autostarttime"));
    start->setDisplayFormat(TimeFormat());
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
