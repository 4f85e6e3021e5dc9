#include "db/exchange/ProgramDiff.h"

#include <map>
#include <tuple>

#include "db/exchange/DatabaseDiffTexts.h"
#include "db/exchange/OrderDiff.h"
#include "db/exchange/ProgramDiffTexts.h"
#include "db/exchange/ReferenceOrderTexts.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/ProgramOperations.h"
#include "db/records/Cp1252.h"
#include "db/records/TableNames.h"
#include "db/records/TextFill.h"

namespace progdiff {
namespace {

using DB = ChannelDatabase;
// The satellite's stored name, frequency, polarization and service ID.
using Key = std::tuple<std::string, int, bool, int>;
constexpr int kNone = -1;
// A list entry or member that names no program in use stands for itself: the same
// entry on both sides is no change.
constexpr std::uint32_t kRawEntry = 1u << 20;

bool InUse(const DB& db, std::uint32_t slot) { return slot < DB::kProgramCount && db.programs[slot].IsUsed(); }

// The satellite slot of a program, or -1 when a link leaves its table.
int SatelliteOf(const DB& db, int slot) {
  const std::uint32_t tp = db.programs[std::size_t(slot)].TransponderIndex();
  if (tp >= DB::kTransponderCount) return kNone;
  const std::uint32_t sat = db.transponders[tp].SatelliteIndex();
  return sat < DB::kSatelliteCount ? int(sat) : kNone;
}

Key KeyOf(const DB& db, int slot) {
  const ProgramRecord& p = db.programs[std::size_t(slot)];
  const int sat = SatelliteOf(db, slot);
  if (sat < 0) return {std::string(), kNone, false, int(p.ServiceId())};
  const TransponderRecord& t = db.transponders[p.TransponderIndex()];
  return {db.satellites[std::size_t(sat)].Name(), int(t.Frequency()), t.Polarization() == TransponderRecord::kHorizontal,
          int(p.ServiceId())};
}

Program ProgramAt(const DB& db, std::uint32_t slot) {
  Program out;
  if (!InUse(db, slot)) return out;
  const auto [satellite, frequency, horizontal, serviceId] = KeyOf(db, int(slot));
  out.name = cp1252::ToUtf8(db.programs[slot].Name());
  out.satellite = cp1252::ToUtf8(satellite);
  out.frequency = frequency;
  out.horizontal = horizontal;
  out.serviceId = serviceId;
  return out;
}

// The programs in use in the order a person meets them: the TV list, the radio list,
// then the rest by slot. Pairing and reporting in this order keeps the result the same
// whatever slots a scan chose.
std::vector<int> ProgramsInOrder(const DB& db) {
  std::vector<int> out;
  std::vector<bool> seen(DB::kProgramCount, false);
  for (int list = 0; list < 2; ++list)
    for (const std::uint16_t e : dbops::OrderEntries(db, dbops::ChannelOrder::List(list)))
      if (InUse(db, e) && !seen[e]) {
        seen[e] = true;
        out.push_back(e);
      }
  for (std::size_t slot = 0; slot < DB::kProgramCount; ++slot)
    if (db.programs[slot].IsUsed() && !seen[slot]) out.push_back(int(slot));
  return out;
}

class Differ {
 public:
  Differ(const DB& a, const DB& b, int dbType, Result& out) : a_(a), b_(b), dbType_(dbType), out_(out) {}

  void Run() {
    Pair();
    Programs();
    for (int list = 0; list < 2; ++list) {
      const auto order = dbops::ChannelOrder::List(list);
      Order(tables::ListName(list), kNone, {}, dbops::OrderEntries(a_, order), dbops::OrderEntries(b_, order));
    }
    Groups();
  }

