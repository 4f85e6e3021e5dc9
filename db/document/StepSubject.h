#pragma once
// The record an edit changed, found from the bytes it changed: after an undo or a redo
// the window selects it again where it still exists. When an edit touched several
// records, the one highest in the tree is the subject (deleting a satellite also deletes
// its transponders; adding a program also lists it).
#include <string>

#include "db/document/ChangeSet.h"

struct StepSubject {
  enum class Kind { None, Satellite, Transponder, Program, Group, TvList, RadioList };
  Kind kind = Kind::None;
  // The satellite, transponder, program or group slot; for TvList and RadioList -1.
  int slot = -1;
  // The member or list position the edit changed, -1 for the record itself.
  int position = -1;

  bool operator==(const StepSubject&) const = default;
};

// The subject of `changes` once `side` is in place in `now`: a member moved within a
// group is found at its new place after a redo and at its old place after an undo.
StepSubject SubjectOf(const ChangeSet& changes, ChangeSide side, const ChannelDatabase& now);

// Every kind of record `changes` touched, one bit per Kind (1 << Kind).
unsigned TouchedKinds(const ChangeSet& changes);

// A text for a step its caller did not name: "Edit Program [Kino 1]", from the record
// the step changed as it is in `now`. Names are given in UTF-8.
std::string DescribeChange(const ChangeSet& changes, const ChannelDatabase& now);
