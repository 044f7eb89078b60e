#include "app/options/optionsbinder.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace harbex {
namespace {

template <typename W>
W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

void ShowLines(QListWidget* list, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown == items) return;  // keeps the user's selection and scroll position
    list->clear();
    list->addItems(items);
}

}  // namespace

void OptionsBinder::refresh() {
    for (const auto& fill : refreshers_) fill();
}

void OptionsBinder::change(const std::function<void()>& apply) {
    apply();
    refreshAll_();
}

void OptionsBinder::onRefresh(std::function<void()> fill) {
    refreshers_.push_back(std::move(fill));
}

QCheckBox* OptionsBinder::check(const QString& name, const QString& caption, Flag get,
                                std::function<void(bool)> set) {
    auto* box = Named(new QCheckBox(caption), name);
    QObject::connect(box, &QCheckBox::toggled, box,
                     [this, set](bool checked) { change([&] { set(checked); }); });
    onRefresh([box, get] {
        const QSignalBlocker blocker(box);
        box->setChecked(get());
    });
    return box;
}

QCheckBox* OptionsBinder::action(const QString& name, const QString& caption, Flag checked,
                                 std::function<void()> execute) {
    auto* box = Named(new QCheckBox(caption), name);
    // The action decides: it may refuse (no engine, say), and the refresh then shows its state.
    QObject::connect(box, &QCheckBox::clicked, box,
                     [this, execute] { change([&] { execute(); }); });
    onRefresh([box, checked] {
        const QSignalBlocker blocker(box);
        box->setChecked(checked());
    });
    return box;
}

QPushButton* OptionsBinder::button(const QString& name, const QString& caption,
                                   std::function<void()> click) {
    auto* push = Named(new QPushButton(caption), name);
    QObject::connect(push, &QPushButton::clicked, push,
                     [this, click] { change([&] { click(); }); });
    return push;
}

QListWidget* OptionsBinder::list(const QString& name, Lines items) {
    auto* view = Named(new QListWidget, name);
    onRefresh([view, items] { ShowLines(view, items()); });
    return view;
}

QPlainTextEdit* OptionsBinder::memo(const QString& name, Lines lines) {
    auto* view = Named(new QPlainTextEdit, name);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    onRefresh([view, lines] {
        const QString text = lines().join(u'\n');
        if (view->toPlainText() != text) view->setPlainText(text);
    });
    return view;
}

QLabel* OptionsBinder::label(const QString& text) {
    auto* shown = new QLabel(text);
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

QLabel* OptionsBinder::label(const QString& name, Text text) {
    auto* shown = Named(label(QString()), name);
    onRefresh([shown, text] { shown->setText(text()); });
    return shown;
}

QLineEdit* OptionsBinder::edit(const QString& name, Text get,
                               std::function<void(const QString&)> set) {
    auto* box = Named(new QLineEdit, name);
    // Every keystroke writes the owner; the other widgets follow without disturbing the typing.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [this, set](const QString& text) { change([&] { set(text); }); });
    onRefresh([box, get] {
        const QString text = get();
        if (box->text() == text) return;
        const QSignalBlocker blocker(box);
        box->setText(text);
    });
    return box;
}

QLineEdit* OptionsBinder::editOnExit(const QString& name, Text get,
                                     std::function<void(const QString&)> finished) {
    auto* box = Named(new QLineEdit, name);
    QObject::connect(box, &QLineEdit::editingFinished, box, [this, box, finished] {
        if (!box->isModified()) return;
        box->setModified(false);
        change([&] { finished(box->text()); });
    });
    onRefresh([box, get] {
        // Text being typed stays until the user leaves the box.
        if (box->hasFocus() && box->isModified()) return;
        const QSignalBlocker blocker(box);
        box->setText(get());
        box->setModified(false);
    });
    return box;
}

QSpinBox* OptionsBinder::spin(const QString& name, int minimum, int maximum, Number get,
                              std::function<void(int)> set) {
    auto* box = Named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    QObject::connect(box, &QSpinBox::valueChanged, box,
                     [this, set](int value) { change([&] { set(value); }); });
    onRefresh([box, get] {
        const QSignalBlocker blocker(box);
        box->setValue(get());
    });
    return box;
}

QComboBox* OptionsBinder::combo(const QString& name, const QStringList& items, Number get,
                                std::function<void(int)> set) {
    auto* box = Named(new QComboBox, name);
    box->addItems(items);
    QObject::connect(box, &QComboBox::activated, box,
                     [this, set](int index) { change([&] { set(index); }); });
    onRefresh([box, get] {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(get());
    });
    return box;
}

QButtonGroup* OptionsBinder::radios(QBoxLayout* layout, const QString& name,
                                    const QStringList& captions, Number get,
                                    std::function<void(int)> set) {
    auto* group = new QButtonGroup(layout);
    group->setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = Named(new QRadioButton(captions[i]), name + QString::number(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    QObject::connect(group, &QButtonGroup::idClicked, group,
                     [this, set](int index) { change([&] { set(index); }); });
    onRefresh([group, get] {
        const int index = get();
        QAbstractButton* chosen = group->button(index);
        // No choice at all shows every button cleared.
        group->setExclusive(chosen != nullptr);
        for (QAbstractButton* radio : group->buttons()) {
            const QSignalBlocker blocker(radio);
            radio->setChecked(radio == chosen);
        }
        group->setExclusive(true);
    });
    return group;
}

void OptionsBinder::visibleWhen(QWidget* widget, Flag rule) {
    onRefresh([widget, rule] { widget->setVisible(rule()); });
}

void OptionsBinder::enabledWhen(QWidget* widget, Flag rule) {
    onRefresh([widget, rule] { widget->setEnabled(rule()); });
}

}  // namespace harbex
