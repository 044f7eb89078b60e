#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/folderselector.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "engine/archivenaming.h"
#include "engine/compressor.h"
#include "engine/engines.h"
#include "sets/backupsetmodel.h"
#include "sets/setcommands.h"

namespace harbex {
namespace {

// A display box: its text comes from its owner and the user cannot type into it.
QLineEdit* Display(OptionsBinder& b, const QString& name, OptionsBinder::Text text) {
    QLineEdit* box = b.edit(name, std::move(text), [](const QString&) {});
    box->setReadOnly(true);
    return box;
}

// LocalPan: the folder selector ZipTempSel, shown by "Select local Dir". Selecting a folder makes
// it the temporary folder; a double click puts the selector away.
QWidget* LocalPan(THarbexZoDi& z, OptionsBinder& b) {
    auto* selector = new FolderSelector(
        [&z, &b](const QString& folder) {
            b.change([&] { z.engines().ZipTempSelChange(folder); });
        },
        [&z, &b] { b.change([&] { z.engines().ZipTempSelDblClick(); }); });
    selector->setObjectName(QStringLiteral("ZipTempSel"));
    selector->setMinimumHeight(120);
    b.onRefresh([selector, &z] { selector->point(z.view.ZipTempSel); });
    b.visibleWhen(selector, [&z] { return z.view.LocalPanVisible; });
    return selector;
}

// The engine: internal or the external utility, and where temporary archives are made.
QGroupBox* EngineGroup(THarbexZoDi& z, OptionsBinder& b) {
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    QCheckBox* internal = b.check(
        QStringLiteral("internal"), QStringLiteral("Use &Internal Compression"),
        [&z] { return z.settings.internal; }, [&z](bool checked) { z.setInternal(checked); });
    b.enabledWhen(internal, [&z] { return z.view.internalEnabled; });
    grid->addWidget(internal, 0, 0, 1, 2);
    grid->addWidget(Display(b, QStringLiteral("ZipUtil"), [&z] { return z.view.ZipUtil; }), 1, 0);
    QPushButton* utility =
        b.button(QStringLiteral("SelZipUtility"), QStringLiteral("Select &Zip Utility"),
                 [&z] { z.engines().SelZipUtilityClick(); });
    b.visibleWhen(utility, [&z] { return z.view.SelZipUtilityVisible; });
    grid->addWidget(utility, 1, 1);
    grid->addWidget(Display(b, QStringLiteral("ZipTemp"), [&z] { return z.settings.ZipTemp; }), 2,
                    0);
    grid->addWidget(b.button(QStringLiteral("SelLocal"), QStringLiteral("Select &local Dir"),
                             [&z] { z.engines().SelectLocal(); }),
                    2, 1);
    grid->addWidget(LocalPan(z, b), 3, 0, 1, 2);
    grid->addWidget(b.check(
                        QStringLiteral("ShowZipping"),
                        QStringLiteral("External Zip utility Output screen is &Visible"),
                        [&z] { return z.settings.ShowZipping; },
                        [&z](bool checked) { z.settings.ShowZipping = checked; }),
                    4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return group;
}

// The archives: their core name, how the engine treats existing archives, sub-folders.
QGroupBox* ArchiveGroup(THarbexZoDi& z, OptionsBinder& b) {
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    auto* name = new QHBoxLayout;
    QLabel* snam = b.label(QStringLiteral("Snam"), [&z] { return z.view.Snam; });
    b.visibleWhen(snam, [&z] { return z.view.SnamVisible; });
    QLineEdit* zipName = b.editOnExit(
        QStringLiteral("ZipName"), [&z] { return ZipNameText(z.model, z.panels.text(0)); },
        [&z](const QString& text) { z.naming().ZipNameExit(text); });
    // Enter is the key that leaves the box; the text is then no longer an unfinished edit.
    QObject::connect(zipName, &QLineEdit::returnPressed, zipName, [&z, &b, zipName] {
        zipName->setModified(false);
        b.change([&] { z.naming().ZipNameKeyPress(QChar(13), zipName->text()); });
    });
    zipName->setToolTip(
        QStringLiteral("Zip file Core name, replaces Day if filter specifys first "
                       "char"));
    b.visibleWhen(zipName, [&z] { return z.view.ZipNameVisible; });
    b.enabledWhen(zipName, [&z] { return z.view.ZipNameEnabled; });
    name->addWidget(snam);
    name->addWidget(zipName, 1);
    layout->addLayout(name);
    auto* options = new QGroupBox(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("ZipOptionsGroup"));
    auto* radios = new QHBoxLayout(options);
    // The click handling of the options is a refresh, which recomposes status panel 2.
    b.radios(
        radios, QStringLiteral("ZipOptions"),
        {QStringLiteral("F&reshen"), QStringLiteral("&Update"), QStringLiteral("&Add")},
        [&z] { return z.model.ZipOptions; },
        [&z](int index) {
            z.model.ZipOptions = index;
            z.sets().RefreshOptions();
        });
    radios->addStretch(1);
    layout->addWidget(options);
    layout->addWidget(b.action(
        QStringLiteral("Recurse1"), QStringLiteral("Scan for files in sub fol&ders"),
        [&z] { return z.model.RecurseZip; }, [&z] { z.compressor().RecurseZipExecute(); }));
    return group;
}

}  // namespace

QWidget* BuildZipTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(EngineGroup(z, b));
    layout->addWidget(ArchiveGroup(z, b));
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WizardButton(z, b, QStringLiteral("SpeedButton13"),
                                    QStringLiteral("File &scheme"), 9,
                                    QStringLiteral("Compresson Scheme 1")));
    buttons->addWidget(WizardButton(z, b, QStringLiteral("GetZipNamesbtn"),
                                    QStringLiteral("Set File&names"), 10,
                                    QStringLiteral("Compresson Scheme 2")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 63);
    return page;
}

}  // namespace harbex
