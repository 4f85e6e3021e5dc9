#pragma once
// Sorting a whole channel order: the TV list, the radio list or a favourite
// group. Every sort is stable, so rows that compare equal keep the order the
// user gave them.
#include <span>
#include <string>
#include <string_view>

#include "db/operations/ChannelOrder.h"
#include "db/records/ChannelDatabase.h"

namespace dbops {

enum class SortKey {
  Name,                   // as CompareNamesNaturally reads them
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

// Sorts only the given rows (positions from 0) of the order, among the positions
// they hold: the other rows stay where they are. Rows outside the order and
// repeats are ignored. Returns how many rows were sorted, for the caller to name
// the step; 0, changing nothing, when fewer than two rows are given or the
// order does not exist.
int SortRows(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, SortKey key);

// Compares two names (record bytes in the receiver's code page, Windows-1252)
// as a person reads them, the same under any locale: every letter as its plain
// Latin letter without regard to case or accent ("É" beside "e", "ß" as "ss",
// "Æ" as "ae", "Ø" as "o"), runs of digits by their value ("Kino 2" before
// "Kino 10"); names that still tie are ordered by their stored bytes, so the
// result is 0 only for the same bytes. Negative, zero or positive.
int CompareNamesNaturally(std::string_view a, std::string_view b);

// A name (record bytes) as CompareNamesNaturally reads its letters: each as its plain
// lower-case Latin letter or letters; every other byte as it is. Searches compare
// names the same way.
std::string FoldName(std::string_view name);

}  // namespace dbops
