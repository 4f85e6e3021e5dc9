#include "db/document/JournalRestore.h"

#include <algorithm>
#include <memory>

#include "db/document/JournalTexts.h"
#include "db/records/TextArgs.h"

namespace journal {

Replay PlanReplay(const Contents& contents) {
  Replay plan;
  for (const Record& r : contents.records) {
    switch (r.type) {
      case RecordType::Step:
      case RecordType::Load:
        plan.steps.resize(plan.place);
        plan.steps.push_back(&r);
        ++plan.place;
        break;
      case RecordType::Undo:
        if (plan.place > 0) --plan.place;
        break;
      case RecordType::Redo:
        if (plan.place < plan.steps.size()) ++plan.place;
        break;
    }
  }
  return plan;
}

Summary Summarize(const Contents& contents) {
  const Replay plan = PlanReplay(contents);
  Summary s;
  s.steps = plan.place;
  if (plan.place > 0) s.lastName = plan.steps[plan.place - 1]->name;
  s.lastTime = contents.records.empty() ? contents.head.time : contents.records.back().time;
  return s;
}

namespace {

Result RestoreInto(const Contents& contents, CQuelmarDoc& doc, bool allSteps, Restored& out,
              const std::function<void()>& based) {
  out = {};
  const Head& head = contents.head;
  if (Result loaded = doc.LoadWholeImage(head.image.data(), head.image.size(), head.dbType); !loaded)
    return Result::Failure(FillArgs(JournalTexts::kBaseRefused, loaded.message));
  if (head.origin == Origin::File && head.stamp.Exists() && fileio::StampOf(head.path) == head.stamp) {
    doc.RestoredFrom(head.path, head.stamp);
    out.sameFile = true;
  }
  if (based) based();

  const Replay plan = PlanReplay(contents);
  const std::size_t count = allSteps ? plan.steps.size() : plan.place;
  for (std::size_t i = 0; i < count; ++i) {
    const Record& r = *plan.steps[i];
    if (r.type == RecordType::Load) {
      if (Result taken = doc.LoadReceivedImage(r.image.data(), r.image.size(), r.name, r.dbType); !taken)
        return Result::Failure(FillArgs(JournalTexts::kStepDoesNotFit, std::to_string(i + 1)));
      continue;
    }
    const ChannelDatabase& before = doc.Working();
    const std::optional<ChangeSet> changes =
        ChangeSet::FromForward(r.ranges, r.bytes.data(), r.bytes.size(), reinterpret_cast<const std::uint8_t*>(&before),
                               sizeof(ChannelDatabase));
    if (!changes) return Result::Failure(FillArgs(JournalTexts::kStepDoesNotFit, std::to_string(i + 1)));
    const CQuelmarDoc::Step step = doc.BeginStep(r.name);
    doc.Edit([&](ChannelDatabase& db) { changes->Apply(db, ChangeSide::After); });
  }
  out.undo = count - std::min(count, plan.place);
  doc.SetModifiedFlag(true);
  return Result::Success();
}

}  // namespace

Result Restore(const Contents& contents, CQuelmarDoc& doc, bool allSteps, Restored& out,
               const std::function<void()>& based) {
  // Replayed aside first: a journal that fails part of the way leaves the document, its
  // file, its variant and its history exactly as they were.
  {
    const auto trial = std::make_unique<CQuelmarDoc>();
    Restored ignored;
    if (Result tried = RestoreInto(contents, *trial, allSteps, ignored, {}); !tried) return tried;
  }
  return RestoreInto(contents, doc, allSteps, out, based);
}

}  // namespace journal
