#include "db/document/StepSubject.h"

#include <algorithm>
#include <cstdint>

#include "db/document/DbTexts.h"
#include "db/records/Cp1252.h"
#include "db/records/TextArgs.h"

namespace {

using Kind = StepSubject::Kind;
using DB = ChannelDatabase;

constexpr std::size_t kTvOffset = DB::kChannelListsOffset + offsetof(ChannelListBlock, tvList);
constexpr std::size_t kRadioOffset = DB::kChannelListsOffset + offsetof(ChannelListBlock, radioList);
constexpr std::size_t kGroupsOffset = DB::kChannelListsOffset + offsetof(ChannelListBlock, favoriteGroups);
constexpr std::size_t kGroupsEnd = kGroupsOffset + ChannelListBlock::kGroupCount * FavoriteGroupRecord::kSize;
constexpr std::size_t kMembersAt = 24;  // a group's member array
constexpr std::size_t kEntriesAt = 8;   // a list's entry array

// Lower is the better subject.
int Rank(Kind k) {
  switch (k) {
    case Kind::Satellite: return 0;
    case Kind::Transponder: return 1;
    case Kind::Program: return 2;
    case Kind::Group: return 3;
    case Kind::TvList: return 4;
    case Kind::RadioList: return 5;
    case Kind::None: break;
  }
  return 6;
}

// The record that holds byte `offset`, with the first member or entry position at or
// after it where it lies in a member or entry array.
StepSubject Locate(std::size_t offset) {
  const auto inTable = [&](std::size_t begin, std::size_t recordSize, std::size_t count) {
    return offset >= begin && offset < begin + recordSize * count;
  };
  if (inTable(DB::kSatellitesOffset, SatelliteRecord::kSize, DB::kSatelliteCount))
    return {Kind::Satellite, int((offset - DB::kSatellitesOffset) / SatelliteRecord::kSize), -1};
  if (inTable(DB::kTranspondersOffset, TransponderRecord::kSize, DB::kTransponderCount))
    return {Kind::Transponder, int((offset - DB::kTranspondersOffset) / TransponderRecord::kSize), -1};
  if (inTable(DB::kProgramsOffset, ProgramRecord::kSize, DB::kProgramCount))
    return {Kind::Program, int((offset - DB::kProgramsOffset) / ProgramRecord::kSize), -1};
  if (offset >= kGroupsOffset && offset < kGroupsEnd) {
    const std::size_t within = (offset - kGroupsOffset) % FavoriteGroupRecord::kSize;
    const int group = int((offset - kGroupsOffset) / FavoriteGroupRecord::kSize);
    const int position = within >= kMembersAt ? int((within - kMembersAt) / 2) : -1;
    return {Kind::Group, group, position};
  }
  for (const auto& [begin, kind] : {std::pair{kTvOffset, Kind::TvList}, std::pair{kRadioOffset, Kind::RadioList}}) {
    if (offset >= begin && offset < begin + ServiceList::kSize) {
      const std::size_t within = offset - begin;
      return {kind, -1, within >= kEntriesAt ? int((within - kEntriesAt) / 2) : -1};
    }
  }
  return {};
}

// A member moved within its group shifts the members between its two places, so the
// changed positions run from `lo` to `hi`. It stands at lo where lo now holds what hi
// held, otherwise at hi.
int MovedMemberPosition(const ChangeSet& changes, int group, int lo, int hi, ChangeSide side,
                        const ChannelDatabase& now) {
  if (hi <= lo) return lo;
  const FavoriteGroupRecord& g = now.channelLists.favoriteGroups[std::size_t(group)];
  if (std::size_t(hi) >= FavoriteGroupRecord::kMaxMembers) return lo;
  const ChangeSide other = side == ChangeSide::After ? ChangeSide::Before : ChangeSide::After;
  const std::size_t members = kGroupsOffset + std::size_t(group) * FavoriteGroupRecord::kSize + kMembersAt;
  const auto was = [&](int position) {
    std::uint8_t b[2] = {std::uint8_t(g.Member(std::size_t(position))), std::uint8_t(g.Member(std::size_t(position)) >> 8)};
    changes.Overlay(members + 2 * std::size_t(position), 2, other, reinterpret_cast<const std::uint8_t*>(&now), b);
    return std::uint16_t(b[0] | (b[1] << 8));
  };
  if (g.Member(std::size_t(lo)) == was(hi)) return lo;
  if (g.Member(std::size_t(hi)) == was(lo)) return hi;
  return lo;
}

}  // namespace

StepSubject SubjectOf(const ChangeSet& changes, ChangeSide side, const ChannelDatabase& now) {
  StepSubject best;
  int lastPosition = -1;  // of best, when it is a group's member range
  for (const ChangeSet::Range& r : changes.Ranges()) {
    const StepSubject first = Locate(r.offset);
    const StepSubject last = Locate(std::size_t(r.offset) + r.length - 1);
    if (first.kind == Kind::None) continue;
    if (Rank(first.kind) < Rank(best.kind)) {
      best = first;
      lastPosition = last.kind == first.kind && last.slot == first.slot ? last.position : first.position;
    } else if (first.kind == best.kind && first.slot == best.slot) {
      // Another range of the same record: widen its member range.
      if (best.position < 0) best.position = first.position;
      if (last.kind == best.kind && last.slot == best.slot) lastPosition = std::max(lastPosition, last.position);
    }
  }
  if (best.kind == Kind::Group && best.position >= 0)
    best.position = MovedMemberPosition(changes, best.slot, best.position, lastPosition, side, now);
  return best;
}

unsigned TouchedKinds(const ChangeSet& changes) {
  unsigned touched = 0;
  for (const ChangeSet::Range& r : changes.Ranges()) {
    const Kind first = Locate(r.offset).kind;
    const Kind last = Locate(std::size_t(r.offset) + r.length - 1).kind;
    // A range that runs from one table into another may cover any between them.
    if (first != last) return ~0u;
    if (first != Kind::None) touched |= 1u << unsigned(first);
  }
  return touched;
}

namespace {

std::string Utf8(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::string DescribeChange(const ChangeSet& changes, const ChannelDatabase& now) {
  const StepSubject s = SubjectOf(changes, ChangeSide::After, now);
  const auto slot = std::size_t(s.slot);
  switch (s.kind) {
    case Kind::Satellite:
      return FillArgs(DbTexts::kEditRecordStep, DbTexts::kSatelliteNoun,
                      Utf8(cp1252::DecodeField(now.satellites[slot].NameField(), SatelliteRecord::kNameWidth)));
    case Kind::Transponder:
      return FillArgs(DbTexts::kEditRecordStep, DbTexts::kTransponderNoun,
                      std::to_string(now.transponders[slot].Frequency()));
    case Kind::Program:
      return FillArgs(DbTexts::kEditRecordStep, DbTexts::kProgramNoun,
                      Utf8(cp1252::DecodeField(now.programs[slot].NameField(), ProgramRecord::kNameWidth)));
    case Kind::Group:
      return FillArgs(DbTexts::kEditRecordStep, DbTexts::kGroupNoun,
                      Utf8(cp1252::DecodeField(now.channelLists.favoriteGroups[slot].NameField(),
                                               FavoriteGroupRecord::kNameWidth)));
    case Kind::TvList: return FillArgs(DbTexts::kEditStep, DbTexts::kTvListNoun);
    case Kind::RadioList: return FillArgs(DbTexts::kEditStep, DbTexts::kRadioListNoun);
    case Kind::None: break;
  }
  return FillArgs(DbTexts::kEditStep, DbTexts::kDatabaseNoun);
}
