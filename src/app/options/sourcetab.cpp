#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"

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
    lists->addWidget(
        WizardButton(b, QStringLiteral("ChooseSource"), QStringLiteral("&Choose Folders"), 3,
                     QStringLiteral("Folder Select")),
        2, 0, Qt::AlignLeft);
    lists->addWidget(Text(b, QStringLiteral("Selected Filters")), 0, 1);
    lists->addWidget(b.list(QStringLiteral("SelectedFilters"), [&z] { return z.model.FilterList; }),
                     1, 1);
    lists->addWidget(
        WizardButton(b, QStringLiteral("ChooseFilters"), QStringLiteral("Choose Filter&s"), 4,
                     QStringLiteral("Filter Select")),
        2, 1, Qt::AlignLeft);
    layout->addLayout(lists, 1);
    // Browser mode comes with the file browser; until then the box only shows the set's state.
    QCheckBox* browser = b.action(
        QStringLiteral("usebrowser"), QStringLiteral("Choose files with browser"),
        [&z] { return z.view.usebrowser; }, [] {});
    browser->setEnabled(false);
    browser->setToolTip(
        QStringLiteral("Choosing files with the browser is not available in "
                       "this version yet"));
    layout->addWidget(browser);
    layout->addWidget(
        Text(b, QStringLiteral("WARNING: Changing the use of the browser may affect other "
                               "options ")));
    AddExitAndHelp(layout, z, b, 57);
    return page;
}

}  // namespace harbex
