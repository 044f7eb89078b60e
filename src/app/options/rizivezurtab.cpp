#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "tools/rizivezur.h"

namespace harbex {

QWidget* BuildRizIvezurTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QCheckBox* monitor = b.check(
        QStringLiteral("MonitorDRUN"), QStringLiteral("&Monitor RIZ Ivezur"),
        [&z] { return z.settings.MonitorDRUN; },
        [&z](bool checked) { z.settings.MonitorDRUN = checked; });
    monitor->setToolTip(QStringLiteral("Check to activate RIZ Ivezur"));
    layout->addWidget(monitor);
    layout->addWidget(Text(b, QStringLiteral("DOS Application to Monitor")));
    auto* grid = new QGridLayout;
    QLabel* appCaption = b.label(QStringLiteral("Monitored &Application"));
    QLineEdit* app = b.edit(
        QStringLiteral("DOSApp"), [&z] { return z.settings.DOSApp; },
        [&z](const QString& text) { z.settings.DOSApp = text; });
    appCaption->setBuddy(app);
    grid->addWidget(appCaption, 0, 0);
    grid->addWidget(app, 0, 1);
    QPushButton* browse = b.button(QStringLiteral("SpeedButton8"), QStringLiteral("&Choose..."),
                                   [&z] { z.monitor().SpeedButton8Click(); });
    browse->setToolTip(QStringLiteral("Choose the program to monitor"));
    grid->addWidget(browse, 0, 2);
    QLabel* keyCaption = b.label(QStringLiteral("&Registry Key"));
    QLineEdit* key = b.edit(
        QStringLiteral("RegKey"), [&z] { return z.settings.RegKey; },
        [&z](const QString& text) { z.settings.RegKey = text; });
    keyCaption->setBuddy(key);
    grid->addWidget(keyCaption, 1, 0);
    grid->addWidget(key, 1, 1);
    grid->addWidget(
        b.button(QStringLiteral("SpeedButton10"), QStringLiteral("Set &Default Registry Key"),
                 [&z] { z.monitor().SpeedButton10Click(); }),
        1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    auto* test = new QHBoxLayout;
    QPushButton* testButton = b.button(QStringLiteral("TestBtn"), QStringLiteral("&Test"),
                                       [&z] { z.monitor().TestBtnClick(); });
    testButton->setToolTip(QStringLiteral("Test The RIZ Ivezur"));
    test->addWidget(testButton);
    test->addWidget(b.label(QStringLiteral("Testresult"), [&z] { return z.monitor().Testresult; }),
                    1);
    layout->addLayout(test);
    layout->addSpacing(12);
    layout->addWidget(Text(b, QStringLiteral("Use this tab in conjunction with  'Tessabel' ")));
    layout->addWidget(Text(b, QStringLiteral("to avoid conflicts with active DOS Applications")));
    layout->addStretch(1);
    AddExitAndHelp(layout, z, b, 64);
    return page;
}

}  // namespace harbex
