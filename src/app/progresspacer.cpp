#include "app/progresspacer.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"

namespace harbex {

void ProgressPacer::step() {
    z_.handleMessages();
    const QDateTime now = Now().now();
    if (lastRepaint_.isValid() && lastRepaint_.msecsTo(now) < intervalMs_ && lastRepaint_ <= now)
        return;
    lastRepaint_ = now;
    z_.panels.repaint();
}

}  // namespace harbex
