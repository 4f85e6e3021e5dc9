// Undo and redo through the document: every kind of edit, taken back, leaves the
// working database byte for byte as before, and done again, as after; a long random
// session on a full database unwinds to the opened bytes and winds up to the edited ones.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/DuplicateReport.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "db/operations/SampleDatabase.h"
#include "db/operations/SatelliteOperations.h"
#include "db/records/ByteOrder.h"
#include "db/records/DbType.h"

namespace {

struct Step {
  std::string text;
  ChangeSet changes;
};

// Keeps what the document records, as the window's stack would.
struct KeptSteps : EditHistory {
  std::vector<Step> steps;
  int resets = 0;
  std::string loadText;
  DocStatePtr beforeLoad, afterLoad;
  void OnEditRecorded(const std::string& text, ChangeSet changes) override {
    steps.push_back({text, std::move(changes)});
  }
  void OnLoadRecorded(const std::string& text, DocStatePtr before, DocStatePtr after) override {
    loadText = text;
    beforeLoad = std::move(before);
    afterLoad = std::move(after);
  }
  void OnHistoryReset() override {
    steps.clear();
    ++resets;
  }
};

using Bytes = std::vector<std::uint8_t>;
Bytes BytesOf(const ChannelDatabase& db) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&db);
  return Bytes(p, p + sizeof db);
}

class Undo : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.SetHistory(&kept);
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildFullDatabase(*db, 21);
    doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *db);
  }

  CQuelmarDoc doc;
  KeptSteps kept;
};

dbops::ProgramEntry Entry(const std::string& name) {
  dbops::ProgramEntry e;
  e.name = name;
  e.locked = true;
  e.numbers = {101, 102, 103, 104, 105, 1006};
  return e;
}

}  // namespace

// Each operation the pages and dialogs run, with arguments that change something.
TEST_F(Undo, EveryKindOfStepUndoesAndRedoesByteForByte) {
  const std::vector<std::pair<const char*, std::function<void()>>> edits = {
      {"add satellite", [&] { doc.Edit(dbops::DeleteSatellite, 3), doc.Edit(dbops::AddSatellite, "Fresh"); }},
      {"delete satellite", [&] { doc.Edit(dbops::DeleteSatellite, 9); }},
      {"update sat. info",
       [&] {
         dbops::SatelliteSettings s;
         s.tone22k = 1;
         s.lnbPower = 0;
         s.diseqcPort = 2;
         s.lnbType = 1;
         s.name = "Renamed";
         s.lnbFreqHigh = 10750;
         s.lnbFreqLow = 9700;
         doc.Edit(dbops::UpdateSatellite, 5, s);
       }},
      {"add transponder", [&] { doc.Edit(dbops::DeleteTransponder, 40), doc.Edit(dbops::SaveTransponder, 11000, 22000, 1u, 2, -1); }},
      {"edit transponder", [&] { doc.Edit(dbops::SaveTransponder, 12345, 27500, 0u, 2, 17); }},
      {"delete transponder", [&] { doc.Edit(dbops::DeleteTransponder, 18); }},
      {"add program", [&] { doc.Edit(dbops::DeleteProgram, 70), doc.Edit(dbops::AddProgram, Entry("New"), 1, 4, dbtype::kDefault); }},
      {"update program", [&] { doc.Edit(dbops::UpdateProgram, 33, Entry("Changed"), dbtype::kDefault); }},
      {"delete listed program", [&] { doc.Edit(dbops::DeleteListedProgram, 0, int(doc.Working().channelLists.tvList.Entry(10))); }},
      {"add group", [&] { doc.Edit(dbops::DeleteFavoriteGroup, 6), doc.Edit(dbops::AddFavoriteGroup, "Kids"); }},
      {"rename group", [&] { doc.Edit(dbops::RenameFavoriteGroup, 1, "Sport 2"); }},
      {"delete group", [&] { doc.Edit(dbops::DeleteFavoriteGroup, 2); }},
      {"add member", [&] { doc.Edit(dbops::RemoveGroupMember, 4, int(doc.Working().channelLists.favoriteGroups[4].Member(0))), doc.Edit(dbops::AddGroupMember, 4, 3999); }},
      {"remove member", [&] { doc.Edit(dbops::RemoveGroupMember, 3, int(doc.Working().channelLists.favoriteGroups[3].Member(50))); }},
      {"move member down", [&] { doc.Edit(dbops::MoveGroupMember, 0, 5, 60); }},
      {"move member up", [&] { doc.Edit(dbops::MoveGroupMember, 0, 99, 0); }},
      {"delete duplicates",
       [&] {
         const std::vector<int> doomed{int(doc.Working().channelLists.tvList.Entry(3)), 40, 41};
         doc.Edit(dbops::DeletePrograms, std::span<const int>(doomed));
       }},
  };
  for (const auto& [name, edit] : edits) {
    SCOPED_TRACE(name);
    const Bytes prior = BytesOf(doc.Working());
    {
      // Freeing a slot first and then filling it is one action here, as a user's
      // delete and add would be two.
      const auto step = doc.BeginStep(name);
      edit();
    }
    ASSERT_FALSE(kept.steps.empty());
    const Step& s = kept.steps.back();
    EXPECT_EQ(s.text, name);
    const Bytes after = BytesOf(doc.Working());
    doc.ApplyStep(s.changes, ChangeSide::Before);
    const Bytes before = BytesOf(doc.Working());
    EXPECT_EQ(before, prior);
    EXPECT_NE(before, after);
    doc.ApplyStep(s.changes, ChangeSide::After);
    EXPECT_EQ(BytesOf(doc.Working()), after);
    doc.ApplyStep(s.changes, ChangeSide::Before);
    EXPECT_EQ(BytesOf(doc.Working()), before);
    // Redone, and nothing is left over unrecorded for the next step.
    doc.ApplyStep(s.changes, ChangeSide::After);
    const std::size_t steps = kept.steps.size();
    { const auto none = doc.BeginStep("nothing"); }
    EXPECT_EQ(kept.steps.size(), steps);
  }
  EXPECT_EQ(kept.steps.size(), edits.size()) << "one step per action";
}

