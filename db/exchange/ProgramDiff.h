#pragma once
// Two databases compared program by program, as a person compares channel lists after a
// rescan: a program is known by what identifies it in any database (its satellite's
// name, frequency, polarization and service ID), not by the slot a scan put it in. The
// comparison says which programs were added or removed, renamed, locked or unlocked or
// given other PIDs, and how the TV and radio lists and the eight favourite groups
// changed, by channel number and name. Two databases holding the same programs in the
// same order in other slots are the same. `quelmar-cli diff --by program` and the
// window's "Compare With…" show this; the comparison by slot is db/exchange/DatabaseDiff.h.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "db/records/ChannelDatabase.h"

namespace progdiff {

using Json = nlohmann::ordered_json;

enum class ChangeKind {
  Added,         // a program only the newer database holds
  Removed,       // a program only the older one holds
  Renamed,       // `oldValue` is the name it had
  Locked,
  Unlocked,
  PidChanged,    // `field` names the PID; `oldValue`, `newValue`
  Entered,       // a program entered a list or group at `to`
  Left,          // a program left a list or group from `from`
  Moved,         // a program moved in a list or group from `from` to `to`
  GroupAdded,    // a favourite group slot used only in the newer database
  GroupRemoved,
  GroupRenamed,  // `oldValue` is the name it had
};

std::string_view KindName(ChangeKind kind);

// A program as the lines name it.
struct Program {
  std::string name;       // UTF-8
  std::string satellite;  // UTF-8; empty when its links leave their tables
  int frequency = -1;     // MHz; -1 likewise
  bool horizontal = false;
  int serviceId = -1;
};

struct Change {
  ChangeKind kind = ChangeKind::Added;
  // What the change is about: "programs", or a list or the groups as db/records/TableNames.h
  // names them ("tvList", "radioList", "favoriteGroups").
  std::string_view table;
  int group = -1;          // the favourite group slot, for a group's change
  std::string groupName;   // UTF-8, the newer database's (the older's when removed)
  Program program;         // the newer database's (the older's when removed); none for a group's own change
  int slot = -1;           // the program's slot in the newer database; -1 when it has none
  std::string field;       // PidChanged: "videoPid", "audioPid", "pcrPid", "ttextPid", "pmtPid"
  std::string oldValue, newValue;
  int from = -1, to = -1;  // positions as indexes from 0 (the text shows them from 1)
};

struct Result {
  std::vector<Change> changes;
  bool Same() const { return changes.empty(); }
};

// `a` is the older database, `b` the newer; PIDs are read by `dbType`'s width rule.
Result Compare(const ChannelDatabase& a, const ChannelDatabase& b, int dbType);

// One line for a person: '"Kino 1" (Boreal 11494 H, SID 1234): renamed from "Kino Eins"',
// 'TV list: "Kino 1" (Boreal 11494 H, SID 1234) moved from No. 5 to No. 1'.
std::string Describe(const Change& change);
// The program of the newer database a line speaks of, for the window to select it; -1
// when there is none (a program removed, a group's own change).
int ProgramOf(const Change& change);
// An object for scripts; "from" and "to" are indexes from 0.
Json ToJson(const Change& change);

}  // namespace progdiff
