#include "ui/archivesform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/archivenames.h"

namespace harbex {

TArchivesForm::TArchivesForm(ArchiveNamesList& names, QWidget* parent)
    : QDialog(parent), names_(names) {
    setWindowTitle(QStringLiteral("Named Archives List"));
    Archives = new QTreeWidget;
    Archives->setRootIsDecorated(false);
    Archives->setColumnCount(4);
    Archives->setHeaderLabels({QStringLiteral("Number"), QStringLiteral("Temp Path"),
                               QStringLiteral("Archive Name"), QStringLiteral("Ext")});
    Archives->setColumnWidth(0, 60);
    Archives->setColumnWidth(1, 100);
    Archives->setColumnWidth(2, 100);
    Archives->header()->setStretchLastSection(true);
    Archives->setSelectionMode(QAbstractItemView::SingleSelection);

    ClearBtn = new QPushButton(QStringLiteral("Clear All"));
    editBtn = new QPushButton(QStringLiteral("Edit"));
    LoadBtn = new QPushButton(QStringLiteral("Load"));
    SaveBtn = new QPushButton(QStringLiteral("Save"));
    Saveasbtn = new QPushButton(QStringLiteral("Save As"));
    CancelBtn = new QPushButton(QStringLiteral("Cancel"));
    ExitBtn = new QPushButton(QStringLiteral("Accept"));
    connect(ClearBtn, &QPushButton::clicked, this,
            [this] { run(&ArchiveNamesList::ClearBtnClick); });
    connect(editBtn, &QPushButton::clicked, this, [this] {
        names_.editBtnClick(selectedRow());
        refresh();
    });
    connect(Archives, &QTreeWidget::itemDoubleClicked, editBtn, &QPushButton::click);
    connect(LoadBtn, &QPushButton::clicked, this, [this] { run(&ArchiveNamesList::LoadBtnClick); });
    connect(SaveBtn, &QPushButton::clicked, this, [this] { run(&ArchiveNamesList::SaveBtnClick); });
    connect(Saveasbtn, &QPushButton::clicked, this,
            [this] { run(&ArchiveNamesList::SaveasbtnClick); });
    connect(CancelBtn, &QPushButton::clicked, this, &TArchivesForm::reject);
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ClearBtn, editBtn, LoadBtn, SaveBtn, Saveasbtn})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    buttons->addWidget(ExitBtn);
    auto* body = new QHBoxLayout;
    body->addWidget(Archives, 1);
    body->addLayout(buttons);

    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    SBarCount = new QLabel;
    SBarCount->setMinimumWidth(50);
    SBarPath = new QLabel;
    SBarPath->setTextFormat(Qt::PlainText);
    bar->addWidget(SBarCount);
    bar->addWidget(SBarPath, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(bar);
    resize(520, 340);
}

void TArchivesForm::run(void (ArchiveNamesList::*handler)()) {
    (names_.*handler)();
    refresh();
}

void TArchivesForm::refresh() {
    const int selected = selectedRow();
    Archives->clear();
    for (const ArchiveRow& row : names_.Archives)
        Archives->addTopLevelItem(
            new QTreeWidgetItem({row.Number, row.TempPath, row.ArchiveName, row.Ext}));
    if (selected >= 0 && selected < Archives->topLevelItemCount())
        Archives->setCurrentItem(Archives->topLevelItem(selected));
    SBarCount->setText(names_.SBar[0]);
    SBarPath->setText(names_.SBar[1]);
}

int TArchivesForm::selectedRow() const {
    const QList<QTreeWidgetItem*> items = Archives->selectedItems();
    return items.isEmpty() ? -1 : Archives->indexOfTopLevelItem(items.first());
}

void TArchivesForm::reject() {
    if (!closingByBox_) names_.CancelBtnClick();
    QDialog::reject();
}

void TArchivesForm::done(int result) {
    names_.FormClose();
    refresh();
    QDialog::done(result);
}

void TArchivesForm::closeEvent(QCloseEvent* event) {
    closingByBox_ = true;
    QDialog::closeEvent(event);
    closingByBox_ = false;
}

}  // namespace harbex
