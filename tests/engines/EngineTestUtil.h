#pragma once
// Small helpers shared by the engine tests.
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

// Deterministic bytes that are not all alike, so a misplaced packet shows.
inline std::vector<std::uint8_t> PatternData(std::size_t n, std::uint32_t seed = 7) {
  std::vector<std::uint8_t> v(n);
  std::uint32_t x = seed;
  for (auto& b : v) {
    x = x * 1664525u + 1013904223u;
    b = static_cast<std::uint8_t>(x >> 24);
  }
  return v;
}

// Polls (real time) until `done()` holds; false when `limit` passes first.
template <typename Pred>
bool WaitUntil(Pred done, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}
