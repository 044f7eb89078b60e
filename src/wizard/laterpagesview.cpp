// Pages 12 to 14 until their questions join them: each shows its heading, its buttons
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
        {kPage12, "The start-up type is chosen on the Options panel (Schedule tab) for now."},
        {kPage13, "The schedule is chosen on the Options panel (Schedule tab) for now."},
        {kPage14, "Logging is chosen on the Options panel (Misc tab) for now."},
    };
    for (const Where& where : pages) {
        WizardPage& page = *view.page(where.index);
        page.body()->addWidget(PageText(QString::fromLatin1(where.text)));
        page.body()->addStretch(1);
    }
}

}  // namespace harbex
