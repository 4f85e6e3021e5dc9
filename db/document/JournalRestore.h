#pragma once
// Puts a document back as a recovery journal left it: the base image, then each step
// replayed as the edit it was, so that a history attached to the document receives the
// steps with their names, and the undos and redos the user made after them.
#include <cstddef>
#include <functional>
#include <string>

#include "db/document/CQuelmarDoc.h"
#include "db/document/JournalFormat.h"
#include "db/records/Result.h"

namespace journal {

// What a journal holds, for the question before restoring it.
struct Summary {
  std::size_t steps = 0;      // steps done at the place the user stood
  std::string lastName;       // the last of them, or empty
  std::int64_t lastTime = 0;  // when the last record was written (or the base taken)
};
Summary Summarize(const Contents& contents);

// The place the user stood and the steps they could still redo: the records replayed
// as an undo stack.
struct Replay {
  std::vector<const Record*> steps;  // steps and loads, oldest first
  std::size_t place = 0;             // steps[0, place) are done
};
Replay PlanReplay(const Contents& contents);

struct Restored {
  // The file the base came from is still as it was: the document belongs to it again.
  bool sameFile = false;
  // Steps replayed after `place` that an attached history should undo again.
  std::size_t undo = 0;
};

// Loads the base into `doc` under its DbType and replays the steps: all of them when
// `allSteps` (a history then undoes `undo` of them), or only those done. The document's
// file is the base's when that file is unchanged on disk, otherwise none; `based` runs
// once the base is in place and the file known, before the first step. Refused, with
// `doc` untouched, when the base cannot be read or a step does not fit the database
// before it.
Result Restore(const Contents& contents, CQuelmarDoc& doc, bool allSteps, Restored& out,
               const std::function<void()>& based = {});

}  // namespace journal
