#pragma once
// Data and whole images (link header, then data) for transfer tests.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "link/LinkHeader.h"

namespace testkit {

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

// `dataLength` bytes of pattern data behind a header built as the editor builds one.
inline std::vector<std::uint8_t> PatternImage(std::uint32_t dataLength, int dbType = 3) {
  const std::vector<std::uint8_t> data = PatternData(dataLength);
  const LinkHeader header = LinkHeader::ForSend(dbType, data.data(), dataLength);
  std::vector<std::uint8_t> image(LinkHeader::kSize + data.size());
  std::memcpy(image.data(), header.Bytes(), LinkHeader::kSize);
  std::copy(data.begin(), data.end(), image.begin() + LinkHeader::kSize);
  return image;
}

}  // namespace testkit
