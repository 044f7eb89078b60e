#include "platform/prompter.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace harbex {
namespace {

QString DisplayText(QString text) {
    // Texts use a lone CR as a line break, as the original message boxes did.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QStyle::StandardPixmap PixmapFor(IconKind icon) {
    switch (icon) {
        case IconKind::Warning:
            return QStyle::SP_MessageBoxWarning;
        case IconKind::Error:
            return QStyle::SP_MessageBoxCritical;
        case IconKind::Information:
            return QStyle::SP_MessageBoxInformation;
        case IconKind::Confirmation:
            return QStyle::SP_MessageBoxQuestion;
    }
    return QStyle::SP_MessageBoxInformation;
}

QString TitleFor(IconKind icon) {
    switch (icon) {
        case IconKind::Warning:
            return QStringLiteral("Warning");
        case IconKind::Error:
            return QStringLiteral("Error");
        case IconKind::Information:
            return QStringLiteral("Information");
        case IconKind::Confirmation:
            return QStringLiteral("Confirm");
    }
    return QString();
}

// QMessageBox closes on every button, Help included; this box keeps itself open for Help.
class QuestionBox : public QDialog {
  public:
    QuestionBox(const QString& text, IconKind icon, const Buttons& buttons, int helpContext)
        : QDialog(DialogOwner()) {
        setWindowTitle(TitleFor(icon));
        auto* iconLabel = new QLabel;
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        iconLabel->setPixmap(style()->standardIcon(PixmapFor(icon)).pixmap(size, size));
        auto* textLabel = new QLabel(DisplayText(text));
        textLabel->setTextFormat(Qt::PlainText);
        auto* top = new QHBoxLayout;
        top->addWidget(iconLabel, 0, Qt::AlignTop);
        top->addWidget(textLabel, 1);
        auto* row = new QHBoxLayout;
        row->addStretch();
        for (Button button : buttons) {
            auto* push = new QPushButton(ButtonCaption(button));
            if (button == buttons.first()) push->setDefault(true);
            connect(push, &QPushButton::clicked, this, [this, button, helpContext] {
                if (button == Button::Help) {
                    ShowHelpTopic(helpContext);
                    return;
                }
                answer_ = button;
                accept();
            });
            row->addWidget(push);
        }
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addLayout(row);
    }
    Button answer() const { return answer_; }

  private:
    Button answer_ = Button::None;
};

}  // namespace

QWidget* DialogOwner() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<QMainWindow*>(window)) return window;
    return nullptr;
}

QString ButtonCaption(Button button) {
    switch (button) {
        case Button::Yes:
            return QStringLiteral("&Yes");
        case Button::No:
            return QStringLiteral("&No");
        case Button::Ok:
            return QStringLiteral("OK");
        case Button::Cancel:
            return QStringLiteral("Cancel");
        case Button::Abort:
            return QStringLiteral("&Abort");
        case Button::Ignore:
            return QStringLiteral("&Ignore");
        case Button::Retry:
            return QStringLiteral("&Retry");
        case Button::Help:
            return QStringLiteral("&Help");
        case Button::None:
            break;
    }
    return QString();
}

void ShowHelpTopic(int helpContext) {
    QMessageBox box(DialogOwner());
    box.setWindowTitle(QStringLiteral("Harbex Help"));
    box.setIcon(QMessageBox::Information);
    box.setText(QStringLiteral("Help topic %1").arg(helpContext));
    box.exec();
}

void WidgetPrompter::message(const QString& text) {
    QMessageBox box(DialogOwner());
    box.setWindowTitle(QApplication::applicationName());
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.exec();
}

Button WidgetPrompter::question(const QString& text, IconKind icon, const Buttons& buttons,
                                int helpContext) {
    QuestionBox box(text, icon, buttons, helpContext);
    box.exec();
    // Closing by the window frame counts as the escape answer: Cancel, No or Abort if offered.
    if (box.answer() == Button::None) {
        for (Button escape : {Button::Cancel, Button::No, Button::Abort})
            if (buttons.contains(escape)) return escape;
    }
    return box.answer();
}

}  // namespace harbex
