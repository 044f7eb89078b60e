#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "sets/setcommands.h"
#include "sets/setsummary.h"

namespace harbex {

QWidget* BuildSummaryTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* path = new QHBoxLayout;
    path->addWidget(Text(b, QStringLiteral("Backup set")));
    QLabel* label25 = b.label(QStringLiteral("Label25"), [&z] { return z.busFile(); });
    label25->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path->addWidget(label25, 1);
    layout->addLayout(path);
    QPlainTextEdit* pad =
        b.memo(QStringLiteral("SummaryPad"), [&z] { return z.summary().SummaryPad; });
    pad->setFrameShape(QFrame::NoFrame);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    pad->setFont(fixed);
    layout->addWidget(pad, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("SaveBackupset"),
                                QStringLiteral("&Save Backup Set "),
                                [&z] { z.sets().SaveBackupsetClick(); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 65);
    return page;
}

}  // namespace harbex
