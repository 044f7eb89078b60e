#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace harbex {

// Ties the Options panel's widgets to the values they show. The model and the settings own
// every value; a widget is only a view of one. refresh() fills every widget from its owner with
// the widget's signals blocked, so filling never runs a handler; a user's change goes through
// the widget's one setter, which writes the owner and runs the field's handler, and then every
// widget is filled again (a handler may change other values, or refuse the change).
class OptionsBinder {
  public:
    using Flag = std::function<bool()>;
    using Text = std::function<QString()>;
    using Lines = std::function<QStringList()>;
    using Number = std::function<int()>;

    // Called after every change made on the panel, to fill the widgets again.
    explicit OptionsBinder(std::function<void()> refreshAll) : refreshAll_(std::move(refreshAll)) {}

    // Fills every bound widget from its owner.
    void refresh();

    // A check box: set() receives its new state.
    QCheckBox* check(const QString& name, const QString& caption, Flag get,
                     std::function<void(bool)> set);
    // A check box that shows an action: a click executes the action, which toggles its value.
    QCheckBox* action(const QString& name, const QString& caption, Flag checked,
                      std::function<void()> execute);
    QPushButton* button(const QString& name, const QString& caption, std::function<void()> click);
    QListWidget* list(const QString& name, Lines items);
    QPlainTextEdit* memo(const QString& name, Lines lines);
    QLabel* label(const QString& text);
    QLabel* label(const QString& name, Text text);
    // An edit box whose every edit writes its owner.
    QLineEdit* edit(const QString& name, Text get, std::function<void(const QString&)> set);
    // An edit box whose text is handed over when editing ends (Enter or leaving the box).
    QLineEdit* editOnExit(const QString& name, Text get,
                          std::function<void(const QString&)> finished);
    QSpinBox* spin(const QString& name, int minimum, int maximum, Number get,
                   std::function<void(int)> set);
    QComboBox* combo(const QString& name, const QStringList& items, Number get,
                     std::function<void(int)> set);
    // Radio buttons in a layout, one per caption; set() receives the index clicked.
    QButtonGroup* radios(QBoxLayout* layout, const QString& name, const QStringList& captions,
                         Number get, std::function<void(int)> set);

    // Widgets whose visibility or enabled state follows a rule.
    void visibleWhen(QWidget* widget, Flag rule);
    void enabledWhen(QWidget* widget, Flag rule);
    // Any other way of filling a widget from its owner.
    void onRefresh(std::function<void()> fill);

    // Runs a change made on the panel, then fills the widgets again.
    void change(const std::function<void()>& apply);

  private:
    std::function<void()> refreshAll_;
    std::vector<std::function<void()>> refreshers_;
};

}  // namespace harbex
