#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionspanel.h"
#include "app/options/optionstabs.h"
#include "platform/prompter.h"
#include "wizard/wizard.h"

namespace harbex {

void AddExitAndHelp(QBoxLayout* page, THarbexZoDi& z, OptionsBinder& b, int helpContext) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    // The same two buttons on every page, so they keep their names and letters everywhere.
    QPushButton* exit = b.button(QStringLiteral("ExitOptions"), QStringLiteral("E&xit Options"),
                                 [&z] { z.options().ExitOptionsClick(); });
    QPushButton* help = b.button(QStringLiteral("HelpBtn"), QStringLiteral("&Help"),
                                 [helpContext] { ShowHelpTopic(helpContext); });
    help->setProperty("tag", helpContext);
    row->addWidget(exit);
    row->addWidget(help);
    page->addLayout(row);
}

QPushButton* WizardButton(THarbexZoDi& z, OptionsBinder& b, const QString& name,
                          const QString& caption, int tag, const QString& pageTitle) {
    QPushButton* button = b.button(name, caption, [&z, tag] { z.wizard().JumpToWizardClick(tag); });
    button->setToolTip(QStringLiteral("Opens the set-up wizard's page \"%1\"").arg(pageTitle));
    button->setProperty("tag", tag);
    return button;
}

QWidget* Text(OptionsBinder& b, const QString& text) {
    QLabel* label = b.label(text);
    label->setWordWrap(false);
    return label;
}

}  // namespace harbex
