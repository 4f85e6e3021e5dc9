#pragma once
// Applying a reference list (a channel-list CSV, db/exchange/ChannelCsv.h) to a database: each
// row is matched to a program of its list by satellite name, frequency, polarization
// and service ID, or failing that by name; the matched programs take the rows' order,
// lock flags, group memberships (a blank cell keeps them) at the places in each group
// the rows give (a member without one keeps its place) and, when asked, names (a
// blank cell keeps the name), and the programs no row names stay after them in their
// former relative order. One operation on the database, so the window
// runs it through the document's edit door as a single step.
#include <string>
#include <vector>

#include "db/exchange/ChannelCsv.h"
#include "db/records/ChannelDatabase.h"

namespace reflist {

struct Unmatched {
  int line = 0;
  std::string name;  // UTF-8, as the row gives it
};

struct LeftInPlace {
  int list = 0;      // 0 TV, 1 RADIO
  int position = 0;  // its position after the apply, from 0
  int program = 0;   // the slot the list names (may lie beyond the table)
  std::string name;  // UTF-8
};

struct Renamed {
  int program = 0;
  std::string from, to;  // UTF-8
};

struct Options {
  // A spreadsheet may have changed names on the way ("0044" read as 44): the names in
  // the rows are taken only when the user asks for it.
  bool takeNames = false;
};

struct Report {
  int rows = 0;
  int matched = 0;
  std::vector<Unmatched> unmatched;
  std::vector<LeftInPlace> leftInPlace;
  std::vector<Renamed> renamed;
  std::vector<std::string> notes;  // groups created, members that did not fit
  // The programs in use of the lists that no row names, in list order: what a rescan
  // found since the list was made, marked "New" in the window.
  std::vector<int> newPrograms;
  bool AllMatched() const { return unmatched.empty(); }
};

Report Apply(ChannelDatabase& db, const std::vector<channelcsv::Row>& rows, const Options& options = {});

// The report as lines for a person.
std::vector<std::string> Describe(const Report& report);

}  // namespace reflist
