#include "db/operations/DatabaseOperations.h"

namespace dbops {
namespace {

using DB = ChannelDatabase;

// Removes the last occurrence of `value` among the first `count` slots of an array of
// `capacity` entries reached through get/set. Returns the new count (the count, bounded
// to the capacity, less one), 0 for an empty array, or kNotFound when the value is not
// among the entries; nothing changes in the last two cases. Only the freed position is
// zeroed; entries beyond the old count stay.
template <typename Get, typename Set>
std::size_t RemoveLast(std::size_t count, std::size_t capacity, std::uint16_t value, Get get, Set set) {
  // A stored count beyond the table must not lead us outside it.
  if (count > capacity) count = capacity;
  if (count == 0) return count;
  std::size_t pos = count;
  while (pos > 0) {
    --pos;
    if (get(pos) == value) {
      for (std::size_t i = pos; i + 1 < count; ++i) set(i, get(i + 1));
      set(count - 1, 0);
      return count - 1;
    }
  }
  return static_cast<std::size_t>(-1);
}

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

}  // namespace

bool AddSatellite(ChannelDatabase& db, std::string_view name) {
  int slot = -1;
  for (std::size_t i = 0; i < DB::kSatelliteCount && slot < 0; ++i)
    if (db.satellites[i].NameIs(name)) slot = static_cast<int>(i);
  // Deleted slots keep their transponders' links; only never-used slots are taken.
  for (std::size_t i = 0; i < DB::kSatelliteCount && slot < 0; ++i)
    if (db.satellites[i].State() == SlotState::Empty) slot = static_cast<int>(i);
  if (slot < 0) return false;

  db.system.SetLastAddedSatellite(static_cast<std::uint16_t>(slot));
  using F = SatelliteFields;
  SatelliteRecord& s = db.satellites[static_cast<std::size_t>(slot)];
  s.SetState(SlotState::Used);
  s.Set<F::kFlagsReserved2>(0);
  s.SetSelfIndex(static_cast<std::uint32_t>(slot));
  s.Set<F::kFlagsReserved14>(0);
  s.Set<F::kFlagsReserved15>(0);
  s.SetSelected(true);
  s.SetName(name);
  s.SetLnbWord(0);
  s.SetMotor(0);
  s.Set<F::kMotorReserved2>(0);
  s.SetLnbFreqHigh(SatelliteRecord::kDefaultLnbFreq);
  s.SetLnbFreqLow(SatelliteRecord::kDefaultLnbFreq);
  return true;
}

void DeleteSatellite(ChannelDatabase& db, int satellite) {
  if (satellite < 0 || static_cast<std::size_t>(satellite) >= DB::kSatelliteCount) return;
  SatelliteRecord& s = db.satellites[static_cast<std::size_t>(satellite)];
  s.SetState(SlotState::Deleted);
  s.SetSelected(false);
  for (std::size_t t = 0; t < DB::kTransponderCount; ++t) {
    const TransponderRecord& tp = db.transponders[t];
    if (tp.IsUsed() && tp.SatelliteIndex() == static_cast<std::uint32_t>(satellite))
      DeleteTransponder(db, static_cast<int>(t));
  }
}

bool SaveTransponder(ChannelDatabase& db, std::uint16_t frequency, std::uint16_t symbolRate,
                     std::uint32_t polarization, int satellite, int slot) {
  if (slot != -1) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= DB::kTransponderCount) return false;
    TransponderRecord& tp = db.transponders[static_cast<std::size_t>(slot)];
    tp.SetFrequency(frequency);
    tp.SetSymbolRate(symbolRate);
    tp.SetPolarization(polarization & 1u);
    return true;
  }
  for (std::size_t t = 0; t < DB::kTransponderCount; ++t) {
    using F = TransponderFields;
    TransponderRecord& tp = db.transponders[t];
    if (tp.State() != SlotState::Empty) continue;
    tp.SetState(SlotState::Used);
    tp.Set<F::kFlagsReserved2>(0);
    tp.SetHiddenBits(0);
    tp.SetSatelliteIndex(static_cast<std::uint32_t>(satellite));
    tp.Set<F::kFlagsReserved16>(0);
    tp.Set<F::kFlagsReserved17>(0);
    tp.SetReserved4(0);
    tp.SetReserved6(0);
    tp.SetFrequency(frequency);
    tp.Set<F::kFrequencyReserved16>(0);
    tp.SetSymbolRate(symbolRate);
    tp.SetPolarization(polarization & 1u);
    tp.Set<F::kSymbolReserved17>(0);
    return true;
  }
  return false;
}

