#include "db/GroupOperations.h"

namespace dbops {
namespace {

constexpr int kGroups = static_cast<int>(ChannelListBlock::kGroupCount);

FavoriteGroupRecord* Group(ChannelDatabase& db, int group) {
  if (group < 0 || group >= kGroups) return nullptr;
  return &db.channelLists.favoriteGroups[static_cast<std::size_t>(group)];
}

}  // namespace

AddMemberResult AddGroupMember(ChannelDatabase& db, int group, int program) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec) return AddMemberResult::GroupFull;
  // A loaded count above the record's 100 members counts as full.
  const std::uint32_t n = rec->MemberCount();
  if (n >= FavoriteGroupRecord::kMaxMembers) return AddMemberResult::GroupFull;
  for (std::size_t i = 0; i < n; ++i)
    if (rec->Member(i) == program) return AddMemberResult::AlreadyMember;
  rec->SetMember(n, static_cast<std::uint16_t>(program));
  rec->SetMemberCount(n + 1);
  return AddMemberResult::Added;
}

RenameGroupResult RenameFavoriteGroup(ChannelDatabase& db, int group, std::string_view name) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec) return RenameGroupResult::NoGroup;
  for (int g = 0; g < kGroups; ++g) {
    const FavoriteGroupRecord& other = db.channelLists.favoriteGroups[static_cast<std::size_t>(g)];
    if (g != group && other.IsUsed() && other.NameIs(name)) return RenameGroupResult::NameExists;
  }
  rec->SetName(name);
  return RenameGroupResult::Renamed;
}

int MoveGroupMember(ChannelDatabase& db, int group, int dragRow, int dropRow) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec || !rec->IsUsed()) return -1;
  return MoveEntry(
      static_cast<int>(rec->ValidMemberCount()), dragRow, dropRow,
      [rec](int i) { return rec->Member(static_cast<std::size_t>(i)); },
      [rec](int i, std::uint16_t v) { rec->SetMember(static_cast<std::size_t>(i), v); });
}

}  // namespace dbops
