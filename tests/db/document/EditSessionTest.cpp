// An action through DocEditing::Apply: one named step for undo, the modified mark as the
// action asks, and one notice saying what changed and whose action it was; undo and
// redo give the same notice. The rule of each is held here, below any page.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/SampleDatabase.h"
#include "db/operations/SatelliteOperations.h"
#include "support/DbBuilders.h"

namespace {

using Kind = StepSubject::Kind;
using Mark = DocEditing::Mark;

struct Texts : EditHistory {
  std::vector<std::string> texts;
  std::vector<ChangeSet> changes;
  void OnEditRecorded(const std::string& text, ChangeSet c) override {
    texts.push_back(text);
    changes.push_back(std::move(c));
  }
  void OnLoadRecorded(const std::string&, DocStatePtr, DocStatePtr) override {}
  void OnHistoryReset() override {}
};

struct Heard : DocListener {
  std::vector<DocChange> notices;
  void OnDocChanged(const DocChange& change) override { notices.push_back(change); }
};

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    auto db = testkit::EmptyDb();
    testkit::PutSatellite(*db, 0, "Astra");
    testkit::PutSatellite(*db, 1, "Hot Bird");
    testkit::PutTransponder(*db, 0, 1, 11000);
    doc.LoadDatabase(sample::MakeHeader(3), *db);
    doc.Listen(&heard);
  }
  void TearDown() override { doc.Unlisten(&heard); }

  CQuelmarDoc doc;
  Heard heard;
};

}  // namespace

// Without a history the action's mark decides the modified flag.
TEST_F(Session, TheActionsMarkDecidesTheModifiedFlag) {
  struct Case {
    const char* what;
    Mark mark;
    bool changes;  // the operation changes the database
    bool done;     // the operation says it did its work
    bool modified;
  };
  const Case cases[] = {
      {"changed, IfChanged", Mark::IfChanged, true, true, true},
      {"unchanged, IfChanged", Mark::IfChanged, false, true, false},
      {"unchanged but done, IfDone", Mark::IfDone, false, true, true},
      {"changed but not done, IfDone", Mark::IfDone, true, false, false},
      {"unchanged, Always", Mark::Always, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc.SetModifiedFlag(false);
    const bool result = doc.Apply({"Step", c.mark}, [&c](ChannelDatabase& db) {
      if (c.changes) db.satellites[0].SetSelected(!db.satellites[0].Selected());
      return c.done;
    });
    EXPECT_EQ(result, c.done);
    EXPECT_EQ(doc.IsModified(), c.modified);
  }
}

// An operation whose result is not a truth value says what doing its work means.
TEST_F(Session, ARenameToItsOwnNameIsDoneThoughNothingChanged) {
  auto db = testkit::EmptyDb();
  testkit::PutGroup(*db, 0, "News", {});
  testkit::PutGroup(*db, 1, "Sport", {});
  doc.LoadDatabase(sample::MakeHeader(3), *db);
  const struct {
    const char* name;
    ResultCode result;
    bool modified;
  } cases[] = {{"News", ResultCode::None, true}, {"Sport", ResultCode::NameExists, false}};
  for (const auto& c : cases) {
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.Apply({"Rename", Mark::IfDone}, dbops::RenameFavoriteGroup, 0, c.name).code, c.result);
    EXPECT_EQ(doc.IsModified(), c.modified) << c.name;
  }
  EXPECT_TRUE(heard.notices.empty());
}

