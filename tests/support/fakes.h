#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/prompter.h"
#include "platform/waits.h"
#include "support/printers.h"

namespace harbex::test {

class FakeClock : public Clock {
  public:
    QDateTime now() const override { return now_; }
    void set(const QDateTime& moment) { now_ = moment; }
    void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms); }

  private:
    QDateTime now_ = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
};

// Waits take no real time: the fake clock moves on and pending messages are handled once.
class FakeWaits : public Waits {
  public:
    explicit FakeWaits(FakeClock& clock) : clock_(clock) {}
    void waitMilliseconds(quint64 ms) override;
    void processPendingMessages() override;
    quint64 totalWaitedMs = 0;
    int waitCount = 0;
    // Runs at every wait, before pending messages are handled: what happens while the program
    // pauses (a folder deleted by someone else, a click).
    std::function<void()> onWait;
    // Runs whenever pending messages are handled (between the items of long work too).
    std::function<void()> onMessages;

  private:
    FakeClock& clock_;
};

// Everything the program showed the user, in order.
struct PromptRecord {
    bool isQuestion = false;
    QString text;
    IconKind icon = IconKind::Information;
    Buttons buttons;
    int helpContext = 0;
    Button answer = Button::None;
};

// Answers questions from a script; an unexpected question fails the test.
class ScriptedPrompter : public Prompter {
  public:
    void message(const QString& text) override;
    Button question(const QString& text, IconKind icon, const Buttons& buttons,
                    int helpContext) override;

    // Queues the answer to the next question.
    void answerNext(Button answer) { answers_.push_back(answer); }
    // Runs an action when the next message or question is shown (for example, to check state).
    std::function<void(const PromptRecord&)> onShow;

    QStringList texts() const;
    QStringList messages() const;
    QStringList questions() const;
    const QList<PromptRecord>& records() const { return records_; }
    bool saw(const QString& text) const { return texts().contains(text); }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    void clear() { records_.clear(); }

  private:
    std::deque<Button> answers_;
    QList<PromptRecord> records_;
};

// File dialogs answered from a script; every request is recorded.
class ScriptedDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QStringList> openFiles(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title,
                                        const QString& initialFolder) override;
    std::optional<QString> chooseHostFolder(const QString& title,
                                            const QString& initialHostFolder) override;
    // Runs the next scripted action on the window instead of showing it; the action plays the
    // user (clicks a button, lets a timer expire).
    void execForm(QDialog& form) override;
    void onNextForm(std::function<void(QDialog&)> action) {
        formActions_.push_back(std::move(action));
    }
    QStringList formsShown;  // window titles or class names, in order

    // A program path, or std::nullopt for Cancel.
    void answerNext(const std::optional<QString>& answer) {
        answers_.push_back({answer.has_value(), answer.value_or(QString())});
    }
    // Program paths chosen in a multi-select dialog (an empty list: OK with nothing chosen), or
    // std::nullopt for Cancel.
    void answerFilesNext(const std::optional<QStringList>& files) {
        answers_.push_back({files.has_value(), files.value_or(QStringList()).join(u'\n')});
    }
    QList<FileDialogRequest> requests;
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

  private:
    std::optional<QString> next(const QString& what);
    struct Answer {
        bool chosen;
        QString path;
    };
    std::deque<Answer> answers_;
    std::deque<std::function<void(QDialog&)>> formActions_;
};

class FakeNetwork : public Network {
  public:
    using Network::Network;
    bool isPresent() const override { return present; }
    bool present = true;
};

}  // namespace harbex::test
