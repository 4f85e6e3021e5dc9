// The comparison on known pairs: each kind of change, a reorder shown as moves, and the
// same content giving nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/OrderDiff.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

using orderdiff::Entry;
using orderdiff::Step;

std::unique_ptr<ChannelDatabase> Base() {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Meridian 19.2E");
  testkit::PutSatellite(*db, 1, "Boreal 13.0E");
  testkit::PutTransponder(*db, 0, 0, 11836, 27500, 1);
  for (int i = 0; i < 6; ++i) testkit::PutProgram(*db, i, "P" + std::to_string(i)).SetServiceId(std::uint16_t(i));
  testkit::PutList(db->channelLists.tvList, {0, 1, 2, 3, 4});
  testkit::PutList(db->channelLists.radioList, {5});
  testkit::PutGroup(*db, 0, "Favourites", {0, 2, 4});
  return db;
}

std::vector<std::string> Lines(const ChannelDatabase& a, const ChannelDatabase& b,
                               const ImageHeader& ha = sample::MakeHeader(3), const ImageHeader& hb = sample::MakeHeader(3)) {
  const dbdiff::Result r =
      dbdiff::Compare(dbdiff::Side::FromDatabase(ha, a, 0u), dbdiff::Side::FromDatabase(hb, b, 0u));
  std::vector<std::string> out;
  for (const auto& c : r.changes) out.push_back(dbdiff::Describe(c));
  return out;
}

using Lines_ = std::vector<std::string>;

TEST(DatabaseDiff, SameContentGivesNothing) {
  const auto a = Base();
  EXPECT_TRUE(Lines(*a, *Base()).empty());
}

TEST(DatabaseDiff, RecordsAddedRemovedAndChangedByField) {
  const auto a = Base();
  auto b = Base();
  testkit::PutSatellite(*b, 2, "Orbis 28.2E");
  b->satellites[1].SetState(SlotState::Deleted);
  b->satellites[0].SetLnbFreqLow(9700);
  b->transponders[0].SetFrequency(11837);
  b->programs[3].SetName("Renamed");
  b->programs[3].SetLocked(true);
  EXPECT_EQ(Lines(*a, *b), (Lines_{
                               "satellites 0 \"Meridian 19.2E\": lnbFreqLow 9750 -> 9700",
                               "satellites 1 \"Boreal 13.0E\": removed",
                               "satellites 2 \"Orbis 28.2E\": added",
                               "transponders 0 \"11837 Hor\": frequency 11836 -> 11837",
                               "programs 3 \"Renamed\": name \"P3\" -> \"Renamed\"",
                               "programs 3 \"Renamed\": locked 0 -> 1",
                           }));
}

TEST(DatabaseDiff, AReorderIsMovesNotShifts) {
  const auto a = Base();
  auto b = Base();
  testkit::PutList(b->channelLists.tvList, {4, 0, 1, 2, 3});  // the last channel to the top
  EXPECT_EQ(Lines(*a, *b), (Lines_{"tvList: program 4 \"P4\" moved from 5 to 1"}));
  testkit::PutList(b->channelLists.tvList, {0, 1, 9, 3, 4});  // 2 out, 9 in
  b->channelLists.tvList.SetEntry(5, 0);
  EXPECT_EQ(Lines(*a, *b), (Lines_{"tvList: program 2 \"P2\" removed from 3", "tvList: program 9 \"\" inserted at 3"}));
  testkit::PutList(b->channelLists.tvList, {0, 1, 2, 3, 4, 5});
  EXPECT_EQ(Lines(*a, *b), (Lines_{"tvList: program 5 \"P5\" inserted at 6"}));
}

TEST(DatabaseDiff, GroupsAndHeader) {
  const auto a = Base();
  auto b = Base();
  testkit::PutGroup(*b, 0, "Favourites", {2, 0, 5});
  testkit::PutGroup(*b, 1, "News", {1});
  ImageHeader hb = sample::MakeHeader(3);
  hb.SetVersionTag("V2.0");
  EXPECT_EQ(Lines(*a, *b, sample::MakeHeader(3), hb),
            (Lines_{
                "header: versionTag \"\" -> \"V2.0\"",
                "favoriteGroups 0 \"Favourites\": program 4 \"P4\" removed from 3",
                "favoriteGroups 0 \"Favourites\": program 2 \"P2\" moved from 2 to 1",
                "favoriteGroups 0 \"Favourites\": program 5 \"P5\" inserted at 3",
                "favoriteGroups 1 \"News\": added",
                "favoriteGroups 1 \"News\": program 1 \"P1\" inserted at 1",
            }));
  testkit::PutGroup(*b, 1, "News", {1}).SetState(SlotState::Empty);
  b->channelLists.favoriteGroups[1].Clear();
  testkit::PutGroup(*b, 0, "Sport", {0, 2, 4});
  EXPECT_EQ(Lines(*a, *b), (Lines_{"favoriteGroups 0 \"Sport\": name \"Favourites\" -> \"Sport\""}));
}

