#include "ui/netwait.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace harbex {

TNetWait::TNetWait(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("NetWait"));
    setWindowTitle(QStringLiteral("Harbex"));
    auto* label = new QLabel(QStringLiteral("PLEASE WAIT: BUILDING NETWORK LIST"));
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(12);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setFixedSize(393, 50);
}

void TNetWait::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    // The search that follows blocks until the network answers: paint the window first.
    repaint();
    QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace harbex
