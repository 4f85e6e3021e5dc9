#include "app/EditSteps.h"

#include <QUndoCommand>

#include "db/CQuelmarDoc.h"

namespace {

// One recorded user action. It is pushed after the edit has happened, so the redo that
// QUndoStack::push runs at once has nothing to do.
class RecordedStep : public QUndoCommand {
 public:
  RecordedStep(EditSteps& owner, const QString& text, ChangeSet changes)
      : owner_(owner), changes_(std::move(changes)) {
    // The menu item shows the action text, where an & would mark a key: doubled there.
    setText(text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
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
  ChangeSet changes_;
  bool pushed_ = true;
};

}  // namespace

EditSteps::EditSteps(CQuelmarDoc& doc, QObject* parent) : QObject(parent), doc_(doc) {
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
}

void EditSteps::OnHistoryReset() { Clear(); }

void EditSteps::Apply(const ChangeSet& changes, ChangeSide side) {
  doc_.ApplyStep(changes, side);
  emit StepApplied(SubjectOf(changes, side, doc_.Working()));
}
