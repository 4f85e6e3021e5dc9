#pragma once
// The state every record keeps in bits 0-1 of its flags word.
#include <cstdint>

enum class SlotState : std::uint32_t {
  Empty = 0,    // never used, or erased
  Used = 1,     // a live record
  Deleted = 2,  // deleted; the slot keeps its bytes
  // The editor never writes 3; such a slot is not live.
};
