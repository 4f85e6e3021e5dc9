#include "app/EditSteps.h"

#include <QUndoCommand>
#include <utility>
#include <vector>

#include <ctime>

#include "db/document/CQuelmarDoc.h"
#include "db/document/RecoveryJournal.h"
#include "db/image/DatabaseImage.h"

namespace {

// A step pushed after its change has happened, so the redo that QUndoStack::push runs
// at once has nothing to do. It counts the memory it holds in and out of its owner.
class PushedStep : public QUndoCommand {
 public:
  PushedStep(EditSteps& owner, const QString& text) : owner_(owner), text_(text) {
    // The menu item shows the action text, where an & would mark a key: doubled there.
    setText(text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
  ~PushedStep() override { owner_.CountMemory(-std::ptrdiff_t(size_)); }

  std::size_t Size() const { return size_; }
  const QString& Text() const { return text_; }
  // A new command that takes this one's place, its contents moved into it.
  virtual PushedStep* Rebuilt() = 0;

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
  void Count(std::size_t contents) {
    size_ = contents + std::size_t(3 * text_.size()) * sizeof(QChar);
    owner_.CountMemory(std::ptrdiff_t(size_));
  }
  EditSteps& owner_;

 private:
  QString text_;
  std::size_t size_ = 0;
  bool pushed_ = true;
};

// One recorded user action: the bytes it changed.
class RecordedStep : public PushedStep {
 public:
  RecordedStep(EditSteps& owner, const QString& text, ChangeSet changes)
      : PushedStep(owner, text), changes_(std::move(changes)) {
    Count(sizeof(*this) + changes_.MemoryUsed());
  }
  PushedStep* Rebuilt() override { return new RecordedStep(owner_, Text(), std::move(changes_)); }

 private:
  void Put(ChangeSide side) override {
    owner_.Apply(changes_, side);
    owner_.Journaled(side, Text(), changes_);
  }
  ChangeSet changes_;
};

// A received image that replaced the document: the whole state on each side of it.
class LoadStep : public PushedStep {
 public:
  LoadStep(EditSteps& owner, CQuelmarDoc& doc, const QString& text, DocStatePtr before, DocStatePtr after)
      : PushedStep(owner, text), doc_(doc), before_(std::move(before)), after_(std::move(after)) {
    Count(sizeof(*this) + 2 * CQuelmarDoc::StateSize());
  }
  PushedStep* Rebuilt() override { return new LoadStep(owner_, doc_, Text(), std::move(before_), std::move(after_)); }

 private:
  void Put(ChangeSide side) override {
    doc_.RestoreState(side == ChangeSide::Before ? *before_ : *after_);
    owner_.JournaledLoad(side, Text());
  }
  CQuelmarDoc& doc_;
  DocStatePtr before_;
  DocStatePtr after_;
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
  Rebase();
}

void EditSteps::MarkSaved() {
  stack_.setClean();
  Rebase();
}

void EditSteps::SetJournal(RecoveryJournal* journal) {
  journal_ = journal;
  Rebase();
}

bool EditSteps::JournalRetried() {
  if (!journal_ || !journal_->Failed()) return false;
  // The steps it missed are gone from it: it starts again from the state now, which
  // holds them.
  Rebase(true);
  return true;
}

void EditSteps::Rebase(bool holdsChanges) {
  if (!journal_) return;
  journal::Head head;
  head.time = static_cast<std::int64_t>(std::time(nullptr));
  head.dbType = doc_.GetDbType();
  if (doc_.ImageValid() == 1 && doc_.HasData()) head.image = CurrentImage();
  // The document belongs to its file with the stamp that file had when the document
  // read or wrote it: a restore takes the file's name only while the file still has it.
  if (!doc_.FilePath().empty()) {
    head.origin = journal::Origin::File;
    head.path = doc_.FilePath();
    head.stamp = doc_.FileStamp();
  }
  journal_->Rebase(std::move(head), holdsChanges);
}

void EditSteps::Journaled(ChangeSide side, const QString& text, const ChangeSet& changes) {
  if (!journal_ || JournalRetried()) return;
  if (side == ChangeSide::Before)
    journal_->Undone(text.toStdString(), changes);
  else
    journal_->Redone(text.toStdString(), changes);
}

std::vector<std::uint8_t> EditSteps::CurrentImage() const {
  std::vector<std::uint8_t> built(DatabaseImage::kImageSize);
  built.resize(doc_.BuildImage(built.data()));  // empty without a database
  return built;
}

void EditSteps::JournaledLoad(ChangeSide side, const QString& text) {
  if (!journal_ || JournalRetried()) return;
  const auto image = [this] { return CurrentImage(); };
  if (side == ChangeSide::Before)
    journal_->UndoneLoad(text.toStdString(), image, doc_.GetDbType());
  else
    journal_->RedoneLoad(text.toStdString(), image, doc_.GetDbType());
}

void EditSteps::OnEditRecorded(const std::string& text, ChangeSet changes) {
  if (journal_ && !JournalRetried()) journal_->Stepped(text, changes);
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
  std::size_t kept = static_cast<const PushedStep*>(stack_.command(first))->Size();
  while (first > 0) {
    const std::size_t size = static_cast<const PushedStep*>(stack_.command(first - 1))->Size();
    if (kept + size > keep) break;
    kept += size;
    --first;
  }
  std::vector<PushedStep*> steps;
  steps.reserve(std::size_t(count - first));
  for (int i = first; i < count; ++i) {
    // The stack owns its commands and hands them out const; each is deleted below.
    steps.push_back(const_cast<PushedStep*>(static_cast<const PushedStep*>(stack_.command(i)))->Rebuilt());
  }
  // Clean is the state after cleanIndex() steps; it stays reachable only when no step
  // before it is dropped.
  const int clean = stack_.cleanIndex() - first;
  const bool modified = doc_.IsModified();
  stack_.clear();
  if (clean == 0) stack_.setClean();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    stack_.push(steps[i]);
    if (int(i) + 1 == clean) stack_.setClean();
  }
  if (clean < 0 || clean > int(steps.size())) stack_.resetClean();
  doc_.SetModifiedFlag(modified);
}

void EditSteps::OnLoadRecorded(const std::string& text, DocStatePtr before, DocStatePtr after) {
  if (journal_ && !JournalRetried()) journal_->Loaded(text, doc_.GetDbType(), CurrentImage());
  stack_.push(new LoadStep(*this, doc_, QString::fromStdString(text), std::move(before), std::move(after)));
  if (memoryUsed_ > memoryLimit_) DropOldest();
}

void EditSteps::OnHistoryReset() { Clear(); }

void EditSteps::Apply(const ChangeSet& changes, ChangeSide side) {
  // The document tells the pages, which show the database again; the window then
  // selects what the step changed.
  emit StepApplied(doc_.ApplyStep(changes, side));
}
