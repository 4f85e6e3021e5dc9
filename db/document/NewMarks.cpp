#include "db/document/NewMarks.h"

#include "db/records/ChannelDatabase.h"

void NewMarks::Set(std::span<const int> programs) {
  marks_.assign(ChannelDatabase::kProgramCount, false);
  count_ = 0;
  for (const int program : programs) {
    if (program < 0 || program >= int(marks_.size()) || marks_[program]) continue;
    marks_[program] = true;
    ++count_;
  }
}

void NewMarks::Clear() {
  marks_.clear();
  count_ = 0;
}

bool NewMarks::operator==(const NewMarks& other) const {
  if (count_ != other.count_) return false;
  return count_ == 0 || marks_ == other.marks_;
}
