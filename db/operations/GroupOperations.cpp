#include "db/operations/GroupOperations.h"

#include "db/operations/DatabaseOperations.h"
#include "db/operations/OperationTexts.h"

namespace dbops {
namespace {

constexpr int kGroups = static_cast<int>(ChannelListBlock::kGroupCount);

FavoriteGroupRecord* Group(ChannelDatabase& db, int group) {
  if (group < 0 || group >= kGroups) return nullptr;
  return &db.channelLists.favoriteGroups[static_cast<std::size_t>(group)];
}

}  // namespace

Result AddGroupMember(ChannelDatabase& db, int group, int program) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec) return Result::Failure({}, ResultCode::GroupFull);
  // A loaded count above the record's 100 members counts as full.
  const std::uint32_t n = rec->MemberCount();
  if (n >= FavoriteGroupRecord::kMaxMembers) return Result::Failure({}, ResultCode::GroupFull);
  for (std::size_t i = 0; i < n; ++i)
    if (rec->Member(i) == program) return Result::Failure({}, ResultCode::AlreadyMember);
  rec->SetMember(n, static_cast<std::uint16_t>(program));
  rec->SetMemberCount(n + 1);
  return Result::Success();
}

AddMembersResult AddGroupMembers(ChannelDatabase& db, int group, std::span<const int> programs) {
  AddMembersResult r;
  for (int program : programs) {
    const Result added = AddGroupMember(db, group, program);
    if (added)
      ++r.added;
    else if (added.Is(ResultCode::AlreadyMember))
      ++r.alreadyMembers;
    else
      ++r.notAdded;
  }
  return r;
}

int RemoveGroupMembers(ChannelDatabase& db, int group, std::span<const int> programs) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec) return 0;
  int removed = 0;
  for (int program : programs) {
    const std::uint32_t before = rec->MemberCount();
    RemoveGroupMember(db, group, program);
    removed += rec->MemberCount() != before ? 1 : 0;
  }
  return removed;
}

Result RenameFavoriteGroup(ChannelDatabase& db, int group, std::string_view name) {
  FavoriteGroupRecord* rec = Group(db, group);
  if (!rec) return Result::Failure({}, ResultCode::NoGroup);
  for (int g = 0; g < kGroups; ++g) {
    const FavoriteGroupRecord& other = db.channelLists.favoriteGroups[static_cast<std::size_t>(g)];
    if (g != group && other.IsUsed() && other.NameIs(name))
      return Result::Failure(OperationTexts::kNameExists, ResultCode::NameExists);
  }
  rec->SetName(name);
  return Result::Success();
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
