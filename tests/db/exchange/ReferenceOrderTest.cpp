// Another database as the reference for order: which programs match, where the rest
// go, and what becomes of each favourite group.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/exchange/ReferenceOrder.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

using testkit::Entries;
using testkit::Members;
using V = std::vector<int>;

void Put(ChannelDatabase& db, int slot, const char* name, int tp, std::uint16_t sid,
         std::uint32_t type = ProgramRecord::kTv) {
  testkit::PutProgram(db, slot, name, tp, type).SetServiceId(sid);
}

// The working database: two satellites, programs 0-6.
std::unique_ptr<ChannelDatabase> Working() {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Meridian");
  testkit::PutSatellite(*db, 1, "Borealis");
  testkit::PutTransponder(*db, 0, 0, 11000, 27500, 0);
  testkit::PutTransponder(*db, 1, 1, 12000, 27500, 1);
  Put(*db, 0, "Alpha", 0, 1);
  Put(*db, 1, "Beta", 0, 2);
  Put(*db, 2, "Gamma", 1, 3);
  Put(*db, 3, "Delta", 1, 4);    // the reference has no such program
  Put(*db, 4, "Epsilon", 0, 5);  // the reference has it under another service ID
  Put(*db, 5, "Radio A", 0, 10, ProgramRecord::kRadio);
  Put(*db, 6, "Radio B", 0, 11, ProgramRecord::kRadio);
  testkit::PutList(db->channelLists.tvList, {0, 1, 2, 3, 4});
  testkit::PutList(db->channelLists.radioList, {5, 6});
  testkit::PutGroup(*db, 0, "Fav", {0, 3, 1});
  testkit::PutGroup(*db, 1, "Old", {2});
  testkit::PutGroup(*db, 3, "Mine", {3});
  return db;
}

// The reference: the same satellites and transponders in other slots, the programs in
// other slots, a program the working database lacks and one only its name finds.
std::unique_ptr<ChannelDatabase> Reference() {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 4, "Meridian");
  testkit::PutSatellite(*db, 2, "Borealis");
  testkit::PutTransponder(*db, 10, 4, 11000, 27500, 0);
  testkit::PutTransponder(*db, 11, 2, 12000, 27500, 1);
  Put(*db, 20, "Gamma", 11, 3);
  Put(*db, 21, "Alpha HD", 10, 1);  // renamed: found by its key
  Put(*db, 22, "Beta", 10, 2);
  Put(*db, 23, "Epsilon", 10, 99);  // found by name
  Put(*db, 24, "Ghost", 10, 77);    // nowhere
  Put(*db, 25, "Radio B", 10, 11, ProgramRecord::kRadio);
  Put(*db, 26, "Alpha", 10, 55);    // the name of program 0, which 21's key takes first
  testkit::PutList(db->channelLists.tvList, {26, 20, 21, 24, 22, 23});
  testkit::PutList(db->channelLists.radioList, {25});
  testkit::PutGroup(*db, 0, "Favs", {22, 20});
  testkit::PutGroup(*db, 2, "New", {25, 24});
  return db;
}

TEST(ReferenceOrder, ListsTakeTheReferenceOrderAndTheRestFollowInTheirOldOrder) {
  auto db = Working();
  const auto programsBefore = db->programs;
  const reforder::Report r = reforder::Apply(*db, *Reference());

  EXPECT_EQ(Entries(db->channelLists.tvList), (V{2, 0, 1, 4, 3}));
  EXPECT_EQ(Entries(db->channelLists.radioList), (V{6, 5}));
  EXPECT_EQ(std::memcmp(&db->programs, &programsBefore, sizeof programsBefore), 0) << "names and records stay";

  EXPECT_EQ(r.lists[0].reference, 6);
  EXPECT_EQ(r.lists[0].matched, 4);
  EXPECT_EQ(r.lists[1].reference, 1);
  EXPECT_EQ(r.lists[1].matched, 1);
  EXPECT_EQ(r.Matched(), 5);
  EXPECT_FALSE(r.AllMatched());
  struct Miss {
    int list, position;
    const char* name;
  };
  const Miss misses[] = {{0, 0, "Alpha"}, {0, 3, "Ghost"}};
  ASSERT_EQ(r.unmatched.size(), std::size(misses));
  for (std::size_t i = 0; i < r.unmatched.size(); ++i) {
    EXPECT_EQ(r.unmatched[i].list, misses[i].list) << i;
    EXPECT_EQ(r.unmatched[i].position, misses[i].position) << i;
    EXPECT_EQ(r.unmatched[i].name, misses[i].name) << i;
  }
  struct Left {
    int list, position, program;
    const char* name;
  };
  const Left lefts[] = {{0, 4, 3, "Delta"}, {1, 1, 5, "Radio A"}};
  ASSERT_EQ(r.leftOver.size(), std::size(lefts));
  for (std::size_t i = 0; i < r.leftOver.size(); ++i) {
    EXPECT_EQ(r.leftOver[i].list, lefts[i].list) << i;
    EXPECT_EQ(r.leftOver[i].position, lefts[i].position) << i;
    EXPECT_EQ(r.leftOver[i].program, lefts[i].program) << i;
    EXPECT_EQ(r.leftOver[i].name, lefts[i].name) << i;
  }
}

