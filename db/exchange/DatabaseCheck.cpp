#include "db/exchange/DatabaseCheck.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/image/VariantDetection.h"
#include "db/operations/DuplicatePrograms.h"
#include "db/records/Cp1252.h"
#include "db/records/DbType.h"
#include "db/records/TableNames.h"
#include "db/records/TextFill.h"

int CheckReport::Errors() const {
  return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                        [](const Problem& p) { return p.severity == Severity::Error; }));
}

int CheckReport::Warnings() const { return static_cast<int>(problems.size()) - Errors(); }

namespace dbcheck {
namespace {

using DB = ChannelDatabase;

std::string Num(std::size_t v) { return std::to_string(v); }

std::string Hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", v);
  return buf;
}

std::string StateWord(SlotState s) {
  switch (s) {
    case SlotState::Empty: return CheckWords::kEmpty;
    case SlotState::Used: return CheckWords::kUsed;
    case SlotState::Deleted: return CheckWords::kDeleted;
  }
  return CheckWords::kStateUnknown;
}

class Checker {
 public:
  Checker(const ChannelDatabase& db, int dbType, CheckReport& report) : db_(db), dbType_(dbType), report_(report) {
    // Where each program stands first, the TV list before the radio list: the number a
    // person knows it by.
    for (int list = 0; list < 2; ++list) {
      const ServiceList& l = *db_.channelLists.List(list);
      for (std::size_t k = 0; k < l.ValidCount(); ++k)
        if (l.Entry(k) < DB::kProgramCount && where_[l.Entry(k)].list < 0) where_[l.Entry(k)] = {list, int(k)};
    }
  }

  void Run() {
    Satellites();
    Transponders();
    Programs();
    for (int list = 0; list < 2; ++list) List(list);
    Groups();
  }

 private:
  Problem& Add(CheckKind kind, std::string_view table, int slot, std::initializer_list<std::string> args,
               int position = -1) {
    const CheckKindInfo& info = InfoOf(kind);
    report_.problems.push_back({info.severity, kind, table, slot, position, text::Fill(info.message, args), {}, -1});
    return report_.problems.back();
  }
  // A problem of program `slot`, placed where the program stands.
  void AddForProgram(CheckKind kind, std::size_t slot, std::initializer_list<std::string> args) {
    Problem& p = Add(kind, tables::kPrograms, int(slot), args);
    if (where_[slot].list < 0) return;
    p.channelList = tables::ListName(where_[slot].list);
    p.channel = where_[slot].position + 1;
  }

  void StateOk(std::uint32_t flags, std::string_view table, std::size_t slot) {
    if ((flags & 3u) == 3u) Add(CheckKind::SlotStateUnknown, table, int(slot), {});
  }

  std::string ProgramName(std::size_t slot) const { return cp1252::ToUtf8(db_.programs[slot].Name()); }
  // 'TV No. 12 "Kino"', or 'program "Kino"' for a program in neither list.
  std::string Named(std::size_t slot) const {
    const Where& w = where_[slot];
    if (w.list < 0) return text::Fill(CheckWords::kProgramNamed, {ProgramName(slot)});
    return text::Fill(w.list == 0 ? CheckWords::kTvNamed : CheckWords::kRadioNamed,
                      {Num(std::size_t(w.position) + 1), ProgramName(slot)});
  }
  std::string WhereWord(std::size_t slot) const {
    const Where& w = where_[slot];
    if (w.list < 0) return CheckWords::kProgramInUse;
    return text::Fill(w.list == 0 ? CheckWords::kProgramAtTv : CheckWords::kProgramAtRadio,
                      {Num(std::size_t(w.position) + 1)});
  }

