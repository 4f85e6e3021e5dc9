#include "db/exchange/TransponderUpdate.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <memory>

#include "db/exchange/OrbitalPosition.h"
#include "db/exchange/TransponderListTexts.h"
#include "db/operations/DatabaseOperations.h"
#include "db/records/Cp1252.h"
#include "db/records/TextFill.h"

namespace tpupdate {
namespace {

using DB = ChannelDatabase;
namespace T = TransponderListTexts;

// The frequencies in MHz one satellite has, per polarization of the record.
using Frequencies = std::bitset<65536>;

bool Near(const Frequencies& f, int mhz) {
  for (int m = std::max(0, mhz - kPresentWithinMhz); m <= std::min(65535, mhz + kPresentWithinMhz); ++m)
    if (f.test(static_cast<std::size_t>(m))) return true;
  return false;
}

std::uint16_t Rounded(std::uint32_t value) {
  return static_cast<std::uint16_t>(std::min<std::uint32_t>((value + 500u) / 1000u, 65535u));
}

}  // namespace

std::uint16_t Mhz(std::uint32_t kHz) { return Rounded(kHz); }
std::uint16_t KiloSymbols(std::uint32_t symbolsPerSecond) { return Rounded(symbolsPerSecond); }

Matches MatchByName(const ChannelDatabase& db, const satxml::List& list) {
  Matches m(DB::kSatelliteCount, kNoMatch);
  for (std::size_t s = 0; s < DB::kSatelliteCount; ++s) {
    if (!db.satellites[s].IsUsed()) continue;
    if (const auto position = orbit::PositionInName(db.satellites[s].Name())) m[s] = list.Find(*position);
  }
  return m;
}

int MatchByHand(const ChannelDatabase& db, std::string_view name, int listIndex, Matches& matches) {
  matches.resize(DB::kSatelliteCount, kNoMatch);
  int n = 0;
  for (std::size_t s = 0; s < DB::kSatelliteCount; ++s) {
    if (!db.satellites[s].IsUsed() || !db.satellites[s].NameIs(name)) continue;
    matches[s] = listIndex;
    ++n;
  }
  return n;
}

int Report::Added() const {
  int n = 0;
  for (const SatelliteReport& s : satellites) n += s.added;
  return n;
}

int Report::LeftOut() const {
  int n = 0;
  for (const SatelliteReport& s : satellites) n += s.leftOut;
  return n;
}

int Report::Matched() const {
  return static_cast<int>(std::count_if(satellites.begin(), satellites.end(),
                                        [](const SatelliteReport& s) { return s.match != kNoMatch; }));
}

Report Apply(ChannelDatabase& db, const satxml::List& list, const Matches& matches) {
  Report report;
  auto present = std::make_unique<std::array<Frequencies, 2>>();
  bool full = false;
  for (std::size_t s = 0; s < DB::kSatelliteCount; ++s) {
    const SatelliteRecord& sat = db.satellites[s];
    if (!sat.IsUsed()) continue;
    SatelliteReport r;
    r.satellite = static_cast<int>(s);
    r.name = cp1252::ToUtf8(sat.Name());
    r.namePosition = orbit::PositionInName(sat.Name());
    r.positionListed = r.namePosition && list.Find(*r.namePosition) >= 0;
    const int match = s < matches.size() ? matches[s] : kNoMatch;
    if (match >= 0 && static_cast<std::size_t>(match) < list.satellites.size()) r.match = match;
    if (r.match == kNoMatch) {
      report.satellites.push_back(std::move(r));
      continue;
    }
    // Hidden transponders are the satellite's too: a copy of one would only be a
    // duplicate.
    for (Frequencies& f : *present) f.reset();
    for (const TransponderRecord& t : db.transponders)
      if (t.IsUsed() && t.SatelliteIndex() == s) (*present)[t.Polarization()].set(t.Frequency());
    for (const satxml::Transponder& t : list.satellites[static_cast<std::size_t>(r.match)].transponders) {
      if (t.polarization != satxml::kHorizontal && t.polarization != satxml::kVertical) {
        ++r.circular;
        continue;
      }
      const std::uint32_t pol =
          t.polarization == satxml::kHorizontal ? TransponderRecord::kHorizontal : TransponderRecord::kVertical;
      const std::uint16_t mhz = Mhz(t.frequency);
      if (Near((*present)[pol], mhz)) {
        ++r.present;
        continue;
      }
      if (full || !dbops::SaveTransponder(db, mhz, KiloSymbols(t.symbolRate), pol, static_cast<int>(s), -1)) {
        full = true;
        ++r.leftOut;
        continue;
      }
      (*present)[pol].set(mhz);
      ++r.added;
    }
    report.satellites.push_back(std::move(r));
  }
  return report;
}

Report Preview(const ChannelDatabase& db, const satxml::List& list, const Matches& matches) {
  auto copy = std::make_unique<ChannelDatabase>(db);
  return Apply(*copy, list, matches);
}

std::vector<std::string> Describe(const Report& report, bool unmatched) {
  std::vector<std::string> lines;
  for (const SatelliteReport& s : report.satellites) {
    if (s.match != kNoMatch) {
      const std::string added = std::to_string(s.added), present = std::to_string(s.present),
                        circular = std::to_string(s.circular);
      lines.push_back(s.leftOut == 0 ? text::Fill(T::kUpdated, {s.name, added, present, circular})
                                     : text::Fill(T::kUpdatedLeftOut,
                                                  {s.name, added, present, circular, std::to_string(s.leftOut)}));
    } else if (unmatched) {
      if (!s.namePosition)
        lines.push_back(text::Fill(T::kNoPosition, {s.name}));
      else if (!s.positionListed)
        lines.push_back(text::Fill(T::kPositionNotListed, {s.name, orbit::Format(*s.namePosition)}));
      else
        lines.push_back(text::Fill(T::kNotChosen, {s.name}));
    }
  }
  return lines;
}

}  // namespace tpupdate
