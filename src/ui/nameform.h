#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace harbex {

// "Archive Name": edits one name of the archive names list.
class TNameForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNameForm(QWidget* parent = nullptr);

    QLineEdit* NameBox = nullptr;
    QPushButton* OkBtn = nullptr;
};

}  // namespace harbex
