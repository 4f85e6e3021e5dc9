// Program edits: "Add Program" (where it is filed, how its fields fit the record, what is
// refused), the Info area's "Update", deleting a listed program, and the satellite a
// program is carried by, also in damaged databases.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/ProgramOperations.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"

namespace {

using testkit::Entries;

class Programs : public ::testing::Test {
 protected:
  // Satellite 2 with transponder 6, program 0 on it in the TV list.
  void SetUp() override {
    db.satellites[2].SetState(SlotState::Used);
    db.transponders[6].SetState(SlotState::Used);
    db.transponders[6].SetSatelliteIndex(2);
    db.programs[0].SetState(SlotState::Used);
    db.programs[0].SetTransponderIndex(6);
    Append(db.channelLists.tvList, 0);
  }
  static void Append(ServiceList& l, int program) {
    l.SetEntry(l.Count(), std::uint16_t(program));
    l.SetCount(std::uint16_t(l.Count() + 1));
  }
  static dbops::ProgramEntry Entry(const char* name, std::uint32_t video, std::uint32_t others = 7) {
    dbops::ProgramEntry e;
    e.name = name;
    e.numbers = {video, others, others, others, others, others};
    return e;
  }
  Result Add(const dbops::ProgramEntry& e, int type, int dbType = 3, int transponder = 6) {
    return dbops::AddProgram(db, e, type, transponder, dbType);
  }

  std::unique_ptr<ChannelDatabase> owned = std::make_unique<ChannelDatabase>();
  ChannelDatabase& db = *owned;
};

TEST_F(Programs, UnknownTypeIsFiledByTheStoredVideoPid) {
  ASSERT_EQ(Add(Entry("Radio X", 0), ProgramRecord::kUnknown).code, ResultCode::None);
  EXPECT_EQ(Entries(db.channelLists.radioList), std::vector<int>{1});
  EXPECT_EQ(db.programs[1].ServiceType(), ProgramRecord::kRadio);

  Add(Entry("TV X", 8191), ProgramRecord::kUnknown);
  EXPECT_EQ(Entries(db.channelLists.tvList), (std::vector<int>{0, 2}));
  EXPECT_EQ(db.programs[2].ServiceType(), ProgramRecord::kTv);

  // In TypeC 8192 is stored as PID 0, so it is a radio program; elsewhere it is TV.
  Add(Entry("Masked", 8192), ProgramRecord::kUnknown, 3);
  EXPECT_EQ(db.programs[3].ServiceType(), ProgramRecord::kRadio);
  Add(Entry("Wide", 8192), ProgramRecord::kUnknown, 0);
  EXPECT_EQ(db.programs[4].ServiceType(), ProgramRecord::kTv);

  // An explicit type wins over the video PID; a type without a list is in none.
  Add(Entry("Talk", 0), ProgramRecord::kTv);
  EXPECT_EQ(Entries(db.channelLists.tvList), (std::vector<int>{0, 2, 4, 5}));
  Add(Entry("Odd", 0), 7);
  EXPECT_EQ(db.programs[6].ServiceType(), 3u);
  EXPECT_EQ(db.programs[6].State(), SlotState::Used);
  EXPECT_EQ(Entries(db.channelLists.tvList).size() + Entries(db.channelLists.radioList).size(), 6u);
}

TEST_F(Programs, FieldsAreWrittenByTheWidthRules) {
  dbops::ProgramEntry e = Entry("Fourteen chars", 8191, 8192);
  e.locked = true;
  ASSERT_EQ(Add(e, ProgramRecord::kTv, 3, 0x10006).code, ResultCode::None);
  const ProgramRecord& p = db.programs[1];
  EXPECT_EQ(p.State(), SlotState::Used);
  EXPECT_EQ(std::memcmp(p.NameField(), "Fourteen chars", 14), 0);
  EXPECT_EQ(p.TransponderIndex(), 6u) << "low 16 bits of the transponder";
  EXPECT_TRUE(p.Locked());
  EXPECT_EQ(p.RawPid(PidField::Video), 8191);
  EXPECT_EQ(p.RawPid(PidField::Audio), 0);
  EXPECT_EQ(p.RawPid(PidField::Pmt), 0);
  EXPECT_EQ(p.ServiceId(), 8192) << "never masked";
  EXPECT_EQ(p.PresetWord(), 0xE000);
  EXPECT_TRUE(db.satellites[2].Selected());
  EXPECT_EQ(db.programs[2].State(), SlotState::Empty) << "the next record is untouched";

  Add(Entry("Wide", 65535, 65536), ProgramRecord::kTv, 0);
  EXPECT_EQ(db.programs[2].RawPid(PidField::Video), 65535);
  EXPECT_EQ(db.programs[2].RawPid(PidField::Audio), 0);
  EXPECT_EQ(db.programs[2].ServiceId(), 0);
}

TEST_F(Programs, AReusedSlotKeepsTheDeletedRecordsOtherBits) {
  ProgramRecord& old = db.programs[1];
  testdata::FillRandom(old.Bytes(), ProgramRecord::kSize, 9);
  old.SetState(SlotState::Deleted);
  old.SetReserved36(0);
  const ProgramRecord before = old;
  ASSERT_EQ(Add(Entry("New", 100), ProgramRecord::kTv).code, ResultCode::None);
  EXPECT_EQ(old.State(), SlotState::Used);
  EXPECT_EQ(old.Flags() & 0xFFFC0000u, before.Flags() & 0xFFFC0000u);
  EXPECT_EQ(old.Attributes() & ~0x103u, before.Attributes() & ~0x103u);
  EXPECT_EQ(std::memcmp(old.Bytes() + 32, before.Bytes() + 32, 8), 0);
  EXPECT_EQ(old.Name(), "New");
}

TEST_F(Programs, AFullTableOrAFullListChangesNothing) {
  db.channelLists.radioList.SetCount(4000);
  auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(Add(Entry("Radio", 0), ProgramRecord::kRadio).code, ResultCode::ListFull);
  EXPECT_EQ(Add(Entry("Radio", 0), ProgramRecord::kUnknown).code, ResultCode::ListFull);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
  // A loaded count past the list is full too, and nothing is written past it.
  db.channelLists.tvList.SetCount(4500);
  *before = db;
  EXPECT_EQ(Add(Entry("TV", 5), ProgramRecord::kTv).code, ResultCode::ListFull);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);

