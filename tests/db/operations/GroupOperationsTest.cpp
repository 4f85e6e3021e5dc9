// Favourite-group edits of the page: "-->" with its limits, "Rename" with its refusal,
// and the reordering a drop makes, also in groups whose count runs past the record.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/operations/GroupOperations.h"
#include "support/DbBuilders.h"

namespace {


class Groups : public ::testing::Test {
 protected:
  FavoriteGroupRecord& Put(int slot, const std::string& name, const std::vector<int>& members = {}) {
    return testkit::PutGroup(db, slot, name, members);
  }
  std::vector<int> Members(int slot) const {
    return testkit::Members(db.channelLists.favoriteGroups[std::size_t(slot)]);
  }
  std::unique_ptr<ChannelDatabase> owned = testkit::EmptyDb();
  ChannelDatabase& db = *owned;
};

TEST_F(Groups, AddMemberAppendsOnceAndStopsAtAHundred) {
  Put(0, "Fav", {9});
  Put(1, "Next", {1});
  EXPECT_EQ(dbops::AddGroupMember(db, 0, 4).code, ResultCode::None);
  EXPECT_EQ(Members(0), (std::vector<int>{9, 4}));
  EXPECT_EQ(dbops::AddGroupMember(db, 0, 9).code, ResultCode::AlreadyMember);
  EXPECT_EQ(Members(0).size(), 2u);

  for (int p = 20; p < 118; ++p) ASSERT_EQ(dbops::AddGroupMember(db, 0, p).code, ResultCode::None);
  EXPECT_EQ(db.channelLists.favoriteGroups[0].MemberCount(), 100u);
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::AddGroupMember(db, 0, 119).code, ResultCode::GroupFull);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0) << "the 101st is never stored, nor the next group touched";
}

TEST_F(Groups, AGroupClaimingMoreThanAHundredIsFullAndNoSlotOutsideTakesMembers) {
  Put(2, "Damaged", {1, 2}).SetMemberCount(300);
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::AddGroupMember(db, 2, 5).code, ResultCode::GroupFull);
  EXPECT_EQ(dbops::AddGroupMember(db, -1, 5).code, ResultCode::GroupFull);
  EXPECT_EQ(dbops::AddGroupMember(db, 8, 5).code, ResultCode::GroupFull);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
}

TEST_F(Groups, AddingSeveralCountsMembersAndStopsWhenFull) {
  Put(0, "Fav", {3, 4});
  const std::vector<int> picked{4, 7, 7, 3, 8};
  const dbops::AddMembersResult r = dbops::AddGroupMembers(db, 0, picked);
  EXPECT_EQ(r.added, 2);
  EXPECT_EQ(r.alreadyMembers, 3) << "two members before and one given twice";
  EXPECT_EQ(r.notAdded, 0);
  EXPECT_EQ(Members(0), (std::vector<int>{3, 4, 7, 8}));

  std::vector<int> many;
  for (int p = 100; p < 200; ++p) many.push_back(p);
  const dbops::AddMembersResult full = dbops::AddGroupMembers(db, 0, many);
  EXPECT_EQ(full.added, 96);
  EXPECT_EQ(full.notAdded, 4);
  EXPECT_EQ(Members(0).back(), 195);
  EXPECT_EQ(dbops::AddGroupMembers(db, 9, many).notAdded, 100) << "no such group";
}

TEST_F(Groups, RemovingSeveralCountsOnlyMembersThatLeft) {
  Put(1, "Fav", {5, 6, 7, 6});
  const std::vector<int> picked{6, 9, 5};
  EXPECT_EQ(dbops::RemoveGroupMembers(db, 1, picked), 2);
  EXPECT_EQ(Members(1), (std::vector<int>{6, 7})) << "the last occurrence leaves, as with one";
  EXPECT_EQ(dbops::RemoveGroupMembers(db, 8, picked), 0);
}

TEST_F(Groups, RenameRefusesAnotherUsedGroupsNameCaseSensitively) {
  Put(0, "News");
  Put(3, "Sport", {1, 2});
  FavoriteGroupRecord& gone = Put(5, "Gone");
  gone.SetState(SlotState::Deleted);
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 3, "News").code, ResultCode::NameExists);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);

  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 3, "NEWS").code, ResultCode::None);
  EXPECT_EQ(db.channelLists.favoriteGroups[3].Name(), "NEWS");
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 3, "NEWS").code, ResultCode::None) << "its own name again";
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 3, "Gone").code, ResultCode::None) << "only Used groups count";

  // Sixteen characters fill the field without a terminator; the members stay intact.
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 3, "ABCDEFGHIJKLMNOPQ").code, ResultCode::None);
  EXPECT_EQ(std::memcmp(db.channelLists.favoriteGroups[3].NameField(), "ABCDEFGHIJKLMNOP", 16), 0);
  EXPECT_EQ(Members(3), (std::vector<int>{1, 2}));
  // Compared as stored: a longer name equal in its first sixteen bytes is taken.
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 0, "ABCDEFGHIJKLMNOPXYZ").code, ResultCode::NameExists);

  EXPECT_EQ(dbops::RenameFavoriteGroup(db, 8, "X").code, ResultCode::NoGroup);
  EXPECT_EQ(dbops::RenameFavoriteGroup(db, -1, "X").code, ResultCode::NoGroup);
}

TEST_F(Groups, ADropPlacesTheMemberBeforeTheRowDroppedOn) {
  auto order = [this] {
    std::string out;
    for (int m : Members(2)) out += char('A' + m - 10);
    return out;
  };
  struct Case {
    int drag, drop, to;
    const char* order;
  } cases[] = {
      {0, 2, 1, "BACD"},   // A onto C
      {3, 1, 1, "ADBC"},   // D onto B
      {0, -1, 3, "BCDA"},  // A below the last row
      {1, 1, 1, "ABCD"},   // onto itself
      {1, 2, 1, "ABCD"},   // onto the row just below
      {2, 9, 3, "ABDC"},   // a row past the last counts as below it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.drag) + " onto " + std::to_string(c.drop));
    FavoriteGroupRecord& g = Put(2, "Order", {10, 11, 12, 13});
    g.SetMember(4, 77);  // beyond the count: not a member, not moved
    EXPECT_EQ(dbops::MoveGroupMember(db, 2, c.drag, c.drop), c.to);
    EXPECT_EQ(order(), c.order);
    EXPECT_EQ(g.MemberCount(), 4u);
    EXPECT_EQ(g.Member(4), 77);
  }
}

TEST_F(Groups, AMoveStaysInsideTheRecordAndNeedsAUsedGroup) {
  std::vector<int> hundred;
  for (int p = 0; p < 100; ++p) hundred.push_back(p);
  Put(1, "Big", hundred).SetMemberCount(300);
  Put(2, "After", {5});
  EXPECT_EQ(dbops::MoveGroupMember(db, 1, 0, -1), 99) << "the last of the members the record holds";
  EXPECT_EQ(Members(1).back(), 0);
  EXPECT_EQ(Members(2), std::vector<int>{5});

  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::MoveGroupMember(db, 1, 100, 0), -1);
  EXPECT_EQ(dbops::MoveGroupMember(db, 1, -1, 0), -1);
  EXPECT_EQ(dbops::MoveGroupMember(db, 4, 0, 1), -1) << "an Empty group has no members";
  EXPECT_EQ(dbops::MoveGroupMember(db, 8, 0, 1), -1);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
}

}  // namespace