  void Satellites() {
    for (std::size_t i = 0; i < DB::kSatelliteCount; ++i) {
      const SatelliteRecord& s = db_.satellites[i];
      StateOk(s.Flags(), tables::kSatellites, i);
      if (!s.IsUsed()) continue;
      const int slot = int(i);
      const std::string name = cp1252::ToUtf8(s.Name());
      if (name.empty()) Add(CheckKind::EmptyName, tables::kSatellites, slot, {CheckWords::kSatelliteInUse});
      if (s.SelfIndex() != i) Add(CheckKind::SatelliteSelfIndex, tables::kSatellites, slot, {name, Num(s.SelfIndex())});
      if (s.LnbType() > SatelliteRecord::kLnbUniversal)
        Add(CheckKind::LnbTypeUnknown, tables::kSatellites, slot, {name, Num(s.LnbType())});
      if (s.DiseqcPort() >= SatelliteRecord::kDiseqcPortCount)
        Add(CheckKind::DiseqcPortUnknown, tables::kSatellites, slot, {name});
      if (s.Motor() > 1) Add(CheckKind::MotorUnknown, tables::kSatellites, slot, {name, Num(s.Motor())});
    }
  }

  void Transponders() {
    for (std::size_t i = 0; i < DB::kTransponderCount; ++i) {
      const TransponderRecord& t = db_.transponders[i];
      StateOk(t.Flags(), tables::kTransponders, i);
      if (!t.IsUsed()) continue;
      const std::size_t sat = t.SatelliteIndex();
      if (sat >= DB::kSatelliteCount)
        Add(CheckKind::TransponderSatelliteBeyondTable, tables::kTransponders, int(i),
            {Num(t.Frequency()), Num(sat), Num(DB::kSatelliteCount)});
      else if (!db_.satellites[sat].IsUsed())
        Add(CheckKind::TransponderSatelliteNotUsed, tables::kTransponders, int(i),
            {Num(t.Frequency()), Num(sat), StateWord(db_.satellites[sat].State())});
    }
  }

  void Programs() {
    // Which programs some list names, for the "in neither list" warning.
    std::vector<bool> listed(DB::kProgramCount, false);
    for (int list = 0; list < 2; ++list) {
      const ServiceList& l = *db_.channelLists.List(list);
      for (std::size_t k = 0; k < l.ValidCount(); ++k)
        if (l.Entry(k) < DB::kProgramCount) listed[l.Entry(k)] = true;
    }
    // The duplicate sets, by slot: the first of a set is the original.
    std::vector<int> original(DB::kProgramCount, -1);
    for (const auto& set : duplicates::FindDuplicatePrograms(db_))
      for (std::size_t k = 1; k < set.size(); ++k) original[std::size_t(set[k])] = set.front();

    for (std::size_t i = 0; i < DB::kProgramCount; ++i) {
      const ProgramRecord& p = db_.programs[i];
      StateOk(p.Flags(), tables::kPrograms, i);
      if (!p.IsUsed()) continue;
      const std::string name = ProgramName(i);
      const std::string named = Named(i);
      if (name.empty()) AddForProgram(CheckKind::EmptyName, i, {WhereWord(i)});
      if (!listed[i]) AddForProgram(CheckKind::ProgramNotListed, i, {name});
      const std::size_t tp = p.TransponderIndex();
      if (tp >= DB::kTransponderCount)
        AddForProgram(CheckKind::ProgramTransponderBeyondTable, i, {named, Num(tp), Num(DB::kTransponderCount)});
      else if (!db_.transponders[tp].IsUsed())
        AddForProgram(CheckKind::ProgramTransponderNotUsed, i, {named, Num(tp), StateWord(db_.transponders[tp].State())});
      if (original[i] >= 0)
        AddForProgram(CheckKind::ProgramDuplicate, i, {named, Named(std::size_t(original[i]))});
      if (p.ServiceType() == 3) AddForProgram(CheckKind::ServiceTypeUnknown, i, {named});
      // TypeC reads 13 bits of a PID word, so its top bits cannot make a PID too large.
      if (!dbtype::Is(dbType_, DbType::TypeC)) {
        for (const RecordField& f : ProgramFields::kPids) {
          const std::uint32_t pid = field::Get(p.Bytes(), f);
          if (pid > kMaxPid) AddForProgram(CheckKind::PidOver8191, i, {named, std::string(f.name), Num(pid)});
        }
      }
    }
  }

