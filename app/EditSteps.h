#pragma once
// The window's undo and redo: each step the document records becomes a command on a
// QUndoStack, which gives the texts, the clean state and the Edit menu's items. Undoing
// or redoing puts the step's old or new bytes back through the document, and then the
// window refreshes its pages and shows the record the step changed.
#include <QObject>
#include <QUndoStack>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "db/document/EditHistory.h"
#include "db/document/StepSubject.h"

class CQuelmarDoc;
class RecoveryJournal;

class EditSteps : public QObject, public EditHistory {
  Q_OBJECT
 public:
  // The steps together hold at most this much memory; the oldest go first.
  static constexpr std::size_t kMemoryLimit = std::size_t(64) << 20;

  // Attaches itself to the document as its history; the modified flag follows the
  // stack's clean state from then on.
  EditSteps(CQuelmarDoc& doc, QObject* parent = nullptr, std::size_t memoryLimit = kMemoryLimit);
  ~EditSteps() override;

  QUndoStack& Stack() { return stack_; }
  // New, Open, Close and a load: no steps, and the state now is the clean one.
  void Clear();
  // Saved: the state now is the clean one; the steps stay.
  void MarkSaved();

  // EditHistory
  void OnEditRecorded(const std::string& text, ChangeSet changes) override;
  void OnLoadRecorded(const std::string& text, DocStatePtr before, DocStatePtr after) override;
  void OnHistoryReset() override;

  // Puts one side of a step in place (the stack's commands call this).
  void Apply(const ChangeSet& changes, ChangeSide side);

  // Every step, undo and redo from now on also goes to `journal` (null: none), and
  // each new start (Clear, MarkSaved) becomes its base.
  void SetJournal(RecoveryJournal* journal);
  RecoveryJournal* Journal() const { return journal_; }
  // The stack's commands tell the journal what they put in place.
  void Journaled(ChangeSide side, const QString& text, const ChangeSet& changes);
  void JournaledLoad(ChangeSide side, const QString& text);

  // What the steps on the stack hold now; the commands count themselves in and out.
  std::size_t MemoryUsed() const { return memoryUsed_; }
  void CountMemory(std::ptrdiff_t bytes) { memoryUsed_ = std::size_t(std::ptrdiff_t(memoryUsed_) + bytes); }

 signals:
  // An undo or redo changed the working database; `subject` is the record it changed.
  void StepApplied(StepSubject subject);

 private:
  // Over the limit: drops the oldest steps until the rest hold three quarters of it, so
  // the stack is rebuilt seldom, not after every edit.
  void DropOldest();
  // The state now is where the journal's steps start; `holdsChanges` when it is unsaved.
  void Rebase(bool holdsChanges = false);
  // A journal that could not be written is started again from the state now, on the next
  // step, undo or redo after the failure; true when it was (the step is in that state).
  bool JournalRetried();
  // The image the document would save now (empty without a database).
  std::vector<std::uint8_t> CurrentImage() const;

  CQuelmarDoc& doc_;
  // Before the stack, so they outlive the commands that count themselves out.
  std::size_t memoryLimit_;
  std::size_t memoryUsed_ = 0;
  QUndoStack stack_;
  RecoveryJournal* journal_ = nullptr;
};
