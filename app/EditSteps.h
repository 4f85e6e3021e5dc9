#pragma once
// The window's undo and redo: each step the document records becomes a command on a
// QUndoStack, which gives the texts, the clean state and the Edit menu's items. Undoing
// or redoing puts the step's old or new bytes back through the document, and then the
// window refreshes its pages and shows the record the step changed.
#include <QObject>
#include <QUndoStack>

#include "db/EditHistory.h"
#include "db/StepSubject.h"

class CQuelmarDoc;

class EditSteps : public QObject, public EditHistory {
  Q_OBJECT
 public:
  // Attaches itself to the document as its history; the modified flag follows the
  // stack's clean state from then on.
  EditSteps(CQuelmarDoc& doc, QObject* parent = nullptr);
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

 signals:
  // An undo or redo changed the working database; `subject` is the record it changed.
  void StepApplied(StepSubject subject);

 private:
  CQuelmarDoc& doc_;
  QUndoStack stack_;
};
