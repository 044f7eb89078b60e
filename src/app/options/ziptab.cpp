#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"

namespace harbex {

// The compression page is built on the compression engines' handlers.
QWidget* BuildZipTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(1);
    AddExitAndHelp(layout, z, b, 63);
    return page;
}

}  // namespace harbex