  // Each entry must name a Used program, once; only the first `count` are read.
  void List(int which) {
    const ServiceList& l = *db_.channelLists.List(which);
    const std::string_view table = tables::ListName(which);
    if (l.Count() > ServiceList::kCapacity)
      Add(CheckKind::ListCountOverCapacity, table, -1, {Num(l.Count()), Num(ServiceList::kCapacity)});
    std::vector<int> firstAt(DB::kProgramCount, -1);
    for (std::size_t k = 0; k < l.ValidCount(); ++k) {
      const std::size_t prog = l.Entry(k);
      const int pos = int(k);
      Problem* p = nullptr;
      if (prog >= DB::kProgramCount) {
        p = &Add(CheckKind::ListEntryBeyondTable, table, pos, {Num(k + 1), Num(prog), Num(DB::kProgramCount)});
      } else if (!db_.programs[prog].IsUsed()) {
        p = &Add(CheckKind::ListEntryNotUsed, table, pos, {Num(k + 1), Num(prog), StateWord(db_.programs[prog].State())});
      } else if (firstAt[prog] >= 0) {
        p = &Add(CheckKind::ListEntryDuplicate, table, pos,
                 {Num(k + 1), ProgramName(prog), Num(std::size_t(firstAt[prog]) + 1)});
      } else {
        firstAt[prog] = pos;
      }
      if (p) {
        p->channelList = table;
        p->channel = pos + 1;
      }
    }
  }

  void Groups() {
    for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g) {
      const FavoriteGroupRecord& group = db_.channelLists.favoriteGroups[g];
      StateOk(group.Flags(), tables::kFavoriteGroups, g);
      if (!group.IsUsed()) continue;
      const int slot = int(g);
      const std::string name = cp1252::ToUtf8(group.Name());
      if (name.empty()) Add(CheckKind::EmptyName, tables::kFavoriteGroups, slot, {CheckWords::kGroupInUse});
      if (group.MemberCount() > FavoriteGroupRecord::kMaxMembers)
        Add(CheckKind::GroupCountOverCapacity, tables::kFavoriteGroups, slot,
            {name, Num(group.MemberCount()), Num(FavoriteGroupRecord::kMaxMembers)});
      int firstAt[DB::kProgramCount];
      std::fill(std::begin(firstAt), std::end(firstAt), -1);
      for (std::size_t k = 0; k < group.ValidMemberCount(); ++k) {
        const std::size_t prog = group.Member(k);
        const int pos = int(k);
        if (prog >= DB::kProgramCount) {
          Add(CheckKind::GroupMemberBeyondTable, tables::kFavoriteGroups, slot,
              {name, Num(k + 1), Num(prog), Num(DB::kProgramCount)}, pos);
        } else if (!db_.programs[prog].IsUsed()) {
          Add(CheckKind::GroupMemberNotUsed, tables::kFavoriteGroups, slot,
              {name, Num(k + 1), Num(prog), StateWord(db_.programs[prog].State())}, pos);
        } else if (firstAt[prog] >= 0) {
          Add(CheckKind::GroupMemberDuplicate, tables::kFavoriteGroups, slot,
              {name, Num(k + 1), Named(prog), Num(std::size_t(firstAt[prog]) + 1)}, pos);
        } else {
          firstAt[prog] = pos;
        }
      }
    }
  }

  static constexpr std::uint32_t kMaxPid = 8191;

  struct Where {
    int list = -1;      // 0 TV, 1 radio; -1 in neither
    int position = -1;  // from 0
  };

  const ChannelDatabase& db_;
  int dbType_;
  CheckReport& report_;
  std::vector<Where> where_ = std::vector<Where>(DB::kProgramCount);
};

}  // namespace

CheckReport CheckDatabase(const ChannelDatabase& db, int dbType) {
  CheckReport report;
  Checker(db, dbType, report).Run();
  return report;
}

