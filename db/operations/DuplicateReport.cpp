#include "db/operations/DuplicateReport.h"

#include <algorithm>
#include <string>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/DuplicatePrograms.h"

namespace dbops {
namespace {

constexpr std::size_t kPrograms = ChannelDatabase::kProgramCount;

// Where each program slot meets the user: first list positions and group bits.
std::vector<DuplicateEntry> Whereabouts(const ChannelDatabase& db) {
  std::vector<DuplicateEntry> out(kPrograms);
  for (std::size_t p = 0; p < kPrograms; ++p) out[p].program = static_cast<int>(p);
  const ServiceList& tv = db.channelLists.tvList;
  const ServiceList& radio = db.channelLists.radioList;
  for (std::size_t i = tv.ValidCount(); i-- > 0;)
    if (tv.Entry(i) < kPrograms) out[tv.Entry(i)].tvRow = static_cast<int>(i);
  for (std::size_t i = radio.ValidCount(); i-- > 0;)
    if (radio.Entry(i) < kPrograms) out[radio.Entry(i)].radioRow = static_cast<int>(i);
  for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
    const FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    if (!group.IsUsed()) continue;
    for (std::size_t m = 0; m < group.ValidMemberCount(); ++m)
      if (group.Member(m) < kPrograms) out[group.Member(m)].groups |= static_cast<std::uint8_t>(1u << g);
  }
  return out;
}

int ListOrder(const DuplicateEntry& e) {
  constexpr int kCap = static_cast<int>(ServiceList::kCapacity);
  if (e.tvRow >= 0) return e.tvRow;
  if (e.radioRow >= 0) return kCap + e.radioRow;
  return 2 * kCap + e.program;
}

struct Candidate {
  std::uint64_t key;  // duplicates::KeyOf
  int order;          // ListOrder
  int program;
  // The key without its service id: the transponder's satellite, frequency,
  // polarization.
  std::uint64_t Place() const { return key >> 16; }
};

// Runs of equal keys among candidates sorted by (key, order); each run of two
// or more becomes a set when `keep` accepts it.
template <typename SameKey, typename Keep>
void CollectRuns(const std::vector<Candidate>& sorted, const std::vector<DuplicateEntry>& where, SameKey same,
                 Keep keep, std::vector<DuplicateSet>& out) {
  for (std::size_t i = 0; i < sorted.size();) {
    std::size_t j = i + 1;
    while (j < sorted.size() && same(sorted[i], sorted[j])) ++j;
    if (j - i > 1 && keep(i, j)) {
      DuplicateSet set;
      for (std::size_t k = i; k < j; ++k) set.push_back(where[static_cast<std::size_t>(sorted[k].program)]);
      out.push_back(std::move(set));
    }
    i = j;
  }
}

void ByFirstInListOrder(std::vector<DuplicateSet>& sets) {
  std::sort(sets.begin(), sets.end(),
            [](const DuplicateSet& a, const DuplicateSet& b) { return ListOrder(a.front()) < ListOrder(b.front()); });
}

}  // namespace

DuplicateReport FindDuplicateReport(const ChannelDatabase& db) {
  const std::vector<DuplicateEntry> where = Whereabouts(db);
  std::vector<Candidate> cands;
  cands.reserve(kPrograms);
  for (std::size_t p = 0; p < kPrograms; ++p)
    if (const auto key = duplicates::KeyOf(db, p)) cands.push_back({*key, ListOrder(where[p]), static_cast<int>(p)});

  DuplicateReport report;
  std::sort(cands.begin(), cands.end(),
            [](const Candidate& a, const Candidate& b) { return a.key != b.key ? a.key < b.key : a.order < b.order; });
  CollectRuns(
      cands, where, [](const Candidate& a, const Candidate& b) { return a.key == b.key; },
      [](std::size_t, std::size_t) { return true; }, report.duplicates);
  ByFirstInListOrder(report.duplicates);

  // Names: one string per candidate, then runs of equal names spanning two
  // transponders.
  std::vector<std::string> names(kPrograms);
  for (const Candidate& c : cands)
    names[static_cast<std::size_t>(c.program)] = db.programs[static_cast<std::size_t>(c.program)].Name();
  std::erase_if(cands, [&](const Candidate& c) { return names[static_cast<std::size_t>(c.program)].empty(); });
  const auto nameOf = [&](const Candidate& c) -> const std::string& {
    return names[static_cast<std::size_t>(c.program)];
  };
  std::sort(cands.begin(), cands.end(), [&](const Candidate& a, const Candidate& b) {
    const int c = nameOf(a).compare(nameOf(b));
    return c != 0 ? c < 0 : a.order < b.order;
  });
  CollectRuns(
      cands, where, [&](const Candidate& a, const Candidate& b) { return nameOf(a) == nameOf(b); },
      [&](std::size_t i, std::size_t j) {
        for (std::size_t k = i + 1; k < j; ++k)
          if (cands[k].Place() != cands[i].Place()) return true;
        return false;
      },
      report.sameName);
  ByFirstInListOrder(report.sameName);
  return report;
}

int DeletePrograms(ChannelDatabase& db, std::span<const int> programs) {
  std::vector<char> doomed(kPrograms, 0);
  int deleted = 0;
  for (int p : programs) {
    if (p < 0 || static_cast<std::size_t>(p) >= kPrograms || doomed[static_cast<std::size_t>(p)]) continue;
    doomed[static_cast<std::size_t>(p)] = 1;
    DeleteProgram(db, p);
    ++deleted;
  }
  // One pass per list keeps the others in order; freed places are zeroed as a
  // single removal does.
  for (ServiceList* l : {&db.channelLists.tvList, &db.channelLists.radioList}) {
    const std::size_t n = l->ValidCount();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint16_t e = l->Entry(i);
      if (e < kPrograms && doomed[e]) continue;
      l->SetEntry(kept++, e);
    }
    if (kept == n) continue;
    for (std::size_t i = kept; i < n; ++i) l->SetEntry(i, 0);
    l->SetCount(static_cast<std::uint16_t>(kept));
  }
  return deleted;
}

}  // namespace dbops
