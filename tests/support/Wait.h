#pragma once
// Waiting for something another thread or process brings about. One loop checks the
// condition against a real-time limit and runs a pause between checks; WaitUntil
// pauses by sleeping, QtWait.h's PumpUntil by running the Qt event loop. A limit
// turns a hung engine or program into a reported failure instead of a stuck run.
#include <chrono>
#include <thread>

namespace testkit {

// Checks `done()` until it holds (true) or `limit` passes (false), calling `pause()`
// between checks.
template <typename Done, typename Pause>
bool PollUntil(Done&& done, std::chrono::milliseconds limit, Pause&& pause) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pause();
  }
  return true;
}

// Sleeps `step` between checks: for engines on their own worker and for processes.
template <typename Done>
bool WaitUntil(Done&& done, std::chrono::milliseconds limit = std::chrono::seconds(30),
               std::chrono::microseconds step = std::chrono::milliseconds(1)) {
  return PollUntil(done, limit, [step] { std::this_thread::sleep_for(step); });
}

}  // namespace testkit
