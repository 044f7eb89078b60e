#include "app/countdownpanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/harbexzodi.h"
#include "schedule/autoruns.h"

namespace harbex {

CountdownPanel::CountdownPanel(THarbexZoDi& z) : QFrame(&z), z_(z) {
    setObjectName(QStringLiteral("Backingup"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QGridLayout(this);
    auto* caption = new QLabel(QStringLiteral("Counting down to AutoBackup"));
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption, 0, 0, 1, 2);
    auto* abort = new QPushButton(QStringLiteral("Abort Backup"));
    abort->setObjectName(QStringLiteral("AbortAuto"));
    connect(abort, &QPushButton::clicked, this, [this] { z_.autoRuns().AbortAutoClick(); });
    auto* now = new QPushButton(QStringLiteral("Backup Now"));
    now->setObjectName(QStringLiteral("BitBtn3"));
    connect(now, &QPushButton::clicked, this, [this] { z_.autoRuns().BitBtn3Click(); });
    layout->addWidget(abort, 1, 0);
    layout->addWidget(now, 1, 1);
    bar_ = new QProgressBar;
    bar_->setObjectName(QStringLiteral("Countdown"));
    bar_->setRange(0, 500);
    bar_->setTextVisible(false);
    layout->addWidget(bar_, 2, 0, 1, 2);
    hide();
    z_.installEventFilter(this);
}

bool CountdownPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &z_ && event->type() == QEvent::Resize && isVisible()) place();
    return QFrame::eventFilter(watched, event);
}

void CountdownPanel::refresh() {
    bar_->setValue(z_.view.Countdown);
    if (z_.view.BackingupVisible == isVisible()) return;
    if (z_.view.BackingupVisible) {
        place();
        show();
        raise();
    } else {
        hide();
    }
}

// In the middle of the window, at least as large as designed and never cutting its captions.
void CountdownPanel::place() {
    const QSize size = sizeHint().expandedTo(QSize(233, 121));
    const QRect area = z_.rect();
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace harbex
