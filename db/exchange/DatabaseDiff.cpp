#include "db/exchange/DatabaseDiff.h"

#include <cstring>

#include "db/exchange/DatabaseDiffTexts.h"
#include "db/exchange/OrderDiff.h"
#include "db/exchange/RecordJson.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ExtraBlock.h"
#include "db/records/Cp1252.h"
#include "db/records/DbType.h"
#include "db/records/ListedFields.h"
#include "db/records/TableNames.h"
#include "db/records/TextFill.h"

namespace dbdiff {
namespace {

using recordjson::CountedArray;
using DB = ChannelDatabase;

using recordjson::kGroupMembers;
using recordjson::kListEntries;

// Longer values are cut in the text; the JSON keeps them whole.
constexpr std::size_t kShownValue = 60;

class Differ {
 public:
  Differ(const Side& a, const Side& b, Result& out) : a_(a), b_(b), out_(out) {}

  void Run() {
    Fields(tables::kHeader, -1, "", a_.header.Bytes(), b_.header.Bytes(), ImageHeader::kSize,
           field::ListedOf<ImageHeader>());
    Fields(tables::kSystem, -1, "", a_.db->system.Bytes(), b_.db->system.Bytes(), SystemBlock::kSize,
           field::ListedOf<SystemBlock>());
    Table(tables::kSatellites, a_.db->satellites, b_.db->satellites,
          [](const SatelliteRecord& s) { return cp1252::ToUtf8(s.Name()); });
    Table(tables::kTransponders, a_.db->transponders, b_.db->transponders, [](const TransponderRecord& t) {
      return std::to_string(t.Frequency()) + (t.Polarization() == TransponderRecord::kHorizontal ? " Hor" : " Ver");
    });
    Table(tables::kPrograms, a_.db->programs, b_.db->programs,
          [](const ProgramRecord& p) { return cp1252::ToUtf8(p.Name()); });
    for (int list = 0; list < 2; ++list) List(list);
    Groups();
    Word(tables::kTrailerWord, a_.db->trailerWord, b_.db->trailerWord);
    if (a_.extraWord != b_.extraWord)
      AddField(tables::kExtraWord, -1, "", std::string(tables::kExtraWord), Opt(a_.extraWord), Opt(b_.extraWord));
    if (a_.extras && b_.extras) Extras(*a_.extras, *b_.extras);
  }

 private:
  static Json Opt(const std::optional<std::uint32_t>& v) { return v ? Json(*v) : Json(); }

  void Add(Change c) { out_.changes.push_back(std::move(c)); }
  void AddState(std::string_view table, int slot, ChangeKind kind, std::string label) {
    Change c;
    c.table = table, c.slot = slot, c.kind = kind, c.label = std::move(label);
    Add(std::move(c));
  }
  void AddField(std::string_view table, int slot, std::string label, std::string field, Json before, Json after) {
    Change c;
    c.table = table, c.slot = slot, c.kind = ChangeKind::Changed, c.label = std::move(label);
    c.field = std::move(field), c.oldValue = std::move(before), c.newValue = std::move(after);
    Add(std::move(c));
  }

  void Word(std::string_view name, std::uint32_t a, std::uint32_t b) {
    if (a != b) AddField(name, -1, "", std::string(name), a, b);
  }

  // One Changed entry for each listed field whose value differs, skipping `skip`.
  void Fields(std::string_view table, int slot, const std::string& label, const std::uint8_t* a, const std::uint8_t* b,
              std::size_t size, std::span<const RecordField> listed, const CountedArray* counted = nullptr,
              std::initializer_list<std::string_view> skip = {}) {
    if (std::memcmp(a, b, size) == 0) return;
    const Json ja = recordjson::Export(a, listed, counted), jb = recordjson::Export(b, listed, counted);
    auto skipped = [&](const std::string& key) {
      for (std::string_view s : skip)
        if (key == s) return true;
      return false;
    };
    auto emit = [&](const std::string& key, const Json& va, const Json& vb) {
      if (!skipped(key) && va != vb) AddField(table, slot, label, key, va, vb);
    };
    for (const auto& [key, va] : ja.items()) emit(key, va, jb.contains(key) ? jb.at(key) : Json());
    for (const auto& [key, vb] : jb.items())
      if (!ja.contains(key)) emit(key, Json(), vb);
  }

