#pragma once
// Creating and changing programs as the "Group/Channel" page does: "Add Program" with
// the values of "Program Info", the Info area's "Update", deleting a listed program.
#include <cstdint>
#include <span>
#include <string>

#include "db/records/ChannelDatabase.h"
#include "db/records/Result.h"

namespace dbops {

// A program's numbers as the user enters them: the PIDs are stored by the DbType's width
// rule, the service id as its low 16 bits.
struct ProgramNumbers {
  std::uint32_t videoPid = 0;
  std::uint32_t audioPid = 0;
  std::uint32_t pcrPid = 0;
  std::uint32_t ttextPid = 0;
  std::uint32_t pmtPid = 0;
  std::uint32_t serviceId = 0;
};

// A program's fields as the user enters them.
struct ProgramEntry {
  std::string name;  // record bytes; a longer name is cut to the field
  bool locked = false;
  ProgramNumbers numbers;
};

// Creates a program on `transponder` in the first slot that is not Used, without
// clearing it: bits the editor does not set keep what the slot held. `type` is 0 UNKNOWN,
// 1 TV or 2 RADIO (its low 2 bits); an UNKNOWN program goes to the radio list when its
// stored video PID is 0 and to the TV list otherwise, and takes that type. The satellite
// carrying the transponder becomes selected. Refused, changing nothing, when all 4000
// program slots are Used (TableFull) or its list holds 4000 entries (ListFull).
Result AddProgram(ChannelDatabase& db, const ProgramEntry& entry, int type, int transponder,
                            int dbType);

// Writes the Info area's fields into a program; its type, transponder and state stay.
// False, writing nothing, for a slot outside the table.
bool UpdateProgram(ChannelDatabase& db, int program, const ProgramEntry& entry, int dbType);

// A name typed over a program's row: only the name changes (record bytes, cut to the
// field). False, writing nothing, for a slot outside the table or not in use.
bool RenameProgram(ChannelDatabase& db, int program, const std::string& name);

// A program's fields as the Info area shows them: the name's bytes up to its end, the
// PIDs by the DbType's width rule. Default values for a slot outside the table.
ProgramEntry ProgramEntryOf(const ChannelDatabase& db, int program, int dbType);

// Deletes a program (it leaves every group) and takes it out of the list it was shown in
// (0 tvList, 1 radioList, any other value no list).
void DeleteListedProgram(ChannelDatabase& db, int list, int program);

// "Delete Program" on several selected rows: DeleteListedProgram for each, in the
// order given. Returns how many were deleted (slots outside the table are skipped).
int DeleteListedPrograms(ChannelDatabase& db, int list, std::span<const int> programs);

// Locks or unlocks several programs at once ("Lock" on a selection). Only programs in
// use are touched; slots outside the table, unused slots and repeats are skipped.
// Returns how many programs changed, so a caller can name the step and tell when
// there was nothing to do; the attribute bits beside the lock stay as they are.
int SetProgramsLocked(ChannelDatabase& db, std::span<const int> programs, bool locked);

// The satellite slot carrying a program, or -1 when its transponder or satellite index
// runs past its table (a damaged database).
int SatelliteOfProgram(const ChannelDatabase& db, int program);

}  // namespace dbops
