#include "db/exchange/ReferenceList.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <tuple>

#include "db/exchange/ReferenceListTexts.h"
#include "db/operations/DatabaseOperations.h"
#include "db/records/Cp1252.h"
#include "db/records/TableNames.h"
#include "db/records/TextFill.h"

namespace reflist {
namespace {

using DB = ChannelDatabase;
using Key = std::tuple<std::string, std::uint16_t, std::uint32_t, std::uint16_t>;

std::optional<Key> KeyOf(const DB& db, std::uint16_t program) {
  const std::size_t tp = db.programs[program].TransponderIndex();
  if (tp >= DB::kTransponderCount) return std::nullopt;
  const TransponderRecord& t = db.transponders[tp];
  if (t.SatelliteIndex() >= DB::kSatelliteCount) return std::nullopt;
  return Key{cp1252::ToUtf8(db.satellites[t.SatelliteIndex()].Name()), t.Frequency(), t.Polarization(),
             db.programs[program].ServiceId()};
}

// A list entry a row may match: a Used program.
bool Matchable(const DB& db, std::uint16_t slot) { return slot < DB::kProgramCount && db.programs[slot].IsUsed(); }

// The group slot bearing exactly this name, or -1.
int GroupNamed(const DB& db, const std::string& utf8) {
  const auto bytes = cp1252::FromUtf8(utf8);
  if (!bytes) return -1;
  for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
    const FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    if (group.IsUsed() && group.NameIs(*bytes)) return static_cast<int>(g);
  }
  return -1;
}

// The group names a row gives. A name that holds the separator comes back whole when a
// group of that name exists.
std::vector<std::string> GroupNames(const DB& db, const std::vector<std::string>& pieces) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < pieces.size();) {
    std::size_t take = 1;
    std::string joined = pieces[i];
    for (std::size_t j = i + 1; j < pieces.size(); ++j) {
      joined += channelcsv::kGroupSeparator + pieces[j];
      if (GroupNamed(db, joined) >= 0) take = j - i + 1;
    }
    std::string name = pieces[i];
    for (std::size_t j = i + 1; j < i + take; ++j) name += channelcsv::kGroupSeparator + pieces[j];
    if (!name.empty() && std::find(out.begin(), out.end(), name) == out.end()) out.push_back(name);
    i += take;
  }
  return out;
}

}  // namespace

