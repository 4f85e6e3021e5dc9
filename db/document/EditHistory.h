#pragma once
// Where the document hands each recorded edit: the window keeps them as its undo steps.
// The document knows it only as this, so db/ stays free of any window code.
#include <string>

#include "db/document/ChangeSet.h"
#include "db/document/DocState.h"

class EditHistory {
 public:
  virtual ~EditHistory() = default;
  // One user action changed the working database; `changes` take it from the state
  // before to the state after. `text` says what was done to what.
  virtual void OnEditRecorded(const std::string& text, ChangeSet changes) = 0;
  // A received image replaced the document: one step from `before` to `after`, each a
  // whole state that DocState-taking calls of the document put back.
  virtual void OnLoadRecorded(const std::string& text, DocStatePtr before, DocStatePtr after) = 0;
  // A load replaced the working database: no recorded step applies to it any more.
  virtual void OnHistoryReset() = 0;
};
