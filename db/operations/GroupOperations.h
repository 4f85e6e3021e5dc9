#pragma once
// Favourite-group edits of the "Group/Channel" page beside the ones in
// DatabaseOperations.h: renaming, adding a member with "-->", reordering by a drop.
#include <span>
#include <string_view>

#include "db/records/ChannelDatabase.h"
#include "db/records/Result.h"

namespace dbops {

// Appends a program at the end of a group. Refused, changing nothing, when the group
// lists it already (AlreadyMember) or holds 100 members or is not a slot 0-7 (GroupFull);
// the window says nothing of either, so these carry no message.
Result AddGroupMember(ChannelDatabase& db, int group, int program);

// What "-->" did with several programs, each counted once in one of the three.
struct AddMembersResult {
  int added = 0;
  int alreadyMembers = 0;  // members before, or given twice
  int notAdded = 0;        // left out because the group became full (or does not exist)
};

// AddGroupMember for each program in the order given.
AddMembersResult AddGroupMembers(ChannelDatabase& db, int group, std::span<const int> programs);

// "<--" on several selected members: RemoveGroupMember for each; returns how many left.
int RemoveGroupMembers(ChannelDatabase& db, int group, std::span<const int> programs);

// Gives a group a new name; names are compared as stored, so letter case counts. Done
// also when it gives the group its own name again; refused, changing nothing, when
// another Used group has the name (NameExists, "Name exists") or for a slot outside 0-7
// (NoGroup).
Result RenameFavoriteGroup(ChannelDatabase& db, int group, std::string_view name);

// Where a dragged member lands. The receiver shows a group's members in stored order,
// so a drop moves one entry and shifts the ones in between, keeping the count.
//
// The position the entry at `dragRow` takes when dropped on `dropRow` (a row counted
// before the move; -1 means below the last row): immediately before the entry it was
// dropped on, or last. Equal rows, and the row just below, leave it where it is.
constexpr int DropPosition(int count, int dragRow, int dropRow) {
  if (dropRow < 0 || dropRow > count) return count - 1;
  if (dropRow > dragRow) return dropRow - 1;
  return dropRow;
}

// Moves entry `dragRow` of entries[0..count) to DropPosition and returns that position;
// -1 (nothing moved) when `dragRow` is not one of the entries. The page moves its row
// map with the same rule as the record's members.
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

// Moves member `dragRow` of a Used group to where a drop on `dropRow` puts it; returns
// its new position, or -1 when nothing moved (no such member, no such group).
int MoveGroupMember(ChannelDatabase& db, int group, int dragRow, int dropRow);

}  // namespace dbops
