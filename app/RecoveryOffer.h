#pragma once
// At start, the journals of windows that stopped without a clean exit: each is offered
// to the user, and the one taken is restored into this window's document with its undo
// history. Those declined are kept aside; one that cannot be read is never removed.
class QWidget;
class CQuelmarDoc;
class EditSteps;

namespace RecoveryOffer {

// Returns true when a journal was restored into `doc`.
bool Run(QWidget* parent, CQuelmarDoc& doc, EditSteps& steps);

}  // namespace RecoveryOffer
