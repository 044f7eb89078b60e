#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace harbex {

// How long the program waits for a folder on a drive before it counts the drive as unreachable.
// A network mount whose server is gone can block every call on it for minutes; nothing the
// program does with drives may freeze the window that long.
inline constexpr int kProbeLimitMs = 3000;

// Runs work on a worker thread and waits at most limitMs for it to finish, keeping the window
// painted and its timers running (user input waits, so no command starts in the middle).
// Returns false when the time ran out: the work is then abandoned and ends on its own, so it
// must own everything it touches (capture by value only). A negative limit waits for the end;
// with handleUserInput clicks and keys are handled meanwhile too.
bool FinishesWithin(std::function<void()> work, int limitMs, bool handleUserInput = false);

// Runs work on a worker thread until it has finished, handling every window message meanwhile,
// so that one long piece of work (a big archive) does not freeze the window. The work is never
// abandoned, so it may use the caller's variables.
void RunWhileHandlingMessages(std::function<void()> work);

// The same for work with a result: std::nullopt when it did not finish in time.
template <typename T>
std::optional<T> RunWithDeadline(std::function<T()> work, int limitMs = kProbeLimitMs) {
    auto slot = std::make_shared<std::optional<T>>();
    if (!FinishesWithin([slot, work = std::move(work)] { *slot = work(); }, limitMs))
        return std::nullopt;
    return *slot;
}

// The reason given when a drive did not answer in time.
QString NoAnswerReason(int limitMs = kProbeLimitMs);

}  // namespace harbex
