// Pages 9 to 11, 16 and 17 until their questions join them: each shows its heading, its buttons
// and where the same choices are made meanwhile, so that the order of the pages can be walked.

#include <QLabel>
#include <QVBoxLayout>

#include "wizard/wizardview.h"

namespace harbex {

void BuildLaterPages(WizardView& view, THarbexZoDi& /*z*/, OptionsBinder& /*b*/) {
    struct Where {
        int index;
        const char* text;
    };
    const Where pages[] = {
        {kPage9, "Compression is chosen on the Options panel (Misc tab) for now."},
        {kPage10, "The archive grouping is chosen on the Options panel (Zip tab) for now."},
        {kPage11, "Archive names are chosen on the Options panel (Zip tab) for now."},
        {kPage16,
         "Common file types are chosen on the Options panel (Common FileTypes tab) for now."},
        {kPage17, "Common files are searched on the Options panel (Common FileTypes tab) for now."},
    };
    for (const Where& where : pages) {
        WizardPage& page = *view.page(where.index);
        page.body()->addWidget(PageText(QString::fromLatin1(where.text)));
        page.body()->addStretch(1);
    }
}

}  // namespace harbex
