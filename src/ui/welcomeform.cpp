#include "ui/welcomeform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace harbex {
namespace {

QLabel* Text(QWidget* parent, const QString& text, int x, int y, int pointSize, bool bold,
             const QColor& color) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

TWelcomeForm::TWelcomeForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(592, 373);
    setWindowTitle(QStringLiteral("Welcome"));
    const QColor light(0xF2, 0xF5, 0xFA);
    const QColor accent(0xF9, 0xC7, 0x4F);
    Text(this, QStringLiteral("WELCOME TO "), 40, 36, 14, false, light);
    Text(this, QStringLiteral("Harbex"), 36, 58, 44, true, accent);
    Text(this, QStringLiteral("by KEELWICK"), 42, 136, 12, true, light);
    Text(this, QStringLiteral("Configurable backup solutions  for small to medium networks"), 42,
         176, 11, false, light);

    HideSplash = new QCheckBox(this);
    HideSplash->move(40, 328);
    HideSplashCaption =
        Text(this, QStringLiteral("Show Splash screen at startup"), 62, 327, 9, false, light);
    HideSplashCaption->setBuddy(HideSplash);

    WizardBtn = new QPushButton(QStringLiteral("Start the Wizard"), this);
    WizardBtn->setGeometry(320, 318, 120, 32);
    CancelBtn = new QPushButton(QStringLiteral("Use the Defaults"), this);
    CancelBtn->setGeometry(452, 318, 120, 32);
    connect(WizardBtn, &QPushButton::clicked, this, [this] { WizardBtnClick(0); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { WizardBtnClick(1); });

    D.setInterval(15000);
    D.setSingleShot(false);
    connect(&D, &QTimer::timeout, this, &TWelcomeForm::DTimer);
    D.start();

    if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void TWelcomeForm::makeSplash() {
    CancelBtn->hide();
    WizardBtn->move(224, WizardBtn->y());
    WizardBtn->setText(QStringLiteral("Continue"));
    setWindowTitle(QStringLiteral("Splash"));
    // The centred button would cover the caption: the check box goes to its right.
    const int x = WizardBtn->geometry().right() + 16;
    HideSplash->move(x, HideSplash->y());
    HideSplashCaption->move(x + 22, HideSplashCaption->y());
}

void TWelcomeForm::WizardBtnClick(int tag) {
    choice_ = tag;
    chosen_ = true;
    close();
}

void TWelcomeForm::DTimer() {
    D.stop();
    choice_ = 1;
    chosen_ = true;
    close();
}

void TWelcomeForm::reject() {
    if (!chosen_) choice_ = 1;
    chosen_ = true;
    QDialog::reject();
}

void TWelcomeForm::closeEvent(QCloseEvent* event) {
    D.stop();
    QDialog::closeEvent(event);
}

void TWelcomeForm::paintEvent(QPaintEvent*) {
    // The window is filled by a picture: a calm gradient with a band of light.
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), height());
    gradient.setColorAt(0.0, QColor(0x0B, 0x2A, 0x4A));
    gradient.setColorAt(1.0, QColor(0x1F, 0x5C, 0x8C));
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawRect(0, 300, width(), 73);
    painter.setPen(QColor(0xF9, 0xC7, 0x4F));
    painter.drawLine(40, 166, 360, 166);
}

}  // namespace harbex
