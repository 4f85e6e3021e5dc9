#pragma once
// A table slot: a record whose first 32-bit word is its flags, with the slot's state in
// bits 0-1. Satellites, transponders, programs and favourite groups are slots.
#include <cstddef>
#include <cstdint>

#include "db/records/RecordBytes.h"
#include "db/records/RecordField.h"
#include "db/records/SlotState.h"

// The fields every slot's table starts from.
struct SlotFields {
  static constexpr RecordField kFlags = field::U32("flags", 0);
  static constexpr RecordField kState = field::Bits("state", 0, 0, 1);
};

template <typename Table, std::size_t N>
class SlotRecord : public RecordBytes<Table, N> {
 public:
  std::uint32_t Flags() const { return this->template Get<Table::kFlags>(); }
  void SetFlags(std::uint32_t v) { this->template Set<Table::kFlags>(v); }
  SlotState State() const { return static_cast<SlotState>(this->template Get<Table::kState>()); }
  void SetState(SlotState s) { this->template Set<Table::kState>(static_cast<std::uint32_t>(s)); }
  bool IsUsed() const { return State() == SlotState::Used; }
};
