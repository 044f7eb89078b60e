#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace harbex {

enum class IconKind { Warning, Error, Information, Confirmation };
enum class Button { None, Yes, No, Ok, Cancel, Abort, Ignore, Retry, Help };
using Buttons = QList<Button>;

// Messages and questions to the user. A question shows its buttons and returns the one pressed;
// Help shows the help topic of the question's help context and never closes the question.
class Prompter {
  public:
    virtual ~Prompter() = default;
    // A plain message box with OK.
    virtual void message(const QString& text) = 0;
    virtual Button question(const QString& text, IconKind icon, const Buttons& buttons,
                            int helpContext) = 0;
};

// The real prompter: modal boxes in front of the active window.
class WidgetPrompter : public Prompter {
  public:
    void message(const QString& text) override;
    Button question(const QString& text, IconKind icon, const Buttons& buttons,
                    int helpContext) override;
};

// The window a box or dialog belongs to, so that it opens centred on it: the active window, or
// else the program's visible main window (at start-up nothing is active yet).
QWidget* DialogOwner();

// The program's help: there is no help file, so a help request names its topic.
void ShowHelpTopic(int helpContext);
QString ButtonCaption(Button button);

}  // namespace harbex
