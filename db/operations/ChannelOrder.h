#pragma once
// The stored orders the user arranges: the TV list, the radio list and each
// favourite group. The receiver shows its channels in exactly these orders, so
// moving rows here is what changes the channel numbers on the set.
#include <cstdint>
#include <span>
#include <vector>

#include "db/records/ChannelDatabase.h"

namespace dbops {

// One stored order: list 0 tvList or 1 radioList, or a favourite group 0-7.
struct ChannelOrder {
  static constexpr ChannelOrder List(int list) { return {list, -1}; }
  static constexpr ChannelOrder Group(int group) { return {-1, group}; }
  int list = -1;
  int group = -1;
};

// The TV and radio lists always exist; a group does when its slot is Used.
bool OrderExists(const ChannelDatabase& db, ChannelOrder order);

// The program slots of an order as far as its count is believable; empty for a
// group that is not Used or an order that does not exist.
std::vector<std::uint16_t> OrderEntries(const ChannelDatabase& db, ChannelOrder order);

// Writes back entries read with OrderEntries (same count); false, writing
// nothing, when the count differs or the order does not exist.
bool SetOrderEntries(ChannelDatabase& db, ChannelOrder order, std::span<const std::uint16_t> entries);

// The moves below take rows (positions counted from 0) that need not be
// adjacent; rows outside the order and repeats are ignored. The moved rows keep
// their relative order, and each move returns their new positions in ascending
// order (empty when no row was valid), so the caller can keep them selected.

// Gathers the rows into one block whose first row lands at `position` (bounded
// so the block fits): "Move To…", to the top (0) and to the bottom (the count).
std::vector<int> MoveRowsTo(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, int position);

// Moves every row `step` places (negative is up), keeping the gaps between
// them. At an end the step shortens to the room left, so a block at the top
// stays where it is.
std::vector<int> MoveRowsBy(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, int step);

// Where a block dragged from `rows` lands when dropped on `dropRow` (a row
// counted before the move; -1 or past the end means below the last row):
// immediately before the row dropped on, or last. For one row this is the
// favourite list's drop rule.
int BlockDropPosition(int count, std::span<const int> rows, int dropRow);

}  // namespace dbops
