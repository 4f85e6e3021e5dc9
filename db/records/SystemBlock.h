#pragma once
// The receiver's system block: 168 bytes carried unchanged, except the slot of the
// satellite most recently created.
#include <cstddef>
#include <cstdint>

#include "db/records/RecordBytes.h"
#include "db/records/RecordField.h"

// Where each field of the system block lies; the editor knows only one of them.
struct SystemBlockFields {
  static constexpr RecordField kReserved0 = field::Raw("reserved0", 0, 164);
  static constexpr RecordField kLastAddedSatellite = field::U16("lastAddedSatellite", 164);
  static constexpr RecordField kReserved166 = field::Raw("reserved166", 166, 2);

  static constexpr RecordField kAll[] = {kReserved0, kLastAddedSatellite, kReserved166};
};

class SystemBlock : public RecordBytes<SystemBlockFields, 168> {
  using F = SystemBlockFields;

 public:
  std::uint16_t LastAddedSatellite() const { return static_cast<std::uint16_t>(Get<F::kLastAddedSatellite>()); }
  void SetLastAddedSatellite(std::uint16_t slot) { Set<F::kLastAddedSatellite>(slot); }
};
static_assert(sizeof(SystemBlock) == SystemBlock::kSize);
