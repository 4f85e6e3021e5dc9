// The rows a channel list shows, read from tables whose links may point anywhere.
#include <gtest/gtest.h>

#include "db/operations/ChannelRows.h"
#include "support/DbBuilders.h"

using namespace testkit;

namespace {

// TV list: Kino (locked, groups 0 and 2), a row naming slot 4001, a program on a
// transponder past its table, and one on a transponder whose satellite is past its table.
std::unique_ptr<ChannelDatabase> Db() {
  auto db = EmptyDb();
  PutSatellite(*db, 3, "Astra 19.2E");
  PutTransponder(*db, 7, 3, 11494, 22000, TransponderRecord::kHorizontal);
  PutTransponder(*db, 8, 500, 12188);
  PutProgram(*db, 10, "Kino", 7).SetLocked(true);
  db->programs[10].SetServiceId(28006);
  PutProgram(*db, 11, "Lost", 5000);
  PutProgram(*db, 12, "Adrift", 8);
  PutList(db->channelLists.tvList, {10, 4001, 11, 12});
  PutGroup(*db, 0, "Movies", {10, 12, 4500});
  PutGroup(*db, 2, "Kids", {10});
  PutGroup(*db, 5, "Gone", {10}).SetState(SlotState::Deleted);
  return db;
}

TEST(ChannelRows, EachColumnOrItsBlankWhenALinkLeavesItsTable) {
  auto db = Db();
  const auto rows = channelrows::Rows(*db, dbops::ChannelOrder::List(0));
  ASSERT_EQ(rows.size(), 4u);
  struct Expect {
    int number, program;
    std::u32string name;
    int satellite;
    std::u32string satelliteName;
    int frequency;
    bool horizontal;
    int serviceId;
    bool locked;
    int groups;
    const char* frequencyText;
  } const expected[] = {
      {1, 10, U"Kino", 3, U"Astra 19.2E", 11494, true, 28006, true, 0b101, "11494 H"},
      {2, -1, U"", -1, U"", -1, false, -1, false, 0, ""},
      {3, 11, U"Lost", -1, U"", -1, false, 0, false, 0, ""},
      {4, 12, U"Adrift", -1, U"", 12188, false, 0, false, 0b1, "12188 V"},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& r = rows[i];
    const auto& e = expected[i];
    EXPECT_EQ(r.number, e.number);
    EXPECT_EQ(r.program, e.program);
    EXPECT_EQ(r.name, e.name);
    EXPECT_EQ(r.satellite, e.satellite);
    EXPECT_EQ(r.satelliteName, e.satelliteName);
    EXPECT_EQ(r.frequency, e.frequency);
    EXPECT_EQ(r.horizontal, e.horizontal);
    EXPECT_EQ(r.serviceId, e.serviceId);
    EXPECT_EQ(r.locked, e.locked);
    EXPECT_EQ(r.groups, e.groups);
    EXPECT_EQ(channelrows::FrequencyText(r), e.frequencyText);
  }
}

TEST(ChannelRows, NamesOutsideTheirTablesAreEmpty) {
  auto db = Db();
  PutSatellite(*db, 0, "Hot\xE9l");  // a Windows-1252 byte reads as its character
  EXPECT_EQ(channelrows::SatelliteName(*db, 0), U"Hot\u00E9l");
  EXPECT_EQ(channelrows::GroupName(*db, 2), U"Kids");
  for (int outside : {-1, 160, 70000}) EXPECT_TRUE(channelrows::SatelliteName(*db, outside).empty());
  for (int outside : {-1, 8}) EXPECT_TRUE(channelrows::GroupName(*db, outside).empty());
  for (int outside : {-1, 4000}) EXPECT_TRUE(channelrows::ProgramName(*db, outside).empty());
}

TEST(ChannelRows, UsedSlotsAndTheirChecks) {
  auto db = Db();
  PutSatellite(*db, 159, "Last");
  PutSatellite(*db, 4, "Gone").SetState(SlotState::Deleted);
  PutGroup(*db, 7, "Last");
  EXPECT_EQ(channelrows::UsedGroups(*db), (std::vector<int>{0, 2, 7}));
  EXPECT_EQ(channelrows::UsedSatellites(*db), (std::vector<int>{3, 159}));
  struct Case {
    int slot;
    bool program, satellite;
  } const cases[] = {{-1, false, false}, {3, false, true},   {4, false, false},  {10, true, false},
                     {13, false, false}, {159, false, true}, {160, false, false}, {4000, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(channelrows::ProgramUsed(*db, c.slot), c.program);
    EXPECT_EQ(channelrows::SatelliteUsed(*db, c.slot), c.satellite);
  }
  EXPECT_TRUE(channelrows::UsedGroups(*EmptyDb()).empty());
}

TEST(ChannelRows, AGroupIsAnOrderToo) {
  auto db = Db();
  const auto rows = channelrows::Rows(*db, dbops::ChannelOrder::Group(0));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].name, U"Adrift");
  EXPECT_EQ(rows[2].program, -1);
  EXPECT_TRUE(channelrows::Rows(*db, dbops::ChannelOrder::Group(5)).empty());
}

}  // namespace