TEST(ReferenceOrder, EachGroupSlotTakesTheReferencesGroupAndKeepsWhatTheReferenceDoesNotKnow) {
  auto db = Working();
  const reforder::Report r = reforder::Apply(*db, *Reference());
  struct Expected {
    int slot;
    SlotState state;
    const char* name;
    V members;
    const char* why;
  };
  const Expected groups[] = {
      {0, SlotState::Used, "Favs", {1, 2, 3}, "renamed, the reference's members, then Delta it does not know"},
      {1, SlotState::Empty, "", {}, "no group there in the reference and nothing unknown in it"},
      {2, SlotState::Used, "New", {6}, "created; Ghost matched nothing"},
      {3, SlotState::Used, "Mine", {3}, "no group there in the reference, but Delta is unknown to it"},
      {4, SlotState::Empty, "", {}, "empty in both"},
  };
  for (const Expected& e : groups) {
    const FavoriteGroupRecord& g = db->channelLists.favoriteGroups[std::size_t(e.slot)];
    EXPECT_EQ(g.State(), e.state) << e.why;
    EXPECT_EQ(g.Name(), e.name) << e.why;
    EXPECT_EQ(Members(g), e.members) << e.why;
  }
  struct Reported {
    int group;
    bool inReference;
    int referenceMembers, matched, kept;
    bool removed;
  };
  const Reported reported[] = {
      {0, true, 2, 2, 1, false}, {1, false, 0, 0, 0, true}, {2, true, 2, 1, 0, false}, {3, false, 0, 0, 1, false}};
  ASSERT_EQ(r.groups.size(), std::size(reported));
  for (std::size_t i = 0; i < r.groups.size(); ++i) {
    EXPECT_EQ(r.groups[i].group, reported[i].group) << i;
    EXPECT_EQ(r.groups[i].inReference, reported[i].inReference) << i;
    EXPECT_EQ(r.groups[i].referenceMembers, reported[i].referenceMembers) << i;
    EXPECT_EQ(r.groups[i].matched, reported[i].matched) << i;
    EXPECT_EQ(r.groups[i].kept, reported[i].kept) << i;
    EXPECT_EQ(r.groups[i].removed, reported[i].removed) << i;
  }
  const std::vector<std::string> lines = reforder::Describe(r);
  const std::vector<std::string> expected = {
      "TV list: 4 of 6 reference programs matched",
      "radio list: 1 of 1 reference programs matched",
      "taken from the reference: 0 locks; the names kept",
      "TV list: reference program \"Alpha\" (No. 1) matches no program",
      "TV list: reference program \"Ghost\" (No. 4) matches no program",
      "TV list: program 3 \"Delta\" is not in the reference, now No. 5",
      "radio list: program 5 \"Radio A\" is not in the reference, now No. 2",
      "favourite group 1 [Favs]: 2 of 2 members matched",
      "favourite group 1 [Favs]: 1 members not in the reference kept after them",
      "favourite group 2 [Old] removed: the reference has no group there",
      "favourite group 3 [New]: 1 of 2 members matched",
      "favourite group 4 [Mine] kept: the reference has no group there, but 1 of its members are not in the reference",
  };
  EXPECT_EQ(lines, expected);
}