Report Apply(ChannelDatabase& db, const std::vector<channelcsv::Row>& rows, const Options& options) {
  Report report;
  report.rows = static_cast<int>(rows.size());
  std::vector<int> matchOf(rows.size(), -1);  // the program each row matched

  for (int list = 0; list < 2; ++list) {
    ServiceList& l = *db.channelLists.List(list);
    const std::size_t n = l.ValidCount();
    std::vector<bool> taken(n, false);
    std::vector<std::size_t> rowsHere;
    for (std::size_t r = 0; r < rows.size(); ++r)
      if (rows[r].list == list) rowsHere.push_back(r);

    // First by key, then the rest by name, so a name never takes a program that a later
    // row names exactly.
    std::multimap<Key, std::size_t> byKey;
    std::multimap<std::string, std::size_t> byName;
    for (std::size_t k = 0; k < n; ++k) {
      if (!Matchable(db, l.Entry(k))) continue;
      if (const auto key = KeyOf(db, l.Entry(k))) byKey.emplace(*key, k);
      byName.emplace(cp1252::ToUtf8(db.programs[l.Entry(k)].Name()), k);
    }
    std::vector<int> positionOf(rows.size(), -1);
    auto take = [&](auto& index, const auto& key, std::size_t r) {
      for (auto [it, end] = index.equal_range(key); it != end; ++it) {
        if (taken[it->second]) continue;
        taken[it->second] = true;
        positionOf[r] = static_cast<int>(it->second);
        return;
      }
    };
    for (std::size_t r : rowsHere)
      if (rows[r].HasKey())
        take(byKey, Key{rows[r].satellite, *rows[r].frequency, *rows[r].polarization, *rows[r].serviceId}, r);
    for (std::size_t r : rowsHere)
      if (positionOf[r] < 0 && !rows[r].name.empty()) take(byName, rows[r].name, r);

    // The new order: matched rows in file order, then what no row took.
    std::vector<std::uint16_t> order;
    for (std::size_t r : rowsHere) {
      if (positionOf[r] < 0) continue;
      matchOf[r] = l.Entry(std::size_t(positionOf[r]));
      order.push_back(static_cast<std::uint16_t>(matchOf[r]));
    }
    const std::size_t matchedHere = order.size();
    for (std::size_t k = 0; k < n; ++k)
      if (!taken[k]) order.push_back(l.Entry(k));
    for (std::size_t k = 0; k < n; ++k) l.SetEntry(k, order[k]);
    for (std::size_t k = matchedHere; k < n; ++k) {
      const std::uint16_t slot = order[k];
      report.leftInPlace.push_back({list, static_cast<int>(k), slot,
                                    slot < DB::kProgramCount ? cp1252::ToUtf8(db.programs[slot].Name()) : ""});
      if (Matchable(db, slot)) report.newPrograms.push_back(slot);
    }
  }

  // Names and lock flags.
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (matchOf[r] < 0) {
      report.unmatched.push_back({rows[r].line, rows[r].name});
      continue;
    }
    ++report.matched;
    ProgramRecord& p = db.programs[std::size_t(matchOf[r])];
    if (options.takeNames && !rows[r].name.empty()) {
      const std::string name = cp1252::FromUtf8(rows[r].name).value_or(p.Name());
      if (name != p.Name() && channelcsv::HasControl(rows[r].name)) {
        report.notes.push_back(text::Fill(ReferenceListTexts::kNameNotTaken, {std::to_string(rows[r].line), rows[r].name}));
      } else if (name != p.Name()) {
        report.renamed.push_back({matchOf[r], cp1252::ToUtf8(p.Name()), rows[r].name});
        p.SetName(name);
      }
    }
    p.SetLocked(rows[r].locked);
  }

  // Group memberships: a matched program belongs to exactly the groups its row names.
  // A member goes to the position its row gives it in the group; without one, members
  // that stay keep their places and new ones join at the end in row order.
  std::vector<std::vector<int>> wanted(ChannelListBlock::kGroupCount);
  std::vector<std::map<int, int>> positionIn(ChannelListBlock::kGroupCount);  // program -> position from 1
  std::vector<bool> isMatched(DB::kProgramCount, false);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (matchOf[r] < 0 || !rows[r].groupsGiven) continue;
    isMatched[std::size_t(matchOf[r])] = true;
    const std::vector<std::string> names = GroupNames(db, rows[r].groups);
    const std::vector<int>& positions = rows[r].groupPositions;
    const bool positioned = positions.size() == names.size();
    if (!positions.empty() && !positioned)
      report.notes.push_back(text::Fill(ReferenceListTexts::kPositionsNotTaken,
                                        {std::to_string(rows[r].line), std::to_string(positions.size()),
                                         std::to_string(names.size())}));
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::string& name = names[i];
      int g = GroupNamed(db, name);
      if (g < 0) {
        const auto bytes = cp1252::FromUtf8(name);
        if (bytes && bytes->size() <= FavoriteGroupRecord::kNameWidth && !channelcsv::HasControl(name) &&
            dbops::AddFavoriteGroup(db, *bytes)) {
          g = GroupNamed(db, name);
          report.notes.push_back(text::Fill(ReferenceListTexts::kGroupCreated, {name}));
        } else {
          report.notes.push_back(text::Fill(ReferenceListTexts::kGroupNotCreated, {std::to_string(rows[r].line), name}));
          continue;
        }
      }
      wanted[std::size_t(g)].push_back(matchOf[r]);
      if (positioned) positionIn[std::size_t(g)].emplace(matchOf[r], positions[i]);
    }
  }
  for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
    FavoriteGroupRecord& group = db.channelLists.favoriteGroups[g];
    if (!group.IsUsed()) continue;
    // Where each member goes: the position its row gives, else its own place (new
    // members last); on a tie a given position comes first, then the former order.
    struct Placed {
      int position, fromRow;
      std::size_t sequence;
      int member;
    };
    std::vector<Placed> placed;
    const auto givenPosition = [&](int m) {
      const auto it = positionIn[g].find(m);
      return it == positionIn[g].end() ? 0 : it->second;
    };
    for (std::size_t k = 0; k < group.ValidMemberCount(); ++k) {
      const int m = group.Member(k);
      const bool stays = m >= int(DB::kProgramCount) || !isMatched[std::size_t(m)] ||
                         std::find(wanted[g].begin(), wanted[g].end(), m) != wanted[g].end();
      if (!stays) continue;
      const int given = m < int(DB::kProgramCount) ? givenPosition(m) : 0;
      placed.push_back({given > 0 ? given : int(k) + 1, given > 0 ? 0 : 1, placed.size(), m});
    }
    const auto isMember = [&](int m) {
      return std::any_of(placed.begin(), placed.end(), [m](const Placed& p) { return p.member == m; });
    };
    for (int m : wanted[g]) {
      if (isMember(m)) continue;
      if (placed.size() >= FavoriteGroupRecord::kMaxMembers) {
        report.notes.push_back(text::Fill(ReferenceListTexts::kGroupFull, {cp1252::ToUtf8(group.Name()), std::to_string(m),
                                                                      cp1252::ToUtf8(db.programs[std::size_t(m)].Name())}));
        continue;
      }
      const int given = givenPosition(m);
      placed.push_back({given > 0 ? given : std::numeric_limits<int>::max(), given > 0 ? 0 : 1, placed.size(), m});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
      return std::tie(a.position, a.fromRow, a.sequence) < std::tie(b.position, b.fromRow, b.sequence);
    });
    std::vector<int> members;
    for (const Placed& p : placed) members.push_back(p.member);
    const std::size_t old = group.ValidMemberCount();
    for (std::size_t k = 0; k < members.size(); ++k) group.SetMember(k, static_cast<std::uint16_t>(members[k]));
    // A group that shrank clears the positions it gave up, as a removal does.
    for (std::size_t k = members.size(); k < old; ++k) group.SetMember(k, 0);
    if (members.size() != old) group.SetMemberCount(static_cast<std::uint32_t>(members.size()));
  }
  return report;
}

std::vector<std::string> Describe(const Report& report) {
  std::vector<std::string> lines;
  lines.push_back(text::Fill(ReferenceListTexts::kRowsMatched, {std::to_string(report.matched), std::to_string(report.rows)}));
  for (const Unmatched& u : report.unmatched)
    lines.push_back(text::Fill(ReferenceListTexts::kRowUnmatched, {std::to_string(u.line), u.name}));
  for (const Renamed& n : report.renamed)
    lines.push_back(text::Fill(ReferenceListTexts::kRenamed, {std::to_string(n.program), n.from, n.to}));
  for (const LeftInPlace& l : report.leftInPlace)
    lines.push_back(text::Fill(ReferenceListTexts::kLeftInPlace, {std::string(tables::ListName(l.list)), std::to_string(l.program),
                                                             l.name, std::to_string(l.position + 1)}));
  for (const std::string& n : report.notes) lines.push_back(n);
  return lines;
}

}  // namespace reflist
