#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "schedule/sequencelist.h"

namespace harbex {

QWidget* BuildScheduleTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(b.check(
        QStringLiteral("SequencingMode"), QStringLiteral("Enable &Sequencing Mode"),
        [&z] { return z.settings.SequencingMode; },
        [&z](bool checked) { z.settings.SequencingMode = checked; }));
    for (const char* line : {"If Sequencing Mode is enabled Harbex will load and run",
                             "the Backup sets defined on the Schedule list Tab, in Time order.",
                             "Provided that the Backup is scheduled to run on a particular day"})
        layout->addWidget(Text(b, QString::fromLatin1(line)));
    layout->addSpacing(12);
    auto* skip = new QGridLayout;
    skip->addWidget(b.action(
                        QStringLiteral("Skip1"),
                        QStringLiteral("If Sequencing, s&kip to the next backup (Recomended is "
                                       "Checked)"),
                        [&z] { return z.settings.Skip; }, [&z] { z.sequence().SkipExecute(); }),
                    0, 0);
    auto* explanation = new QVBoxLayout;
    for (const char* line : {"Check this box to have Harbex ignore missed backups in",
                             "Sequencing Mode, if the box is unchecked and Harbex is ",
                             "started after the time of the first backup on a particular day then",
                             "Harbex will terminate the sequence at that point"})
        explanation->addWidget(Text(b, QString::fromLatin1(line)));
    skip->addLayout(explanation, 1, 0);
    layout->addLayout(skip);
    layout->addSpacing(12);
    auto* interval = new QHBoxLayout;
    QLabel* caption = b.label(QStringLiteral("&Auto sequence interval"));
    QSpinBox* minutes = b.spin(
        QStringLiteral("AutoInterval"), 1, 1440, [&z] { return z.settings.AutoInterval; },
        [&z](int value) { z.settings.AutoInterval = value; });
    caption->setBuddy(minutes);
    interval->addWidget(caption);
    interval->addWidget(minutes);
    interval->addWidget(Text(b, QStringLiteral("Mins")));
    interval->addStretch(1);
    layout->addLayout(interval);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton12"),
                                    QStringLiteral("Setup/&View Schedule"), 12,
                                    QStringLiteral("Scheduling 2")));
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton18"),
                                    QStringLiteral("Start-up O&ptions"), 11,
                                    QStringLiteral("Scheduling 1")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 62);
    return page;
}

}  // namespace harbex
