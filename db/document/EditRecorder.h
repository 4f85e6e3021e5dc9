#pragma once
// Records what each edit changed in the working database. It keeps a copy of the working
// database as last recorded; after an edit, the bytes that differ from that copy are the
// edit's change set. Nothing an operation does can escape it, so an operation written
// later is taken back like the others without code of its own.
#include <memory>

#include "db/document/ChangeSet.h"
#include "db/records/ChannelDatabase.h"

class EditRecorder {
 public:
  EditRecorder();
  ~EditRecorder();
  EditRecorder(const EditRecorder&) = delete;
  EditRecorder& operator=(const EditRecorder&) = delete;

  // Counts the next changes from `working` as it is now (after a load replaced it).
  void Reset(const ChannelDatabase& working);
  // What changed in `working` since the last Reset, Take or Apply; from then on those
  // changes count as recorded. Empty when nothing changed.
  ChangeSet Take(const ChannelDatabase& working);
  // Puts one state of a recorded change set into `working` (undo: Before, redo: After)
  // and counts it as recorded.
  void Apply(ChannelDatabase& working, const ChangeSet& changes, ChangeSide side);

 private:
  std::unique_ptr<ChannelDatabase> recorded_;
};
