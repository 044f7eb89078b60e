#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionspanel.h"
#include "app/options/optionstabs.h"
#include "platform/prompter.h"

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

QPushButton* WizardButton(OptionsBinder& b, const QString& name, const QString& caption, int tag,
                          const QString& pageTitle) {
    QPushButton* button = b.unavailable(
        name, caption,
        QStringLiteral("Opens the set-up wizard's page \"%1\" (the wizard is not available in "
                       "this version yet)")
            .arg(pageTitle));
    button->setProperty("tag", tag);
    return button;
}

QWidget* Text(OptionsBinder& b, const QString& text) {
    QLabel* label = b.label(text);
    label->setWordWrap(false);
    return label;
}

}  // namespace harbex
