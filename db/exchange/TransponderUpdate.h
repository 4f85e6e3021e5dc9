#pragma once
// Brings the satellites' transponders up to date from a transponder list
// (db/exchange/SatellitesXml.h). Each satellite of the database is matched to the list's
// satellite at the position its name states ("Astra 19.2E"), or to one the user chose;
// it then takes every transponder of that satellite it lacks. A transponder is present
// when the satellite has one of the same polarization within 2 MHz. Nothing is removed
// or changed, since programs point at the stored transponders; the receiver stores no
// circular polarization, so those are skipped and counted. When the transponder table
// is full the rest is left out and counted. One operation on the database, so the
// window runs it through the document's edit door as a single step.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/exchange/SatellitesXml.h"
#include "db/records/ChannelDatabase.h"

namespace tpupdate {

inline constexpr int kNoMatch = -1;
inline constexpr int kPresentWithinMhz = 2;

// For each satellite slot, the list satellite (an index into list.satellites) it takes
// its transponders from, or kNoMatch.
using Matches = std::vector<int>;

// What the names say: each satellite in use whose name states a position takes the
// first list satellite at that position.
Matches MatchByName(const ChannelDatabase& db, const satxml::List& list);
// Every satellite in use named `name` (record bytes) takes list satellite `listIndex`;
// returns how many did.
int MatchByHand(const ChannelDatabase& db, std::string_view name, int listIndex, Matches& matches);

// A list transponder as the receiver stores it: whole MHz and kS/s, rounded.
std::uint16_t Mhz(std::uint32_t kHz);
std::uint16_t KiloSymbols(std::uint32_t symbolsPerSecond);

struct SatelliteReport {
  int satellite = 0;                // slot
  std::string name;                 // UTF-8
  std::optional<int> namePosition;  // what the name states
  bool positionListed = false;      // the list has a satellite there
  int match = kNoMatch;
  int added = 0;
  int present = 0;
  int circular = 0;
  int leftOut = 0;  // not added: the transponder table was full
};

struct Report {
  std::vector<SatelliteReport> satellites;  // every satellite in use, in slot order
  int Added() const;
  int LeftOut() const;
  int Matched() const;
};

Report Apply(ChannelDatabase& db, const satxml::List& list, const Matches& matches);
// What Apply would do, leaving the database as it is.
Report Preview(const ChannelDatabase& db, const satxml::List& list, const Matches& matches);

// One line a satellite, "Astra 19.2E: 12 added, 40 present, 2 circular skipped"; with
// `unmatched` false, the matched ones only.
std::vector<std::string> Describe(const Report& report, bool unmatched = true);

}  // namespace tpupdate
