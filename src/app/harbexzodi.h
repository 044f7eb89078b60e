#pragma once

#include <QMainWindow>

namespace harbex {

// The main window and the program's controller.
class THarbexZoDi : public QMainWindow {
    Q_OBJECT
public:
    explicit THarbexZoDi(QWidget* parent = nullptr);
};

}  // namespace harbex
