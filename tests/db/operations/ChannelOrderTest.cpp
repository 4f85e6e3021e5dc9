// Rearranging the TV list, the radio list and favourite groups: blocks that are
// not adjacent, the ends, the drop rule, and orders that do not exist or claim
// too much.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "db/operations/ChannelOrder.h"
#include "support/DbBuilders.h"

namespace {

using dbops::ChannelOrder;
using V = std::vector<int>;

class Order : public ::testing::Test {
 protected:
  void SetUp() override {
    testkit::PutList(db.channelLists.tvList, {10, 11, 12, 13, 14, 15, 16});
    testkit::PutList(db.channelLists.radioList, {20, 21, 22});
    testkit::PutGroup(db, 2, "Fav", {30, 31, 32, 33});
  }
  V Tv() const { return testkit::Entries(db.channelLists.tvList); }
  V Group2() const { return testkit::Members(db.channelLists.favoriteGroups[2]); }
  std::unique_ptr<ChannelDatabase> owned = testkit::EmptyDb();
  ChannelDatabase& db = *owned;
  const ChannelOrder tv = ChannelOrder::List(0);
};

TEST_F(Order, MoveToGathersABlockInItsOrderAndBoundsThePosition) {
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{5, 1, 3}, 0), (V{0, 1, 2}));
  EXPECT_EQ(Tv(), (V{11, 13, 15, 10, 12, 14, 16}));
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{0, 1}, 99), (V{5, 6}));
  EXPECT_EQ(Tv(), (V{15, 10, 12, 14, 16, 11, 13}));
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{6}, 2), (V{2}));
  EXPECT_EQ(Tv(), (V{15, 10, 13, 12, 14, 16, 11}));
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{6, 6, -1, 7}, -5), (V{0})) << "repeats and rows outside are ignored";
  EXPECT_EQ(Tv(), (V{11, 15, 10, 13, 12, 14, 16}));
}

TEST_F(Order, MoveByKeepsTheGapsAndStopsTheWholeBlockAtAnEnd) {
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{2, 4}, -1), (V{1, 3}));
  EXPECT_EQ(Tv(), (V{10, 12, 11, 14, 13, 15, 16}));
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{1, 3}, -1), (V{0, 2}));
  const V atTop = Tv();
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{0, 2}, -1), (V{0, 2})) << "the block keeps its shape at the top";
  EXPECT_EQ(Tv(), atTop);
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{0, 2}, 10), (V{4, 6})) << "a long step shortens to the room left";
  EXPECT_EQ(Tv(), (V{10, 11, 13, 15, 12, 16, 14}));
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{4, 6}, 1), (V{4, 6}));
  EXPECT_EQ(dbops::MoveRowsBy(db, tv, V{3}, 1), (V{4}));
  EXPECT_EQ(Tv(), (V{10, 11, 13, 12, 15, 16, 14}));
}

TEST_F(Order, TheDropRuleOfOneRowExtendsToBlocks) {
  // One row: before the row dropped on; on itself or the row below, it stays.
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, 1), 1);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, 3), 3);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, 4), 3);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, 6), 5);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, -1), 6);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{3}, 7), 6);
  // A block lands before the row dropped on, counting only rows that stay.
  EXPECT_EQ(dbops::BlockDropPosition(7, V{1, 4}, 5), 3);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{1, 4}, 4), 3);
  EXPECT_EQ(dbops::BlockDropPosition(7, V{1, 4}, -1), 5);
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{1, 4}, dbops::BlockDropPosition(7, V{1, 4}, 6)), (V{4, 5}));
  EXPECT_EQ(Tv(), (V{10, 12, 13, 15, 11, 14, 16}));
}

TEST_F(Order, GroupsAndTheRadioListMoveTheSameAndNothingElseChanges) {
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::MoveRowsTo(db, ChannelOrder::Group(2), V{3}, 0), (V{0}));
  EXPECT_EQ(Group2(), (V{33, 30, 31, 32}));
  EXPECT_EQ(dbops::MoveRowsBy(db, ChannelOrder::List(1), V{0}, 1), (V{1}));
  EXPECT_EQ(testkit::Entries(db.channelLists.radioList), (V{21, 20, 22}));
  EXPECT_EQ(Tv(), testkit::Entries(before->channelLists.tvList));
  EXPECT_EQ(std::memcmp(&db.programs, &before->programs, sizeof db.programs), 0);
  EXPECT_EQ(db.channelLists.favoriteGroups[2].MemberCount(), 4u);
}

TEST_F(Order, AnOrderThatDoesNotExistOrRunsPastItsRecordIsSafe) {
  testkit::PutGroup(db, 4, "Gone", {1, 2}).SetState(SlotState::Deleted);
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_TRUE(dbops::MoveRowsTo(db, ChannelOrder::Group(4), V{1}, 0).empty());
  EXPECT_TRUE(dbops::MoveRowsTo(db, ChannelOrder::Group(5), V{0}, 0).empty()) << "an Empty slot";
  EXPECT_TRUE(dbops::MoveRowsTo(db, ChannelOrder::Group(8), V{0}, 0).empty());
  EXPECT_TRUE(dbops::MoveRowsBy(db, ChannelOrder::List(2), V{0}, 1).empty());
  EXPECT_TRUE(dbops::MoveRowsTo(db, tv, V{}, 0).empty());
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);

  // Counts claiming more than the record holds: only the entries that exist
  // move.
  db.channelLists.favoriteGroups[2].SetMemberCount(500);
  db.channelLists.tvList.SetCount(65535);
  EXPECT_EQ(dbops::MoveRowsTo(db, ChannelOrder::Group(2), V{99}, 0), (V{0}));
  EXPECT_EQ(db.channelLists.favoriteGroups[2].Member(1), 30);
  EXPECT_EQ(db.channelLists.favoriteGroups[2].MemberCount(), 500u);
  EXPECT_EQ(dbops::MoveRowsTo(db, tv, V{3999}, 0), (V{0}));
  EXPECT_EQ(db.channelLists.tvList.Entry(1), 10);
  EXPECT_EQ(db.channelLists.tvList.Count(), 65535);
}

}  // namespace