void DeleteTransponder(ChannelDatabase& db, int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= DB::kTransponderCount) return;
  TransponderRecord& tp = db.transponders[static_cast<std::size_t>(slot)];
  tp.SetState(SlotState::Deleted);
  tp.Set<TransponderFields::kFlagsReserved17>(0);
}

void DeleteProgram(ChannelDatabase& db, int program) {
  if (program < 0 || static_cast<std::size_t>(program) >= DB::kProgramCount) return;
  ProgramRecord& p = db.programs[static_cast<std::size_t>(program)];
  p.SetState(SlotState::Deleted);
  p.SetReserved36(0);
  for (int g = 0; g < static_cast<int>(ChannelListBlock::kGroupCount); ++g) RemoveGroupMember(db, g, program);
}

void RemoveFromServiceList(ChannelDatabase& db, int list, int program) {
  ServiceList* l = db.channelLists.List(list);
  if (!l) return;
  const std::size_t n = RemoveLast(
      l->Count(), ServiceList::kCapacity, static_cast<std::uint16_t>(program),
      [&](std::size_t i) { return l->Entry(i); }, [&](std::size_t i, std::uint16_t v) { l->SetEntry(i, v); });
  if (n != kNotFound) l->SetCount(static_cast<std::uint16_t>(n));
}

bool AddFavoriteGroup(ChannelDatabase& db, std::string_view name) {
  for (FavoriteGroupRecord& g : db.channelLists.favoriteGroups) {
    if (g.State() != SlotState::Empty) continue;
    g.Clear();
    g.SetName(name);
    g.SetState(SlotState::Used);
    return true;
  }
  return false;
}

void DeleteFavoriteGroup(ChannelDatabase& db, int group) {
  if (group < 0 || group >= static_cast<int>(ChannelListBlock::kGroupCount)) return;
  db.channelLists.favoriteGroups[static_cast<std::size_t>(group)].Clear();
}

void RemoveGroupMember(ChannelDatabase& db, int group, int program) {
  if (group < 0 || group >= static_cast<int>(ChannelListBlock::kGroupCount)) return;
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[static_cast<std::size_t>(group)];
  const std::size_t n = RemoveLast(
      g.MemberCount(), FavoriteGroupRecord::kMaxMembers, static_cast<std::uint16_t>(program),
      [&](std::size_t i) { return g.Member(i); }, [&](std::size_t i, std::uint16_t v) { g.SetMember(i, v); });
  if (n != kNotFound) g.SetMemberCount(static_cast<std::uint32_t>(n));
}

int FindFreeProgramSlot(const ChannelDatabase& db) {
  for (std::size_t i = 0; i < DB::kProgramCount; ++i)
    if (!db.programs[i].IsUsed()) return static_cast<int>(i);
  return static_cast<int>(DB::kProgramCount);
}

namespace {
template <typename Table>
int CountUsed(const Table& table) {
  int n = 0;
  for (const auto& r : table) n += r.IsUsed() ? 1 : 0;
  return n;
}
}  // namespace

int CountSatellites(const ChannelDatabase& db) { return CountUsed(db.satellites); }
int CountTransponders(const ChannelDatabase& db) { return CountUsed(db.transponders); }
int CountPrograms(const ChannelDatabase& db) { return CountUsed(db.programs); }
int CountFavoriteGroups(const ChannelDatabase& db) { return CountUsed(db.channelLists.favoriteGroups); }

}  // namespace dbops
