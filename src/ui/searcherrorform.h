#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace harbex {

// "Search Errors": the lines of the folders a common-files search had to leave out, with the
// choice to keep the files found ("Save List") or to start again ("New Search"). Closing it any
// other way chooses neither.
class Tsearcherrorform : public QDialog {
    Q_OBJECT
  public:
    enum class Result { None, Ok, Abort };

    explicit Tsearcherrorform(const QStringList& errors, QWidget* parent = nullptr);

    void ButtonClick(int tag);  // SaveBtn (tag 1) and NewBtn (tag 0)
    Result result() const { return result_; }

    QListWidget* ListBox1 = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* NewBtn = nullptr;

  private:
    Result result_ = Result::None;
};

}  // namespace harbex
