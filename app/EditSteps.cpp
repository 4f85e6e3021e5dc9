#include "app/EditSteps.h"

#include <QUndoCommand>
#include <utility>
#include <vector>

#include "db/CQuelmarDoc.h"

namespace {

// One recorded user action. It is pushed after the edit has happened, so the redo that
// QUndoStack::push runs at once has nothing to do.
class RecordedStep : public QUndoCommand {
 public:
  RecordedStep(EditSteps& owner, const QString& text, ChangeSet changes)
      : owner_(owner), text_(text), changes_(std::move(changes)) {
    // The menu item shows the action text, where an & would mark a key: doubled there.
    setText(text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    size_ = sizeof(*this) + changes_.MemoryUsed() + std::size_t(3 * text.size()) * sizeof(QChar);
    owner_.CountMemory(std::ptrdiff_t(size_));
  }
  ~RecordedStep() override { owner_.CountMemory(-std::ptrdiff_t(size_)); }

  std::size_t Size() const { return size_; }
  const QString& Text() const { return text_; }
  // The step's changes, for a new command that takes its place.
  ChangeSet TakeChanges() { return std::move(changes_); }

  void undo() override { owner_.Apply(changes_, ChangeSide::Before); }
  void redo() override {
    if (pushed_) {
      pushed_ = false;
      return;
    }
    owner_.Apply(changes_, ChangeSide::After);
  }

 private:
  EditSteps& owner_;
  QString text_;
  ChangeSet changes_;
  std::size_t size_ = 0;
  bool pushed_ = true;
};

}  // namespace

EditSteps::EditSteps(CQuelmarDoc& doc, QObject* parent, std::size_t memoryLimit)
    : QObject(parent), doc_(doc), memoryLimit_(memoryLimit) {
  doc_.SetHistory(this);
  connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { doc_.SetModifiedFlag(!clean); });
}

EditSteps::~EditSteps() {
  doc_.SetHistory(nullptr);
  // The stack's commands call back into this object as they go; none must run.
  stack_.disconnect();
}

void EditSteps::Clear() {
  const bool modified = doc_.IsModified();
  stack_.clear();
  // clear() reports a clean stack only when it was not clean; the flag is the caller's.
  doc_.SetModifiedFlag(modified);
}

void EditSteps::MarkSaved() { stack_.setClean(); }

void EditSteps::ForgetClean() { stack_.resetClean(); }

void EditSteps::OnEditRecorded(const std::string& text, ChangeSet changes) {
  stack_.push(new RecordedStep(*this, QString::fromStdString(text), std::move(changes)));
  if (memoryUsed_ > memoryLimit_) DropOldest();
}

void EditSteps::DropOldest() {
  // QUndoStack removes no command from its bottom, so the stack is built again from
  // the newest steps. Right after a push there is nothing to redo: every step is done.
  const int count = stack_.count();
  if (count < 2 || stack_.index() != count) return;
  const std::size_t keep = memoryLimit_ / 4 * 3;
  int first = count - 1;  // the newest step always stays
  std::size_t kept = static_cast<const RecordedStep*>(stack_.command(first))->Size();
  while (first > 0) {
    const std::size_t size = static_cast<const RecordedStep*>(stack_.command(first - 1))->Size();
    if (kept + size > keep) break;
    kept += size;
    --first;
  }
  std::vector<std::pair<QString, ChangeSet>> steps;
  steps.reserve(std::size_t(count - first));
  for (int i = first; i < count; ++i) {
    // The stack owns its commands and hands them out const; each is deleted below.
    auto* step = const_cast<RecordedStep*>(static_cast<const RecordedStep*>(stack_.command(i)));
    steps.emplace_back(step->Text(), step->TakeChanges());
  }
  // Clean is the state after cleanIndex() steps; it stays reachable only when no step
  // before it is dropped.
  const int clean = stack_.cleanIndex() - first;
  const bool modified = doc_.IsModified();
  stack_.clear();
  if (clean == 0) stack_.setClean();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    stack_.push(new RecordedStep(*this, steps[i].first, std::move(steps[i].second)));
    if (int(i) + 1 == clean) stack_.setClean();
  }
  if (clean < 0 || clean > int(steps.size())) stack_.resetClean();
  doc_.SetModifiedFlag(modified);
}

void EditSteps::OnHistoryReset() { Clear(); }

void EditSteps::Apply(const ChangeSet& changes, ChangeSide side) {
  doc_.ApplyStep(changes, side);
  emit StepApplied(SubjectOf(changes, side, doc_.Working()));
}
