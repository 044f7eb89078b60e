// What pages 9, 10 and 11 show: compression on or off, the grouping into archives with the
// sub-folder and clean-up options, and the naming scheme with the basis of the names.

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "engine/compressor.h"
#include "wizard/compressionpages.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex {
namespace {

QGroupBox* Group(const QString& name) {
    auto* box = new QGroupBox;
    box->setObjectName(name + QStringLiteral("Box"));
    return box;
}

void BuildPage9(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    page.body()->addWidget(PageText(
        QStringLiteral("Harbex can pack the files of your backup into compressed (zip) archives, "
                       "which take less room on the backup drives.")));
    QCheckBox* zipped = b.action(
        QStringLiteral("ZipFiles2"), QStringLiteral("Store files in compressed format"),
        [&z] { return z.model.Zipped; }, [&z] { z.compressor().ZippedExecute(); });
    b.enabledWhen(zipped, [&z] { return z.model.ZippedEnabled; });
    page.body()->addWidget(zipped);
    page.body()->addStretch(1);
}

void BuildPage10(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    QGroupBox* grouping = Group(QStringLiteral("ZipFiles"));
    b.radios(
        new QVBoxLayout(grouping), QStringLiteral("ZipFiles"),
        {QStringLiteral("Create one compressed file containing all of your backup list"),
         QStringLiteral("Create a compressed file for each of the folders in your backup list"),
         QStringLiteral("Create a compressed file for each different filter in your backup list"),
         QStringLiteral(
             "Create seperate compressed files for each folder and filter in your backup list")},
        [&z] { return z.model.ZipFiles; }, [&z](int i) { z.model.ZipFiles = i; });
    b.enabledWhen(grouping, [&z] { return z.view.ZipFilesEnabled; });
    page.body()->addWidget(grouping);
    QCheckBox* recurse = b.action(
        QStringLiteral("RecurseZip1"), QStringLiteral("Scan for files in sub folders"),
        [&z] { return z.model.RecurseZip; }, [&z] { z.compressor().RecurseZipExecute(); });
    recurse->setToolTip(QStringLiteral("Look for files in sub folders"));
    page.body()->addWidget(recurse);
    page.body()->addSpacing(12);
    page.body()->addWidget(PageText(
        QStringLiteral("Check this box to have Harbex clean up any temporary files it creates")));
    page.body()->addWidget(b.action(
        QStringLiteral("DelTemp1"), QStringLiteral("Delete Temporary files after backup"),
        [&z] { return z.settings.DelTemps; }, [&z] { z.compressor().DelTempsExecute(); }));
    page.body()->addStretch(1);
}

void BuildPage11(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    CompressionPages& c = z.wizard().compression();
    page.body()->addWidget(b.label(QStringLiteral("P11Text1"), [&c] { return c.P11Text1; }));
    page.body()->addWidget(b.label(QStringLiteral("P11Text2"), [] {
        return QStringLiteral(
            "choose the scheme / name that most closly meets your "
            "requirments");
    }));
    QGroupBox* schemes = Group(QStringLiteral("FixedOption"));
    QButtonGroup* fixed = b.radios(
        new QVBoxLayout(schemes), QStringLiteral("FixedOption"),
        {c.FixedOptionFirst,
         QStringLiteral("The compressed files will be named  using consequtive numbers"),
         QStringLiteral("Use a predefined set of Names for your Compressed files"),
         QStringLiteral("One file option")},
        [&z] { return z.model.FixedOption; }, [&c](int i) { c.FixedOptionClick(i); });
    b.onRefresh([fixed, &c] { fixed->button(0)->setText(c.FixedOptionFirst); });
    b.visibleWhen(schemes, [&z] { return z.view.FixedOptionVisible; });
    page.body()->addWidget(schemes);
    QLabel* text3 = b.label(QStringLiteral("P11text3"), [&c] { return c.P11text3; });
    b.visibleWhen(text3, [&c] { return c.P11text3Visible; });
    page.body()->addWidget(text3);
    QLabel* text4 = b.label(QStringLiteral("The compressed file names"));
    text4->setObjectName(QStringLiteral("P11text4"));
    b.visibleWhen(text4, [&c] { return c.P11text4Visible; });
    page.body()->addWidget(text4);
    QGroupBox* basis = Group(QStringLiteral("Nametype"));
    QButtonGroup* nametype = b.radios(
        new QVBoxLayout(basis), QStringLiteral("Nametype"),
        {QStringLiteral("The day of the week"), QStringLiteral("This name")},
        [&z] { return z.model.Nametype; }, [&z](int i) { z.model.Nametype = i; });
    // The second basis shows the name itself, as the Zip tab's name box holds it.
    b.onRefresh([nametype, &z] {
        nametype->button(1)->setText(NametypeSecondCaption(z.model, z.panels.text(0)));
    });
    b.visibleWhen(basis, [&z] { return z.view.NametypeVisible; });
    page.body()->addWidget(basis);
    page.body()->addStretch(1);
}

}  // namespace

void BuildCompressionPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b) {
    BuildPage9(*view.page(kPage9), z, b);
    BuildPage10(*view.page(kPage10), z, b);
    BuildPage11(*view.page(kPage11), z, b);
}

}  // namespace harbex
