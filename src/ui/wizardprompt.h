#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace harbex {

// The wizard's end prompt: what becomes of the set just edited. The choice is the tag of the
// button pressed. Closing the window by its close box or Escape counts as Discard, so a prompt
// left without an answer never saves or keeps what the user did not ask for.
class TWizardPrompt : public QDialog {
    Q_OBJECT
  public:
    enum Choice { kDiscard = 0, kSave = 1, kUpdate = 2, kEditSequence = 3 };

    // For a new set there is no file to update: Update is not offered.
    explicit TWizardPrompt(bool newSet, QWidget* parent = nullptr);

    int choice() const { return choice_; }
    void reject() override;

    QLabel* Heading = nullptr;
    QPushButton* Dump = nullptr;
    QPushButton* SaveSettings = nullptr;
    QPushButton* Replace = nullptr;
    QPushButton* EditSeqBtn = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;

  private:
    QPushButton* choiceButton(const QString& caption, int tag);
    int choice_ = kDiscard;
};

}  // namespace harbex
