#pragma once
// A small database with what a rescan leaves behind, for the "Find Duplicates" tests:
//   set [3, 1]     "News" on two transponders that are the same carrier (sid 101)
//   set [0, 2, 7]  "Kino 1" three times (sid 100), 7 at the end of the TV list
//   set [5, 4]     "Radio X" in the radio list (sid 200)
// and "News" once more on another satellite (program 6), which only shares the name.
// TV list [3, 0, 1, 2, 6, 7], radio list [5, 4], group 0 "Fav" {2, 3}, group 2 "Films"
// {0, 7}; program 8 "Solo" is listed and in no set.
#include <memory>

#include "support/DbBuilders.h"

namespace testkit {

inline std::unique_ptr<ChannelDatabase> DuplicateDb() {
  auto owned = EmptyDb();
  ChannelDatabase& db = *owned;
  PutSatellite(db, 0, "Astra");
  PutSatellite(db, 1, "Hotbird");
  PutTransponder(db, 0, 0, 11494, 27500, TransponderRecord::kHorizontal);
  PutTransponder(db, 1, 0, 11494, 22000, TransponderRecord::kHorizontal);  // found again
  PutTransponder(db, 2, 1, 12000, 27500, 0);
  const auto put = [&](int slot, const char* name, int tp, std::uint16_t sid, std::uint32_t type = ProgramRecord::kTv) {
    PutProgram(db, slot, name, tp, type).SetServiceId(sid);
  };
  put(0, "Kino 1", 0, 100);
  put(1, "News", 0, 101);
  put(2, "Kino 1", 1, 100);
  put(3, "News", 1, 101);
  put(4, "Radio X", 0, 200, ProgramRecord::kRadio);
  put(5, "Radio X", 1, 200, ProgramRecord::kRadio);
  put(6, "News", 2, 101);
  put(7, "Kino 1", 0, 100);
  put(8, "Solo", 2, 300);
  PutList(db.channelLists.tvList, {3, 0, 1, 2, 6, 7, 8});
  PutList(db.channelLists.radioList, {5, 4});
  PutGroup(db, 0, "Fav", {2, 3});
  PutGroup(db, 2, "Films", {0, 7});
  return owned;
}

}  // namespace testkit
