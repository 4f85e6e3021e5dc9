#pragma once
// What "Find Duplicates" shows: the sets of duplicate programs
// (DuplicatePrograms.h defines them) with where the user meets each one, and
// for information the programs of one name on different transponders.
#include <cstdint>
#include <span>
#include <vector>

#include "db/records/ChannelDatabase.h"

namespace dbops {

// One program of a set, with where the user meets it.
struct DuplicateEntry {
  int program = 0;
  int tvRow = -1;           // first position in tvList, -1 when absent
  int radioRow = -1;        // first position in radioList, -1 when absent
  std::uint8_t groups = 0;  // bit g: a member of favourite group g
};

// Programs of one set in list order: the TV list, then the radio list, then
// those in neither by slot. The first is the one kept by default.
using DuplicateSet = std::vector<DuplicateEntry>;

struct DuplicateReport {
  std::vector<DuplicateSet> duplicates;  // same key, as in DuplicatePrograms.h
  std::vector<DuplicateSet> sameName;    // same name on at least two different transponders
};

// Only programs with a duplicate key take part; names are compared as stored,
// empty names never match. Sets come in the list order of their first program.
DuplicateReport FindDuplicateReport(const ChannelDatabase& db);

// Deletes the programs (each leaves its groups as a single delete does) and
// takes every occurrence of them out of both lists. Returns how many were
// deleted (slots outside the table are skipped).
int DeletePrograms(ChannelDatabase& db, std::span<const int> programs);

}  // namespace dbops
