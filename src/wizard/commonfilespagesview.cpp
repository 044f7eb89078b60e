// What pages 16 and 17 show: the common file type groups, and the search roots with the search
// and the files found. The pages' widgets belong to the common-files subsystem; the wizard gives
// them their place, their buttons and the way back to them after a message.

#include <QPushButton>

#include "app/harbexzodi.h"
#include "commonfiles/commonfiles.h"
#include "commonfiles/filetypespage.h"
#include "commonfiles/searchpage.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex {

void BuildCommonFilesPages(WizardView& view, THarbexZoDi& z, OptionsBinder& b) {
    auto* types = new FileTypesPage(z);
    auto* search = new SearchPage(z);
    view.page(kPage16)->setContent(types);
    WizardPage* page17 = view.page(kPage17);
    page17->setContent(search);
    // A loaded or refreshed set shows on the pages as well.
    b.onRefresh([types, search] {
        types->refresh();
        search->refresh();
    });
    CommonFiles& c = z.commonFiles();
    c.showWizardPage = [&z](int page) { z.wizard().ShowWizardPage(IndexOfPage(page)); };
    // While a search runs the page is not left: only its Abort is offered.
    QObject::connect(&c, &CommonFiles::changed, page17, [page17, &c] {
        for (QPushButton* button : {page17->Last, page17->Cancel, page17->Next})
            button->setEnabled(!c.searching());
    });
}

}  // namespace harbex
