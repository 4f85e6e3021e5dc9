#pragma once
// The receiver's system block: 168 bytes carried unchanged, except the slot of the
// satellite most recently created.
#include <cstddef>
#include <cstdint>

#include "db/ByteOrder.h"

class SystemBlock {
 public:
  static constexpr std::size_t kSize = 168;

  std::uint16_t LastAddedSatellite() const { return bytes::LoadU16(b_ + 164); }
  void SetLastAddedSatellite(std::uint16_t slot) { bytes::StoreU16(b_ + 164, slot); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(SystemBlock) == SystemBlock::kSize);
