// A transponder list (satellites.xml) of arbitrary bytes, read and applied to a sample
// database, as "Update Transponders From List…" and quelmar-cli update-transponders do.
// Reading must refuse or take it within its bounds without crashing; a list taken only
// ever adds listed transponders to matched satellites, in slots that were Empty, and
// the report counts every transponder of the matched list satellites once.
#include <cstring>
#include <memory>
#include <string_view>

#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "db/operations/SampleDatabase.h"
#include "fuzz/FuzzTargets.h"

int FuzzTransponderList(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<ChannelDatabase> base = [] {
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    return db;
  }();
  satxml::List list;
  if (satxml::Read(std::string_view(reinterpret_cast<const char*>(data), size), list)) {
    if (!list.satellites.empty()) FuzzFail("a refused list left satellites");
    return 0;
  }
  if (list.satellites.empty() || list.satellites.size() > satxml::kMaxSatellites) FuzzFail("satellites beyond bounds");
  if (list.TransponderCount() > satxml::kMaxTransponders) FuzzFail("transponders beyond bounds");
  for (const satxml::Satellite& s : list.satellites) {
    if (s.position < -1800 || s.position > 1800) FuzzFail("a position beyond 180 degrees");
    for (const satxml::Transponder& t : s.transponders)
      if (t.polarization < 0 || t.polarization > 3) FuzzFail("an unknown polarization taken");
  }

  // Matched by name, and the satellites no name matched by hand, to reach every path.
  tpupdate::Matches matches = tpupdate::MatchByName(*base, list);
  for (std::size_t s = 0; s < matches.size(); s += 2)
    if (matches[s] == tpupdate::kNoMatch) matches[s] = static_cast<int>(s % list.satellites.size());
  auto db = std::make_unique<ChannelDatabase>(*base);
  const tpupdate::Report preview = tpupdate::Preview(*db, list, matches);
  const tpupdate::Report report = tpupdate::Apply(*db, list, matches);
  if (preview.Added() != report.Added() || preview.LeftOut() != report.LeftOut()) FuzzFail("the preview differs");

  int added = 0;
  for (std::size_t t = 0; t < ChannelDatabase::kTransponderCount; ++t) {
    const TransponderRecord& now = db->transponders[t];
    const TransponderRecord& was = base->transponders[t];
    if (was.State() != SlotState::Empty) {
      if (std::memcmp(&now, &was, sizeof now) != 0) FuzzFail("a stored transponder changed");
      continue;
    }
    if (!now.IsUsed()) continue;
    ++added;
    if (!now.IsListed() || now.SatelliteIndex() >= matches.size() || matches[now.SatelliteIndex()] == tpupdate::kNoMatch)
      FuzzFail("a transponder added to an unmatched satellite");
  }
  if (added != report.Added()) FuzzFail("the report miscounts what was added");
  for (const tpupdate::SatelliteReport& r : report.satellites) {
    if (r.match == tpupdate::kNoMatch) continue;
    const std::size_t listed = list.satellites[static_cast<std::size_t>(r.match)].transponders.size();
    if (static_cast<std::size_t>(r.added + r.present + r.circular + r.leftOut) != listed)
      FuzzFail("a list transponder counted twice or not at all");
  }
  if (std::memcmp(db->satellites.data(), base->satellites.data(), sizeof db->satellites) != 0 ||
      std::memcmp(db->programs.data(), base->programs.data(), sizeof db->programs) != 0)
    FuzzFail("more than transponders changed");
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzTransponderList(data, size);
}
#endif
