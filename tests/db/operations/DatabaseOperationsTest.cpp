// Record operations: slot choice, link rules and what each leaves untouched.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "db/operations/DatabaseOperations.h"
#include "support/RandomBytes.h"

namespace {

class Ops : public ::testing::Test {
 protected:
  std::unique_ptr<ChannelDatabase> owned = std::make_unique<ChannelDatabase>();
  ChannelDatabase& db = *owned;

  void UseTransponder(std::size_t slot, std::uint32_t satellite, std::uint32_t hidden = 0) {
    db.transponders[slot].SetState(SlotState::Used);
    db.transponders[slot].SetSatelliteIndex(satellite);
    db.transponders[slot].SetHiddenBits(hidden);
  }
  void SetList(ServiceList& l, std::initializer_list<std::uint16_t> entries) {
    std::size_t i = 0;
    for (auto e : entries) l.SetEntry(i++, e);
    l.SetCount(static_cast<std::uint16_t>(entries.size()));
  }
  void SetGroup(FavoriteGroupRecord& g, std::initializer_list<std::uint16_t> members) {
    g.SetState(SlotState::Used);
    std::size_t i = 0;
    for (auto m : members) g.SetMember(i++, m);
    g.SetMemberCount(static_cast<std::uint32_t>(members.size()));
  }
};

TEST_F(Ops, AddSatelliteTakesFirstEmptySlotWithDefaults) {
  db.satellites[0].SetState(SlotState::Used);
  db.satellites[0].SetName("First");
  db.satellites[1].SetState(SlotState::Deleted);
  db.satellites[1].SetName("Gone");
  testdata::FillRandom(db.satellites[2].Bytes() + 20, 12, 5);  // leftovers in an Empty slot
  db.satellites[2].SetMotorWord(0xFFFFFFFF);
  db.satellites[2].SetFlags(0xFFFF0000u);  // Empty, with receiver bits above 16 set

  ASSERT_TRUE(dbops::AddSatellite(db, "Meridian 19.2E"));
  const SatelliteRecord& s = db.satellites[2];
  EXPECT_EQ(s.State(), SlotState::Used);
  EXPECT_EQ(s.SelfIndex(), 2u);
  EXPECT_TRUE(s.Selected());
  EXPECT_EQ(s.Flags() & 0xFFFE0000u, 0xFFFE0000u) << "bits 17-31 must be preserved";
  EXPECT_EQ(s.Flags() & 0xC00Cu, 0u) << "bits 2-3, 14, 15 cleared";
  EXPECT_EQ(s.Name(), "Meridian 19.2E");
  EXPECT_EQ(s.LnbWord(), 0u);
  EXPECT_EQ(s.MotorWord(), 0xFFFFFC00u) << "motor and bits 2-9 cleared, 10-31 kept";
  EXPECT_EQ(s.LnbFreqHigh(), 5150);
  EXPECT_EQ(s.LnbFreqLow(), 5150);
  EXPECT_EQ(db.system.LastAddedSatellite(), 2);
  EXPECT_EQ(db.satellites[1].State(), SlotState::Deleted) << "Deleted slots are not reused for a new name";
}

TEST_F(Ops, AddSatelliteBringsBackDeletedNamesake) {
  ASSERT_TRUE(dbops::AddSatellite(db, "Alpha"));
  ASSERT_TRUE(dbops::AddSatellite(db, "Beta"));
  ASSERT_TRUE(dbops::SaveTransponder(db, 11000, 27500, 0, 1, -1));
  db.satellites[1].SetLnbFreqLow(9750);
  dbops::DeleteSatellite(db, 1);
  ASSERT_EQ(db.transponders[0].State(), SlotState::Deleted);

  ASSERT_TRUE(dbops::AddSatellite(db, "Beta"));
  EXPECT_EQ(db.satellites[1].State(), SlotState::Used);
  EXPECT_EQ(db.satellites[1].LnbFreqLow(), 5150);
  EXPECT_EQ(db.satellites[2].State(), SlotState::Empty);
  EXPECT_EQ(db.transponders[0].State(), SlotState::Deleted) << "former transponders stay deleted";
  EXPECT_EQ(dbops::CountSatellites(db), 2);
}

TEST_F(Ops, AddSatelliteNamedLikeUsedOneResetsIt) {
  ASSERT_TRUE(dbops::AddSatellite(db, "Alpha"));
  SatelliteRecord& sat = db.satellites[0];
  sat.SetLnbType(1);
  sat.SetLnbFreqHigh(10600);
  sat.SetLnbFreqLow(9750);
  sat.SetDiseqcPort(2);
  sat.SetTone22k(true);
  sat.SetMotor(1);
  sat.SetSelected(false);
  ASSERT_TRUE(dbops::AddSatellite(db, "Alpha"));
  EXPECT_EQ(sat.LnbType(), 0u);
  EXPECT_EQ(sat.LnbFreqHigh(), 5150);
  EXPECT_EQ(sat.LnbFreqLow(), 5150);
  EXPECT_EQ(sat.DiseqcPort(), 0u);
  EXPECT_FALSE(sat.Tone22k());
  EXPECT_EQ(sat.Motor(), 0u);
  EXPECT_TRUE(sat.Selected());
  EXPECT_EQ(dbops::CountSatellites(db), 1);
}

TEST_F(Ops, AddSatelliteFailsWhenOnlyDeletedSlotsRemain) {
  for (std::size_t i = 0; i < 160; ++i) {
    db.satellites[i].SetState(i % 3 == 0 ? SlotState::Deleted : SlotState::Used);
    db.satellites[i].SetName("S" + std::to_string(i));
  }
  auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_FALSE(dbops::AddSatellite(db, "New"));
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0) << "a refusal changes nothing";
  EXPECT_TRUE(dbops::AddSatellite(db, "S3")) << "but a deleted namesake can come back";
}

