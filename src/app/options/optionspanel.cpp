#include "app/options/optionspanel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>

#include "app/harbexzodi.h"
#include "app/options/optionstabs.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/sequencelist.h"
#include "sets/setreaderwriter.h"

namespace harbex {
namespace {

enum Page {
    DailyDirTab,
    DrivesTab,
    SourceTab,
    DestTab,
    Misc,
    backuptab,
    scedule,
    ziptab,
    DOSRunner,
    SummaryTab,
    ShedListTab,
    CommonTab,
    DiagTab,
};

}  // namespace

const QStringList& OptionsPanel::Captions() {
    static const QStringList captions = {
        QStringLiteral("Daily Folders"),  QStringLiteral("Drives"),
        QStringLiteral("Source Options"), QStringLiteral("Destination Options"),
        QStringLiteral("Misc"),           QStringLiteral("Backup Set"),
        QStringLiteral("Schedule"),       QStringLiteral("Zip"),
        QStringLiteral("RIZ Ivezur"),     QStringLiteral("Summary"),
        QStringLiteral("Sequence List"),  QStringLiteral("Common FileTypes"),
        QStringLiteral("Diags"),
    };
    return captions;
}

OptionsPanel::OptionsPanel(THarbexZoDi& z, QWidget* parent)
    : QWidget(parent), z_(z), binder_([&z] { z.refreshOptionsPanel(); }) {
    setObjectName(QStringLiteral("Optionstabs"));
    pageList_ = new QListWidget;
    pageList_->setObjectName(QStringLiteral("OptionsPages"));
    pages_ = new QStackedWidget;
    using Builder = QWidget* (*)(THarbexZoDi&, OptionsBinder&);
    const Builder builders[] = {
        BuildDailyFoldersTab, BuildDrivesTab,    BuildSourceTab,       BuildDestinationTab,
        BuildMiscTab,         BuildBackupSetTab, BuildScheduleTab,     BuildZipTab,
        BuildRizIvezurTab,    BuildSummaryTab,   BuildSequenceListTab, BuildCommonTab,
        BuildDiagsTab,
    };
    for (int i = 0; i < Captions().size(); ++i) {
        pageList_->addItem(Captions()[i]);
        pages_->addWidget(builders[i](z, binder_));
    }
    pageList_->setFixedWidth(pageList_->sizeHintForColumn(0) + 2 * pageList_->frameWidth() + 16);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageList_);
    layout->addWidget(pages_, 1);
    setFocusProxy(pageList_);
    // The page the user picks is the page the panel shows from now on.
    connect(pageList_, &QListWidget::currentRowChanged, this, &OptionsPanel::choose);
    for (const auto& [keys, direction] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, d = direction] { step(d); });
    }
}

void OptionsPanel::choose(int index) {
    if (index < 0) return;
    z_.view.OptionsTab = Captions()[index];
    z_.refreshOptionsPanel();
}

// The next or previous page whose caption is in the list, round the end.
void OptionsPanel::step(int direction) {
    const int count = static_cast<int>(Captions().size());
    int index = pageList_->currentRow();
    for (int tried = 0; tried < count; ++tried) {
        index = (index + direction + count) % count;
        if (!pageList_->isRowHidden(index)) {
            pageList_->setCurrentRow(index);
            return;
        }
    }
}

bool OptionsPanel::ruleShows(int index) const {
    switch (index) {
        case DailyDirTab:
            return z_.view.DailyTabVisible;
        case ziptab:
            return z_.view.ZipTabVisible;
        case DiagTab:
            return z_.log().DiagTabVisible;
        default:
            return true;
    }
}

void OptionsPanel::refresh() {
    binder_.refresh();
    const QSignalBlocker blocker(pageList_);
    const int chosen = static_cast<int>(Captions().indexOf(z_.view.OptionsTab));
    for (int i = 0; i < pageList_->count(); ++i)
        // A page the program sends the user to is shown even when its rule hides it.
        pageList_->setRowHidden(i, !ruleShows(i) && i != chosen);
    if (chosen < 0) return;
    pageList_->setCurrentRow(chosen);
    pages_->setCurrentIndex(chosen);
}

bool OptionsPanel::tabShown(const QString& caption) const {
    const int index = static_cast<int>(Captions().indexOf(caption));
    return index >= 0 && !pageList_->isRowHidden(index);
}

QString OptionsPanel::currentCaption() const {
    return Captions().value(pages_->currentIndex());
}

QWidget* OptionsPanel::page(const QString& caption) const {
    return pages_->widget(static_cast<int>(Captions().indexOf(caption)));
}

void OptionsPanel::OptionsClick() {
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), false);
    z_.showOptionsPanel(QStringLiteral("Misc"));
    z_.Timer.stop();
    z_.sequence().Autostarttime = Now().timeOfDay();
    z_.refreshOptionsPanel();
}

void OptionsPanel::ExitOptionsClick() {
    z_.OptionsMayClose = true;
    // Only composed here; the file is written by the save commands.
    z_.setFile().WriteSetText();
    if (!z_.OptionsMayClose) return;
    z_.hideOptionsPanel();
    z_.commands.setEnabled(QStringLiteral("OptionsBtn"), true);
    z_.commands.setEnabled(QStringLiteral("SummaryBtn"), true);
}

}  // namespace harbex
