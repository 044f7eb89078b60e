#include "ui/wizardprompt.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace harbex {

TWizardPrompt::TWizardPrompt(bool newSet, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("WizardPrompt"));
    setWindowTitle(QStringLiteral("Harbex by Keelwick"));
    Heading =
        new QLabel(QStringLiteral("Finished editing Backup Set: What do you want to do now ?"));
    QFont bold = Heading->font();
    bold.setBold(true);
    Heading->setFont(bold);
    Dump = choiceButton(QStringLiteral("&Discard"), kDiscard);
    SaveSettings = choiceButton(QStringLiteral("&Save"), kSave);
    Replace = choiceButton(QStringLiteral("&Update"), kUpdate);
    EditSeqBtn = choiceButton(QStringLiteral("&Edit Sequence"), kEditSequence);
    Label3 = new QLabel(newSet ? QStringLiteral("Save the new backup set")
                               : QStringLiteral("Save The new backup set  (You can use a "
                                                "different name if you choose)"));
    Label5 = new QLabel(QStringLiteral("Update the Current Backup set"));
    Dump->setObjectName(QStringLiteral("Dump"));
    SaveSettings->setObjectName(QStringLiteral("SaveSettings"));
    Replace->setObjectName(QStringLiteral("Replace"));
    EditSeqBtn->setObjectName(QStringLiteral("EditSeqBtn"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label5->setObjectName(QStringLiteral("Label5"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Heading, 0, 0, 1, 2);
    layout->addWidget(Dump, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Discard the backup just defined")), 1, 1);
    layout->addWidget(SaveSettings, 2, 0);
    layout->addWidget(Label3, 2, 1);
    layout->addWidget(Replace, 3, 0);
    layout->addWidget(Label5, 3, 1);
    layout->addWidget(EditSeqBtn, 4, 0);
    layout->addWidget(new QLabel(QStringLiteral("Click here to open the Sequence Editor")), 4, 1);
    Replace->setVisible(!newSet);
    Label5->setVisible(!newSet);
    setFixedSize(sizeHint());
}

QPushButton* TWizardPrompt::choiceButton(const QString& caption, int tag) {
    auto* button = new QPushButton(caption);
    button->setProperty("tag", tag);
    connect(button, &QPushButton::clicked, this, [this, tag] {
        choice_ = tag;
        accept();
    });
    return button;
}

void TWizardPrompt::reject() {
    choice_ = kDiscard;
    QDialog::reject();
}

}  // namespace harbex
