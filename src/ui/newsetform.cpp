#include "ui/newsetform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace harbex {

TNewSetForm::TNewSetForm(int previousAnswer, QString currentSetPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      answer_(previousAnswer),
      currentSetPath_(std::move(currentSetPath)) {
    setWindowTitle(QStringLiteral("New Backup-Set"));
    auto* prompt = new QLabel(QStringLiteral("Enter a name for your new Backup Set. "));
    NewName = new QLineEdit;
    NewName->setMinimumWidth(320);
    Dump = new QPushButton(QStringLiteral("Replace Existing"));
    DsFancyButton2 = new QPushButton(QStringLiteral("Ok"));
    DsFancyButton1 = new QPushButton(QStringLiteral("Cancel"));
    DsFancyButton2->setDefault(true);
    connect(Dump, &QPushButton::clicked, this, &TNewSetForm::DumpClick);
    connect(DsFancyButton2, &QPushButton::clicked, this, [this] { ButtonClick(0); });
    connect(DsFancyButton1, &QPushButton::clicked, this, [this] { ButtonClick(1); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Dump);
    buttons->addStretch();
    buttons->addWidget(DsFancyButton2);
    buttons->addWidget(DsFancyButton1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0);
    layout->addWidget(NewName, 1, 0);
    layout->addLayout(buttons, 2, 0);
    setFixedSize(sizeHint());
}

void TNewSetForm::DumpClick() {
    NewName->setText(currentSetPath_);
}

void TNewSetForm::ButtonClick(int tag) {
    if (tag == 1) {
        reject();
        return;
    }
    answer_ = tag;
    accept();
}

void TNewSetForm::reject() {
    answer_ = 1;
    QDialog::reject();
}

}  // namespace harbex
