#include "db/document/EditSession.h"

#include <algorithm>

EditSession::EditSession(std::function<void()> edited)
    : edited_(std::move(edited)), working_(std::make_unique<ChannelDatabase>()) {}

EditSession::~EditSession() = default;

void EditSession::Take(const ChannelDatabase& db) {
  *working_ = db;
  hasData_ = true;
  recorder_.Reset(*working_);
}

void EditSession::Restore(const ChannelDatabase& db, bool hasData) {
  *working_ = db;
  hasData_ = hasData;
  recorder_.Reset(*working_);
}

void EditSession::BeginStep(std::string text, Mark mark) {
  if (stepDepth_++ > 0) return;
  stepText_ = std::move(text);
  stepMark_ = mark;
  stepDone_ = false;
  stepMarks_ = marks_;
}

void EditSession::StepDone(bool done) {
  if (stepDepth_ == 1) stepDone_ = done;
}

void EditSession::RenameStep(std::string text) {
  if (stepDepth_ == 1) stepText_ = std::move(text);
}

void EditSession::EndEdit() {
  if (stepDepth_ > 0) return;
  stepText_.clear();
  stepMark_ = Mark::Caller;
  Record();
}

void EditSession::EndStep() {
  if (stepDepth_ > 0 && --stepDepth_ == 0) Record();
}

void EditSession::Record() {
  ChangeSet changes = recorder_.Take(*working_);
  const bool changed = !changes.Empty();
  // Marks set inside the step go with it; alone (nothing else changed) they make no step.
  if (stepMarks_ && !(*stepMarks_ == marks_)) changes.SetMarks(std::move(*stepMarks_), marks_);
  stepMarks_.reset();
  const DocChange notice{DocChange::Cause::Edit, changed ? SubjectOf(changes, ChangeSide::After, *working_) : StepSubject{},
                         changed ? TouchedKinds(changes) : 0u};
  if (changed && history_) {
    const std::string named = stepText_.empty() ? DescribeChange(changes, *working_) : stepText_;
    history_->OnEditRecorded(named, std::move(changes));
  }
  if (stepMark_ == Mark::Always || (stepMark_ == Mark::IfChanged && changed) || (stepMark_ == Mark::IfDone && stepDone_))
    edited_();
  if (changed) Notify(notice);
}

StepSubject EditSession::ApplyStep(const ChangeSet& changes, ChangeSide side) {
  recorder_.Apply(*working_, changes, side);
  if (const NewMarks* marks = changes.Marks(side)) marks_ = *marks;
  const StepSubject subject = SubjectOf(changes, side, *working_);
  Notify({side == ChangeSide::Before ? DocChange::Cause::Undo : DocChange::Cause::Redo, subject,
          TouchedKinds(changes)});
  return subject;
}

void EditSession::Listen(DocListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
}

void EditSession::Unlisten(DocListener* listener) { std::erase(listeners_, listener); }

void EditSession::Notify(const DocChange& change) {
  // A listener may leave while the notice goes round (a page closed by what it shows).
  const std::vector<DocListener*> now = listeners_;
  for (DocListener* l : now)
    if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end()) l->OnDocChanged(change);
}
