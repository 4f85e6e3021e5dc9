#pragma once
// The receiver's TV or radio channel order (8008 bytes): a count and 4000 program slots.
#include <cstddef>
#include <cstdint>

#include "db/records/RecordBytes.h"
#include "db/records/RecordField.h"

// Where each field of a channel list lies.
struct ServiceListFields {
  static constexpr RecordField kCount = field::U16("count", 0);
  static constexpr RecordField kReserved2 = field::Raw("reserved2", 2, 6);
  // Program slot indexes in list order; entries at and beyond count are not part of it.
  static constexpr RecordField kEntries = field::U16Array("entries", 8, 4000);

  static constexpr RecordField kAll[] = {kCount, kReserved2, kEntries};
};

class ServiceList : public RecordBytes<ServiceListFields, 8008> {
  using F = ServiceListFields;

 public:
  static constexpr std::size_t kCapacity = F::kEntries.count;

  // The stored count; a loaded list may claim more than kCapacity.
  std::uint16_t Count() const { return static_cast<std::uint16_t>(Get<F::kCount>()); }
  void SetCount(std::uint16_t v) { Set<F::kCount>(v); }
  // The count bounded to the entries that exist.
  std::size_t ValidCount() const { return Count() < kCapacity ? Count() : kCapacity; }

  // position must be below kCapacity
  std::uint16_t Entry(std::size_t position) const { return GetAt<F::kEntries>(position); }
  void SetEntry(std::size_t position, std::uint16_t slot) { SetAt<F::kEntries>(position, slot); }
};
static_assert(sizeof(ServiceList) == ServiceList::kSize);
