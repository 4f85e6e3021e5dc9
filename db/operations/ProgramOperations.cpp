#include "db/operations/ProgramOperations.h"

#include "db/operations/DatabaseOperations.h"
#include "db/operations/OperationTexts.h"

namespace dbops {
namespace {

void WriteEntry(ProgramRecord& p, const ProgramEntry& entry, int dbType) {
  p.SetLocked(entry.locked);
  p.SetName(entry.name);
  const ProgramNumbers& n = entry.numbers;
  p.SetAudioPid(n.audioPid, dbType);
  p.SetPcrPid(n.pcrPid, dbType);
  p.SetTtextPid(n.ttextPid, dbType);
  p.SetVideoPid(n.videoPid, dbType);
  p.SetPmtPid(n.pmtPid, dbType);
  p.SetServiceId(static_cast<std::uint16_t>(n.serviceId));
}

int SatelliteOfTransponder(const ChannelDatabase& db, std::size_t transponder) {
  if (transponder >= ChannelDatabase::kTransponderCount) return -1;
  const std::size_t sat = db.transponders[transponder].SatelliteIndex();
  return sat < ChannelDatabase::kSatelliteCount ? static_cast<int>(sat) : -1;
}

}  // namespace

Result AddProgram(ChannelDatabase& db, const ProgramEntry& entry, int type, int transponder,
                            int dbType) {
  const int slot = FindFreeProgramSlot(db);
  if (slot >= static_cast<int>(ChannelDatabase::kProgramCount))
    return Result::Failure(OperationTexts::kProgramTableFull, ResultCode::TableFull);
  const std::uint32_t given = static_cast<std::uint32_t>(type) & 3u;
  // An unknown type is filed by its video PID as the receiver stores it.
  std::uint32_t filed = given;
  if (given == ProgramRecord::kUnknown)
    filed = dbtype::WritePid(entry.numbers.videoPid, dbType) == 0 ? ProgramRecord::kRadio : ProgramRecord::kTv;
  ServiceList* list = filed == ProgramRecord::kTv      ? &db.channelLists.tvList
                      : filed == ProgramRecord::kRadio ? &db.channelLists.radioList
                                                       : nullptr;
  if (list && list->Count() >= ServiceList::kCapacity)
    return Result::Failure(OperationTexts::kServiceListFull, ResultCode::ListFull);

  ProgramRecord& p = db.programs[static_cast<std::size_t>(slot)];
  WriteEntry(p, entry, dbType);
  p.SetTransponderIndex(static_cast<std::uint32_t>(transponder) & 0xFFFFu);
  p.SetServiceType(filed);
  p.SetPresetWord(ProgramRecord::kPresetOnCreate);
  if (list) {
    list->SetEntry(list->Count(), static_cast<std::uint16_t>(slot));
    list->SetCount(static_cast<std::uint16_t>(list->Count() + 1));
  }
  const int sat = SatelliteOfTransponder(db, p.TransponderIndex());
  if (sat >= 0) db.satellites[static_cast<std::size_t>(sat)].SetSelected(true);
  p.SetState(SlotState::Used);
  return Result::Success();
}

bool UpdateProgram(ChannelDatabase& db, int program, const ProgramEntry& entry, int dbType) {
  if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) return false;
  WriteEntry(db.programs[static_cast<std::size_t>(program)], entry, dbType);
  return true;
}

bool RenameProgram(ChannelDatabase& db, int program, const std::string& name) {
  if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) return false;
  ProgramRecord& p = db.programs[static_cast<std::size_t>(program)];
  if (!p.IsUsed()) return false;
  p.SetName(name);
  return true;
}

ProgramEntry ProgramEntryOf(const ChannelDatabase& db, int program, int dbType) {
  ProgramEntry e;
  if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) return e;
  const ProgramRecord& p = db.programs[static_cast<std::size_t>(program)];
  e.name = p.Name();
  e.locked = p.Locked();
  e.numbers.videoPid = p.VideoPid(dbType);
  e.numbers.audioPid = p.AudioPid(dbType);
  e.numbers.pcrPid = p.PcrPid(dbType);
  e.numbers.ttextPid = p.TtextPid(dbType);
  e.numbers.pmtPid = p.PmtPid(dbType);
  e.numbers.serviceId = p.ServiceId();
  return e;
}

void DeleteListedProgram(ChannelDatabase& db, int list, int program) {
  DeleteProgram(db, program);
  RemoveFromServiceList(db, list, program);
}

int DeleteListedPrograms(ChannelDatabase& db, int list, std::span<const int> programs) {
  int deleted = 0;
  for (int program : programs) {
    if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) continue;
    DeleteListedProgram(db, list, program);
    ++deleted;
  }
  return deleted;
}

int SetProgramsLocked(ChannelDatabase& db, std::span<const int> programs, bool locked) {
  int changed = 0;
  for (int program : programs) {
    if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) continue;
    ProgramRecord& p = db.programs[static_cast<std::size_t>(program)];
    if (!p.IsUsed() || p.Locked() == locked) continue;
    p.SetLocked(locked);
    ++changed;
  }
  return changed;
}

int SatelliteOfProgram(const ChannelDatabase& db, int program) {
  if (program < 0 || static_cast<std::size_t>(program) >= ChannelDatabase::kProgramCount) return -1;
  return SatelliteOfTransponder(db, db.programs[static_cast<std::size_t>(program)].TransponderIndex());
}

}  // namespace dbops
