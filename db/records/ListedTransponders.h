#pragma once
// The transponders a satellite lists: Used and not hidden, in slot order. The
// transponder list and "Program Info" both show at most 150 of them; later ones
// cannot be reached from the editor.
#include <array>

#include "db/records/ChannelDatabase.h"

struct ListedTransponders {
  static constexpr int kMaxRows = 150;

  std::array<int, kMaxRows> rows{};  // transponder slot of each row
  int count = 0;
};

namespace dbops {

// Scans the transponders of `satellite` in slot order; once 150 rows are taken the scan
// stops at the satellite's next transponder, listed or not.
ListedTransponders ListTransponders(const ChannelDatabase& db, int satellite);

}  // namespace dbops
