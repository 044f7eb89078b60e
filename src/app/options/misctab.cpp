#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "engine/compressor.h"
#include "log/runlogbook.h"
#include "sets/setcommands.h"
#include "sets/setsummary.h"

namespace harbex {
namespace {

// The general and network settings, in the page's order: most are program settings, three are
// the set's or the program's actions (a click executes the action).
QList<QCheckBox*> SettingBoxes(THarbexZoDi& z, OptionsBinder& b) {
    auto setting = [&z, &b](const char* name, const char* caption, bool AppSettings::*field) {
        return b.check(
            QString::fromLatin1(name), QString::fromLatin1(caption),
            [&z, field] { return z.settings.*field; },
            [&z, field](bool checked) { z.settings.*field = checked; });
    };
    QCheckBox* zipped = b.action(
        QStringLiteral("ZipFiles1"), QStringLiteral("&Store files in compressed format"),
        [&z] { return z.model.Zipped; }, [&z] { z.compressor().ZippedExecute(); });
    b.enabledWhen(zipped, [&z] { return z.model.ZippedEnabled; });
    QCheckBox* startUp = b.check(
        QStringLiteral("StartUp"), QStringLiteral("Launch Harbex when Windows starts"),
        [&z] { return z.settings.StartUp; }, [&z](bool checked) { z.setStartUp(checked); });
    return {
        setting("AbortBox", "&Abort Backups on Network Errors", &AppSettings::AbortBox),
        setting("MoveDrives", "&Move Disconnected Drives to List (Don't Delete)",
                &AppSettings::MoveDrives),
        setting("RestoreDrives", "&Restore Files to Active List on Save",
                &AppSettings::RestoreDrives),
        setting("QuitAfterAuto", "&Close Harbex After Automatic Actions",
                &AppSettings::QuitAfterAuto),
        setting("AlwaysBuildNet", "Always build Network List", &AppSettings::AlwaysBuildNet),
        setting("Showneterrors", "Displa&y Network Connection errors", &AppSettings::Showneterrors),
        zipped,
        b.action(
            QStringLiteral("EnableLog"), QStringLiteral("&Enable Log File"),
            [&z] { return z.settings.EnabLog; }, [&z] { z.log().EnabLogExecute(); }),
        b.action(
            QStringLiteral("DelTemp"), QStringLiteral("Delete &Temporary files after backup"),
            [&z] { return z.settings.DelTemps; }, [&z] { z.compressor().DelTempsExecute(); }),
        setting("ShowSplash", "Show splash screen at startup", &AppSettings::ShowSplash),
        setting("Duplicates", "Handle Duplicates", &AppSettings::Duplicates),
        setting("SaveOnExit", "Sa&ve Backup Set on Exit", &AppSettings::SaveOnExit),
        setting("SearchErrors", "&Notify me if errors occur in common file search",
                &AppSettings::SearchErrors),
        startUp,
        b.check(
            QStringLiteral("LocalMode"), QStringLiteral("&Local Mode"),
            [&z] { return z.settings.LocalMode; }, [&z](bool checked) { z.setLocalMode(checked); }),
        setting("NoAB", "&Ignore A and B Drives", &AppSettings::NoAB),
        setting("LogNetSearch", "Log Networ&k search output", &AppSettings::LogNetSearch),
        setting("VerifyContent", "Verify copies by content", &AppSettings::VerifyContent),
    };
}

}  // namespace

QWidget* BuildMiscTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    const QList<QCheckBox*> boxes = SettingBoxes(z, b);
    // Two columns, read top to bottom, left column first.
    const int rows = static_cast<int>((boxes.size() + 1) / 2);
    for (int i = 0; i < boxes.size(); ++i) grid->addWidget(boxes[i], i % rows, i / rows);
    grid->setRowStretch(rows, 1);
    layout->addWidget(group);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton15"),
                                    QStringLiteral("Start-up O&ptions"), 11,
                                    QStringLiteral("Scheduling 1")));
    QPushButton* logging =
        WizardButton(z, b, QStringLiteral("LogOptionsBtn"), QStringLiteral("Lo&gging Options"), 13,
                     QStringLiteral("Log Options"));
    b.enabledWhen(logging, [&z] { return z.log().LogOptionsBtnEnabled; });
    buttons->addWidget(logging);
    buttons->addWidget(b.button(QStringLiteral("Defsbtn"), QStringLiteral("&Defaults"),
                                [&z] { z.sets().DefsbtnClick(); }));
    buttons->addWidget(b.check(
        QStringLiteral("DisplayBUSFile"), QStringLiteral("Show B&US file"),
        [&z] { return z.summary().DisplayBUSFile; },
        [&z](bool checked) { z.summary().ShowBus(checked); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 59);
    return page;
}

}  // namespace harbex
