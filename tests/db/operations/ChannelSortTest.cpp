// The four sorts of a channel order: natural, case-insensitive names, satellite
// and frequency, service id, reverse; each stable, and safe on damaged links.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/operations/ChannelSort.h"
#include "support/DbBuilders.h"

namespace {

using dbops::ChannelOrder;
using dbops::SortKey;
using V = std::vector<int>;

TEST(NaturalNames, NumbersByValueLettersWithoutCase) {
  const auto less = [](const char* a, const char* b) { return dbops::CompareNamesNaturally(a, b) < 0; };
  EXPECT_TRUE(less("Kino 2", "Kino 10"));
  EXPECT_FALSE(less("Kino 10", "Kino 2"));
  EXPECT_TRUE(less("kino 9", "KINO 10"));
  EXPECT_EQ(dbops::CompareNamesNaturally("ARD", "ard"), 0);
  EXPECT_EQ(dbops::CompareNamesNaturally("Sat 007", "sat 7"), 0) << "leading zeros do not count";
  EXPECT_TRUE(less("Kino", "Kino 1"));
  EXPECT_TRUE(less("3sat", "ARD")) << "digits before letters, as in the code page";
  EXPECT_TRUE(less("Channel 99999999999999999999", "Channel 100000000000000000000")) << "runs longer than any integer";
  EXPECT_EQ(dbops::CompareNamesNaturally("\xC4rzte", "\xE4RZTE"), 0) << "accented capitals fold too";
  EXPECT_TRUE(less("Zebra", "\xC4rzte")) << "accented letters after plain ones, by code";
}

class Sort : public ::testing::Test {
 protected:
  void SetUp() override {
    testkit::PutSatellite(db, 0, "East");
    testkit::PutSatellite(db, 5, "West");
    testkit::PutTransponder(db, 0, 5, 11000);
    testkit::PutTransponder(db, 1, 0, 12000, 27500, 1);
    testkit::PutTransponder(db, 2, 0, 11500);
    testkit::PutTransponder(db, 3, 0, 12000, 27500, 0);
    Put(1, "Kino 10", 0, 7);
    Put(2, "kino 2", 1, 3);
    Put(3, "ARD", 2, 7);
    Put(4, "Kino 2", 3, 1);
    Put(5, "ard", 1, 3);
    Put(6, "Broken", 900 + 2100, 2);  // transponder past the table
    testkit::PutList(db.channelLists.tvList, {1, 2, 3, 4, 5, 6});
  }
  void Put(int slot, const std::string& name, int tp, std::uint16_t sid) {
    testkit::PutProgram(db, slot, name, tp).SetServiceId(sid);
  }
  V SortedTv(SortKey key) {
    EXPECT_TRUE(dbops::SortOrder(db, ChannelOrder::List(0), key));
    return testkit::Entries(db.channelLists.tvList);
  }
  std::unique_ptr<ChannelDatabase> owned = testkit::EmptyDb();
  ChannelDatabase& db = *owned;
};

TEST_F(Sort, ByNameIsNaturalCaseInsensitiveAndStable) {
  EXPECT_EQ(SortedTv(SortKey::Name), (V{3, 5, 6, 2, 4, 1}));
  // Equal names keep the order the user left them in.
  testkit::PutList(db.channelLists.tvList, {5, 4, 3, 2});
  EXPECT_EQ(SortedTv(SortKey::Name), (V{5, 3, 4, 2}));
}

TEST_F(Sort, BySatelliteAndFrequencyThenPolarizationDamagedLinksLast) {
  // sat 0: 11500 (3), 12000 V (4), 12000 H (2, 5 stable); sat 5: 11000 (1);
  // broken (6)
  EXPECT_EQ(SortedTv(SortKey::SatelliteAndFrequency), (V{3, 4, 2, 5, 1, 6}));
}

TEST_F(Sort, ByServiceIdIsStableAndReverseTurnsTheOrderAround) {
  EXPECT_EQ(SortedTv(SortKey::ServiceId), (V{4, 6, 2, 5, 1, 3}));
  EXPECT_EQ(SortedTv(SortKey::Reverse), (V{3, 1, 5, 2, 6, 4}));
  EXPECT_EQ(SortedTv(SortKey::Reverse), (V{4, 6, 2, 5, 1, 3}));
}

TEST_F(Sort, GroupsSortAndSlotsPastTheTableGoLastWithNothingElseTouched) {
  testkit::PutGroup(db, 1, "Fav", {4, 4000, 3, 65535, 1});
  testkit::PutList(db.channelLists.radioList, {5, 2});
  const auto before = std::make_unique<ChannelDatabase>(db);
  for (SortKey key : {SortKey::Name, SortKey::SatelliteAndFrequency, SortKey::ServiceId}) {
    ASSERT_TRUE(dbops::SortOrder(db, ChannelOrder::Group(1), key));
    const V m = testkit::Members(db.channelLists.favoriteGroups[1]);
    EXPECT_EQ((V{m[3], m[4]}), (V{4000, 65535})) << int(key);
  }
  EXPECT_EQ(testkit::Members(db.channelLists.favoriteGroups[1]), (V{4, 3, 1, 4000, 65535}));
  ASSERT_TRUE(dbops::SortOrder(db, ChannelOrder::List(1), SortKey::Name));
  EXPECT_EQ(testkit::Entries(db.channelLists.radioList), (V{5, 2}));
  EXPECT_EQ(std::memcmp(&db.channelLists.tvList, &before->channelLists.tvList, sizeof db.channelLists.tvList), 0);
  EXPECT_EQ(std::memcmp(&db.programs, &before->programs, sizeof db.programs), 0);

  EXPECT_FALSE(dbops::SortOrder(db, ChannelOrder::Group(6), SortKey::Reverse)) << "an Empty group";
  EXPECT_FALSE(dbops::SortOrder(db, ChannelOrder::List(7), SortKey::Reverse));
  testkit::PutList(db.channelLists.tvList, {});
  EXPECT_TRUE(dbops::SortOrder(db, ChannelOrder::List(0), SortKey::Name)) << "an empty list sorts to itself";
}

}  // namespace
