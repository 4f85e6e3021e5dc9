#pragma once
// The window's part around a recovery journal, played by tests and benchmarks: the
// document's steps go on an undo stack and (when journaling) into the journal, and undo
// and redo go through the document and into the journal, as the window hands them over.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/EditHistory.h"
#include "db/document/JournalFormat.h"
#include "db/document/RecoveryJournal.h"
#include "tests/support/SampleDocs.h"

namespace testkit {

class JournalSession : public EditHistory {
 public:
  // A full database of `dbType`, its journal in `folder` with "box.qdb" as its base.
  JournalSession(const std::string& folder, int dbType, bool journaling = true)
      : doc(FullDocument(dbType)),
        journal(
            folder,
            [this](const std::string& why) {
              failure = why;
              ++failures;
            },
            [this] { ++resumed; }),
        journaling_(journaling) {
    doc->SetHistory(this);
    Rebase("box.qdb");
  }
  ~JournalSession() override { doc->SetHistory(nullptr); }
  JournalSession(const JournalSession&) = delete;
  JournalSession& operator=(const JournalSession&) = delete;

  // What a save or an open does: the state now is the journal's base.
  void Rebase(const std::string& path) {
    journal::Head head;
    head.origin = journal::Origin::File;
    head.path = path;
    head.time = 1;
    head.dbType = doc->GetDbType();
    head.image = ImageOf(*doc);
    journal.Rebase(std::move(head));
  }
  void Edit(const std::string& name, const std::function<void(ChannelDatabase&)>& op) {
    const CQuelmarDoc::Step step = doc->BeginStep(name);
    doc->Edit(op);
  }
  bool CanUndo() const { return place > 0; }
  bool CanRedo() const { return place < steps.size(); }
  void Undo() {
    const Kept& s = steps[--place];
    doc->ApplyStep(s.changes, ChangeSide::Before);
    journal.Undone(s.name, s.changes);
  }
  void Redo() {
    const Kept& s = steps[place++];
    doc->ApplyStep(s.changes, ChangeSide::After);
    journal.Redone(s.name, s.changes);
  }
  const ChangeSet& LastChanges() const { return steps[place - 1].changes; }
  const std::string& LastName() const { return steps[place - 1].name; }

  void OnEditRecorded(const std::string& text, ChangeSet changes) override {
    if (journaling_) journal.Stepped(text, changes);
    steps.resize(place);
    steps.push_back({text, std::move(changes)});
    ++place;
  }
  void OnLoadRecorded(const std::string&, DocStatePtr, DocStatePtr) override {}
  void OnHistoryReset() override { steps.clear(), place = 0; }

  struct Kept {
    std::string name;
    ChangeSet changes;
  };
  std::unique_ptr<CQuelmarDoc> doc;
  std::vector<Kept> steps;
  std::size_t place = 0;
  std::string failure;
  int failures = 0;
  int resumed = 0;
  RecoveryJournal journal;

 private:
  bool journaling_;
};

}  // namespace testkit
