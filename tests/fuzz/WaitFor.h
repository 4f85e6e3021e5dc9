#pragma once
// Waits on the calling thread until `done()` holds. The engines run on their own worker
// against a MemoryPort in virtual time, so the real wait is short; a generous real-time
// ceiling turns a livelocked engine into a reported failure instead of a stuck run.
#include <chrono>
#include <thread>

template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds ceiling = std::chrono::seconds(60)) {
  const auto until = std::chrono::steady_clock::now() + ceiling;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  return true;
}