TEST_F(Ops, DeleteSatelliteDeletesExactlyItsUsedTransponders) {
  db.satellites[5].SetState(SlotState::Used);
  db.satellites[5].SetSelected(true);
  UseTransponder(0, 5);
  UseTransponder(1, 5, 2);  // hidden, still deleted with its satellite
  UseTransponder(2, 6);
  UseTransponder(3, 5);
  db.transponders[3].SetState(SlotState::Deleted);
  const std::uint32_t deletedFlagsBefore = db.transponders[3].Flags();
  db.transponders[0].SetFlags(db.transponders[0].Flags() | (1u << 17) | (1u << 16));
  db.programs[0].SetState(SlotState::Used);
  db.programs[0].SetTransponderIndex(0);

  dbops::DeleteSatellite(db, 5);
  EXPECT_EQ(db.satellites[5].State(), SlotState::Deleted);
  EXPECT_FALSE(db.satellites[5].Selected());
  EXPECT_EQ(db.transponders[0].State(), SlotState::Deleted);
  EXPECT_EQ(db.transponders[0].Flags() & (1u << 17), 0u) << "bit 17 cleared on delete";
  EXPECT_NE(db.transponders[0].Flags() & (1u << 16), 0u) << "bit 16 untouched";
  EXPECT_EQ(db.transponders[1].State(), SlotState::Deleted);
  EXPECT_EQ(db.transponders[2].State(), SlotState::Used);
  EXPECT_EQ(db.transponders[3].Flags(), deletedFlagsBefore);
  EXPECT_EQ(db.programs[0].State(), SlotState::Used) << "programs are left as they are";
}

TEST_F(Ops, SaveTransponderCreatesInFirstEmptySlotOnly) {
  db.transponders[0].SetState(SlotState::Deleted);
  testdata::FillRandom(db.transponders[1].Bytes(), 16, 3);
  db.transponders[1].SetState(SlotState::Empty);
  const std::uint32_t flagsBefore = db.transponders[1].Flags();
  const std::uint32_t symbolBefore = db.transponders[1].SymbolWord();

  ASSERT_TRUE(dbops::SaveTransponder(db, 12188, 27500, 3, 1023, -1));
  const TransponderRecord& t = db.transponders[1];
  EXPECT_EQ(db.transponders[0].State(), SlotState::Deleted);
  EXPECT_EQ(t.State(), SlotState::Used);
  EXPECT_EQ(t.Flags() & 0x3003Cu, 0u) << "bits 2-5, 16, 17 cleared";
  EXPECT_EQ(t.SatelliteIndex(), 1023u);
  EXPECT_EQ(t.Flags() & 0xFFFC0000u, flagsBefore & 0xFFFC0000u);
  EXPECT_EQ(t.Reserved4(), 0);
  EXPECT_EQ(t.Reserved6(), 0);
  EXPECT_EQ(t.FrequencyWord(), 12188u);
  EXPECT_EQ(t.SymbolRate(), 27500);
  EXPECT_EQ(t.Polarization(), 1u) << "bit 0 of the argument";
  EXPECT_EQ(t.SymbolWord() & 0xE0000u, 0u);
  EXPECT_EQ(t.SymbolWord() & 0xFFF00000u, symbolBefore & 0xFFF00000u);
}