 private:
  // Each program of either side gets an id; a program of `a` and one of `b` with the same
  // key share theirs. Among programs with the same key, the same name pairs first, then
  // the order in which they appear.
  void Pair() {
    idOfA_.assign(DB::kProgramCount, kNone);
    idOfB_.assign(DB::kProgramCount, kNone);
    partnerOfB_.assign(DB::kProgramCount, kNone);
    orderA_ = ProgramsInOrder(a_);
    orderB_ = ProgramsInOrder(b_);
    std::map<Key, std::vector<int>> byKey;
    for (const int slot : orderA_) byKey[KeyOf(a_, slot)].push_back(slot);
    for (const bool sameName : {true, false})
      for (const int slot : orderB_) {
        if (idOfB_[std::size_t(slot)] != kNone) continue;
        const auto found = byKey.find(KeyOf(b_, slot));
        if (found == byKey.end()) continue;
        for (const int candidate : found->second) {
          if (idOfA_[std::size_t(candidate)] != kNone) continue;
          if (sameName && a_.programs[std::size_t(candidate)].Name() != b_.programs[std::size_t(slot)].Name()) continue;
          idOfA_[std::size_t(candidate)] = idOfB_[std::size_t(slot)] = next_++;
          partnerOfB_[std::size_t(slot)] = candidate;
          break;
        }
      }
    for (const int slot : orderA_)
      if (idOfA_[std::size_t(slot)] == kNone) idOfA_[std::size_t(slot)] = next_++;
    for (const int slot : orderB_)
      if (idOfB_[std::size_t(slot)] == kNone) idOfB_[std::size_t(slot)] = next_++;
  }

  Change ProgramChange(ChangeKind kind, const Program& program, int slot) const {
    Change c;
    c.kind = kind;
    c.table = tables::kPrograms;
    c.program = program;
    c.slot = slot;
    return c;
  }

  void Programs() {
    for (const int slot : orderB_) {
      const Program now = ProgramAt(b_, std::uint32_t(slot));
      const int partner = partnerOfB_[std::size_t(slot)];
      if (partner == kNone) {
        out_.changes.push_back(ProgramChange(ChangeKind::Added, now, slot));
        continue;
      }
      const ProgramRecord& was = a_.programs[std::size_t(partner)];
      const ProgramRecord& is = b_.programs[std::size_t(slot)];
      if (was.Name() != is.Name()) {
        Change c = ProgramChange(ChangeKind::Renamed, now, slot);
        c.oldValue = cp1252::ToUtf8(was.Name());
        c.newValue = now.name;
        out_.changes.push_back(std::move(c));
      }
      if (was.Locked() != is.Locked())
        out_.changes.push_back(ProgramChange(is.Locked() ? ChangeKind::Locked : ChangeKind::Unlocked, now, slot));
      const dbops::ProgramNumbers x = dbops::ProgramEntryOf(a_, partner, dbType_).numbers;
      const dbops::ProgramNumbers y = dbops::ProgramEntryOf(b_, slot, dbType_).numbers;
      const struct {
        const char* field;
        std::uint32_t was, is;
      } pids[] = {{"videoPid", x.videoPid, y.videoPid},
                  {"audioPid", x.audioPid, y.audioPid},
                  {"pcrPid", x.pcrPid, y.pcrPid},
                  {"ttextPid", x.ttextPid, y.ttextPid},
                  {"pmtPid", x.pmtPid, y.pmtPid}};
      for (const auto& pid : pids) {
        if (pid.was == pid.is) continue;
        Change c = ProgramChange(ChangeKind::PidChanged, now, slot);
        c.field = pid.field;
        c.oldValue = std::to_string(pid.was);
        c.newValue = std::to_string(pid.is);
        out_.changes.push_back(std::move(c));
      }
    }
    std::vector<bool> paired(DB::kProgramCount, false);
    for (const int a : partnerOfB_)
      if (a != kNone) paired[std::size_t(a)] = true;
    for (const int slot : orderA_)
      if (!paired[std::size_t(slot)])
        out_.changes.push_back(ProgramChange(ChangeKind::Removed, ProgramAt(a_, std::uint32_t(slot)), kNone));
  }

