#pragma once
// The record operations the editor pages call on the working database. They keep slot
// states and cross-record links consistent, never show a message and never mark the
// document modified: the calling page does both.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "db/records/ChannelDatabase.h"

namespace dbops {

// Sets up the first slot bearing the name (whatever its state), else the first Empty
// slot, with default LNB settings. False when neither exists; nothing changes then.
bool AddSatellite(ChannelDatabase& db, std::string_view name);
// Marks the satellite Deleted and deletes its Used transponders (programs stay).
void DeleteSatellite(ChannelDatabase& db, int satellite);
// slot -1 creates a transponder in the first Empty slot (false when there is none);
// otherwise edits frequency, symbol rate and polarization of that slot.
bool SaveTransponder(ChannelDatabase& db, std::uint16_t frequency, std::uint16_t symbolRate,
                     std::uint32_t polarization, int satellite, int slot);
// -1 does nothing.
void DeleteTransponder(ChannelDatabase& db, int slot);
// Marks the program Deleted and takes it out of every favourite group; lists keep it.
void DeleteProgram(ChannelDatabase& db, int program);
// list 0 = tvList, 1 = radioList; removes the last occurrence of the program.
void RemoveFromServiceList(ChannelDatabase& db, int list, int program);
// False when all 8 group slots are taken.
bool AddFavoriteGroup(ChannelDatabase& db, std::string_view name);
// Zeroes the group; a slot outside 0-7 does nothing.
void DeleteFavoriteGroup(ChannelDatabase& db, int group);
// Removes the last occurrence of the program from the group's members.
void RemoveGroupMember(ChannelDatabase& db, int group, int program);
// First program slot that is not Used; kProgramCount (4000) when all are.
int FindFreeProgramSlot(const ChannelDatabase& db);
int CountSatellites(const ChannelDatabase& db);
int CountTransponders(const ChannelDatabase& db);
// Used program slots, for summaries.
int CountPrograms(const ChannelDatabase& db);
int CountFavoriteGroups(const ChannelDatabase& db);

}  // namespace dbops
