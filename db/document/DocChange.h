#pragma once
// The one notice the document gives per change of its working database: an action's
// step, an undo or a redo. Whoever shows the database listens and brings up to date
// what the notice says changed. No window code here.
#include "db/document/StepSubject.h"

class DocListener;

struct DocChange {
  enum class Cause { Edit, Undo, Redo };
  Cause cause = Cause::Edit;
  // The record highest in the tree the change touched.
  StepSubject subject;
  // Every kind of record the change touched, one bit per StepSubject::Kind.
  unsigned touched = 0;

  bool Touched(StepSubject::Kind kind) const { return (touched & KindBit(kind)) != 0; }
  static constexpr unsigned KindBit(StepSubject::Kind kind) { return 1u << unsigned(kind); }
};

class DocListener {
 public:
  virtual void OnDocChanged(const DocChange& change) = 0;

 protected:
  ~DocListener() = default;
};
