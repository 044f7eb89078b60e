#include "ui/nameform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace harbex {

TNameForm::TNameForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Archive Name"));
    NameBox = new QLineEdit;
    NameBox->setMinimumWidth(240);
    OkBtn = new QPushButton(QStringLiteral("Ok"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter or Edit the Archive Name")));
    layout->addWidget(NameBox);
    layout->addWidget(OkBtn, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

}  // namespace harbex
