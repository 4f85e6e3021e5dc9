#pragma once
// One favourite group slot (224 bytes): state, member count, name, up to 100 programs.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "db/records/RecordField.h"
#include "db/records/SlotRecord.h"

// Where each field of a favourite group lies. A group is set up and deleted by zeroing
// all of it, so its reserved bits need no field-by-field defaults.
struct FavoriteGroupFields : SlotFields {
  static constexpr RecordField kMemberCount = field::Bits("memberCount", 0, 2, 17);
  static constexpr RecordField kFlagsReserved18 = field::Bits("flagsReserved18", 0, 18, 31);
  static constexpr RecordField kReserved4 = field::U32("reserved4", 4);
  static constexpr RecordField kName = field::Text("name", 8, 16);
  // Program slot indexes in group order; the group's size bounds them.
  static constexpr RecordField kMembers = field::U16Array("members", 24, 100);

  static constexpr RecordField kAll[] = {kFlags, kState, kMemberCount, kFlagsReserved18, kReserved4, kName, kMembers};
};

class FavoriteGroupRecord : public SlotRecord<FavoriteGroupFields, 224> {
  using F = FavoriteGroupFields;

 public:
  static constexpr std::size_t kNameWidth = F::kName.count;
  static constexpr std::size_t kMaxMembers = F::kMembers.count;

  // The stored count; a loaded group may claim more than kMaxMembers.
  std::uint32_t MemberCount() const { return Get<F::kMemberCount>(); }
  void SetMemberCount(std::uint32_t v) { Set<F::kMemberCount>(v); }
  std::size_t ValidMemberCount() const {
    const std::size_t n = MemberCount();
    return n < kMaxMembers ? n : kMaxMembers;
  }

  std::uint32_t Reserved4() const { return Get<F::kReserved4>(); }

  std::string Name() const { return GetText<F::kName>(); }
  void SetName(std::string_view name) { SetText<F::kName>(name); }
  bool NameIs(std::string_view name) const { return TextIs<F::kName>(name); }
  const std::uint8_t* NameField() const { return b_ + F::kName.offset; }

  // position must be below kMaxMembers
  std::uint16_t Member(std::size_t position) const { return GetAt<F::kMembers>(position); }
  void SetMember(std::size_t position, std::uint16_t slot) { SetAt<F::kMembers>(position, slot); }

  // Zeroes all 224 bytes: the slot becomes Empty.
  void Clear() { std::memset(b_, 0, kSize); }
};
static_assert(sizeof(FavoriteGroupRecord) == FavoriteGroupRecord::kSize);
static_assert(FavoriteGroupFields::kMembers.End() == FavoriteGroupRecord::kSize, "members end with the record");
