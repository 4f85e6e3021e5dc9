// Recording an edit as changed byte ranges, and putting either side back.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "db/document/ChangeSet.h"
#include "db/document/EditRecorder.h"
#include "db/document/StepSubject.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"

namespace {

using Kind = StepSubject::Kind;

std::unique_ptr<ChannelDatabase> Full(std::uint32_t seed = 3) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db, seed);
  return db;
}

bool Same(const ChannelDatabase& a, const ChannelDatabase& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(ChangeSet, NothingChangedGivesAnEmptySet) {
  const auto a = Full();
  const auto b = std::make_unique<ChannelDatabase>(*a);
  EXPECT_TRUE(ChangeSet::Between(*a, *b).Empty());
}

// Scattered changes of every length, at both ends, across page borders and close
// together: applying either side reproduces that state exactly, and the ranges are
// ordered, apart and hold nothing unchanged at their ends.
TEST(ChangeSet, EitherSideIsReproducedByteForByte) {
  std::mt19937 random(42);
  for (int trial = 0; trial < 40; ++trial) {
    const auto before = Full(std::uint32_t(trial));
    auto after = std::make_unique<ChannelDatabase>(*before);
    auto* bytes = reinterpret_cast<std::uint8_t*>(after.get());
    const int edits = 1 + int(random() % 30);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % sizeof(ChannelDatabase);
      const std::size_t n = std::min<std::size_t>(1 + random() % 40, sizeof(ChannelDatabase) - at);
      for (std::size_t i = 0; i < n; ++i) bytes[at + i] = std::uint8_t(random());
    }
    bytes[0] ^= 1;
    bytes[sizeof(ChannelDatabase) - 1] ^= 0x80;
    bytes[4095] ^= 1;
    bytes[4096] ^= 1;

    const ChangeSet changes = ChangeSet::Between(*before, *after);
    ASSERT_FALSE(changes.Empty());
    std::size_t lastEnd = 0;
    for (std::size_t i = 0; i < changes.Ranges().size(); ++i) {
      const auto& r = changes.Ranges()[i];
      if (i > 0) {
        EXPECT_GT(r.offset - lastEnd, ChangeSet::kMergeGap);
      }
      const auto* b = reinterpret_cast<const std::uint8_t*>(before.get());
      EXPECT_NE(b[r.offset], bytes[r.offset]);
      EXPECT_NE(b[r.offset + r.length - 1], bytes[r.offset + r.length - 1]);
      lastEnd = r.offset + r.length;
    }

    auto undone = std::make_unique<ChannelDatabase>(*after);
    changes.Apply(*undone, ChangeSide::Before);
    EXPECT_TRUE(Same(*undone, *before)) << "trial " << trial;
    changes.Apply(*undone, ChangeSide::After);
    EXPECT_TRUE(Same(*undone, *after)) << "trial " << trial;
  }
}

TEST(ChangeSet, OverlayWritesOnlyTheBytesItChanged) {
  std::uint8_t before[64] = {}, after[64] = {};
  after[10] = 1;
  after[12] = 2;
  after[40] = 3;
  const ChangeSet changes = ChangeSet::Between(before, after, sizeof before);
  ASSERT_EQ(changes.Ranges().size(), 2u);  // 10-12 merged, 40 apart
  std::uint8_t out[32];
  std::memset(out, 0xEE, sizeof out);
  changes.Overlay(9, 32, ChangeSide::After, before, out);  // 9..40
  EXPECT_EQ(out[0], 0xEE);
  EXPECT_EQ(out[1], 1);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], 2);
  EXPECT_EQ(out[4], 0xEE);
  EXPECT_EQ(out[31], 3);
  changes.Overlay(9, 32, ChangeSide::Before, after, out);
  EXPECT_EQ(out[1], 0);
  EXPECT_EQ(out[31], 0);
}