// Without a step opened by the caller, each Edit is a step of its own, named after the
// record it changed; an edit that changes nothing is no step.
TEST_F(Undo, UnnamedEditsAreStepsNamedAfterTheirRecordAndNoChangeIsNoStep) {
  doc.Edit(dbops::RenameFavoriteGroup, 1, "Films");
  ASSERT_EQ(kept.steps.size(), 1u);
  EXPECT_EQ(kept.steps[0].text, "Edit Group [Films]");
  doc.Edit(dbops::RenameFavoriteGroup, 1, "Films");  // the name already stored
  dbops::SatelliteSettings same;
  const SatelliteRecord& sat = doc.Working().satellites[5];
  same.tone22k = sat.Tone22k() ? 1 : 0;
  same.motor = int(sat.Motor());
  same.selected = sat.Selected() ? 1 : 0;
  same.lnbPower = sat.LnbPower() ? 1 : 0;
  same.diseqcPort = int(sat.DiseqcPort());
  same.lnbType = int(sat.LnbType());
  same.name = sat.Name();
  same.lnbFreqHigh = sat.LnbFreqHigh();
  same.lnbFreqLow = sat.LnbFreqLow();
  {
    const auto step = doc.BeginStep("Update Sat. Info [x]");
    doc.Edit(dbops::UpdateSatellite, 5, same);
  }
  EXPECT_EQ(kept.steps.size(), 1u) << "nothing changed, no step";

  // Steps opened inside a step belong to it.
  {
    const auto outer = doc.BeginStep("outer");
    doc.Edit(dbops::DeleteTransponder, 1);
    {
      const auto inner = doc.BeginStep("inner");
      doc.Edit(dbops::DeleteTransponder, 2);
    }
    doc.Edit(dbops::DeleteTransponder, 3);
  }
  ASSERT_EQ(kept.steps.size(), 2u);
  EXPECT_EQ(kept.steps[1].text, "outer");

  // A load voids the steps: they belong to the database that was replaced.
  const int resets = kept.resets;
  doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), doc.Working());
  EXPECT_EQ(kept.resets, resets + 1);
  EXPECT_TRUE(kept.steps.empty());
}

