#pragma once

#include <QtGlobal>

namespace harbex {

// Pauses that keep the window alive: pending window messages (timers, button clicks) are
// handled while the time passes, without spinning a core.
class Waits {
  public:
    virtual ~Waits() = default;
    // Returns after at least ms milliseconds; messages are handled at least once, even for 0.
    virtual void waitMilliseconds(quint64 ms);
    // Handles the window messages that are pending now, once.
    virtual void processPendingMessages();
};

}  // namespace harbex
