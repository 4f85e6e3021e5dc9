#pragma once
// The channel lists as a spreadsheet: one row per TV and radio list position, UTF-8,
// RFC 4180. Reading one back gives a reference list (db/exchange/ReferenceList.h) to apply.
// A spreadsheet reads some text as a formula, a number, a date or a time ("=1+2" becomes
// 3, "0044" becomes 44, "1/2" a date, "12:30" a time); such cells are written as the formula ="..." of that text, which a
// spreadsheet shows and saves as the text itself, and reading takes the form off again.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/records/ChannelDatabase.h"

namespace channelcsv {

// The header row, in column order. Scripts and spreadsheets rely on these names.
// groupPositions came later: a list without it is read as before.
inline constexpr std::array<std::string_view, 16> kColumns = {
    "list", "number", "name", "satellite", "frequency", "polarization", "symbolRate", "serviceId",
    "videoPid", "audioPid", "pcrPid", "ttextPid", "pmtPid", "locked", "groups", "groupPositions"};

inline constexpr std::string_view kTv = "TV";
inline constexpr std::string_view kRadio = "RADIO";
inline constexpr std::string_view kHorizontal = "Hor";
inline constexpr std::string_view kVertical = "Ver";
inline constexpr std::string_view kYes = "yes";
inline constexpr std::string_view kNo = "no";
// Separates the favourite groups in the groups column.
inline constexpr char kGroupSeparator = ';';

// PIDs are shown as the DbType reads them.
std::string Export(const ChannelDatabase& db, int dbType);

// One row of a reference list, as read and checked.
struct Row {
  int line = 0;
  int list = 0;                 // 0 TV, 1 RADIO
  std::string name;             // UTF-8, fits a program name; empty when the cell is blank
  std::string satellite;        // UTF-8
  std::optional<std::uint16_t> frequency;
  std::optional<std::uint32_t> polarization;
  std::optional<std::uint16_t> serviceId;
  bool locked = false;
  std::vector<std::string> groups;  // UTF-8 names
  bool groupsGiven = false;         // false when the cell is blank: memberships stay
  // The program's place in each group the groups cell names, in the same order and
  // counted from 1; empty when the cell is blank or the column missing.
  std::vector<int> groupPositions;
  // Satellite, frequency, polarization and service ID are all given.
  bool HasKey() const { return !satellite.empty() && frequency && polarization && serviceId; }
};

struct Refusal {
  int line = 0;
  std::string reason;
  bool sentence = false;  // the reason names the line itself
  std::string Message() const;
};

// More rows than the TV and radio lists can hold together are no channel list.
inline constexpr std::size_t kMaxRows = 2 * ServiceList::kCapacity;

// Reads a CSV with the header row; columns are found by name (in any order, others
// ignored). A malformed file, a missing column or a value that cannot apply is refused.
std::optional<Refusal> Read(std::string_view text, std::vector<Row>& out);
// The same, reading the stream to its end (or to the first refusal).
std::optional<Refusal> Read(std::FILE* stream, std::vector<Row>& out);

// A cell's text as a spreadsheet keeps it, and back.
std::string ForSpreadsheet(const std::string& text);
// Whether a spreadsheet would read the text as a value of its own rather than as text.
bool ReadAsValue(std::string_view text);
std::string FromSpreadsheet(std::string_view cell);

// True when the UTF-8 text holds a control character (C0, DEL or C1).
bool HasControl(std::string_view utf8);

}  // namespace channelcsv
