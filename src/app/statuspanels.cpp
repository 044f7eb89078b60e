#include "app/statuspanels.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>

namespace harbex {
namespace {

struct PanelDesign {
    int width;
    Qt::Alignment alignment;
    const char* text;
};

// Widths, alignments and design-time texts of the panels.
constexpr std::array<PanelDesign, StatusPanels::kCount> kDesign = {{
    {65, Qt::AlignHCenter, ""},
    {220, Qt::AlignLeft, "BUSFILE"},
    {40, Qt::AlignLeft, "-u -s -t"},
    {40, Qt::AlignHCenter, "COMP"},
    {248, Qt::AlignLeft, "MESSAGES"},
    {90, Qt::AlignHCenter, ""},
    {50, Qt::AlignHCenter, "FN"},
    {54, Qt::AlignHCenter, "SEQ"},
}};

// The width the label needs to show a text whole, frame and margins included.
int WidthFor(QLabel* label, const QString& text) {
    const QString kept = label->text();
    label->setText(text);
    const int width = label->sizeHint().width();
    label->setText(kept);
    return width;
}

}  // namespace

StatusPanels::StatusPanels() {
    for (int i = 0; i < kCount; ++i) texts_[i] = QString::fromLatin1(kDesign[i].text);
}

void StatusPanels::attach(QStatusBar* bar) {
    bar_ = bar;
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < kCount; ++i) {
        auto* label = new QLabel(text(i), bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(kDesign[i].alignment | Qt::AlignVCenter);
        label->setMinimumWidth(kDesign[i].width);
        // The set's path keeps its design width; the weekday panel is at least as wide as its
        // longest name, so that "Wednesday" never loses letters.
        if (i == 0)
            label->setMinimumWidth(
                std::max(kDesign[i].width, WidthFor(label, QStringLiteral("Wednesday"))));
        if (i == 1) label->setMaximumWidth(kDesign[i].width);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // The message panel takes the room left over; long paths show their beginning.
        bar->addWidget(label, i == 4 ? 1 : 0);
        labels_[i] = label;
    }
}

void StatusPanels::bind(int panel, std::function<QString()> read,
                        std::function<void(const QString&)> write) {
    if (panel < 0 || panel >= kCount) return;
    bindings_[panel] = {std::move(read), std::move(write)};
    show(panel);
}

void StatusPanels::show(int panel) {
    if (panel < 0 || panel >= kCount) return;
    const QString shown = text(panel);
    if (labels_[panel]) {
        labels_[panel]->setText(shown);
        labels_[panel]->setToolTip(shown);
    }
}

void StatusPanels::set(int panel, const QString& text) {
    if (panel < 0 || panel >= kCount) return;
    if (bindings_[panel].write)
        bindings_[panel].write(text);
    else
        texts_[panel] = text;
    show(panel);
    if (onChange_) onChange_(panel);
}

QString StatusPanels::text(int panel) const {
    if (panel < 0 || panel >= kCount) return QString();
    return bindings_[panel].read ? bindings_[panel].read() : texts_[panel];
}

void StatusPanels::repaint() {
    if (bar_) bar_->repaint();
}

}  // namespace harbex
