#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "commonfiles/commonfiles.h"

namespace harbex {

QWidget* BuildCommonTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text(b, QStringLiteral("Use this tab to build a list of common files")));
    QCheckBox* recheck = b.action(
        QStringLiteral("ReCheck1"), QStringLiteral("&Re-build Common files list Dynamically"),
        [&z] { return z.model.ReCheck; }, [&z] { z.commonFiles().ReCheckExecute(); });
    recheck->setToolTip(
        QStringLiteral("Check to have Harbex recheck for your common files "
                       "before each backup session"));
    layout->addWidget(recheck);
    auto* buttons = new QHBoxLayout;
    QPushButton* backup =
        b.button(QStringLiteral("BackupCommonBtn"), QStringLiteral("Backup &Common files"),
                 [&z] { z.commonFiles().BackupCommonBtnClick(); });
    backup->setToolTip(QStringLiteral("Click To Enable Common files backup"));
    buttons->addWidget(backup);
    buttons->addWidget(WizardButton(z, b, QStringLiteral("CommTabWizardBtn"),
                                    QStringLiteral("Wi&zard"), 16,
                                    QStringLiteral("Common Files 1")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    QLabel* active = b.label(QStringLiteral("Common file backup enabled"));
    active->setObjectName(QStringLiteral("Commactivelab"));
    b.visibleWhen(active, [&z] { return z.view.CommactivelabVisible; });
    layout->addWidget(active);
    layout->addStretch(1);
    AddExitAndHelp(layout, z, b, 66);
    return page;
}

}  // namespace harbex
