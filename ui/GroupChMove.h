#pragma once
// Where a dragged favourite lands. The receiver shows a group's members in stored
// order, so a drop moves one entry and shifts the ones in between, keeping the count.

namespace groupch {

// The position the entry at `dragRow` takes when dropped on `dropRow` (a row counted
// before the move; -1 means below the last row): immediately before the entry it was
// dropped on, or last. Equal rows, and the row just below, leave it where it is.
constexpr int DropPosition(int count, int dragRow, int dropRow) {
  if (dropRow < 0 || dropRow > count) return count - 1;
  if (dropRow > dragRow) return dropRow - 1;
  return dropRow;
}

// Moves entry `dragRow` of entries[0..count) to DropPosition and returns that position;
// -1 (nothing moved) when `dragRow` is not one of the entries.
template <typename Get, typename Set>
int MoveEntry(int count, int dragRow, int dropRow, Get get, Set set) {
  if (dragRow < 0 || dragRow >= count) return -1;
  const int to = DropPosition(count, dragRow, dropRow);
  const auto moved = get(dragRow);
  if (to > dragRow) {
    for (int i = dragRow; i < to; ++i) set(i, get(i + 1));
  } else {
    for (int i = dragRow; i > to; --i) set(i, get(i - 1));
  }
  set(to, moved);
  return to;
}

}  // namespace groupch
