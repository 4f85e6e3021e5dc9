#pragma once
// Small helpers shared by the engine tests.
#include <cstdint>
#include <vector>

#include "support/RecordingObserver.h"
#include "support/Wait.h"

using testkit::RecordingObserver;
using testkit::WaitUntil;

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