TEST(ReferenceOrder, ADatabaseAppliedToItsCopyOrToItselfChangesNothing) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  // Scramble the copy's order; the original puts it back.
  auto copy = std::make_unique<ChannelDatabase>(*db);
  for (ServiceList* l : {&copy->channelLists.tvList, &copy->channelLists.radioList})
    for (std::size_t k = 0; k + 1 < l->ValidCount(); k += 2) {
      const std::uint16_t a = l->Entry(k);
      l->SetEntry(k, l->Entry(k + 1));
      l->SetEntry(k + 1, a);
    }
  copy->channelLists.favoriteGroups[3].Clear();
  const reforder::Report r = reforder::Apply(*copy, *db);
  EXPECT_TRUE(r.AllMatched());
  EXPECT_TRUE(r.leftOver.empty());
  EXPECT_EQ(std::memcmp(copy.get(), db.get(), sizeof *db), 0);
  const reforder::Report same = reforder::Apply(*copy, *copy);
  EXPECT_TRUE(same.AllMatched());
  EXPECT_EQ(std::memcmp(copy.get(), db.get(), sizeof *db), 0);
}

// The programs marked New are those in use the reference's lists do not name: not a list
// entry naming an empty slot or one past the table, nor anything the reference matched.
TEST(ReferenceOrder, NewProgramsAreTheWorkingProgramsTheReferenceDoesNotName) {
  const struct {
    const char* why;
    std::function<void(ChannelDatabase& working, ChannelDatabase& reference)> change;
    V newPrograms;
  } cases[] = {
      {"the reference as it is", [](ChannelDatabase&, ChannelDatabase&) {}, {3, 5}},
      {"the reference names every program",
       [](ChannelDatabase&, ChannelDatabase& r) {
         Put(r, 27, "Delta", 11, 4);
         Put(r, 28, "Radio A", 10, 10, ProgramRecord::kRadio);
         testkit::PutList(r.channelLists.tvList, {26, 20, 21, 24, 22, 23, 27});
         testkit::PutList(r.channelLists.radioList, {28, 25});
       },
       {}},
      {"an empty reference", [](ChannelDatabase&, ChannelDatabase& r) { r = *testkit::EmptyDb(); },
       {0, 1, 2, 3, 4, 5, 6}},
      {"entries naming an empty slot and one past the table",
       [](ChannelDatabase& w, ChannelDatabase&) {
         testkit::PutList(w.channelLists.tvList, {0, 1, 2, 3, 4, 9, int(ChannelDatabase::kProgramCount)});
       },
       {3, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto db = Working();
    auto ref = Reference();
    c.change(*db, *ref);
    const reforder::Report r = reforder::Apply(*db, *ref);
    EXPECT_EQ(r.newPrograms, c.newPrograms);
  }
}

TEST(ReferenceOrder, AGroupFullOfReferenceMembersLeavesOutWhatDoesNotFit) {
  auto db = Working();
  auto ref = Reference();
  // 100 reference programs in the group, each found in the working database.
  V tv = Entries(db->channelLists.tvList), refTv = Entries(ref->channelLists.tvList), members;
  for (int i = 0; i < 100; ++i) {
    const std::string name = "Extra " + std::to_string(i);
    Put(*db, 100 + i, name.c_str(), 0, std::uint16_t(1000 + i));
    Put(*ref, 200 + i, name.c_str(), 10, std::uint16_t(1000 + i));
    tv.push_back(100 + i);
    refTv.push_back(200 + i);
    members.push_back(200 + i);
  }
  testkit::PutList(db->channelLists.tvList, tv);
  testkit::PutList(ref->channelLists.tvList, refTv);
  testkit::PutGroup(*ref, 0, "Favs", members);
  const reforder::Report r = reforder::Apply(*db, *ref);
  const V got = Members(db->channelLists.favoriteGroups[0]);
  ASSERT_EQ(got.size(), 100u);
  EXPECT_EQ(got.front(), 100);
  EXPECT_EQ(got.back(), 199);
  EXPECT_EQ(r.groups[0].notFitted, 1) << "Delta, unknown to the reference, did not fit";
  EXPECT_NE(reforder::Describe(r)[9].find("1 members did not fit"), std::string::npos);
}

// A rescan clears the locks (and may spell names its own way): a matched program takes
// the reference's lock unless told not to, and its name only when asked.
TEST(ReferenceOrder, MatchedProgramsTakeTheLocksAndWhenAskedTheNames) {
  const struct {
    reforder::Options options;
    V locked;           // working programs locked after the apply
    const char* name0;  // program 0's name after it ("Alpha HD" in the reference)
    std::vector<std::string> said;
  } cases[] = {
      {{}, {2}, "Alpha", {"taken from the reference: 2 locks; the names kept"}},
      {{true, true},
       {2},
       "Alpha HD",
       {"taken from the reference: 2 locks, 1 names", "TV list No. 2: \"Alpha\" renamed \"Alpha HD\""}},
      {{false, true}, {1}, "Alpha HD", {"taken from the reference: 1 names; the locks kept", "TV list No. 2: \"Alpha\" renamed \"Alpha HD\""}},
      {{false, false}, {1}, "Alpha", {"the locks and the names kept"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said.front());
    auto db = Working();
    auto ref = Reference();
    db->programs[1].SetLocked(true);   // Beta: unlocked in the reference
    ref->programs[20].SetLocked(true);  // Gamma: locked there
    const reforder::Report r = reforder::Apply(*db, *ref, c.options);
    V locked;
    for (int p = 0; p < 7; ++p)
      if (db->programs[std::size_t(p)].Locked()) locked.push_back(p);
    EXPECT_EQ(locked, c.locked);
    EXPECT_EQ(db->programs[0].Name(), c.name0);
    const std::vector<std::string> lines = reforder::Describe(r);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 2 + std::ptrdiff_t(c.said.size())), c.said);
  }
}


TEST(ReferenceOrder, AmongProgramsOfOneKeyTheSameNameIsTakenFirst) {
  struct Case {
    std::vector<const char*> working;    // names of programs 0.. on one key, listed in this order
    std::vector<const char*> reference;  // names of reference programs on the same key
    V expected;
  };
  const Case cases[] = {
      {{"News", "News HD"}, {"News HD", "News"}, {1, 0}},
      {{"News", "News HD"}, {"Other", "News"}, {1, 0}},  // the name finds its own first
      {{"News", "News"}, {"News", "News"}, {0, 1}},       // equal names keep their order
  };
  for (const Case& c : cases) {
    auto db = testkit::EmptyDb(), ref = testkit::EmptyDb();
    for (ChannelDatabase* d : {db.get(), ref.get()}) {
      testkit::PutSatellite(*d, 0, "Meridian");
      testkit::PutTransponder(*d, 0, 0, 11000);
    }
    V tv, refTv;
    for (std::size_t i = 0; i < c.working.size(); ++i) {
      Put(*db, int(i), c.working[i], 0, 7);
      tv.push_back(int(i));
    }
    for (std::size_t i = 0; i < c.reference.size(); ++i) {
      Put(*ref, int(10 + i), c.reference[i], 0, 7);
      refTv.push_back(int(10 + i));
    }
    testkit::PutList(db->channelLists.tvList, tv);
    testkit::PutList(ref->channelLists.tvList, refTv);
    EXPECT_TRUE(reforder::Apply(*db, *ref).AllMatched());
    EXPECT_EQ(Entries(db->channelLists.tvList), c.expected) << c.reference[0];
  }
}


TEST(ReferenceOrder, MembersTheReferenceDoesNotKnowFollowTheirGroupsName) {
  struct Case {
    int refSlotOfMine;  // where the reference has a group "Mine", or -1
    V mine;             // that group's members in the reference (reference slots)
    int slot;           // where Delta (program 3, unknown to the reference) ends up
    V members;          // that slot's members
    bool slot3Used;
    const char* why;
  };
  const Case cases[] = {
      {-1, {}, 3, {3}, true, "no group of its name: its own slot keeps it, under its name"},
      {5, {22}, 5, {1, 3}, false, "the reference moved the group: Delta moves with it"},
      {3, {20}, 3, {2, 3}, true, "the same slot: after the reference's members"},
  };
  for (const Case& c : cases) {
    auto db = Working();
    auto ref = Reference();
    if (c.refSlotOfMine >= 0) testkit::PutGroup(*ref, c.refSlotOfMine, "Mine", c.mine);
    reforder::Apply(*db, *ref);
    const auto& groups = db->channelLists.favoriteGroups;
    EXPECT_EQ(groups[std::size_t(c.slot)].Name(), "Mine") << c.why;
    EXPECT_EQ(Members(groups[std::size_t(c.slot)]), c.members) << c.why;
    EXPECT_EQ(groups[3].IsUsed(), c.slot3Used) << c.why;
    EXPECT_EQ(Members(groups[0]), (V{1, 2, 3})) << c.why << ": Fav keeps its own Delta";
  }
}

}  // namespace
