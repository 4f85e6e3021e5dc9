#pragma once
// Deterministic random bytes for round-trip tests: every reserved and preserved bit of
// a record gets a value, so a layer that drops or moves one shows up.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/records/ChannelDatabase.h"

namespace testdata {

inline void FillRandom(std::uint8_t* p, std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<std::uint8_t>(rng());
}

inline void FillRandom(ChannelDatabase& db, std::uint32_t seed) {
  FillRandom(reinterpret_cast<std::uint8_t*>(&db), sizeof db, seed);
}

// A header the document accepts, with random bytes in every carried field.
inline ImageHeader RandomValidHeader(std::uint32_t seed) {
  ImageHeader h;
  FillRandom(h.Bytes(), ImageHeader::kSize, seed);
  h.SetMagic(ImageHeader::kMagic);
  h.SetValidFlag(1);
  h.SetDataLength(ImageHeader::kFullDataLength);
  return h;
}

// A whole image of random bytes behind a valid header.
inline std::vector<std::uint8_t> RandomImage(std::uint32_t seed) {
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  FillRandom(image.data(), image.size(), seed);
  RandomValidHeader(seed + 1).CopyTo(image.data());
  return image;
}

}  // namespace testdata
