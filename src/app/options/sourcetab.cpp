#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "wizard/sourcepages.h"
#include "wizard/wizard.h"

namespace harbex {

QWidget* BuildSourceTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* lists = new QGridLayout;
    lists->addWidget(Text(b, QStringLiteral("Selected Folders")), 0, 0);
    // Copies of the set's lists for reading; a collection's added sub-folders are not the set's.
    lists->addWidget(b.list(QStringLiteral("SelectedFolders"),
                            [&z] { return OwnFolders(z.model.DirSource, z.UserFolderCount); }),
                     1, 0);
    QPushButton* chooseSource =
        WizardButton(z, b, QStringLiteral("ChooseSource"), QStringLiteral("&Choose Folders"), 3,
                     QStringLiteral("Folder Select"));
    b.enabledWhen(chooseSource, [&z] { return z.view.ChooseSourceEnabled; });
    lists->addWidget(chooseSource, 2, 0, Qt::AlignLeft);
    lists->addWidget(Text(b, QStringLiteral("Selected Filters")), 0, 1);
    lists->addWidget(b.list(QStringLiteral("SelectedFilters"), [&z] { return z.model.FilterList; }),
                     1, 1);
    QPushButton* chooseFilters =
        WizardButton(z, b, QStringLiteral("ChooseFilters"), QStringLiteral("Choose Filter&s"), 4,
                     QStringLiteral("Filter Select"));
    b.enabledWhen(chooseFilters, [&z] { return z.view.ChooseFiltersEnabled; });
    lists->addWidget(chooseFilters, 2, 1, Qt::AlignLeft);
    layout->addLayout(lists, 1);
    layout->addWidget(b.check(
        QStringLiteral("usebrowser"), QStringLiteral("Choose files with browser"),
        [&z] { return z.view.usebrowser; },
        [&z](bool checked) { z.wizard().sources().setUsebrowser(checked); }));
    layout->addWidget(
        Text(b, QStringLiteral("WARNING: Changing the use of the browser may affect other "
                               "options ")));
    AddExitAndHelp(layout, z, b, 57);
    return page;
}

}  // namespace harbex
