#pragma once
// Another database as the reference for order: the working database takes the
// reference's TV order, radio order and its eight favourite groups (name, members
// and their order). Programs are matched in each list by satellite name, frequency,
// polarization and service ID, the rest by name (the stored bytes). Matched programs
// take the reference's order; the programs it does not name follow them in their
// former relative order. Group members it does not know stay in their group after the
// ones it gives: in the reference's group of the same name wherever it lies, else in
// the same slot, which keeps its name for them when the reference has no group there.
// Only the lists and groups change: programs, transponders
// and satellites are left as they are. The reference may be of any DbType; it is
// parsed already. One operation on the database, so the window runs it through the
// document's edit door as a single step.
#include <array>
#include <string>
#include <vector>

#include "db/records/ChannelDatabase.h"

namespace reforder {

// A program of a reference list that no program of the working list matched.
struct Unmatched {
  int list = 0;      // 0 TV, 1 RADIO
  int position = 0;  // in the reference's list, from 0
  std::string name;  // UTF-8
};

// A program of the working list the reference does not name, and where it went.
struct LeftOver {
  int list = 0;
  int position = 0;  // after the apply, from 0
  int program = 0;   // the slot the list names (may lie beyond the table)
  std::string name;  // UTF-8
};

// What a matched program takes from the reference besides its place.
struct Options {
  bool takeLocks = true;
  // A name may have been edited since the reference was made: only when asked.
  bool takeNames = false;
};

// A matched program that took the reference's name.
struct Renamed {
  int list = 0;
  int position = 0;  // after the apply, from 0
  int program = 0;
  std::string from, to;  // UTF-8
};

struct ListCounts {
  int reference = 0;  // programs in use the reference's list names
  int matched = 0;
};

struct GroupReport {
  int group = 0;                 // slot 0-7
  std::string name;              // UTF-8, as the group is named after the apply
  bool inReference = false;      // the reference uses the slot
  int referenceMembers = 0;
  int matched = 0;               // reference members found in the working database
  int kept = 0;                  // working members the reference does not know
  int notFitted = 0;             // members beyond the group's 100
  bool removed = false;          // the slot is no group any more
};

struct Report {
  std::array<ListCounts, 2> lists;
  std::vector<Unmatched> unmatched;
  std::vector<LeftOver> leftOver;
  std::vector<GroupReport> groups;  // one for each slot used before or after
  Options options;
  int locksTaken = 0;  // matched programs whose lock flag changed to the reference's
  std::vector<Renamed> renamed;
  // The programs in use of the working lists that the reference does not name, in list
  // order: what a rescan found since the reference was made, marked "New" in the window.
  std::vector<int> newPrograms;
  int Matched() const { return lists[0].matched + lists[1].matched; }
  bool AllMatched() const { return unmatched.empty(); }
};

Report Apply(ChannelDatabase& db, const ChannelDatabase& reference, const Options& options = {});

// The report as lines for a person; channel numbers count from 1 as the window's rows,
// lists and groups are named as the window names them ("TV list", "favourite group 1
// [Sport]").
std::vector<std::string> Describe(const Report& report);

}  // namespace reforder
