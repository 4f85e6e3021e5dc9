#pragma once
// The separate 64 KiB block a TypeB-6/TypeC database owns. Only its first word travels
// in the image; the rest has no defined content.
#include <cstddef>
#include <cstdint>

#include "db/ByteOrder.h"

class ExtraBlock {
 public:
  static constexpr std::size_t kSize = 65536;

  std::uint32_t ExtraWord() const { return bytes::LoadU32(b_); }
  void SetExtraWord(std::uint32_t v) { bytes::StoreU32(b_, v); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
