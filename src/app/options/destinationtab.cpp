#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "drives/dailyfolders.h"
#include "sets/setcommands.h"

namespace harbex {

QWidget* BuildDestinationTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    grid->addWidget(b.action(
                        QStringLiteral("UseDailys"), QStringLiteral("Use Daily Folders"),
                        [&z] { return z.model.UseDailyFolders; },
                        [&z] { z.dailyFolders().UseDailyFoldersExecute(); }),
                    0, 0);
    grid->addWidget(b.list(QStringLiteral("Daylist"), [&z] { return z.view.Daylist; }), 1, 0);
    grid->addWidget(
        WizardButton(z, b, QStringLiteral("SelectDailysBtn"),
                     QStringLiteral("Select &Daily Folders"), 6, QStringLiteral("Daily Folders")),
        2, 0, Qt::AlignLeft);
    grid->addWidget(
        b.action(
            QStringLiteral("EnableSpecific1"), QStringLiteral("Use specified Folders for backups"),
            [&z] { return z.model.UseSpecificFolders; },
            [&z] { z.sets().UseSpecificFoldersExecute(); }),
        0, 1);
    grid->addWidget(b.memo(QStringLiteral("DestFolderList"), [&z] { return z.model.DestList; }), 1,
                    1);
    grid->addWidget(
        WizardButton(z, b, QStringLiteral("ChooseDestFoldersBtn"),
                     QStringLiteral("&Choose Folders"), 7, QStringLiteral("Specific Destinations")),
        2, 1, Qt::AlignLeft);
    layout->addLayout(grid, 1);
    AddExitAndHelp(layout, z, b, 58);
    return page;
}

}  // namespace harbex
