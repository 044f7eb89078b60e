#pragma once

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;

namespace harbex {

// The welcome window: on the first run it offers the wizard or the default set; on later starts
// it is the splash, with one "Continue" button. It closes by itself after 15 seconds, which
// counts as "Use the Defaults".
class TWelcomeForm : public QDialog {
    Q_OBJECT
  public:
    explicit TWelcomeForm(QWidget* parent = nullptr);

    // The splash form of later starts.
    void makeSplash();

    void WizardBtnClick(int tag);  // both buttons
    void DTimer();                 // the 15-second timer
    int choice() const { return choice_; }

    QCheckBox* HideSplash = nullptr;  // "Show Splash screen at startup"
    QLabel* HideSplashCaption = nullptr;
    QPushButton* WizardBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QTimer D;

    // Escape or closing by other means counts as "Use the Defaults", like the time-out.
    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    int choice_ = 0;
    bool chosen_ = false;
};

}  // namespace harbex
