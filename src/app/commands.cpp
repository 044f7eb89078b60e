#include "app/commands.h"

namespace harbex {

QAction* Commands::add(const QString& name, const QString& text, const QString& hint,
                       std::function<void()> handler, bool built) {
    auto* action = new QAction(text, owner_);
    action->setObjectName(name);
    actions_.insert(name, action);
    enabled_.insert(name, true);
    built_.insert(name, built);
    hints_.insert(name, hint);
    if (handler)
        QObject::connect(action, &QAction::triggered, owner_, [this, handler] {
            handler();
            if (after_) after_();
        });
    show(name);
    return action;
}

void Commands::setEnabled(const QString& name, bool enabled) {
    if (!actions_.contains(name)) return;
    enabled_[name] = enabled;
    show(name);
}

void Commands::show(const QString& name) {
    QAction* action = actions_.value(name);
    const bool built = built_.value(name);
    action->setEnabled(built && enabled_.value(name));
    const QString hint = hints_.value(name);
    const QString tip = built ? hint
                              : (hint.isEmpty() ? action->text().remove(u'&') : hint) +
                                    QStringLiteral(" (not available in this version yet)");
    action->setToolTip(tip);
    action->setStatusTip(tip);
}

}  // namespace harbex