// 200 mixed edits with seeded arguments, as a user's long session: undone from the last
// to the first they give the opened bytes, redone from the first to the last the edited
// bytes, and each undo gives exactly the state before its step.
TEST_F(Undo, TwoHundredRandomEditsUnwindToTheOpenedBytes) {
  const Bytes opened = BytesOf(doc.Working());
  std::mt19937 random(20261208);
  const auto pick = [&](int n) { return int(random() % unsigned(n)); };
  const auto program = [&] { return pick(int(ChannelDatabase::kProgramCount)); };
  std::vector<Bytes> states{opened};
  for (int i = 0; i < 200; ++i) {
    const ChannelDatabase& db = doc.Working();
    const std::size_t stepsBefore = kept.steps.size();
    switch (pick(14)) {
      case 0: doc.Edit(dbops::AddSatellite, "Sat " + std::to_string(i)); break;
      case 1: doc.Edit(dbops::DeleteSatellite, pick(160)); break;
      case 2: {
        dbops::SatelliteSettings s;
        s.tone22k = pick(2);
        s.motor = pick(2);
        s.lnbPower = pick(2);
        s.diseqcPort = pick(5);
        s.lnbType = pick(2);
        s.name = "Upd " + std::to_string(i);
        s.lnbFreqHigh = 10000 + unsigned(pick(1000));
        s.lnbFreqLow = 9000 + unsigned(pick(1000));
        doc.Edit(dbops::UpdateSatellite, pick(160), s);
        break;
      }
      case 3: doc.Edit(dbops::SaveTransponder, std::uint16_t(10700 + pick(2000)), std::uint16_t(20000 + pick(10000)), unsigned(pick(2)), pick(160), pick(2) ? -1 : pick(2100)); break;
      case 4: doc.Edit(dbops::DeleteTransponder, pick(2100)); break;
      case 5: doc.Edit(dbops::AddProgram, Entry("P" + std::to_string(i)), pick(3), pick(2100), dbtype::kDefault); break;
      case 6: doc.Edit(dbops::UpdateProgram, program(), Entry("U" + std::to_string(i)), pick(4)); break;
      case 7: {
        const int list = pick(2);
        const ServiceList& l = *db.channelLists.List(list);
        if (l.ValidCount() > 0) doc.Edit(dbops::DeleteListedProgram, list, int(l.Entry(std::size_t(pick(int(l.ValidCount()))))));
        break;
      }
      case 8: doc.Edit(dbops::AddFavoriteGroup, "G" + std::to_string(i)); break;
      case 9: doc.Edit(dbops::RenameFavoriteGroup, pick(8), "R" + std::to_string(i)); break;
      case 10: doc.Edit(dbops::DeleteFavoriteGroup, pick(8)); break;
      case 11: doc.Edit(dbops::AddGroupMember, pick(8), program()); break;
      case 12: {
        const int g = pick(8);
        const auto& group = db.channelLists.favoriteGroups[std::size_t(g)];
        if (group.ValidMemberCount() > 0)
          doc.Edit(dbops::RemoveGroupMember, g, int(group.Member(std::size_t(pick(int(group.ValidMemberCount()))))));
        break;
      }
      default: {
        const int g = pick(8);
        const int n = int(db.channelLists.favoriteGroups[std::size_t(g)].ValidMemberCount());
        if (n > 1) doc.Edit(dbops::MoveGroupMember, g, pick(n), pick(n));
      }
    }
    if (kept.steps.size() > stepsBefore) states.push_back(BytesOf(doc.Working()));
    ASSERT_LE(kept.steps.size(), stepsBefore + 1) << "one edit, at most one step";
  }
  ASSERT_GT(kept.steps.size(), 150u) << "most edits changed something";
  const Bytes edited = BytesOf(doc.Working());

  for (std::size_t i = kept.steps.size(); i-- > 0;) {
    doc.ApplyStep(kept.steps[i].changes, ChangeSide::Before);
    ASSERT_EQ(BytesOf(doc.Working()), states[i]) << "undo of step " << i;
  }
  EXPECT_EQ(BytesOf(doc.Working()), opened);
  for (std::size_t i = 0; i < kept.steps.size(); ++i) doc.ApplyStep(kept.steps[i].changes, ChangeSide::After);
  EXPECT_EQ(BytesOf(doc.Working()), edited);
}

