#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"

namespace harbex {

QWidget* BuildBackupSetTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* lists = new QGridLayout;
    lists->addWidget(Text(b, QStringLiteral("Collect")), 0, 0);
    lists->addWidget(b.list(QStringLiteral("collectset"), [&z] { return z.collectset; }), 1, 0);
    lists->addWidget(Text(b, QStringLiteral("Backup")), 0, 1);
    lists->addWidget(b.list(QStringLiteral("BackupSet"), [&z] { return z.BackupSet; }), 1, 1);
    layout->addLayout(lists, 1);
    layout->addWidget(b.label(QStringLiteral("tobackup"), [&z] { return z.view.tobackup; }));
    AddExitAndHelp(layout, z, b, 61);
    return page;
}

}  // namespace harbex