TEST_F(Ops, SaveTransponderEditsOnlyItsFields) {
  testdata::FillRandom(db.transponders[7].Bytes(), 16, 8);
  db.transponders[7].SetState(SlotState::Used);
  const TransponderRecord before = db.transponders[7];
  ASSERT_TRUE(dbops::SaveTransponder(db, 11111, 22000, 0, 99, 7));
  const TransponderRecord& t = db.transponders[7];
  EXPECT_EQ(t.Flags(), before.Flags()) << "satellite argument ignored when editing";
  EXPECT_EQ(t.FrequencyWord(), (before.FrequencyWord() & 0xFFFF0000u) | 11111u);
  EXPECT_EQ(t.SymbolWord(), (before.SymbolWord() & 0xFFFE0000u) | 22000u);
  EXPECT_EQ(std::memcmp(t.Bytes() + 4, before.Bytes() + 4, 4), 0);
}

TEST_F(Ops, SaveTransponderFailsWhenNoEmptySlot) {
  for (std::size_t i = 0; i < 2100; ++i) db.transponders[i].SetState(i == 50 ? SlotState::Deleted : SlotState::Used);
  auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_FALSE(dbops::SaveTransponder(db, 10000, 27500, 0, 0, -1));
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
  dbops::DeleteTransponder(db, -1);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0) << "-1 means no selection";
}

TEST_F(Ops, DuplicateTranspondersAreAllowed) {
  EXPECT_TRUE(dbops::SaveTransponder(db, 11000, 27500, 1, 0, -1));
  EXPECT_TRUE(dbops::SaveTransponder(db, 11000, 27500, 1, 0, -1));
  EXPECT_EQ(dbops::CountTransponders(db), 2);
}

TEST_F(Ops, DeleteProgramLeavesListsButEmptiesGroups) {
  ProgramRecord& p = db.programs[9];
  p.SetState(SlotState::Used);
  p.SetReserved36(0xABCD);
  SetList(db.channelLists.tvList, {3, 9, 4});
  SetGroup(db.channelLists.favoriteGroups[0], {9, 1, 9});
  SetGroup(db.channelLists.favoriteGroups[5], {2, 9});

  dbops::DeleteProgram(db, 9);
  EXPECT_EQ(p.State(), SlotState::Deleted);
  EXPECT_EQ(p.Reserved36(), 0);
  EXPECT_EQ(db.channelLists.tvList.Count(), 3) << "the page removes it from its list";
  const auto& g0 = db.channelLists.favoriteGroups[0];
  EXPECT_EQ(g0.MemberCount(), 2u) << "one occurrence, the last, per group";
  EXPECT_EQ(g0.Member(0), 9);
  EXPECT_EQ(g0.Member(1), 1);
  EXPECT_EQ(db.channelLists.favoriteGroups[5].MemberCount(), 1u);
}

TEST_F(Ops, RemoveFromServiceListTakesTheLastOccurrence) {
  ServiceList& tv = db.channelLists.tvList;
  SetList(tv, {5, 7, 5, 8});
  tv.SetEntry(4, 1234);  // beyond the count: must stay
  dbops::RemoveFromServiceList(db, 0, 5);
  EXPECT_EQ(tv.Count(), 3);
  EXPECT_EQ(tv.Entry(0), 5);
  EXPECT_EQ(tv.Entry(1), 7);
  EXPECT_EQ(tv.Entry(2), 8);
  EXPECT_EQ(tv.Entry(3), 0) << "freed position zeroed";
  EXPECT_EQ(tv.Entry(4), 1234) << "entries beyond the old count stay";

  dbops::RemoveFromServiceList(db, 0, 42);  // absent
  EXPECT_EQ(tv.Count(), 3);
  SetList(db.channelLists.radioList, {1});
  dbops::RemoveFromServiceList(db, 2, 1);  // not a list
  EXPECT_EQ(db.channelLists.radioList.Count(), 1);
  dbops::RemoveFromServiceList(db, 1, 1);
  EXPECT_EQ(db.channelLists.radioList.Count(), 0);
  dbops::RemoveFromServiceList(db, 1, 0);  // count 0: nothing
  EXPECT_EQ(db.channelLists.radioList.Count(), 0);
}

