#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/prompter.h"

namespace harbex {
namespace {

QPushButton* ButtonNamed(QWidget* window, const QString& caption) {
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

// The real question box on the offscreen display: Help shows the topic and leaves the question
// open; the answer is the button pressed after it.
TEST(WidgetPrompter, HelpShowsTheTopicAndNeverClosesTheQuestion) {
    QStringList seen;
    bool questionStayedOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget* question = QApplication::activeModalWidget();
        ASSERT_NE(question, nullptr);
        QTimer::singleShot(0, [&, question] {
            QWidget* help = QApplication::activeModalWidget();
            ASSERT_NE(help, nullptr);
            for (QLabel* label : help->findChildren<QLabel*>()) seen << label->text();
            QTimer::singleShot(0, [&, question] {
                questionStayedOpen = question->isVisible();
                ButtonNamed(question, ButtonCaption(Button::No))->click();
            });
            static_cast<QDialog*>(help)->accept();
        });
        ButtonNamed(question, ButtonCaption(Button::Help))->click();
    });
    WidgetPrompter prompter;
    const Button answer = prompter.question(QStringLiteral("Save it?"), IconKind::Warning,
                                            {Button::Yes, Button::No, Button::Help}, 77);
    EXPECT_EQ(answer, Button::No);
    EXPECT_TRUE(questionStayedOpen);
    EXPECT_TRUE(seen.contains(QStringLiteral("Help topic 77")));
}

TEST(WidgetPrompter, AQuestionAskedWhileNoWindowIsActiveBelongsToTheMainWindow) {
    QMainWindow main;
    main.show();
    QApplication::setActiveWindow(nullptr);  // as at start-up, before the window is activated
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* question = QApplication::activeModalWidget();
        owner = question->parentWidget();
        ButtonNamed(question, ButtonCaption(Button::Yes))->click();
    });
    WidgetPrompter prompter;
    EXPECT_EQ(prompter.question(QStringLiteral("Go?"), IconKind::Confirmation,
                                {Button::Yes, Button::No}, 1),
              Button::Yes);
    EXPECT_EQ(owner, &main) << "so that it opens centred on the main window";
}

TEST(WidgetPrompter, ClosingByTheFrameAnswersCancel) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    WidgetPrompter prompter;
    EXPECT_EQ(prompter.question(QStringLiteral("Go?"), IconKind::Error,
                                {Button::Ok, Button::Cancel, Button::Help}, 40),
              Button::Cancel);
}

}  // namespace
}  // namespace harbex
