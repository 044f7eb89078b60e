#include "wizard/wizardview.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "platform/prompter.h"
#include "wizard/wizard.h"

namespace harbex {

QLabel* PageText(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QGroupBox* ChoiceBox(OptionsBinder& b, const QString& title, const QString& name,
                     const QStringList& captions, OptionsBinder::Number get,
                     std::function<void(int)> set) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name + QStringLiteral("Box"));
    b.radios(new QVBoxLayout(box), name, captions, std::move(get), std::move(set));
    return box;
}

WizardPage::WizardPage(THarbexZoDi& z, OptionsBinder& b, int index) : z_(z), index_(index) {
    const WizardPageInfo& info = PageInfo(index);
    const QString number = QString::number(info.number);
    setObjectName(QStringLiteral("Page") + number);
    auto* layout = new QVBoxLayout(this);
    Header = b.label(QStringLiteral("Page") + number + QStringLiteral("Header"), [&z, index] {
        return index == kPage1 && !z.wizard().Page1Header.isEmpty() ? z.wizard().Page1Header
                                                                    : PageHeading(index);
    });
    QFont big = Header->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    Header->setFont(big);
    layout->addWidget(Header);
    content_ = new QWidget;
    body_ = new QVBoxLayout(content_);
    body_->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(content_, 1);

    auto* buttons = new QHBoxLayout;
    Help = b.button(QStringLiteral("Page") + number + QStringLiteral("Help"),
                    QStringLiteral("&Help"), [topic = info.helpTopic] { ShowHelpTopic(topic); });
    Help->setProperty("tag", info.helpTopic);
    buttons->addWidget(Help);
    buttons->addStretch(1);
    if (index != kPage1) {
        Last = b.button(QStringLiteral("Page") + number + QStringLiteral("Last"),
                        QStringLiteral("&Last"), [&z] { z.wizard().PageBackClick(); });
        b.visibleWhen(Last, [&z, index] { return z.wizard().lastVisible(index); });
        buttons->addWidget(Last);
    }
    if (index != kPage14) {
        Cancel = b.button(QStringLiteral("Page") + number + QStringLiteral("Cancel"),
                          QStringLiteral("&Cancel"), [&z] { z.wizard().WizardCancel(); });
        buttons->addWidget(Cancel);
    }
    Next = b.button(QStringLiteral("Page") + number + QStringLiteral("Next"),
                    QStringLiteral("&Next"), [&z, index] { z.wizard().NextClick(index); });
    Next->setDefault(true);
    b.onRefresh([this, &z, index] { Next->setText(u'&' + z.wizard().nextCaption(index)); });
    buttons->addWidget(Next);
    layout->addLayout(buttons);
}

void WizardPage::setContent(QWidget* content) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    // The layout hands back the item that held the old widget; it is ours to delete.
    delete layout->replaceWidget(content_, content);
    content_->deleteLater();
    content_ = content;
    body_ = nullptr;
}

void WizardPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!z_.wizard().BackgroundLoaded) return;
    QPainter painter(this);
    QLinearGradient shade(0, 0, width(), height());
    shade.setColorAt(0, QColor(0xdd, 0xe8, 0xf4));
    shade.setColorAt(1, QColor(0xf7, 0xf9, 0xfc));
    painter.fillRect(QRect(0, 0, width(), height()), shade);
}

WizardView::WizardView(THarbexZoDi& z) : z_(z), binder_([&z] { z.refreshOptionsPanel(); }) {
    setObjectName(QStringLiteral("Wizard"));
    for (int i = 0; i < kWizardPageCount; ++i) {
        pages_[static_cast<size_t>(i)] = new WizardPage(z, binder_, i);
        addWidget(pages_[static_cast<size_t>(i)]);
    }
    BuildSourcePages(*this, z, binder_);
    BuildDestinationPages(*this, z, binder_);
    BuildCompressionPages(*this, z, binder_);
    BuildCommonFilesPages(*this, z, binder_);
    BuildSchedulePages(*this, z, binder_);
}

WizardPage* WizardView::page(int index) const {
    if (index < 0 || index >= kWizardPageCount) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

void WizardView::refresh() {
    binder_.refresh();
    setCurrentIndex(z_.wizard().activePage());
    currentWidget()->update();
}

}  // namespace harbex
