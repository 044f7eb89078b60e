#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace harbex {

// "New Backup-Set": asks for the name of a new set. Its answer is the tag of the button last
// pressed (Ok 0, Cancel 1); the caller keeps it across showings. Escape and the close box are
// Cancel: a dialog left without a choice must never create a set.
class TNewSetForm : public QDialog {
    Q_OBJECT
  public:
    TNewSetForm(int previousAnswer, QString currentSetPath, QWidget* parent = nullptr);

    void DumpClick();           // "Replace Existing"
    void ButtonClick(int tag);  // Ok and Cancel
    int answer() const { return answer_; }
    void reject() override;

    QLineEdit* NewName = nullptr;
    QPushButton* Dump = nullptr;
    QPushButton* DsFancyButton2 = nullptr;  // Ok
    QPushButton* DsFancyButton1 = nullptr;  // Cancel

  private:
    int answer_;
    QString currentSetPath_;
};

}  // namespace harbex
