#include "db/exchange/ReferenceOrder.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "db/exchange/ReferenceOrderTexts.h"
#include "db/records/Cp1252.h"
#include "db/records/TextFill.h"

namespace reforder {
namespace {

using DB = ChannelDatabase;
// Satellite name (stored bytes), frequency, polarization, service ID: the same in any
// database, whatever slots the records took there.
using Key = std::tuple<std::string, std::uint16_t, std::uint32_t, std::uint16_t>;
constexpr int kNone = -1;

bool InUse(const DB& db, std::uint16_t slot) { return slot < DB::kProgramCount && db.programs[slot].IsUsed(); }

std::optional<Key> KeyOf(const DB& db, std::uint16_t program) {
  const std::size_t tp = db.programs[program].TransponderIndex();
  if (tp >= DB::kTransponderCount) return std::nullopt;
  const TransponderRecord& t = db.transponders[tp];
  if (t.SatelliteIndex() >= DB::kSatelliteCount) return std::nullopt;
  return Key{db.satellites[t.SatelliteIndex()].Name(), t.Frequency(), t.Polarization(), db.programs[program].ServiceId()};
}

std::string NameOf(const DB& db, std::uint16_t slot) {
  return slot < DB::kProgramCount ? cp1252::ToUtf8(db.programs[slot].Name()) : std::string();
}

// Orders one list after the reference's; fills `workOf` (reference slot -> working
// slot) with what it matched.
void ApplyList(DB& db, const DB& ref, int list, std::vector<int>& workOf, Report& report) {
  const Options& options = report.options;
  ServiceList& l = *db.channelLists.List(list);
  const ServiceList& r = *ref.channelLists.List(list);
  const std::size_t n = l.ValidCount();
  std::vector<bool> taken(n, false);

  std::multimap<Key, std::size_t> byKey;
  std::multimap<std::string, std::size_t> byName;
  for (std::size_t k = 0; k < n; ++k) {
    if (!InUse(db, l.Entry(k))) continue;
    if (const auto key = KeyOf(db, l.Entry(k))) byKey.emplace(*key, k);
    byName.emplace(db.programs[l.Entry(k)].Name(), k);
  }
  std::vector<std::size_t> refAt;  // the reference's positions holding a program in use
  for (std::size_t k = 0; k < r.ValidCount(); ++k)
    if (InUse(ref, r.Entry(k))) refAt.push_back(k);
  report.lists[std::size_t(list)].reference = static_cast<int>(refAt.size());

  std::vector<int> positionOf(refAt.size(), kNone);
  // The first program under the key not taken yet; with `sameName`, only one whose
  // name is the reference program's too.
  const auto take = [&](auto& index, const auto& key, std::size_t i, bool sameName) {
    const std::string name = ref.programs[r.Entry(refAt[i])].Name();
    for (auto [it, end] = index.equal_range(key); it != end; ++it) {
      if (taken[it->second]) continue;
      if (sameName && db.programs[l.Entry(it->second)].Name() != name) continue;
      taken[it->second] = true;
      positionOf[i] = static_cast<int>(it->second);
      return;
    }
  };
  // By key and name, then by key, then the rest by name: a service listed twice on one
  // transponder finds the program of its own name, and a name never takes a program
  // that a later reference program names exactly.
  std::vector<std::optional<Key>> refKeys(refAt.size());
  for (std::size_t i = 0; i < refAt.size(); ++i) refKeys[i] = KeyOf(ref, r.Entry(refAt[i]));
  for (const bool sameName : {true, false})
    for (std::size_t i = 0; i < refAt.size(); ++i)
      if (positionOf[i] == kNone && refKeys[i]) take(byKey, *refKeys[i], i, sameName);
  for (std::size_t i = 0; i < refAt.size(); ++i)
    if (positionOf[i] == kNone) take(byName, ref.programs[r.Entry(refAt[i])].Name(), i, false);

  std::vector<std::uint16_t> order;
  order.reserve(n);
  for (std::size_t i = 0; i < refAt.size(); ++i) {
    const std::uint16_t refSlot = r.Entry(refAt[i]);
    if (positionOf[i] == kNone) {
      report.unmatched.push_back({list, static_cast<int>(refAt[i]), NameOf(ref, refSlot)});
      continue;
    }
    const std::uint16_t slot = l.Entry(std::size_t(positionOf[i]));
    ProgramRecord& p = db.programs[slot];
    const ProgramRecord& q = ref.programs[refSlot];
    if (options.takeLocks && p.Locked() != q.Locked()) {
      p.SetLocked(q.Locked());
      ++report.locksTaken;
    }
    if (options.takeNames && p.Name() != q.Name()) {
      report.renamed.push_back({list, static_cast<int>(order.size()), slot, NameOf(db, slot), NameOf(ref, refSlot)});
      p.SetName(q.Name());
    }
    order.push_back(slot);
    if (workOf[refSlot] == kNone) workOf[refSlot] = slot;
  }
  report.lists[std::size_t(list)].matched = static_cast<int>(order.size());
  for (std::size_t k = 0; k < n; ++k) {
    if (taken[k]) continue;
    report.leftOver.push_back({list, static_cast<int>(order.size()), l.Entry(k), NameOf(db, l.Entry(k))});
    if (InUse(db, l.Entry(k))) report.newPrograms.push_back(l.Entry(k));
    order.push_back(l.Entry(k));
  }
  for (std::size_t k = 0; k < n; ++k) l.SetEntry(k, order[k]);
}

void WriteMembers(FavoriteGroupRecord& group, const std::vector<std::uint16_t>& members) {
  const std::size_t old = group.ValidMemberCount();
  for (std::size_t k = 0; k < members.size(); ++k) group.SetMember(k, members[k]);
  // A group that shrank clears the positions it gave up, as a removal does.
  for (std::size_t k = members.size(); k < old; ++k) group.SetMember(k, 0);
  group.SetMemberCount(static_cast<std::uint32_t>(members.size()));
}

constexpr std::size_t kGroups = ChannelListBlock::kGroupCount;

// Members the reference cannot speak for (no reference program matched them, or a slot
// past the table), group by group, in their order.
std::array<std::vector<std::uint16_t>, kGroups> UnknownMembers(const DB& db, const std::vector<bool>& known) {
  std::array<std::vector<std::uint16_t>, kGroups> out;
  for (std::size_t g = 0; g < kGroups; ++g) {
    const FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    if (!group.IsUsed()) continue;
    for (std::size_t k = 0; k < group.ValidMemberCount(); ++k) {
      const std::uint16_t m = group.Member(k);
      if (m >= DB::kProgramCount || !known[m]) out[g].push_back(m);
    }
  }
  return out;
}

// The slot where the unknown members of working group `g` stay: the reference's group of
// the same name wherever it lies (a group the reference moved), else the same slot.
std::size_t SlotFor(const DB& db, const DB& ref, std::size_t g) {
  const FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
  for (std::size_t r = 0; r < kGroups; ++r) {
    const FavoriteGroupRecord& refGroup = ref.channelLists.favoriteGroups[r];
    if (refGroup.IsUsed() && refGroup.Name() == group.Name()) return r;
  }
  return g;
}

void ApplyGroups(DB& db, const DB& ref, const std::vector<int>& workOf, const std::vector<bool>& known,
                 Report& report) {
  const auto unknown = UnknownMembers(db, known);
  std::array<std::vector<std::uint16_t>, kGroups> kept;
  for (std::size_t g = 0; g < kGroups; ++g) {
    if (unknown[g].empty()) continue;
    std::vector<std::uint16_t>& to = kept[SlotFor(db, ref, g)];
    for (std::uint16_t m : unknown[g])
      if (std::find(to.begin(), to.end(), m) == to.end()) to.push_back(m);
  }
  for (std::size_t g = 0; g < kGroups; ++g) {
    FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    const FavoriteGroupRecord& refGroup = ref.channelLists.favoriteGroups[g];
    if (!group.IsUsed() && !refGroup.IsUsed()) continue;
    GroupReport gr;
    gr.group = static_cast<int>(g);
    gr.inReference = refGroup.IsUsed();
    gr.kept = static_cast<int>(kept[g].size());
    if (!gr.inReference) {
      gr.name = cp1252::ToUtf8(group.Name());
      if (kept[g].empty()) {
        group.Clear();
        gr.removed = true;
      } else {
        WriteMembers(group, kept[g]);
      }
      report.groups.push_back(std::move(gr));
      continue;
    }
    std::vector<std::uint16_t> members;
    gr.referenceMembers = static_cast<int>(refGroup.ValidMemberCount());
    for (std::size_t k = 0; k < refGroup.ValidMemberCount(); ++k) {
      const std::uint16_t m = refGroup.Member(k);
      if (m >= DB::kProgramCount || workOf[m] == kNone) continue;
      const auto slot = static_cast<std::uint16_t>(workOf[m]);
      if (std::find(members.begin(), members.end(), slot) == members.end()) members.push_back(slot);
    }
    gr.matched = static_cast<int>(members.size());
    members.insert(members.end(), kept[g].begin(), kept[g].end());
    if (members.size() > FavoriteGroupRecord::kMaxMembers) {
      gr.notFitted = static_cast<int>(members.size() - FavoriteGroupRecord::kMaxMembers);
      members.resize(FavoriteGroupRecord::kMaxMembers);
    }
    if (!group.IsUsed()) {
      group.Clear();
      group.SetState(SlotState::Used);
    }
    group.SetName(refGroup.Name());
    gr.name = cp1252::ToUtf8(group.Name());
    WriteMembers(group, members);
    report.groups.push_back(std::move(gr));
  }
}

}  // namespace

Report Apply(ChannelDatabase& db, const ChannelDatabase& reference, const Options& options) {
  Report report;
  report.options = options;
  std::vector<int> workOf(DB::kProgramCount, kNone);
  for (int list = 0; list < 2; ++list) ApplyList(db, reference, list, workOf, report);
  // The working programs some reference program matched: the reference decides their groups.
  std::vector<bool> known(DB::kProgramCount, false);
  for (int w : workOf)
    if (w != kNone) known[std::size_t(w)] = true;
  ApplyGroups(db, reference, workOf, known, report);
  return report;
}

namespace {

namespace T = ReferenceOrderTexts;

std::string ListName(int list) { return list == 0 ? T::kTvList : T::kRadioList; }

std::string GroupName(const GroupReport& g) {
  return text::Fill(T::kGroupNamed, {std::to_string(g.group + 1), g.name});
}

// What the matched programs took besides their places.
std::string Taken(const Report& report) {
  const std::string locks = std::to_string(report.locksTaken), names = std::to_string(report.renamed.size());
  if (report.options.takeLocks && report.options.takeNames) return text::Fill(T::kTaken, {locks, names});
  if (report.options.takeLocks) return text::Fill(T::kTakenLocks, {locks});
  if (report.options.takeNames) return text::Fill(T::kTakenNames, {names});
  return T::kTakenNothing;
}

}  // namespace

std::vector<std::string> Describe(const Report& report) {
  std::vector<std::string> lines;
  for (int list = 0; list < 2; ++list) {
    const ListCounts& c = report.lists[std::size_t(list)];
    lines.push_back(text::Fill(T::kListMatched, {ListName(list), std::to_string(c.matched), std::to_string(c.reference)}));
  }
  lines.push_back(Taken(report));
  for (const Renamed& r : report.renamed)
    lines.push_back(text::Fill(T::kRenamed, {ListName(r.list), std::to_string(r.position + 1), r.from, r.to}));
  for (const Unmatched& u : report.unmatched)
    lines.push_back(text::Fill(T::kUnmatched, {ListName(u.list), u.name, std::to_string(u.position + 1)}));
  for (const LeftOver& l : report.leftOver)
    lines.push_back(
        text::Fill(T::kLeftOver, {ListName(l.list), std::to_string(l.program), l.name, std::to_string(l.position + 1)}));
  for (const GroupReport& g : report.groups) {
    const std::string group = GroupName(g);
    if (g.removed) {
      lines.push_back(text::Fill(T::kGroupRemoved, {group}));
      continue;
    }
    if (!g.inReference) {
      lines.push_back(text::Fill(T::kGroupLeftOver, {group, std::to_string(g.kept)}));
      continue;
    }
    lines.push_back(text::Fill(T::kGroupTaken, {group, std::to_string(g.matched), std::to_string(g.referenceMembers)}));
    if (g.kept > 0) lines.push_back(text::Fill(T::kGroupKept, {group, std::to_string(g.kept)}));
    if (g.notFitted > 0) lines.push_back(text::Fill(T::kGroupNotFitted, {group, std::to_string(g.notFitted)}));
  }
  return lines;
}

}  // namespace reforder
