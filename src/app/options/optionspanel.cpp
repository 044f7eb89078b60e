#include "app/options/optionspanel.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabBar>

#include "app/harbexzodi.h"
#include "app/options/optionstabs.h"
#include "log/runlogbook.h"
#include "platform/platform.h"
#include "schedule/sequencelist.h"
#include "sets/setreaderwriter.h"
#include "wizard/wizard.h"

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

// The tabs' own names, in the same order.
constexpr const char* kPageNames[] = {
    "DailyDirTab", "DrivesTab", "SourceTab",  "DestTab",     "Misc",      "backuptab", "scedule",
    "ziptab",      "DOSRunner", "SummaryTab", "ShedListTab", "CommonTab", "DiagTab",
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
    : QTabWidget(parent), z_(z), binder_([&z] { z.refreshOptionsPanel(); }) {
    setObjectName(QStringLiteral("Optionstabs"));
    tabBar()->setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    using Builder = QWidget* (*)(THarbexZoDi&, OptionsBinder&);
    const Builder builders[] = {
        BuildDailyFoldersTab, BuildDrivesTab,    BuildSourceTab,       BuildDestinationTab,
        BuildMiscTab,         BuildBackupSetTab, BuildScheduleTab,     BuildZipTab,
        BuildRizIvezurTab,    BuildSummaryTab,   BuildSequenceListTab, BuildCommonTab,
        BuildDiagsTab,
    };
    for (int i = 0; i < Captions().size(); ++i) {
        QWidget* page = builders[i](z, binder_);
        page->setObjectName(QString::fromLatin1(kPageNames[i]));
        addTab(page, Captions()[i]);
    }
    // The tab the user picks is the tab the panel shows from now on.
    connect(this, &QTabWidget::currentChanged, this, &OptionsPanel::choose);
}

void OptionsPanel::choose(int index) {
    if (index < 0) return;
    z_.view.OptionsTab = Captions()[index];
    z_.refreshOptionsPanel();
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
    const QSignalBlocker blocker(this);
    const int chosen = static_cast<int>(Captions().indexOf(z_.view.OptionsTab));
    for (int i = 0; i < count(); ++i) {
        // A tab the program sends the user to is shown even when its rule hides it.
        setTabVisible(i, ruleShows(i) || i == chosen);
    }
    if (chosen >= 0) setCurrentIndex(chosen);
}

// Ctrl+Tab and Ctrl+Page Down go to the next tab shown, Ctrl+Shift+Tab and Ctrl+Page Up to the
// previous one, round the end. The tab widget's own handling would stop on hidden tabs.
void OptionsPanel::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool back = event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp ||
                      (event->key() == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier);
    const bool forward = !back && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown);
    if (!control || (!back && !forward)) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const int direction = back ? -1 : 1;
    for (int step = 1; step < count(); ++step) {
        const int index = (currentIndex() + direction * step + count()) % count();
        if (isTabVisible(index)) {
            setCurrentIndex(index);
            break;
        }
    }
    event->accept();
}

bool OptionsPanel::tabShown(const QString& caption) const {
    const int index = static_cast<int>(Captions().indexOf(caption));
    return index >= 0 && isTabVisible(index);
}

QString OptionsPanel::currentCaption() const {
    return Captions().value(currentIndex());
}

QWidget* OptionsPanel::page(const QString& caption) const {
    return widget(static_cast<int>(Captions().indexOf(caption)));
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
    z_.wizard().showActivePageAgain();
}

}  // namespace harbex
