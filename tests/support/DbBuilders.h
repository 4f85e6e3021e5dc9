#pragma once
// Small databases written record by record for tests: every slot starts Empty and
// all-zero, and each Put fills one slot the way the editor would leave it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "db/operations/SampleDatabase.h"
#include "db/records/ChannelDatabase.h"

namespace testkit {

inline std::unique_ptr<ChannelDatabase> EmptyDb() { return std::make_unique<ChannelDatabase>(); }

inline SatelliteRecord& PutSatellite(ChannelDatabase& db, int slot, const std::string& name,
                                     SlotState state = SlotState::Used) {
  SatelliteRecord& s = db.satellites[std::size_t(slot)];
  s.SetState(state);
  s.SetSelfIndex(std::uint32_t(slot));
  s.SetName(name);
  s.SetLnbFreqHigh(10600);
  s.SetLnbFreqLow(9750);
  return s;
}

inline TransponderRecord& PutTransponder(ChannelDatabase& db, int slot, int satellite,
                                         std::uint16_t frequency, std::uint16_t symbolRate = 27500,
                                         std::uint32_t polarization = 0,
                                         SlotState state = SlotState::Used, std::uint32_t hidden = 0) {
  TransponderRecord& t = db.transponders[std::size_t(slot)];
  t.SetState(state);
  t.SetSatelliteIndex(std::uint32_t(satellite));
  t.SetHiddenBits(hidden);
  t.SetFrequency(frequency);
  t.SetSymbolRate(symbolRate);
  t.SetPolarization(polarization);
  return t;
}

inline ProgramRecord& PutProgram(ChannelDatabase& db, int slot, const std::string& name,
                                 int transponder = 0, std::uint32_t type = ProgramRecord::kTv) {
  ProgramRecord& p = db.programs[std::size_t(slot)];
  p.SetState(SlotState::Used);
  p.SetName(name);
  p.SetTransponderIndex(std::uint32_t(transponder));
  p.SetServiceType(type);
  return p;
}

inline void PutList(ServiceList& list, const std::vector<int>& ids) {
  for (std::size_t i = 0; i < ids.size(); ++i) list.SetEntry(i, std::uint16_t(ids[i]));
  list.SetCount(std::uint16_t(ids.size()));
}

inline FavoriteGroupRecord& PutGroup(ChannelDatabase& db, int slot, const std::string& name,
                                     const std::vector<int>& members = {}) {
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[std::size_t(slot)];
  g.Clear();
  g.SetState(SlotState::Used);
  g.SetName(name);
  for (std::size_t i = 0; i < members.size(); ++i) g.SetMember(i, std::uint16_t(members[i]));
  g.SetMemberCount(std::uint32_t(members.size()));
  return g;
}

// A group's members and a list's entries, as far as their counts are believable.
inline std::vector<int> Members(const FavoriteGroupRecord& g) {
  std::vector<int> out;
  for (std::size_t i = 0; i < g.ValidMemberCount(); ++i) out.push_back(g.Member(i));
  return out;
}

inline std::vector<int> Entries(const ServiceList& l) {
  std::vector<int> out;
  for (std::size_t i = 0; i < l.ValidCount(); ++i) out.push_back(l.Entry(i));
  return out;
}

// Every table full, as sample::BuildFullDatabase makes it, with the satellites' LNB
// type and DiSEqC port set to values the receiver knows: a full database the
// consistency check has nothing to say about.
inline std::unique_ptr<ChannelDatabase> CleanFullDb(std::uint32_t seed = 1) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db, seed);
  for (std::size_t i = 0; i < db->satellites.size(); ++i) {
    db->satellites[i].SetLnbType(std::uint32_t(i % 2));
    db->satellites[i].SetDiseqcPort(std::uint32_t(i % SatelliteRecord::kDiseqcPortCount));
  }
  return db;
}

}  // namespace testkit
