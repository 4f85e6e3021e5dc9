#include "db/operations/DuplicatePrograms.h"

#include <algorithm>
#include <utility>

namespace duplicates {

std::optional<std::uint64_t> KeyOf(const ChannelDatabase& db, std::size_t program) {
  if (program >= db.programs.size()) return std::nullopt;
  const ProgramRecord& p = db.programs[program];
  if (!p.IsUsed()) return std::nullopt;
  const std::uint32_t tp = p.TransponderIndex();
  if (tp >= db.transponders.size() || !db.transponders[tp].IsUsed()) return std::nullopt;
  const TransponderRecord& t = db.transponders[tp];
  // satellite (10 bits) | frequency (16) | polarization (1) | service ID (16)
  return (std::uint64_t{t.SatelliteIndex()} << 33) | (std::uint64_t{t.Frequency()} << 17) |
         (std::uint64_t{t.Polarization()} << 16) | p.ServiceId();
}

std::vector<std::vector<int>> FindDuplicatePrograms(const ChannelDatabase& db) {
  std::vector<std::pair<std::uint64_t, int>> keyed;
  keyed.reserve(db.programs.size());
  for (std::size_t i = 0; i < db.programs.size(); ++i)
    if (const auto key = KeyOf(db, i)) keyed.emplace_back(*key, static_cast<int>(i));
  std::sort(keyed.begin(), keyed.end());

  std::vector<std::vector<int>> sets;
  for (std::size_t i = 0; i < keyed.size();) {
    std::size_t j = i + 1;
    while (j < keyed.size() && keyed[j].first == keyed[i].first) ++j;
    if (j - i > 1) {
      std::vector<int> set;
      for (std::size_t k = i; k < j; ++k) set.push_back(keyed[k].second);
      sets.push_back(std::move(set));
    }
    i = j;
  }
  std::sort(sets.begin(), sets.end(), [](const auto& a, const auto& b) { return a.front() < b.front(); });
  return sets;
}

}  // namespace duplicates
