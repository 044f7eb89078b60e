#include "ui/optionswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "drives/dailyfolders.h"
#include "drives/drivelists.h"
#include "log/runlogbook.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"

namespace harbex {
namespace {

QPlainTextEdit* ReadOnlyText() {
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    text->setFont(font);
    return text;
}

QString ListBlock(const QString& title, const QStringList& items) {
    QString text = title + u'\n';
    for (const QString& item : items) text += QStringLiteral("    ") + item + u'\n';
    if (items.isEmpty()) text += QStringLiteral("    (none)\n");
    return text + u'\n';
}

}  // namespace

TextWindow::TextWindow(THarbexZoDi& z) : QDialog(&z), z_(z) {
    setWindowTitle(QStringLiteral("Harbex Options"));
    resize(640, 480);
    tabs_ = new QTabWidget;
    dailyFolders_ = ReadOnlyText();
    tabs_->addTab(dailyFolders_, QStringLiteral("Daily Folders"));
    drives_ = ReadOnlyText();
    tabs_->addTab(drives_, QStringLiteral("Drives"));
    auto* summaryPage = new QWidget;
    auto* summaryLayout = new QVBoxLayout(summaryPage);
    summary_ = ReadOnlyText();
    setText_ = ReadOnlyText();
    summaryLayout->addWidget(summary_, 3);
    summaryLayout->addWidget(setText_, 2);
    tabs_->addTab(summaryPage, QStringLiteral("Summary"));
    backupSet_ = ReadOnlyText();
    tabs_->addTab(backupSet_, QStringLiteral("Backup Set"));
    sequence_ = new QTableWidget(8, 5);
    sequence_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type"),
                                          QStringLiteral("At"), QStringLiteral("On"),
                                          QStringLiteral("Active")});
    sequence_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sequence_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabs_->addTab(sequence_, QStringLiteral("Sequence List"));
    auto* diagPage = new QWidget;
    auto* diagLayout = new QVBoxLayout(diagPage);
    diags_ = new QListWidget;
    auto* clear = new QPushButton(QStringLiteral("Clear"));
    connect(clear, &QPushButton::clicked, this, [this] {
        z_.log().Button1Click();
        refresh();
    });
    diagLayout->addWidget(diags_);
    diagLayout->addWidget(clear, 0, Qt::AlignRight);
    tabs_->addTab(diagPage, QStringLiteral("Diags"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(close);
}

void TextWindow::refresh() {
    summary_->setPlainText(z_.sets().SummaryPad.join(u'\n'));
    setText_->setVisible(z_.view.NetsaveVisible);
    QString text = z_.Netsave;
    setText_->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const BackupSetModel& m = z_.model;
    backupSet_->setPlainText(QStringLiteral("Backup set: ") + z_.busFile() +
                             QStringLiteral("\n\n") +
                             ListBlock(QStringLiteral("Filters"), m.FilterList) +
                             ListBlock(QStringLiteral("Source folders"), m.DirSource) +
                             ListBlock(QStringLiteral("Specific destination folders"), m.DestList) +
                             ListBlock(QStringLiteral("Active drives"), m.Drivelist) +
                             ListBlock(QStringLiteral("Deactivated drives"), m.RemovedList));
    const DailyFolders& dailies = z_.dailyFolders();
    dailyFolders_->setPlainText(
        ListBlock(QStringLiteral("Daily Directorys on Network"), dailies.Dailys) +
        ListBlock(QStringLiteral("Unable to create these directorys"), dailies.FailList));
    drives_->setPlainText(
        ListBlock(QStringLiteral("Active Drives"), z_.driveLists().ADrives) +
        ListBlock(QStringLiteral("De-activated Drives"), z_.driveLists().DDrives) +
        ListBlock(QStringLiteral("Network List"), *z_.NetworkList));
    for (int r = 1; r <= 8; ++r)
        for (int c = SequenceList::Name; c <= SequenceList::ActiveCell; ++c)
            sequence_->setItem(r - 1, c - 1, new QTableWidgetItem(z_.sequence().cell(r, c)));
    diags_->clear();
    diags_->addItems(z_.log().DiagBox);
    // The diagnostics page appears once the network search has something to show there.
    tabs_->setTabVisible(tabs_->indexOf(diags_->parentWidget()), z_.log().DiagTabVisible);
}

void TextWindow::showTab(const QString& tab) {
    refresh();
    int index = tabs_->indexOf(backupSet_);
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->tabText(i) == tab) index = i;
    tabs_->setCurrentIndex(index);
    show();
    raise();
}

void TextWindow::hideEvent(QHideEvent* event) {
    z_.view.OptionsVisible = false;
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), true);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), true);
    QDialog::hideEvent(event);
}

}  // namespace harbex
