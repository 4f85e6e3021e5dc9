#include "db/document/EditRecorder.h"

EditRecorder::EditRecorder() : recorded_(std::make_unique<ChannelDatabase>()) {}
EditRecorder::~EditRecorder() = default;

void EditRecorder::Reset(const ChannelDatabase& working) { *recorded_ = working; }

ChangeSet EditRecorder::Take(const ChannelDatabase& working) {
  ChangeSet changes = ChangeSet::Between(*recorded_, working);
  changes.Apply(*recorded_, ChangeSide::After);
  return changes;
}

void EditRecorder::Apply(ChannelDatabase& working, const ChangeSet& changes, ChangeSide side) {
  changes.Apply(working, side);
  changes.Apply(*recorded_, side);
}