  std::vector<std::uint32_t> Ids(const DB& db, const std::vector<int>& idOf, const std::vector<std::uint16_t>& entries) {
    std::vector<std::uint32_t> out;
    out.reserve(entries.size());
    for (const std::uint16_t e : entries) out.push_back(InUse(db, e) ? std::uint32_t(idOf[e]) : kRawEntry + e);
    return out;
  }

  void Order(std::string_view table, int group, const std::string& groupName, const std::vector<std::uint16_t>& before,
             const std::vector<std::uint16_t>& after) {
    for (const orderdiff::Entry& e : orderdiff::Compare(Ids(a_, idOfA_, before), Ids(b_, idOfB_, after))) {
      Change c;
      c.table = table;
      c.group = group;
      c.groupName = groupName;
      c.from = e.from;
      c.to = e.to;
      if (e.step == orderdiff::Step::Removed) {
        c.kind = ChangeKind::Left;
        c.program = ProgramAt(a_, before[std::size_t(e.from)]);
      } else {
        c.kind = e.step == orderdiff::Step::Inserted ? ChangeKind::Entered : ChangeKind::Moved;
        const std::uint16_t slot = after[std::size_t(e.to)];
        c.program = ProgramAt(b_, slot);
        c.slot = InUse(b_, slot) ? int(slot) : kNone;
      }
      out_.changes.push_back(std::move(c));
    }
  }

  void Groups() {
    for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
      const FavoriteGroupRecord& was = a_.channelLists.favoriteGroups[g];
      const FavoriteGroupRecord& is = b_.channelLists.favoriteGroups[g];
      if (!was.IsUsed() && !is.IsUsed()) continue;
      Change c;
      c.table = tables::kFavoriteGroups;
      c.group = int(g);
      c.groupName = cp1252::ToUtf8((is.IsUsed() ? is : was).Name());
      if (!is.IsUsed()) {
        c.kind = ChangeKind::GroupRemoved;
        out_.changes.push_back(std::move(c));
        continue;
      }
      if (!was.IsUsed()) {
        c.kind = ChangeKind::GroupAdded;
        out_.changes.push_back(c);
      } else if (was.Name() != is.Name()) {
        c.kind = ChangeKind::GroupRenamed;
        c.oldValue = cp1252::ToUtf8(was.Name());
        c.newValue = c.groupName;
        out_.changes.push_back(c);
      }
      const auto order = dbops::ChannelOrder::Group(int(g));
      Order(tables::kFavoriteGroups, int(g), c.groupName,
            was.IsUsed() ? dbops::OrderEntries(a_, order) : std::vector<std::uint16_t>{}, dbops::OrderEntries(b_, order));
    }
  }

  const DB& a_;
  const DB& b_;
  int dbType_;
  Result& out_;
  std::vector<int> orderA_, orderB_;
  std::vector<int> idOfA_, idOfB_;
  std::vector<int> partnerOfB_;  // for each slot of b, its program's slot in a

  int next_ = 0;
};

std::string Named(const Program& p) {
  namespace T = ProgramDiffTexts;
  if (p.serviceId < 0) return "?";
  const std::string transponder =
      p.frequency < 0 ? std::string("?") : std::to_string(p.frequency) + (p.horizontal ? " H" : " V");
  return text::Fill(T::kProgram,
                    {p.name, p.satellite.empty() && p.frequency < 0 ? std::string("?") : p.satellite, transponder,
                     std::to_string(p.serviceId)});
}

std::string WhereNamed(const Change& c) {
  namespace R = ReferenceOrderTexts;
  if (c.table == tables::kTvList) return R::kTvList;
  if (c.table == tables::kRadioList) return R::kRadioList;
  return text::Fill(R::kGroupNamed, {std::to_string(c.group + 1), c.groupName});
}

const char* PidNamed(const std::string& field) {
  namespace T = ProgramDiffTexts;
  if (field == "videoPid") return T::kVideoPid;
  if (field == "audioPid") return T::kAudioPid;
  if (field == "pcrPid") return T::kPcrPid;
  if (field == "ttextPid") return T::kTtextPid;
  return T::kPmt;
}

}  // namespace

