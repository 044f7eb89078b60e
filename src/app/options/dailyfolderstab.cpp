#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "drives/dailyfolders.h"

namespace harbex {

QWidget* BuildDailyFoldersTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* lists = new QGridLayout;
    lists->addWidget(Text(b, QStringLiteral("Daily Directorys on Network")), 0, 0);
    lists->addWidget(b.list(QStringLiteral("Dailys"), [&z] { return z.dailyFolders().Dailys; }), 1,
                     0);
    lists->addWidget(Text(b, QStringLiteral("Unable to create these directorys")), 0, 1);
    lists->addWidget(b.list(QStringLiteral("FailList"), [&z] { return z.dailyFolders().FailList; }),
                     1, 1);
    layout->addLayout(lists, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("UpdateDD"), QStringLiteral("&Update"),
                                [&z] { z.dailyFolders().SetUpDirsClick(); }));
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton14"),
                                    QStringLiteral("&Select Daily Folders"), 6,
                                    QStringLiteral("Daily Folders")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 55);
    return page;
}

}  // namespace harbex
