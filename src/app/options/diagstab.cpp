#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "log/runlogbook.h"

namespace harbex {

QWidget* BuildDiagsTab(THarbexZoDi& z, OptionsBinder& b) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(b.list(QStringLiteral("DiagBox"), [&z] { return z.log().DiagBox; }), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(QStringLiteral("Button1"), QStringLiteral("&Clear"),
                                [&z] { z.log().Button1Click(); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddExitAndHelp(layout, z, b, 68);
    return page;
}

}  // namespace harbex