// Moving rows shifts every entry between the two places: such a step is kept as the
// turn of the changed range, a few bytes whatever its length, and still puts either
// state back byte for byte. The undo history of 10,000 such moves used to hold 16 KB
// each.
TEST(ChangeSet, AMoveIsKeptAsTheTurnOfItsRange) {
  const auto list = [](ChannelDatabase& db) -> ServiceList& { return db.channelLists.tvList; };
  auto before = testkit::EmptyDb();
  std::vector<int> entries;
  for (int i = 0; i < 4000; ++i) entries.push_back(i % 2 == 0 ? i : 0x0100 + ((i - 1) & 0xFF));  // neighbours share a low byte
  testkit::PutList(list(*before), entries);
  const struct {
    const char* what;
    std::vector<int> rows;
    int to;
  } moves[] = {
      {"first row to the end", {0}, 4000},
      {"last row to the top", {3999}, 0},
      {"a block of three down", {10, 11, 12}, 3000},
      {"one row one place", {7}, 9},
  };
  for (const auto& m : moves) {
    SCOPED_TRACE(m.what);
    auto after = std::make_unique<ChannelDatabase>(*before);
    dbops::MoveRowsTo(*after, dbops::ChannelOrder::List(0), m.rows, m.to);
    const ChangeSet changes = ChangeSet::Between(*before, *after);
    ASSERT_FALSE(changes.Empty());
    EXPECT_LT(changes.MemoryUsed(), 256u);
    auto state = std::make_unique<ChannelDatabase>(*after);
    changes.Apply(*state, ChangeSide::Before);
    EXPECT_TRUE(Same(*state, *before));
    changes.Apply(*state, ChangeSide::After);
    EXPECT_TRUE(Same(*state, *after));
    // What the other state held at any place, read from the state at hand.
    const std::size_t tv = reinterpret_cast<const std::uint8_t*>(&list(*after)) - reinterpret_cast<const std::uint8_t*>(after.get());
    std::vector<std::uint8_t> was(sizeof(ServiceList));
    std::memcpy(was.data(), &list(*after), was.size());
    changes.Overlay(tv, was.size(), ChangeSide::Before, reinterpret_cast<const std::uint8_t*>(after.get()), was.data());
    EXPECT_EQ(std::memcmp(was.data(), &list(*before), was.size()), 0);
  }
  // Not a turn: a swap of two rows far apart is kept as bytes, and small.
  auto swapped = std::make_unique<ChannelDatabase>(*before);
  list(*swapped).SetEntry(5, list(*before).Entry(3000));
  list(*swapped).SetEntry(3000, list(*before).Entry(5));
  const ChangeSet swap = ChangeSet::Between(*before, *swapped);
  EXPECT_LT(swap.MemoryUsed(), 256u);
  auto undone = std::make_unique<ChannelDatabase>(*swapped);
  swap.Apply(*undone, ChangeSide::Before);
  EXPECT_TRUE(Same(*undone, *before));
}

// The recorder's copy follows every take and every apply, so a change is recorded once
// and an undone state is where the next edit starts from.
TEST(EditRecorder, TakesEachChangeOnceAndFollowsUndoAndRedo) {
  auto working = Full();
  const auto opened = std::make_unique<ChannelDatabase>(*working);
  EditRecorder recorder;
  recorder.Reset(*working);
  EXPECT_TRUE(recorder.Take(*working).Empty());

  dbops::DeleteSatellite(*working, 7);
  const auto afterDelete = std::make_unique<ChannelDatabase>(*working);
  const ChangeSet deleted = recorder.Take(*working);
  ASSERT_FALSE(deleted.Empty());
  EXPECT_TRUE(recorder.Take(*working).Empty());

  recorder.Apply(*working, deleted, ChangeSide::Before);
  EXPECT_TRUE(Same(*working, *opened));
  EXPECT_TRUE(recorder.Take(*working).Empty());
  recorder.Apply(*working, deleted, ChangeSide::After);
  EXPECT_TRUE(Same(*working, *afterDelete));
  EXPECT_TRUE(recorder.Take(*working).Empty());

  // After a load the recorder counts from the new database.
  testdata::FillRandom(*working, 5);
  recorder.Reset(*working);
  EXPECT_TRUE(recorder.Take(*working).Empty());
}

