#pragma once

#include <QDialog>

namespace harbex {

// "PLEASE WAIT: BUILDING NETWORK LIST": shown, without blocking, while the network is searched
// from the menu, and released afterwards.
class TNetWait : public QDialog {
    Q_OBJECT
  public:
    explicit TNetWait(QWidget* parent = nullptr);
    // Shows the window centred on the screen and paints it at once, before the search blocks.
    void showNow();
};

}  // namespace harbex