  for (auto& p : db.programs) p.SetState(SlotState::Used);
  *before = db;
  EXPECT_EQ(Add(Entry("TV", 5), ProgramRecord::kUnknown).code, ResultCode::TableFull);
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
}

TEST_F(Programs, ATransponderPastTheTableSelectsNoSatellite) {
  db.transponders[7].SetState(SlotState::Used);
  db.transponders[7].SetSatelliteIndex(1000);  // past the satellite table
  auto before = std::make_unique<ChannelDatabase>(db);
  ASSERT_EQ(Add(Entry("A", 5), ProgramRecord::kTv, 3, 0xFFFF).code, ResultCode::None);
  ASSERT_EQ(Add(Entry("B", 5), ProgramRecord::kTv, 3, 7).code, ResultCode::None);
  EXPECT_EQ(std::memcmp(&db.satellites, &before->satellites, sizeof db.satellites), 0);
  EXPECT_EQ(dbops::SatelliteOfProgram(db, 1), -1);
  EXPECT_EQ(dbops::SatelliteOfProgram(db, 2), -1);
  EXPECT_EQ(dbops::SatelliteOfProgram(db, 0), 2);
  EXPECT_EQ(dbops::SatelliteOfProgram(db, -1), -1);
  EXPECT_EQ(dbops::SatelliteOfProgram(db, 4000), -1);
}

TEST_F(Programs, UpdateWritesTheInfoFieldsOnly) {
  ProgramRecord& p = db.programs[0];
  testdata::FillRandom(p.Bytes(), ProgramRecord::kSize, 4);
  p.SetState(SlotState::Used);
  p.SetServiceType(ProgramRecord::kTv);
  const ProgramRecord before = p;
  dbops::ProgramEntry e = Entry("Renamed", 8192, 8191);
  e.numbers.serviceId = 65537;
  e.locked = true;
  ASSERT_TRUE(dbops::UpdateProgram(db, 0, e, 3));
  EXPECT_EQ(p.Name(), "Renamed");
  EXPECT_EQ(p.RawPid(PidField::Video), 0);
  EXPECT_EQ(p.RawPid(PidField::Pcr), 8191);
  EXPECT_EQ(p.ServiceId(), 1);
  EXPECT_TRUE(p.Locked());
  EXPECT_EQ(p.Flags(), before.Flags()) << "state and transponder stay";
  EXPECT_EQ(p.Attributes() & ~0x100u, before.Attributes() & ~0x100u) << "type and the rest stay";
  EXPECT_EQ(p.PresetWord(), before.PresetWord());
  EXPECT_EQ(std::memcmp(p.Bytes() + 32, before.Bytes() + 32, 8), 0);

  // Full width outside TypeC; a fourteen-byte name fills the field and no more.
  e.numbers.videoPid = 65535;
  e.name = "ABCDEFGHIJKLMNOPQ";
  ASSERT_TRUE(dbops::UpdateProgram(db, 0, e, 1));
  EXPECT_EQ(p.RawPid(PidField::Video), 65535);
  EXPECT_EQ(std::memcmp(p.NameField(), "ABCDEFGHIJKLMN", 14), 0);
  EXPECT_EQ(p.RawPid(PidField::Pmt), 8191) << "the field after the name";

  const auto all = std::make_unique<ChannelDatabase>(db);
  EXPECT_FALSE(dbops::UpdateProgram(db, -1, e, 3));
  EXPECT_FALSE(dbops::UpdateProgram(db, 4000, e, 3));
  EXPECT_EQ(std::memcmp(&db, all.get(), sizeof db), 0);
}