  template <typename Record, std::size_t N, typename Label>
  void Table(std::string_view table, const std::array<Record, N>& a, const std::array<Record, N>& b, Label label) {
    for (std::size_t i = 0; i < N; ++i) {
      if (a[i] == b[i]) continue;
      const int slot = static_cast<int>(i);
      const bool wasUsed = a[i].IsUsed(), isUsed = b[i].IsUsed();
      if (!wasUsed && isUsed)
        AddState(table, slot, ChangeKind::Added, label(b[i]));
      else if (wasUsed && !isUsed)
        AddState(table, slot, ChangeKind::Removed, label(a[i]));
      else
        Fields(table, slot, label(b[i]), a[i].Bytes(), b[i].Bytes(), Record::kSize, field::ListedOf<Record>());
    }
  }

  std::string ProgramName(std::uint16_t slot, const Side& side) const {
    return slot < DB::kProgramCount ? cp1252::ToUtf8(side.db->programs[slot].Name()) : std::string();
  }

  void Order(std::string_view table, int slot, const std::string& label, const std::vector<std::uint16_t>& before,
             const std::vector<std::uint16_t>& after) {
    const std::vector<std::uint32_t> a(before.begin(), before.end()), b(after.begin(), after.end());
    for (const orderdiff::Entry& e : orderdiff::Compare(a, b)) {
      Change c;
      c.table = table, c.slot = slot, c.label = label;
      c.kind = e.step == orderdiff::Step::Removed    ? ChangeKind::Left
               : e.step == orderdiff::Step::Inserted ? ChangeKind::Inserted
                                                     : ChangeKind::Moved;
      c.program = e.value;
      c.programName = ProgramName(static_cast<std::uint16_t>(e.value), e.step == orderdiff::Step::Removed ? a_ : b_);
      c.from = e.from;
      c.to = e.to;
      Add(std::move(c));
    }
  }

  static std::vector<std::uint16_t> Entries(const ServiceList& l) {
    std::vector<std::uint16_t> out(l.ValidCount());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = l.Entry(i);
    return out;
  }
  static std::vector<std::uint16_t> Members(const FavoriteGroupRecord& g) {
    std::vector<std::uint16_t> out(g.ValidMemberCount());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = g.Member(i);
    return out;
  }

  void List(int which) {
    const ServiceList& a = *a_.db->channelLists.List(which);
    const ServiceList& b = *b_.db->channelLists.List(which);
    if (a == b) return;
    const std::string_view table = tables::ListName(which);
    Fields(table, -1, "", a.Bytes(), b.Bytes(), ServiceList::kSize, field::ListedOf<ServiceList>(), &kListEntries,
           {kListEntries.array, kListEntries.count});
    Order(table, -1, "", Entries(a), Entries(b));
  }

  void Groups() {
    for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
      const FavoriteGroupRecord& a = a_.db->channelLists.favoriteGroups[g];
      const FavoriteGroupRecord& b = b_.db->channelLists.favoriteGroups[g];
      if (a == b) continue;
      const int slot = static_cast<int>(g);
      const bool wasUsed = a.IsUsed(), isUsed = b.IsUsed();
      if (wasUsed && !isUsed) {
        AddState(tables::kFavoriteGroups, slot, ChangeKind::Removed, cp1252::ToUtf8(a.Name()));
        continue;
      }
      const std::string label = cp1252::ToUtf8(b.Name());
      if (!wasUsed && isUsed)
        AddState(tables::kFavoriteGroups, slot, ChangeKind::Added, label);
      else
        Fields(tables::kFavoriteGroups, slot, label, a.Bytes(), b.Bytes(), FavoriteGroupRecord::kSize,
               field::ListedOf<FavoriteGroupRecord>(), &kGroupMembers, {kGroupMembers.array, kGroupMembers.count});
      if (isUsed) Order(tables::kFavoriteGroups, slot, label, wasUsed ? Members(a) : std::vector<std::uint16_t>{}, Members(b));
    }
  }