std::string_view KindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Added: return "added";
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Renamed: return "renamed";
    case ChangeKind::Locked: return "locked";
    case ChangeKind::Unlocked: return "unlocked";
    case ChangeKind::PidChanged: return "pid";
    case ChangeKind::Entered: return "entered";
    case ChangeKind::Left: return "left";
    case ChangeKind::Moved: return "moved";
    case ChangeKind::GroupAdded: return "groupAdded";
    case ChangeKind::GroupRemoved: return "groupRemoved";
    case ChangeKind::GroupRenamed: return "groupRenamed";
  }
  return "changed";
}

Result Compare(const ChannelDatabase& a, const ChannelDatabase& b, int dbType) {
  Result r;
  Differ(a, b, dbType, r).Run();
  return r;
}

std::string Describe(const Change& c) {
  namespace T = ProgramDiffTexts;
  const std::string program = Named(c.program);
  const auto no = [](int position) { return std::to_string(position + 1); };
  switch (c.kind) {
    case ChangeKind::Added: return text::Fill(DatabaseDiffTexts::kAdded, {program});
    case ChangeKind::Removed: return text::Fill(DatabaseDiffTexts::kRemoved, {program});
    case ChangeKind::Renamed: return text::Fill(T::kRenamed, {program, c.oldValue});
    case ChangeKind::Locked: return text::Fill(T::kLocked, {program});
    case ChangeKind::Unlocked: return text::Fill(T::kUnlocked, {program});
    case ChangeKind::PidChanged: return text::Fill(T::kPidChanged, {program, PidNamed(c.field), c.oldValue, c.newValue});
    case ChangeKind::Entered: return text::Fill(T::kEntered, {WhereNamed(c), program, no(c.to)});
    case ChangeKind::Left: return text::Fill(T::kLeft, {WhereNamed(c), program, no(c.from)});
    case ChangeKind::Moved: return text::Fill(T::kMoved, {WhereNamed(c), program, no(c.from), no(c.to)});
    case ChangeKind::GroupAdded: return text::Fill(T::kGroupAdded, {WhereNamed(c)});
    case ChangeKind::GroupRemoved: return text::Fill(T::kGroupRemoved, {WhereNamed(c)});
    case ChangeKind::GroupRenamed: return text::Fill(T::kGroupRenamed, {WhereNamed(c), c.oldValue});
  }
  return program;
}

int ProgramOf(const Change& c) { return c.slot; }

Json ToJson(const Change& c) {
  Json j = Json::object();
  j["change"] = KindName(c.kind);
  j["table"] = c.table;
  if (c.group >= 0) {
    j["group"] = c.group;
    j["groupName"] = c.groupName;
  }
  if (c.program.serviceId >= 0) {
    Json p = Json::object();
    p["name"] = c.program.name;
    p["satellite"] = c.program.satellite;
    p["frequency"] = c.program.frequency >= 0 ? Json(c.program.frequency) : Json();
    p["polarization"] = c.program.frequency >= 0 ? Json(c.program.horizontal ? "H" : "V") : Json();
    p["serviceId"] = c.program.serviceId;
    j["program"] = std::move(p);
  }
  if (c.slot >= 0) j["slot"] = c.slot;
  if (!c.field.empty()) j["field"] = c.field;
  if (!c.oldValue.empty() || !c.newValue.empty()) {
    j["old"] = c.oldValue;
    j["new"] = c.newValue;
  }
  if (c.from >= 0) j["from"] = c.from;
  if (c.to >= 0) j["to"] = c.to;
  return j;
}

}  // namespace progdiff
