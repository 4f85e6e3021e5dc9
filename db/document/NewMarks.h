#pragma once
// Programs a reference (a CSV list or another database) did not hold when it was applied
// to the document: the lists mark them "New", so the channels a rescan found can be
// picked out and placed. The marks belong to the open document in the window, not to
// the file: they are never stored and go when another database is loaded. The step that
// set them takes them back when it is undone, and sets them again when redone.
#include <span>
#include <vector>

class NewMarks {
 public:
  // Replaces the marks with these program slots (slots past the table are ignored).
  void Set(std::span<const int> programs);
  void Clear();
  bool Has(int program) const { return program >= 0 && program < int(marks_.size()) && marks_[program]; }
  int Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // The same programs marked.
  bool operator==(const NewMarks& other) const;

 private:
  std::vector<bool> marks_;
  int count_ = 0;
};
