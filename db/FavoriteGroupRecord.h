#pragma once
// One favourite group slot (224 bytes): state, member count, name, up to 100 programs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/ByteOrder.h"
#include "db/SlotState.h"

class FavoriteGroupRecord {
 public:
  static constexpr std::size_t kSize = 224;
  static constexpr std::size_t kNameWidth = 16;
  static constexpr std::size_t kMaxMembers = 100;

  std::uint32_t Flags() const { return bytes::LoadU32(b_); }
  void SetFlags(std::uint32_t v) { bytes::StoreU32(b_, v); }
  SlotState State() const { return static_cast<SlotState>(bytes::GetField(b_, 0, 1)); }
  void SetState(SlotState s) { bytes::SetField(b_, 0, 1, static_cast<std::uint32_t>(s)); }
  bool IsUsed() const { return State() == SlotState::Used; }
  // The stored count; a loaded group may claim more than kMaxMembers.
  std::uint32_t MemberCount() const { return bytes::GetField(b_, 2, 17); }
  void SetMemberCount(std::uint32_t v) { bytes::SetField(b_, 2, 17, v); }
  std::size_t ValidMemberCount() const {
    const std::size_t n = MemberCount();
    return n < kMaxMembers ? n : kMaxMembers;
  }

  std::uint32_t Reserved4() const { return bytes::LoadU32(b_ + 4); }

  std::string Name() const { return bytes::LoadName(b_ + 8, kNameWidth); }
  void SetName(std::string_view name) { bytes::StoreName(b_ + 8, kNameWidth, name); }
  bool NameIs(std::string_view name) const { return bytes::NameEquals(b_ + 8, kNameWidth, name); }
  const std::uint8_t* NameField() const { return b_ + 8; }

  // position must be below kMaxMembers
  std::uint16_t Member(std::size_t position) const { return bytes::LoadU16(b_ + 24 + 2 * position); }
  void SetMember(std::size_t position, std::uint16_t slot) { bytes::StoreU16(b_ + 24 + 2 * position, slot); }

  // Zeroes all 224 bytes: the slot becomes Empty.
  void Clear() {
    for (auto& x : b_) x = 0;
  }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(FavoriteGroupRecord) == FavoriteGroupRecord::kSize);
