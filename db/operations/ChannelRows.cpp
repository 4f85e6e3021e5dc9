#include "db/operations/ChannelRows.h"

#include "db/records/Cp1252.h"
#include "db/records/TableAt.h"

namespace channelrows {

namespace {

template <typename Table>
bool InTable(const Table& table, long long index) {
  return index >= 0 && index < static_cast<long long>(table.size());
}

}  // namespace

std::u32string ProgramName(const ChannelDatabase& db, int program) {
  if (!InTable(db.programs, program)) return {};
  const ProgramRecord& p = db.programs[std::size_t(program)];
  return cp1252::DecodeField(p.NameField(), ProgramRecord::kNameWidth);
}

std::u32string SatelliteName(const ChannelDatabase& db, int satellite) {
  if (!InTable(db.satellites, satellite)) return {};
  const SatelliteRecord& s = db.satellites[std::size_t(satellite)];
  return cp1252::DecodeField(s.NameField(), SatelliteRecord::kNameWidth);
}

std::u32string GroupName(const ChannelDatabase& db, int group) {
  const auto& groups = db.channelLists.favoriteGroups;
  if (!InTable(groups, group)) return {};
  return cp1252::DecodeField(groups[std::size_t(group)].NameField(), FavoriteGroupRecord::kNameWidth);
}

namespace {

template <typename Table>
std::vector<int> UsedSlots(const Table& table) {
  std::vector<int> out;
  int slot = 0;
  for (const auto& record : table) {
    if (record.IsUsed()) out.push_back(slot);
    ++slot;
  }
  return out;
}

}  // namespace

std::vector<int> UsedGroups(const ChannelDatabase& db) { return UsedSlots(db.channelLists.favoriteGroups); }
std::vector<int> UsedSatellites(const ChannelDatabase& db) { return UsedSlots(db.satellites); }

bool ProgramUsed(const ChannelDatabase& db, int program) {
  const ProgramRecord* p = TableAt(db.programs, program);
  return p && p->IsUsed();
}

bool SatelliteUsed(const ChannelDatabase& db, int satellite) {
  const SatelliteRecord* s = TableAt(db.satellites, satellite);
  return s && s->IsUsed();
}

int SatelliteOfProgram(const ChannelDatabase& db, int program) {
  if (!InTable(db.programs, program)) return -1;
  const std::uint32_t tp = db.programs[std::size_t(program)].TransponderIndex();
  if (!InTable(db.transponders, tp)) return -1;
  const std::uint32_t sat = db.transponders[tp].SatelliteIndex();
  return InTable(db.satellites, sat) ? int(sat) : -1;
}

std::vector<std::uint8_t> GroupMembership(const ChannelDatabase& db) {
  std::vector<std::uint8_t> out(ChannelDatabase::kProgramCount, 0);
  const auto& groups = db.channelLists.favoriteGroups;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (!groups[g].IsUsed()) continue;
    for (std::size_t i = 0; i < groups[g].ValidMemberCount(); ++i) {
      const std::uint16_t member = groups[g].Member(i);
      if (member < out.size()) out[member] |= std::uint8_t(1u << g);
    }
  }
  return out;
}

Row RowOf(const ChannelDatabase& db, int program, int number, const std::vector<std::uint8_t>& membership) {
  Row row;
  row.number = number;
  if (!InTable(db.programs, program)) return row;
  const ProgramRecord& p = db.programs[std::size_t(program)];
  row.program = program;
  row.name = ProgramName(db, program);
  row.serviceId = p.ServiceId();
  row.locked = p.Locked();
  if (InTable(membership, program)) row.groups = membership[std::size_t(program)];
  const std::uint32_t tp = p.TransponderIndex();
  if (InTable(db.transponders, tp)) {
    row.frequency = db.transponders[tp].Frequency();
    row.horizontal = db.transponders[tp].Polarization() == TransponderRecord::kHorizontal;
  }
  row.satellite = SatelliteOfProgram(db, program);
  row.satelliteName = SatelliteName(db, row.satellite);
  return row;
}

std::string FrequencyText(const Row& row) {
  if (row.frequency < 0) return {};
  return std::to_string(row.frequency) + (row.horizontal ? " H" : " V");
}

std::vector<Row> Rows(const ChannelDatabase& db, dbops::ChannelOrder order) {
  const std::vector<std::uint16_t> entries = dbops::OrderEntries(db, order);
  const std::vector<std::uint8_t> membership = GroupMembership(db);
  std::vector<Row> rows;
  rows.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) rows.push_back(RowOf(db, entries[i], int(i) + 1, membership));
  return rows;
}

}  // namespace channelrows
