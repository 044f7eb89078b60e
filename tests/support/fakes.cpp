#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>

namespace harbex::test {

void FakeWaits::waitMilliseconds(quint64 ms) {
    clock_.advanceMs(static_cast<qint64>(ms));
    totalWaitedMs += ms;
    ++waitCount;
    if (onWait) onWait();
    processPendingMessages();
}

void FakeWaits::processPendingMessages() {
    if (onMessages) onMessages();
    Waits::processPendingMessages();
}

void ScriptedPrompter::message(const QString& text) {
    PromptRecord record;
    record.text = text;
    record.answer = Button::Ok;
    records_ << record;
    if (onShow) onShow(record);
}

Button ScriptedPrompter::question(const QString& text, IconKind icon, const Buttons& buttons,
                                  int helpContext) {
    PromptRecord record{true, text, icon, buttons, helpContext, Button::None};
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        record.answer = buttons.contains(Button::Cancel) ? Button::Cancel : buttons.value(0);
    } else {
        record.answer = answers_.front();
        answers_.pop_front();
        EXPECT_TRUE(buttons.contains(record.answer))
            << "scripted answer is not a button of: " << text.toStdString();
    }
    records_ << record;
    if (onShow) onShow(record);
    return record.answer;
}

QStringList ScriptedPrompter::texts() const {
    QStringList result;
    for (const PromptRecord& record : records_) result << record.text;
    return result;
}

QStringList ScriptedPrompter::messages() const {
    QStringList result;
    for (const PromptRecord& record : records_)
        if (!record.isQuestion) result << record.text;
    return result;
}

QStringList ScriptedPrompter::questions() const {
    QStringList result;
    for (const PromptRecord& record : records_)
        if (record.isQuestion) result << record.text;
    return result;
}

std::optional<QString> ScriptedDialogs::next(const QString& what) {
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << what.toStdString();
        return std::nullopt;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (!answer.chosen) return std::nullopt;
    return answer.path;
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& request) {
    requests << request;
    return next(request.title);
}

std::optional<QStringList> ScriptedDialogs::openFiles(const FileDialogRequest& request) {
    requests << request;
    const std::optional<QString> answer = next(request.title);
    if (!answer) return std::nullopt;
    return answer->split(u'\n', Qt::SkipEmptyParts);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    requests << request;
    const std::optional<QString> answer = next(request.title);
    if (!answer.has_value()) return std::nullopt;
    return WithDefaultExtension(answer.value(), request.defaultExtension);
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString& title,
                                                     const QString& initialFolder) {
    requests << FileDialogRequest{title, QString(), QString(), initialFolder, QString()};
    return next(title);
}

std::optional<QString> ScriptedDialogs::chooseHostFolder(const QString& title,
                                                         const QString& initialHostFolder) {
    requests << FileDialogRequest{title, QString(), QString(), initialHostFolder, QString()};
    return next(title);
}

void ScriptedDialogs::execForm(QDialog& form) {
    formsShown << QString::fromLatin1(form.metaObject()->className());
    if (formActions_.empty()) {
        ADD_FAILURE() << "unexpected window: " << form.metaObject()->className();
        form.reject();  // as the user's Escape, so that a window shown again ends too
        return;
    }
    auto action = std::move(formActions_.front());
    formActions_.pop_front();
    action(form);
}

}  // namespace harbex::test
