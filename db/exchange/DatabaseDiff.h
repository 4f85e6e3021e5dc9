#pragma once
// Two databases compared record by record: satellites, transponders, programs and
// groups added, removed or changed (each changed field by name, with its old and new
// value), the TV and radio orders and the groups' members as removed, inserted and
// moved entries, the header's fields, and for two images what they hold beyond the
// database. `quelmar-cli diff` and the window's "Compare With…" show this.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "db/image/ImageExtras.h"
#include "db/image/ImageHeader.h"
#include "db/records/ChannelDatabase.h"

namespace dbdiff {

using Json = nlohmann::ordered_json;

// One side: a header, a database and what travels with them.
struct Side {
  ImageHeader header;
  std::unique_ptr<ChannelDatabase> db;
  std::optional<std::uint32_t> extraWord;             // DbType 2 and 3
  std::optional<imagextras::ImageExtras> extras;      // known for an image only

  static Side FromImage(const std::uint8_t* image, int dbType);
  static Side FromDatabase(const ImageHeader& header, const ChannelDatabase& db,
                           std::optional<std::uint32_t> extraWord);
};

enum class ChangeKind {
  Added,     // a record became Used
  Removed,   // a record stopped being Used
  Changed,   // a field of a record, list or the header: `field`, `oldValue`, `newValue`
  Inserted,  // a program entered a list or group at `to`
  Left,      // a program left a list or group from `from`
  Moved,     // a program moved in a list or group from `from` to `to`
};

std::string_view KindName(ChangeKind kind);

struct Change {
  std::string_view table;  // a name of db/records/TableNames.h
  int slot = -1;           // the record's slot; -1 for the header, system block, a list, a word
  ChangeKind kind = ChangeKind::Changed;
  std::string label;       // the record's name (UTF-8), for people
  std::string field;
  Json oldValue, newValue;
  int program = -1;        // Inserted, Left, Moved: the program slot
  std::string programName;
  int from = -1, to = -1;  // positions as indexes, from 0 (the text shows them from 1)
};

struct Result {
  std::vector<Change> changes;
  bool Same() const { return changes.empty(); }
};

Result Compare(const Side& a, const Side& b);

// One line for a person: 'programs 40 "ZDF": videoPid 101 -> 102'; list positions are
// counted from 1, as the window numbers its rows ('moved from 148 to 1').
std::string Describe(const Change& change);
// The program of the document a line speaks of, for the window to select it: one added
// or changed, or one that entered, left or moved in a list or group; -1 for a program
// removed (the document holds it no more) and for lines about other records.
int ProgramOf(const Change& change);
// An object for scripts; "from" and "to" are indexes from 0, as in the JSON export.
Json ToJson(const Change& change);

}  // namespace dbdiff