std::vector<Problem> CheckHeader(const std::uint8_t* bytes, int dbType) {
  std::vector<Problem> out;
  auto add = [&out](CheckKind kind, std::initializer_list<std::string> args) {
    const CheckKindInfo& info = InfoOf(kind);
    out.push_back({info.severity, kind, tables::kHeader, -1, -1, text::Fill(info.message, args), {}, -1});
  };
  const ImageHeader h(bytes);
  if (h.Magic() != ImageHeader::kMagic) add(CheckKind::HeaderMagicWrong, {Hex(h.Magic()), Hex(ImageHeader::kMagic)});
  if (h.ValidFlag() != 1) add(CheckKind::HeaderNotValid, {Num(h.ValidFlag())});
  const char* typeName = dbtype::IsValid(dbType) ? dbtype::kNames[dbType] : "?";
  if (h.DataLength() != ImageHeader::kFullDataLength)
    add(CheckKind::HeaderDataLengthWrong, {Hex(h.DataLength()), Hex(ImageHeader::kFullDataLength), typeName});
  if (h.ImageTypeWord() != dbtype::ImageTypeWord(dbType))
    add(CheckKind::HeaderImageTypeWrong, {Hex(h.ImageTypeWord()), Hex(dbtype::ImageTypeWord(dbType)), typeName});
  if (!h.HeaderSumMatches()) add(CheckKind::HeaderSumWrong, {Hex(h.HeaderSum()), Hex(h.ComputeHeaderSum())});
  return out;
}

std::vector<Problem> CheckChecksums(const std::uint8_t* image, int dbType) {
  std::vector<Problem> out;
  const CheckKindInfo& info = InfoOf(CheckKind::ChecksumWrong);
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
    if (!DatabaseImage::ChecksumMatches(image, s))
      out.push_back({info.severity, info.kind, tables::kImage, -1, -1, text::Fill(info.message, {s.name}), {}, -1});
  return out;
}

namespace {

void Append(std::vector<Problem>& to, std::vector<Problem>&& from) {
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

CheckReport CheckDocument(const std::uint8_t* header, const ChannelDatabase& db, int dbType) {
  CheckReport report;
  report.problems = CheckHeader(header, dbType);
  Append(report.problems, CheckDatabase(db, dbType).problems);
  return report;
}

CheckReport CheckImage(const std::uint8_t* image, int dbType) {
  auto db = std::make_unique<ChannelDatabase>();
  DatabaseImage::ParseImage(image, dbType, *db, nullptr);
  CheckReport report;
  report.problems = CheckHeader(image, dbType);
  Append(report.problems, CheckChecksums(image, dbType));
  Append(report.problems, CheckDatabase(*db, dbType).problems);
  return report;
}

std::vector<Problem> CheckFileSize(std::uint64_t fileSize) {
  std::vector<Problem> out;
  if (fileSize <= DatabaseImage::kImageSize) return out;
  const CheckKindInfo& info = InfoOf(CheckKind::FileLongerThanImage);
  out.push_back({info.severity, info.kind, tables::kImage, -1, -1,
                 text::Fill(info.message, {std::to_string(fileSize), std::to_string(fileSize - DatabaseImage::kImageSize)}),
                 {}, -1});
  return out;
}

CheckReport CheckFile(const std::uint8_t* image, std::uint64_t fileSize, int dbType) {
  CheckReport report = CheckImage(image, dbType);
  const auto afterHeader = std::find_if(report.problems.begin(), report.problems.end(),
                                        [](const Problem& p) { return p.table != tables::kHeader; });
  std::vector<Problem> size = CheckFileSize(fileSize);
  report.problems.insert(afterHeader, std::make_move_iterator(size.begin()), std::make_move_iterator(size.end()));
  return report;
}

std::vector<Problem> OpenFindings(const std::uint8_t* image, std::uint64_t fileSize, int dbType) {
  std::vector<Problem> out = CheckFileSize(fileSize);
  if (!variant::Detect(image, dbType).Mismatch()) Append(out, CheckChecksums(image, dbType));
  return out;
}

}  // namespace dbcheck
