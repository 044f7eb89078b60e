#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "drives/drivelists.h"

namespace harbex {
namespace {

// The items of "Set last Logical drive": "C" to "Z".
QStringList LastDriveLetters() {
    QStringList letters;
    for (char letter = 'C'; letter <= 'Z'; ++letter) letters << QString(QChar::fromLatin1(letter));
    return letters;
}

}  // namespace

QWidget* BuildDrivesTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text(b, QStringLiteral("Select Drives to backup to :")));
    auto* lists = new QGridLayout;
    lists->addWidget(Text(b, QStringLiteral("Active Drives")), 0, 0);
    lists->addWidget(b.list(QStringLiteral("ADrives"), [&z] { return z.driveLists().ADrives; }), 1,
                     0);
    lists->addWidget(Text(b, QStringLiteral("De-activated Drives")), 0, 1);
    lists->addWidget(b.list(QStringLiteral("DDrives"), [&z] { return z.driveLists().DDrives; }), 1,
                     1);
    layout->addLayout(lists, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("DeactivateBtn"), QStringLiteral("&Deactivate All"),
                                [&z] { z.driveLists().DeactivateBtnClick(); }));
    buttons->addWidget(b.button(QStringLiteral("ActivateBtn"), QStringLiteral("&Activate All"),
                                [&z] { z.driveLists().RestoreBtnClick(); }));
    buttons->addWidget(b.button(QStringLiteral("SpeedButton20"),
                                QStringLiteral("&Clear Network List"),
                                [&z] { z.driveLists().SpeedButton20Click(); }));
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton16"),
                                    QStringLiteral("&Manage Drives"), 14,
                                    QStringLiteral("Network Drives")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* last = new QHBoxLayout;
    QLabel* caption = b.label(QStringLiteral("Set &last Logical drive"));
    QComboBox* letters = b.combo(
        QStringLiteral("LastDrive"), LastDriveLetters(), [&z] { return z.settings.LastDrive; },
        [&z](int index) { z.settings.LastDrive = index; });
    caption->setBuddy(letters);
    last->addWidget(caption);
    last->addWidget(letters);
    last->addStretch(1);
    layout->addLayout(last);
    AddExitAndHelp(layout, z, b, 56);
    return page;
}

}  // namespace harbex
