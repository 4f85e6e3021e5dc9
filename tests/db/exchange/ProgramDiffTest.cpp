// The comparison by program: a rescan that put the same programs in other slots is no
// change, and each kind of change a rescan or the user makes is one line naming the
// program by what identifies it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "db/exchange/ProgramDiff.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

using Lines = std::vector<std::string>;

// Boreal with 11494 H and 12111 V; TV: Kino 1, Kino 10, News 24; radio: Wave; group
// "Kids" holding Kino 10 and Kino 1.
std::unique_ptr<ChannelDatabase> Base() {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Boreal");
  testkit::PutTransponder(*db, 0, 0, 11494, 27500, TransponderRecord::kHorizontal);
  testkit::PutTransponder(*db, 1, 0, 12111, 27500, TransponderRecord::kVertical);
  testkit::PutProgram(*db, 0, "Kino 1", 0).SetServiceId(11);
  testkit::PutProgram(*db, 1, "Kino 10", 0).SetServiceId(12);
  testkit::PutProgram(*db, 2, "News 24", 1).SetServiceId(13);
  testkit::PutProgram(*db, 3, "Wave", 1, ProgramRecord::kRadio).SetServiceId(14);
  testkit::PutList(db->channelLists.tvList, {0, 1, 2});
  testkit::PutList(db->channelLists.radioList, {3});
  testkit::PutGroup(*db, 0, "Kids", {1, 0});
  return db;
}

Lines Described(const ChannelDatabase& a, const ChannelDatabase& b) {
  Lines out;
  for (const progdiff::Change& c : progdiff::Compare(a, b, 3).changes) out.push_back(progdiff::Describe(c));
  return out;
}

TEST(ProgramDiff, TheSameProgramsInOtherSlotsAreTheSame) {
  auto full = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*full);
  EXPECT_TRUE(progdiff::Compare(*full, *testkit::SlotsShuffled(*full, 7), 3).Same());
  // Two programs of one key are told apart by name, not by the slots they hold.
  auto twins = Base();
  testkit::PutProgram(*twins, 4, "Kino 1 HD", 0).SetServiceId(11);
  testkit::PutList(twins->channelLists.tvList, {0, 1, 2, 4});
  EXPECT_TRUE(progdiff::Compare(*twins, *testkit::SlotsShuffled(*twins, 3), 3).Same());
  EXPECT_TRUE(progdiff::Compare(*Base(), *testkit::SlotsShuffled(*Base(), 5), 3).Same());
}

TEST(ProgramDiff, EachChangeIsOneLineNamingTheProgram) {
  const struct {
    const char* what;
    std::function<void(ChannelDatabase&)> change;
    Lines said;
  } cases[] = {
      {"added",
       [](ChannelDatabase& b) {
         testkit::PutProgram(b, 9, "Sport", 1).SetServiceId(20);
         testkit::PutList(b.channelLists.tvList, {0, 1, 2, 9});
       },
       {"\"Sport\" (Boreal 12111 V, SID 20): added", "TV list: \"Sport\" (Boreal 12111 V, SID 20) entered at No. 4"}},
      {"removed",
       [](ChannelDatabase& b) {
         b.programs[2].SetState(SlotState::Deleted);
         testkit::PutList(b.channelLists.tvList, {0, 1});
       },
       {"\"News 24\" (Boreal 12111 V, SID 13): removed", "TV list: \"News 24\" (Boreal 12111 V, SID 13) left from No. 3"}},
      {"renamed", [](ChannelDatabase& b) { b.programs[1].SetName("Kino Zehn"); },
       {"\"Kino Zehn\" (Boreal 11494 H, SID 12): renamed from \"Kino 10\""}},
      {"locked", [](ChannelDatabase& b) { b.programs[0].SetLocked(true); },
       {"\"Kino 1\" (Boreal 11494 H, SID 11): locked"}},
      {"a PID", [](ChannelDatabase& b) { b.programs[3].SetAudioPid(300, 3); },
       {"\"Wave\" (Boreal 12111 V, SID 14): Audio PID changed from 0 to 300"}},
      {"moved in a list", [](ChannelDatabase& b) { testkit::PutList(b.channelLists.tvList, {2, 0, 1}); },
       {"TV list: \"News 24\" (Boreal 12111 V, SID 13) moved from No. 3 to No. 1"}},
      {"into the other list",
       [](ChannelDatabase& b) {
         testkit::PutList(b.channelLists.tvList, {0, 1});
         testkit::PutList(b.channelLists.radioList, {3, 2});
       },
       {"TV list: \"News 24\" (Boreal 12111 V, SID 13) left from No. 3",
        "radio list: \"News 24\" (Boreal 12111 V, SID 13) entered at No. 2"}},
      {"moved in a group", [](ChannelDatabase& b) { testkit::PutGroup(b, 0, "Kids", {0, 1}); },
       {"favourite group 1 [Kids]: \"Kino 1\" (Boreal 11494 H, SID 11) moved from No. 2 to No. 1"}},
      {"a group added", [](ChannelDatabase& b) { testkit::PutGroup(b, 4, "News", {2}); },
       {"favourite group 5 [News] added",
        "favourite group 5 [News]: \"News 24\" (Boreal 12111 V, SID 13) entered at No. 1"}},
      {"a group renamed", [](ChannelDatabase& b) { b.channelLists.favoriteGroups[0].SetName("Kinder"); },
       {"favourite group 1 [Kinder] renamed from [Kids]"}},
      {"a group removed", [](ChannelDatabase& b) { b.channelLists.favoriteGroups[0].Clear(); },
       {"favourite group 1 [Kids] removed"}},
      // Another service ID is another program: the rescan found a new one.
      {"a service ID", [](ChannelDatabase& b) { b.programs[0].SetServiceId(99); },
       {"\"Kino 1\" (Boreal 11494 H, SID 99): added", "\"Kino 1\" (Boreal 11494 H, SID 11): removed",
        "TV list: \"Kino 1\" (Boreal 11494 H, SID 11) left from No. 1",
        "TV list: \"Kino 1\" (Boreal 11494 H, SID 99) entered at No. 1",
        "favourite group 1 [Kids]: \"Kino 1\" (Boreal 11494 H, SID 11) left from No. 2",
        "favourite group 1 [Kids]: \"Kino 1\" (Boreal 11494 H, SID 99) entered at No. 2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto b = Base();
    c.change(*b);
    // The slots the programs happen to hold say nothing.
    EXPECT_EQ(Described(*Base(), *testkit::SlotsShuffled(*b, 11)), c.said);
  }
}

TEST(ProgramDiff, ScriptsGetEachChangeAsAnObject) {
  auto b = Base();
  testkit::PutList(b->channelLists.tvList, {2, 0, 1});
  b->programs[0].SetLocked(true);
  const progdiff::Result r = progdiff::Compare(*Base(), *b, 3);
  ASSERT_EQ(r.changes.size(), 2u);
  EXPECT_EQ(progdiff::ToJson(r.changes[0]).dump(),
            R"({"change":"locked","table":"programs","program":{"name":"Kino 1","satellite":"Boreal","frequency":11494,)"
            R"("polarization":"H","serviceId":11},"slot":0})");
  EXPECT_EQ(progdiff::ToJson(r.changes[1]).dump(),
            R"({"change":"moved","table":"tvList","program":{"name":"News 24","satellite":"Boreal","frequency":12111,)"
            R"("polarization":"V","serviceId":13},"slot":2,"from":2,"to":0})");
  EXPECT_EQ(progdiff::ProgramOf(r.changes[1]), 2);
}

}  // namespace
