#include "ui/searcherrorform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace harbex {

Tsearcherrorform::Tsearcherrorform(const QStringList& errors, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("searcherrorform"));
    setWindowTitle(QStringLiteral("Search Errors"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(errors);
    SaveBtn = new QPushButton(QStringLiteral("Save List"));
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    NewBtn = new QPushButton(QStringLiteral("New Search"));
    NewBtn->setObjectName(QStringLiteral("NewBtn"));
    connect(SaveBtn, &QPushButton::clicked, this, [this] { ButtonClick(1); });
    connect(NewBtn, &QPushButton::clicked, this, [this] { ButtonClick(0); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(NewBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    resize(560, 320);
    // Centred on the screen, not on the window that opened it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tsearcherrorform::ButtonClick(int tag) {
    result_ = tag == 1 ? Result::Ok : Result::Abort;
    accept();
}

}  // namespace harbex
