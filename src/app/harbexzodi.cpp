#include "app/harbexzodi.h"

namespace harbex {

THarbexZoDi::THarbexZoDi(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Harbex"));
    resize(800, 560);
}

}  // namespace harbex