TEST_F(Ops, RemoveFromServiceListStaysInsideAnOverlongList) {
  ServiceList& tv = db.channelLists.tvList;
  for (std::size_t i = 0; i < ServiceList::kCapacity; ++i) tv.SetEntry(i, static_cast<std::uint16_t>(i));
  tv.SetCount(0xFFFF);  // a damaged count from a loaded file
  dbops::RemoveFromServiceList(db, 0, 3999);
  EXPECT_EQ(tv.Count(), 3999);
  EXPECT_EQ(tv.Entry(3999), 0);
}

TEST_F(Ops, RemoveGroupMember) {
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[3];
  SetGroup(g, {7, 9, 11});
  dbops::RemoveGroupMember(db, 3, 9);
  EXPECT_EQ(g.MemberCount(), 2u);
  EXPECT_EQ(g.Member(0), 7);
  EXPECT_EQ(g.Member(1), 11);
  EXPECT_EQ(g.Member(2), 0);
  const ChannelDatabase before = db;
  dbops::RemoveGroupMember(db, 8, 7);
  dbops::RemoveGroupMember(db, -1, 7);
  EXPECT_EQ(std::memcmp(&db, &before, sizeof db), 0) << "group slots outside 0-7 do nothing";
  // A damaged member count never leads past the record.
  g.SetMemberCount(0xFFFF);
  g.SetMember(99, 55);
  dbops::RemoveGroupMember(db, 3, 55);
  EXPECT_EQ(g.MemberCount(), 99u);
}

TEST_F(Ops, FavoriteGroupsAreZeroedAndReused) {
  for (int i = 0; i < 8; ++i) ASSERT_TRUE(dbops::AddFavoriteGroup(db, i == 3 ? "Same" : "Group"));
  EXPECT_FALSE(dbops::AddFavoriteGroup(db, "Ninth"));
  EXPECT_EQ(db.channelLists.favoriteGroups[7].Name(), "Group") << "duplicate names are accepted";
  SetGroup(db.channelLists.favoriteGroups[3], {1, 2});
  dbops::DeleteFavoriteGroup(db, 3);
  const auto& g = db.channelLists.favoriteGroups[3];
  for (std::size_t i = 0; i < FavoriteGroupRecord::kSize; ++i) ASSERT_EQ(g.Bytes()[i], 0) << i;
  dbops::DeleteFavoriteGroup(db, 8);  // nothing
  ASSERT_TRUE(dbops::AddFavoriteGroup(db, "Reborn"));
  EXPECT_EQ(g.Name(), "Reborn");
  EXPECT_EQ(g.State(), SlotState::Used);
  EXPECT_EQ(g.MemberCount(), 0u);
  EXPECT_EQ(g.Reserved4(), 0u);
}

TEST_F(Ops, FindFreeProgramSlotAndCounts) {
  for (std::size_t i = 0; i < 10; ++i) db.programs[i].SetState(SlotState::Used);
  db.programs[3].SetState(SlotState::Deleted);
  EXPECT_EQ(dbops::FindFreeProgramSlot(db), 3);
  db.programs[3].SetFlags(3);  // state 3 is not live
  EXPECT_EQ(dbops::FindFreeProgramSlot(db), 3);
  for (auto& p : db.programs) p.SetState(SlotState::Used);
  EXPECT_EQ(dbops::FindFreeProgramSlot(db), 4000);

  UseTransponder(100, 0, 1);
  UseTransponder(2099, 0);
  db.satellites[159].SetState(SlotState::Used);
  db.satellites[10].SetState(SlotState::Deleted);
  EXPECT_EQ(dbops::CountTransponders(db), 2) << "hidden transponders count";
  EXPECT_EQ(dbops::CountSatellites(db), 1);
}

}  // namespace