// Without a history (quelmar-cli, the page tests) an edit marks the document modified
// as it always has; with one, the history's clean state decides.
TEST(UndoModified, MarkEditedFollowsTheHistoryWhenThereIsOne) {
  CQuelmarDoc doc;
  doc.MarkEdited();
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  KeptSteps kept;
  doc.SetHistory(&kept);
  doc.MarkEdited();
  EXPECT_FALSE(doc.IsModified());
}

// A received image is one step over the edits: the whole state on each side of it comes
// back byte for byte, header and extra word included, and the steps before it stay.
TEST_F(Undo, AReceivedImageIsOneStepOverTheEdits) {
  const auto built = [&] {
    Bytes image(DatabaseImage::kImageSize);
    EXPECT_EQ(doc.BuildImage(image.data()), DatabaseImage::kImageSize);
    return image;
  };
  doc.Edit(dbops::DeleteSatellite, 2);
  const Bytes edited = built();
  CQuelmarDoc other;
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  other.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *db);
  Bytes received(DatabaseImage::kImageSize);
  ASSERT_EQ(other.BuildImage(received.data()), DatabaseImage::kImageSize);
  bytes::StoreU32(&received[0x60040], 0xFEEDC0DE);

  const int resets = kept.resets;
  ASSERT_TRUE(doc.LoadReceivedImage(received.data(), received.size(), "Receive from STB"));
  EXPECT_EQ(kept.resets, resets);
  EXPECT_EQ(kept.steps.size(), 1u);
  EXPECT_EQ(kept.loadText, "Receive from STB");
  const Bytes afterReceive = built();
  EXPECT_EQ(bytes::LoadU32(&afterReceive[0x60040]), 0xFEEDC0DEu);

  doc.RestoreState(*kept.beforeLoad);
  EXPECT_EQ(built(), edited);
  doc.ApplyStep(kept.steps[0].changes, ChangeSide::Before);
  doc.ApplyStep(kept.steps[0].changes, ChangeSide::After);
  EXPECT_EQ(built(), edited) << "the steps before the receive apply to the state it gave back";
  doc.RestoreState(*kept.afterLoad);
  EXPECT_EQ(built(), afterReceive);
  // Edits after a redone receive are counted from the received database.
  doc.Edit(dbops::DeleteSatellite, 1);
  ASSERT_EQ(kept.steps.size(), 2u);
  doc.ApplyStep(kept.steps[1].changes, ChangeSide::Before);
  EXPECT_EQ(built(), afterReceive);
}

// The "New" marks a step sets (a reference applied) go with its undo and come back with
// its redo; a later step that leaves them alone carries none.
TEST_F(Undo, TheMarksAStepSetsGoAndComeBackWithIt) {
  const std::vector<int> marked{3, 7};
  doc.Apply({"Apply"}, [&](ChannelDatabase& db) {
    dbops::DeleteSatellite(db, 2);
    doc.Marks().Set(marked);
  });
  doc.Apply({"Delete"}, dbops::DeleteSatellite, 4);
  ASSERT_EQ(kept.steps.size(), 2u);
  EXPECT_EQ(kept.steps[1].changes.Marks(ChangeSide::Before), nullptr);
  doc.ApplyStep(kept.steps[1].changes, ChangeSide::Before);
  EXPECT_EQ(doc.Marks().Count(), 2);
  doc.ApplyStep(kept.steps[0].changes, ChangeSide::Before);
  EXPECT_TRUE(doc.Marks().Empty());
  doc.ApplyStep(kept.steps[0].changes, ChangeSide::After);
  EXPECT_TRUE(doc.Marks().Has(3) && doc.Marks().Has(7));
  // Turned round, as a journal's undo sees a step, the sides swap too.
  doc.ApplyStep(kept.steps[0].changes.Reversed(), ChangeSide::After);
  EXPECT_TRUE(doc.Marks().Empty());
}
