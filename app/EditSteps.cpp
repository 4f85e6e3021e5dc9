#include "app/EditSteps.h"

#include <QUndoCommand>

#include "db/CQuelmarDoc.h"

namespace {

// A step pushed after its change has happened, so the redo that QUndoStack::push runs
// at once has nothing to do. The menu item shows the action text, where an & would mark
// a key: doubled there.
class PushedStep : public QUndoCommand {
 public:
  explicit PushedStep(const QString& text) {
    setText(text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
  void undo() override { Put(ChangeSide::Before); }
  void redo() override {
    if (pushed_) {
      pushed_ = false;
      return;
    }
    Put(ChangeSide::After);
  }

 protected:
  virtual void Put(ChangeSide side) = 0;

 private:
  bool pushed_ = true;
};

// One recorded user action: the bytes it changed.
class RecordedStep : public PushedStep {
 public:
  RecordedStep(EditSteps& owner, const QString& text, ChangeSet changes)
      : PushedStep(text), owner_(owner), changes_(std::move(changes)) {}

 private:
  void Put(ChangeSide side) override { owner_.Apply(changes_, side); }
  EditSteps& owner_;
  ChangeSet changes_;
};

// A received image that replaced the document: the whole state on each side of it.
class LoadStep : public PushedStep {
 public:
  LoadStep(CQuelmarDoc& doc, const QString& text, DocStatePtr before, DocStatePtr after)
      : PushedStep(text), doc_(doc), before_(std::move(before)), after_(std::move(after)) {}

 private:
  void Put(ChangeSide side) override { doc_.RestoreState(side == ChangeSide::Before ? *before_ : *after_); }
  CQuelmarDoc& doc_;
  DocStatePtr before_;
  DocStatePtr after_;
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

void EditSteps::OnEditRecorded(const std::string& text, ChangeSet changes) {
  stack_.push(new RecordedStep(*this, QString::fromStdString(text), std::move(changes)));
}

void EditSteps::OnLoadRecorded(const std::string& text, DocStatePtr before, DocStatePtr after) {
  stack_.push(new LoadStep(doc_, QString::fromStdString(text), std::move(before), std::move(after)));
}

void EditSteps::OnHistoryReset() { Clear(); }

void EditSteps::Apply(const ChangeSet& changes, ChangeSide side) {
  doc_.ApplyStep(changes, side);
  emit StepApplied(SubjectOf(changes, side, doc_.Working()));
}