TEST(StepSubject, TheRecordHighestInTheTreeIsTheSubject) {
  auto db = Full();
  EditRecorder recorder;
  recorder.Reset(*db);

  dbops::DeleteSatellite(*db, 12);  // the satellite and its transponders
  EXPECT_EQ(SubjectOf(recorder.Take(*db), ChangeSide::After, *db), (StepSubject{Kind::Satellite, 12, -1}));

  dbops::DeleteTransponder(*db, 300);
  EXPECT_EQ(SubjectOf(recorder.Take(*db), ChangeSide::Before, *db), (StepSubject{Kind::Transponder, 300, -1}));

  dbops::DeleteProgram(*db, 77);  // the program and its group memberships
  EXPECT_EQ(SubjectOf(recorder.Take(*db), ChangeSide::After, *db).kind, Kind::Program);

  dbops::RemoveFromServiceList(*db, ChannelListBlock::kRadioList, db->channelLists.radioList.Entry(5));
  const StepSubject removed = SubjectOf(recorder.Take(*db), ChangeSide::Before, *db);
  EXPECT_EQ(removed.kind, Kind::RadioList);
  EXPECT_EQ(removed.position, 5);

  dbops::DeleteFavoriteGroup(*db, 3);
  EXPECT_EQ(SubjectOf(recorder.Take(*db), ChangeSide::Before, *db).slot, 3);

  EXPECT_EQ(SubjectOf(ChangeSet{}, ChangeSide::After, *db).kind, Kind::None);
}

// A member dragged within its group: after the redo it is found at its new place, after
// the undo at its old one, whichever way it went.
TEST(StepSubject, AMovedMemberIsFoundWhereItNowStands) {
  auto db = testkit::EmptyDb();
  testkit::PutGroup(*db, 2, "Sport", {10, 11, 12, 13, 14, 15});
  EditRecorder recorder;
  recorder.Reset(*db);
  auto& g = db->channelLists.favoriteGroups[2];
  const auto afterUndo = [&](const ChangeSet& changes) {
    auto undone = std::make_unique<ChannelDatabase>(*db);
    changes.Apply(*undone, ChangeSide::Before);
    return SubjectOf(changes, ChangeSide::Before, *undone);
  };

  // 11 (position 1) moves down to position 4: 10 12 13 14 11 15
  for (int p = 1; p < 4; ++p) g.SetMember(std::size_t(p), g.Member(std::size_t(p + 1)));
  g.SetMember(4, 11);
  const ChangeSet down = recorder.Take(*db);
  EXPECT_EQ(SubjectOf(down, ChangeSide::After, *db), (StepSubject{Kind::Group, 2, 4}));
  EXPECT_EQ(afterUndo(down), (StepSubject{Kind::Group, 2, 1}));

  // 15 (position 5) moves up to position 0: 15 10 12 13 14 11
  for (int p = 5; p > 0; --p) g.SetMember(std::size_t(p), g.Member(std::size_t(p - 1)));
  g.SetMember(0, 15);
  const ChangeSet up = recorder.Take(*db);
  EXPECT_EQ(SubjectOf(up, ChangeSide::After, *db), (StepSubject{Kind::Group, 2, 0}));
  EXPECT_EQ(afterUndo(up), (StepSubject{Kind::Group, 2, 5}));

  // A member added at the end: the group and the new position.
  g.SetMember(6, 20);
  g.SetMemberCount(7);
  EXPECT_EQ(SubjectOf(recorder.Take(*db), ChangeSide::After, *db), (StepSubject{Kind::Group, 2, 6}));
}
