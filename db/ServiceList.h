#pragma once
// The receiver's TV or radio channel order (8008 bytes): a count and 4000 program slots.
#include <cstddef>
#include <cstdint>

#include "db/ByteOrder.h"

class ServiceList {
 public:
  static constexpr std::size_t kSize = 8008;
  static constexpr std::size_t kCapacity = 4000;

  // The stored count; a loaded list may claim more than kCapacity.
  std::uint16_t Count() const { return bytes::LoadU16(b_); }
  void SetCount(std::uint16_t v) { bytes::StoreU16(b_, v); }
  // The count bounded to the entries that exist.
  std::size_t ValidCount() const { return Count() < kCapacity ? Count() : kCapacity; }

  // position must be below kCapacity
  std::uint16_t Entry(std::size_t position) const { return bytes::LoadU16(b_ + 8 + 2 * position); }
  void SetEntry(std::size_t position, std::uint16_t slot) { bytes::StoreU16(b_ + 8 + 2 * position, slot); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(ServiceList) == ServiceList::kSize);
