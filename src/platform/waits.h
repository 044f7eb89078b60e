#pragma once

#include <QtGlobal>
#include <functional>

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
    // Runs work on a thread of its own and handles window messages until it has finished, so
    // that one long piece of work (a big file) does not freeze the window. tick runs on the
    // calling thread every intervalMs meanwhile. The real work is done in tests as well.
    void runWhileHandlingMessages(const std::function<void()>& work,
                                  const std::function<void()>& tick = {}, int intervalMs = 200);
};

}  // namespace harbex