// The program a line speaks of, which the window selects on a double-click: each kind of
// line once, against what Describe says of it.
TEST(DatabaseDiff, TheProgramALineSpeaksOf) {
  const auto a = Base();
  auto b = Base();
  b->satellites[0].SetLnbFreqLow(9700);                   // not a program
  b->programs[3].SetName("Renamed");                      // changed
  testkit::PutProgram(*b, 7, "New").SetServiceId(7);      // added
  b->programs[5].SetState(SlotState::Deleted);            // removed: no longer there
  testkit::PutList(b->channelLists.tvList, {4, 0, 1, 3, 7});  // moved, left, inserted
  testkit::PutGroup(*b, 1, "News", {1});                  // a group added, a member inserted
  const dbdiff::Result r = dbdiff::Compare(dbdiff::Side::FromDatabase(sample::MakeHeader(3), *a, 0u),
                                           dbdiff::Side::FromDatabase(sample::MakeHeader(3), *b, 0u));
  const struct {
    const char* line;
    int program;
  } expected[] = {
      {"satellites 0 \"Meridian 19.2E\": lnbFreqLow 9750 -> 9700", -1},
      {"programs 3 \"Renamed\": name \"P3\" -> \"Renamed\"", 3},
      {"programs 5 \"P5\": removed", -1},
      {"programs 7 \"New\": added", 7},
      {"tvList: program 2 \"P2\" removed from 3", 2},
      {"tvList: program 4 \"P4\" moved from 5 to 1", 4},
      {"tvList: program 7 \"New\" inserted at 5", 7},
      {"favoriteGroups 1 \"News\": added", -1},
      {"favoriteGroups 1 \"News\": program 1 \"P1\" inserted at 1", 1},
  };
  std::vector<std::pair<std::string, int>> got, want;
  for (const auto& c : r.changes) got.emplace_back(dbdiff::Describe(c), dbdiff::ProgramOf(c));
  for (const auto& e : expected) want.emplace_back(e.line, e.program);
  EXPECT_EQ(got, want);
}

TEST(DatabaseDiff, ImagesAlsoCompareWhatLiesBeyondTheDatabase) {
  const auto db = Base();
  std::vector<std::uint8_t> a(DatabaseImage::kImageSize), b(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(0).Bytes(), *db, nullptr, 0, a.data());
  b = a;
  b[420000] = 0x42;  // after the channel lists' checksum
  b[232] ^= 1;       // the system block's checksum word
  const dbdiff::Result r = dbdiff::Compare(dbdiff::Side::FromImage(a.data(), 0), dbdiff::Side::FromImage(b.data(), 0));
  std::vector<std::string> lines;
  for (const auto& c : r.changes) lines.push_back(dbdiff::Describe(c));
  EXPECT_EQ(lines, (Lines_{"image: staleChecksums [] -> [\"system\"]",
                           "image: otherBytes \"0 bytes in 0 runs\" -> \"1 bytes in 1 runs\""}));
  const auto j = dbdiff::ToJson(r.changes[0]);
  EXPECT_EQ(j["table"], "image");
  EXPECT_EQ(j["change"], "changed");
  EXPECT_EQ(j["field"], "staleChecksums");
}

TEST(DatabaseDiff, JsonForScripts) {
  const auto a = Base();
  auto b = Base();
  testkit::PutList(b->channelLists.tvList, {1, 0, 2, 3, 4});
  b->programs[2].SetServiceId(77);
  const dbdiff::Result r =
      dbdiff::Compare(dbdiff::Side::FromDatabase(sample::MakeHeader(3), *a, 0u),
                      dbdiff::Side::FromDatabase(sample::MakeHeader(3), *b, 0u));
  ASSERT_EQ(r.changes.size(), 2u);
  EXPECT_EQ(dbdiff::ToJson(r.changes[0]).dump(),
            R"({"table":"programs","slot":2,"change":"changed","name":"P2","field":"serviceId","old":2,"new":77})");
  EXPECT_EQ(dbdiff::ToJson(r.changes[1]).dump(),
            R"({"table":"tvList","slot":null,"change":"moved","program":1,"programName":"P1","from":1,"to":0})");
}

TEST(OrderDiff, FewestMoves) {
  EXPECT_TRUE(orderdiff::Compare({1, 2, 3}, {1, 2, 3}).empty());
  EXPECT_EQ(orderdiff::Compare({1, 2, 3, 4}, {2, 3, 4, 1}), (std::vector<Entry>{{Step::Moved, 1, 0, 3}}));
  EXPECT_EQ(orderdiff::Compare({1, 2, 3}, {3, 2, 1}).size(), 2u);
  EXPECT_EQ(orderdiff::Compare({1, 2, 3}, {1, 3}), (std::vector<Entry>{{Step::Removed, 2, 1, -1}}));
  EXPECT_EQ(orderdiff::Compare({}, {7, 8}), (std::vector<Entry>{{Step::Inserted, 7, -1, 0}, {Step::Inserted, 8, -1, 1}}));
  // A program listed twice: the second occurrence is the one that left.
  EXPECT_EQ(orderdiff::Compare({5, 6, 5}, {5, 6}), (std::vector<Entry>{{Step::Removed, 5, 2, -1}}));
}

TEST(OrderDiff, AFullListShuffledInBlocks) {
  std::vector<std::uint32_t> before(4000), after;
  for (std::size_t i = 0; i < before.size(); ++i) before[i] = std::uint32_t(i);
  // The last 100 to the front: 100 moves, not 4000 shifted positions.
  after.assign(before.end() - 100, before.end());
  after.insert(after.end(), before.begin(), before.end() - 100);
  const auto steps = orderdiff::Compare(before, after);
  EXPECT_EQ(steps.size(), 100u);
  for (const Entry& e : steps) EXPECT_EQ(e.step, Step::Moved);
}

}  // namespace
