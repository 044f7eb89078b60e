#include "app/progresspacer.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"

namespace harbex {

void ProgressPacer::step() {
    z_.handleMessages();
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < intervalMs_) return;
    sinceRepaint_.start();
    z_.panels.repaint();
}

}  // namespace harbex
