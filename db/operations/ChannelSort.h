#pragma once
// Sorting a whole channel order: the TV list, the radio list or a favourite
// group. Every sort is stable, so rows that compare equal keep the order the
// user gave them.
#include <string_view>

#include "db/operations/ChannelOrder.h"
#include "db/records/ChannelDatabase.h"

namespace dbops {

enum class SortKey {
  Name,                   // case-insensitive, numbers in natural order ("Kino 2" before "Kino
                          // 10")
  SatelliteAndFrequency,  // satellite slot, then transponder frequency, then
                          // polarization
  ServiceId,
  Reverse,  // the present order backwards
};

// Sorts the order; false, changing nothing, when the order does not exist.
// Entries whose program slot, transponder or satellite lies outside its table
// (a damaged database) sort after all others by satellite and frequency, and
// after the rest by name or service id.
bool SortOrder(ChannelDatabase& db, ChannelOrder order, SortKey key);

// Compares two names as "Sort by Name" does: letters without regard to case
// (the receiver's code page, accented letters included), runs of digits by
// their value. Negative, zero or positive.
int CompareNamesNaturally(std::string_view a, std::string_view b);

}  // namespace dbops
