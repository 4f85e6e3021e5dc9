#pragma once
// What the channel lists show for each row: channel number, name, satellite, frequency
// and polarization, service ID, lock and the favourite groups that hold the program.
// Entries and indexes come from loaded files and receivers, so every table is read
// here with its bounds checked; the pages take rows from this and never index a table
// or decode a name themselves.
#include <cstdint>
#include <string>
#include <vector>

#include "db/operations/ChannelOrder.h"
#include "db/records/ChannelDatabase.h"

namespace channelrows {

struct Row {
  int number = 0;        // channel number, counted from 1
  int program = -1;      // program slot; -1 when the entry names no slot in the table
  std::u32string name;   // empty for an entry that names no slot
  int satellite = -1;    // satellite slot; -1 when the transponder or satellite is out of its table
  std::u32string satelliteName;
  int frequency = -1;    // MHz; -1 when the transponder is out of its table
  bool horizontal = false;
  int serviceId = -1;    // -1 for an entry that names no slot
  bool locked = false;
  std::uint8_t groups = 0;  // bit g: favourite group g (Used) holds the program
};

// A name as the user reads it; empty when the slot is outside its table.
std::u32string ProgramName(const ChannelDatabase& db, int program);
std::u32string SatelliteName(const ChannelDatabase& db, int satellite);
std::u32string GroupName(const ChannelDatabase& db, int group);

// The Used favourite groups and satellites, by slot in ascending order: what the
// group combo and the satellite list show.
std::vector<int> UsedGroups(const ChannelDatabase& db);
std::vector<int> UsedSatellites(const ChannelDatabase& db);

// Whether a program or satellite slot lies in its table and is Used.
bool ProgramUsed(const ChannelDatabase& db, int program);
bool SatelliteUsed(const ChannelDatabase& db, int satellite);

// The satellite slot carrying a program; -1 when a link on the way leaves its table.
int SatelliteOfProgram(const ChannelDatabase& db, int program);

// For each program slot, which Used favourite groups hold it (bit g for group g).
std::vector<std::uint8_t> GroupMembership(const ChannelDatabase& db);

// One program as the row numbered `number`; `membership` from GroupMembership, or
// empty to leave `groups` at 0.
Row RowOf(const ChannelDatabase& db, int program, int number, const std::vector<std::uint8_t>& membership = {});

// "11494 H": the row's transponder by frequency in MHz and polarization, as the lists
// and the printed list show it; empty when the transponder is out of its table.
std::string FrequencyText(const Row& row);

// Every row of a stored order, numbered from 1.
std::vector<Row> Rows(const ChannelDatabase& db, dbops::ChannelOrder order);

}  // namespace channelrows