TEST_F(Session, AnActionIsOneNamedStepAndOneNotice) {
  Texts history;
  doc.SetHistory(&history);
  const bool added = doc.Apply({"Add Satellite [Eutelsat]"}, [](ChannelDatabase& db) {
    // Two edits inside one action: still one step, one notice.
    dbops::AddSatellite(db, "Eutelsat");
    return dbops::AddSatellite(db, "Thor");
  });
  EXPECT_TRUE(added);
  // The notice has gone round before Apply returns: whoever acted finds its lists current.
  EXPECT_EQ(history.texts, std::vector<std::string>{"Add Satellite [Eutelsat]"});
  ASSERT_EQ(heard.notices.size(), 1u);
  const DocChange& n = heard.notices.front();
  EXPECT_EQ(n.cause, DocChange::Cause::Edit);
  EXPECT_EQ(n.subject.kind, Kind::Satellite);
  EXPECT_EQ(n.subject.slot, 2);
  EXPECT_TRUE(n.Touched(Kind::Satellite));
  EXPECT_FALSE(n.Touched(Kind::Program));

  // An action that changed nothing makes neither a step nor a notice.
  doc.Apply({"Update Satellite [Astra]"}, dbops::UpdateSatellite, 99, dbops::SatelliteSettings{});
  EXPECT_EQ(history.texts.size(), 1u);
  EXPECT_EQ(heard.notices.size(), 1u);
  doc.SetHistory(nullptr);
}

TEST_F(Session, AnActionInsideAnotherBelongsToItAndIsToldOnce) {
  Texts history;
  doc.SetHistory(&history);
  doc.Apply({"Outer"}, [this](ChannelDatabase& db) {
    db.satellites[0].SetSelected(false);
    doc.Apply({"Inner"}, dbops::DeleteSatellite, 1);
    EXPECT_TRUE(heard.notices.empty());
  });
  EXPECT_EQ(history.texts, std::vector<std::string>{"Outer"});
  ASSERT_EQ(heard.notices.size(), 1u);
  EXPECT_TRUE(heard.notices[0].Touched(Kind::Transponder));
  doc.SetHistory(nullptr);
}

TEST_F(Session, ANamedActionTakesItsNameFromTheResult) {
  Texts history;
  doc.SetHistory(&history);
  doc.ApplyNamed({"Add ? Satellites"}, [](bool added) { return added ? "Add 1 Satellite" : "Add 0 Satellites"; },
                 dbops::AddSatellite, "Thor");
  EXPECT_EQ(history.texts, std::vector<std::string>{"Add 1 Satellite"});
  doc.SetHistory(nullptr);
}

TEST_F(Session, UndoAndRedoGiveTheSameNoticeAsTheEdit) {
  Texts history;
  doc.SetHistory(&history);
  doc.Apply({"Delete Satellite [Hot Bird]"}, dbops::DeleteSatellite, 1);
  ASSERT_EQ(history.changes.size(), 1u);
  heard.notices.clear();

  const StepSubject undone = doc.ApplyStep(history.changes[0], ChangeSide::Before);
  EXPECT_TRUE(doc.Working().satellites[1].IsUsed());
  const StepSubject redone = doc.ApplyStep(history.changes[0], ChangeSide::After);
  ASSERT_EQ(heard.notices.size(), 2u);
  EXPECT_EQ(heard.notices[0].cause, DocChange::Cause::Undo);
  EXPECT_EQ(heard.notices[1].cause, DocChange::Cause::Redo);
  for (const DocChange& n : heard.notices) {
    EXPECT_EQ(n.subject.kind, Kind::Satellite);
    EXPECT_EQ(n.subject.slot, 1);
    EXPECT_TRUE(n.Touched(Kind::Transponder));
  }
  EXPECT_EQ(undone, heard.notices[0].subject);
  EXPECT_EQ(redone, heard.notices[1].subject);
  doc.SetHistory(nullptr);
}

TEST_F(Session, AListenerThatLeavesWhileTheNoticeGoesRoundIsNotCalledAgain) {
  struct Leaving : DocListener {
    CQuelmarDoc* doc = nullptr;
    DocListener* other = nullptr;
    int heard = 0;
    void OnDocChanged(const DocChange&) override {
      ++heard;
      doc->Unlisten(other);
    }
  };
  Heard second;
  Leaving first;
  first.doc = &doc;
  first.other = &second;
  doc.Unlisten(&heard);
  doc.Listen(&first);
  doc.Listen(&second);
  doc.Listen(&first);  // once only
  doc.Apply({"Delete"}, dbops::DeleteSatellite, 0);
  EXPECT_EQ(first.heard, 1);
  EXPECT_TRUE(second.notices.empty());
  doc.Unlisten(&first);
}