  void Extras(const imagextras::ImageExtras& a, const imagextras::ImageExtras& b) {
    if (a.checksums != b.checksums) {
      auto list = [](const imagextras::ImageExtras& x) {
        Json arr = Json::array();
        for (const auto& c : x.checksums) arr.push_back(c.section);
        return arr;
      };
      AddField(tables::kImage, -1, "", "staleChecksums", list(a), list(b));
    }
    if (a.otherBytes != b.otherBytes) {
      auto summary = [](const imagextras::ImageExtras& x) {
        std::size_t n = 0;
        for (const auto& r : x.otherBytes) n += r.bytes.size();
        return std::to_string(n) + " bytes in " + std::to_string(x.otherBytes.size()) + " runs";
      };
      AddField(tables::kImage, -1, "", "otherBytes", summary(a), summary(b));
    }
  }

  const Side& a_;
  const Side& b_;
  Result& out_;
};

std::string Shown(const Json& v) {
  if (v.is_null()) return DatabaseDiffTexts::kNoValue;
  std::string s = v.dump(-1, ' ', false, Json::error_handler_t::replace);
  if (s.size() > kShownValue) s = s.substr(0, kShownValue - 3) + "...";
  return s;
}

std::string Quoted(const std::string& s) { return Json(s).dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace

Side Side::FromImage(const std::uint8_t* image, int dbType) {
  Side s;
  s.header.Assign(image);
  s.db = std::make_unique<ChannelDatabase>();
  auto extra = std::make_unique<ExtraBlock>();
  DatabaseImage::ParseImage(image, dbType, *s.db, extra.get());
  if (dbtype::HasExtraBlock(dbType)) s.extraWord = extra->ExtraWord();
  s.extras = imagextras::Find(image, dbType);
  return s;
}

Side Side::FromDatabase(const ImageHeader& header, const ChannelDatabase& db, std::optional<std::uint32_t> extraWord) {
  Side s;
  s.header = header;
  s.db = std::make_unique<ChannelDatabase>(db);
  s.extraWord = extraWord;
  return s;
}

std::string_view KindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Added: return "added";
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Changed: return "changed";
    case ChangeKind::Inserted: return "inserted";
    case ChangeKind::Left: return "left";
    case ChangeKind::Moved: return "moved";
  }
  return "changed";
}

Result Compare(const Side& a, const Side& b) {
  Result r;
  Differ(a, b, r).Run();
  return r;
}

std::string Describe(const Change& c) {
  using namespace DatabaseDiffTexts;
  // People count channels from 1, as the pages number them; the JSON keeps indexes.
  const auto shownPosition = [](int position) { return std::to_string(position + 1); };
  std::string subject(c.table);
  if (c.slot >= 0) subject += " " + std::to_string(c.slot) + " " + Quoted(c.label);
  const std::string program = std::to_string(c.program), programName = Quoted(c.programName);
  switch (c.kind) {
    case ChangeKind::Added: return text::Fill(kAdded, {subject});
    case ChangeKind::Removed: return text::Fill(kRemoved, {subject});
    case ChangeKind::Changed: return text::Fill(kChanged, {subject, c.field, Shown(c.oldValue), Shown(c.newValue)});
    case ChangeKind::Inserted: return text::Fill(kInserted, {subject, program, programName, shownPosition(c.to)});
    case ChangeKind::Left: return text::Fill(kLeft, {subject, program, programName, shownPosition(c.from)});
    case ChangeKind::Moved:
      return text::Fill(kMoved, {subject, program, programName, shownPosition(c.from), shownPosition(c.to)});
  }
  return subject + ": ";
}

int ProgramOf(const Change& c) {
  switch (c.kind) {
    case ChangeKind::Added:
    case ChangeKind::Changed: return c.table == tables::kPrograms ? c.slot : -1;
    case ChangeKind::Removed: return -1;
    case ChangeKind::Inserted:
    case ChangeKind::Left:
    case ChangeKind::Moved: return c.program;
  }
  return -1;
}

Json ToJson(const Change& c) {
  Json j = Json::object();
  j["table"] = c.table;
  j["slot"] = c.slot >= 0 ? Json(c.slot) : Json();
  j["change"] = KindName(c.kind);
  if (c.slot >= 0) j["name"] = c.label;
  if (c.kind == ChangeKind::Changed) {
    j["field"] = c.field;
    j["old"] = c.oldValue;
    j["new"] = c.newValue;
  }
  if (c.program >= 0) {
    j["program"] = c.program;
    j["programName"] = c.programName;
  }
  if (c.from >= 0) j["from"] = c.from;
  if (c.to >= 0) j["to"] = c.to;
  return j;
}

}  // namespace dbdiff
