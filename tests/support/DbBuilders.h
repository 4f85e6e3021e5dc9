#pragma once
// Small databases written record by record for tests: every slot starts Empty and
// all-zero, and each Put fills one slot the way the editor would leave it.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <random>
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

// The same database with its programs in other slots, as a rescan may store them:
// every list entry and group member follows its program.
inline std::unique_ptr<ChannelDatabase> SlotsShuffled(const ChannelDatabase& db, unsigned seed) {
  std::vector<int> to(ChannelDatabase::kProgramCount);
  std::iota(to.begin(), to.end(), 0);
  std::shuffle(to.begin(), to.end(), std::mt19937(seed));
  auto out = std::make_unique<ChannelDatabase>(db);
  for (std::size_t slot = 0; slot < to.size(); ++slot) out->programs[std::size_t(to[slot])] = db.programs[slot];
  const auto moved = [&](std::uint16_t e) { return e < to.size() ? std::uint16_t(to[e]) : e; };
  for (ServiceList* l : {&out->channelLists.tvList, &out->channelLists.radioList})
    for (std::size_t k = 0; k < l->ValidCount(); ++k) l->SetEntry(k, moved(l->Entry(k)));
  for (FavoriteGroupRecord& g : out->channelLists.favoriteGroups)
    for (std::size_t k = 0; k < g.ValidMemberCount(); ++k) g.SetMember(k, moved(g.Member(k)));
  return out;
}

}  // namespace testkit