// A name typed over a row touches the name field and nothing else, not even the PID
// bits TypeC does not show.
TEST_F(Programs, RenamingWritesTheNameOnly) {
  ProgramRecord& p = db.programs[0];
  testdata::FillRandom(p.Bytes(), ProgramRecord::kSize, 5);
  p.SetState(SlotState::Used);
  p.SetName("Old");
  const ProgramRecord before = p;
  ASSERT_TRUE(dbops::RenameProgram(db, 0, "ABCDEFGHIJKLMNOPQ"));
  EXPECT_EQ(std::memcmp(p.NameField(), "ABCDEFGHIJKLMN", 14), 0);
  ProgramRecord renamedBack = p;
  renamedBack.SetName("Old");
  EXPECT_EQ(std::memcmp(renamedBack.Bytes(), before.Bytes(), ProgramRecord::kSize), 0);

  db.programs[1].SetState(SlotState::Deleted);
  const auto all = std::make_unique<ChannelDatabase>(db);
  for (int program : {-1, 1, 4000}) EXPECT_FALSE(dbops::RenameProgram(db, program, "X")) << program;
  EXPECT_EQ(std::memcmp(&db, all.get(), sizeof db), 0);
}

TEST_F(Programs, EntryOfReadsByTheWidthRule) {
  ProgramRecord& p = db.programs[0];
  p.SetName("Shown");
  p.SetRawPid(PidField::Video, 0xE100);
  p.SetServiceId(0xFFFF);
  p.SetLocked(true);
  EXPECT_EQ(dbops::ProgramEntryOf(db, 0, 3).numbers.videoPid, 0x100u);
  const dbops::ProgramEntry wide = dbops::ProgramEntryOf(db, 0, 0);
  EXPECT_EQ(wide.numbers.videoPid, 0xE100u);
  EXPECT_EQ(wide.numbers.serviceId, 0xFFFFu);
  EXPECT_EQ(wide.name, "Shown");
  EXPECT_TRUE(wide.locked);
  EXPECT_EQ(dbops::ProgramEntryOf(db, 4000, 3).name, "");
}

TEST_F(Programs, DeletingAListedProgramTakesItOutOfTheListShownAndEveryGroup) {
  Append(db.channelLists.radioList, 0);
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[3];
  g.SetState(SlotState::Used);
  g.SetMember(0, 0);
  g.SetMemberCount(1);
  dbops::DeleteListedProgram(db, ChannelListBlock::kTvList, 0);
  EXPECT_EQ(db.programs[0].State(), SlotState::Deleted);
  EXPECT_TRUE(Entries(db.channelLists.tvList).empty());
  EXPECT_EQ(Entries(db.channelLists.radioList), std::vector<int>{0}) << "only the list it was shown in";
  EXPECT_EQ(g.MemberCount(), 0u);
}

TEST_F(Programs, DeletingSeveralIsOneDeleteEachAndSkipsSlotsOutsideTheTable) {
  for (int p : {5, 9, 7}) {
    db.programs[std::size_t(p)].SetState(SlotState::Used);
    Append(db.channelLists.tvList, p);
  }
  testkit::PutGroup(db, 1, "Fav", {9, 5, 0});
  const int picked[] = {9, -1, 0, 4000, 7};
  EXPECT_EQ(dbops::DeleteListedPrograms(db, ChannelListBlock::kTvList, picked), 3);
  EXPECT_EQ(Entries(db.channelLists.tvList), std::vector<int>{5});
  EXPECT_EQ(testkit::Members(db.channelLists.favoriteGroups[1]), std::vector<int>{5});
  for (int p : {0, 7, 9}) EXPECT_EQ(db.programs[std::size_t(p)].State(), SlotState::Deleted) << p;
  EXPECT_TRUE(db.programs[5].IsUsed());
}


TEST_F(Programs, LockingSeveralCountsWhatChangedAndTouchesNothingElse) {
  for (int p : {1, 2, 3}) db.programs[std::size_t(p)].SetState(SlotState::Used);
  db.programs[4].SetState(SlotState::Deleted);
  db.programs[2].SetLocked(true);
  db.programs[3].SetAttributes(0xFFFFFEFFu);  // every bit but the lock
  struct Case {
    std::vector<int> programs;
    bool locked;
    int changed;
    std::vector<bool> after;  // the lock of programs 0-4
    const char* why;
  };
  const Case cases[] = {
      {{0, 1, 2, 3}, true, 3, {true, true, true, true, false}, "the locked one is not counted"},
      {{0, 1, 2, 3}, true, 0, {true, true, true, true, false}, "again: nothing to do"},
      {{1, 1, 3, -1, 4000, 4}, false, 2, {true, false, true, false, false},
       "repeats once; outside the table and unused slots skipped"},
      {{}, false, 0, {true, false, true, false, false}, "no programs"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dbops::SetProgramsLocked(db, c.programs, c.locked), c.changed) << c.why;
    for (std::size_t p = 0; p < c.after.size(); ++p) EXPECT_EQ(db.programs[p].Locked(), c.after[p]) << c.why << ' ' << p;
  }
  EXPECT_EQ(db.programs[3].Attributes(), 0xFFFFFEFFu) << "the bits beside the lock stay";
  EXPECT_EQ(db.programs[4].Attributes(), 0u);
}

}  // namespace
