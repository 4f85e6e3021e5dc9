#include "db/ChannelCsv.h"

#include <algorithm>
#include <charconv>

#include "db/Cp1252.h"
#include "db/CsvText.h"

namespace channelcsv {
namespace {

using DB = ChannelDatabase;

enum Column { kList, kNumber, kName, kSatellite, kFrequency, kPolarization, kSymbolRate, kServiceId,
              kVideoPid, kAudioPid, kPcrPid, kTtextPid, kPmtPid, kLocked, kGroups };

// Columns a reference list needs; the others only inform.
constexpr Column kRequired[] = {kList, kName, kSatellite, kFrequency, kPolarization, kServiceId, kLocked, kGroups};

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return out;
}

std::vector<std::string> RowOf(const DB& db, int dbType, int list, std::size_t position, std::uint16_t slot) {
  std::vector<std::string> f(kColumns.size());
  f[kList] = list == 0 ? kTv : kRadio;
  f[kNumber] = std::to_string(position + 1);
  if (slot >= DB::kProgramCount) return f;
  const ProgramRecord& p = db.programs[slot];
  f[kName] = cp1252::ToUtf8(p.Name());
  f[kServiceId] = std::to_string(p.ServiceId());
  f[kVideoPid] = std::to_string(p.VideoPid(dbType));
  f[kAudioPid] = std::to_string(p.AudioPid(dbType));
  f[kPcrPid] = std::to_string(p.PcrPid(dbType));
  f[kTtextPid] = std::to_string(p.TtextPid(dbType));
  f[kPmtPid] = std::to_string(p.PmtPid(dbType));
  f[kLocked] = p.Locked() ? kYes : kNo;
  if (const std::size_t tp = p.TransponderIndex(); tp < DB::kTransponderCount) {
    const TransponderRecord& t = db.transponders[tp];
    f[kFrequency] = std::to_string(t.Frequency());
    f[kPolarization] = t.Polarization() == TransponderRecord::kHorizontal ? kHorizontal : kVertical;
    f[kSymbolRate] = std::to_string(t.SymbolRate());
    if (const std::size_t sat = t.SatelliteIndex(); sat < DB::kSatelliteCount)
      f[kSatellite] = cp1252::ToUtf8(db.satellites[sat].Name());
  }
  for (const FavoriteGroupRecord& g : db.channelLists.favoriteGroups) {
    if (!g.IsUsed()) continue;
    bool member = false;
    for (std::size_t k = 0; k < g.ValidMemberCount() && !member; ++k) member = g.Member(k) == slot;
    if (member) f[kGroups] += (f[kGroups].empty() ? "" : std::string(1, kGroupSeparator)) + cp1252::ToUtf8(g.Name());
  }
  return f;
}

std::optional<std::uint16_t> Number16(std::string_view s, bool& bad) {
  if (s.empty()) return std::nullopt;
  unsigned v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v > 0xFFFF) {
    bad = true;
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(v);
}

}  // namespace

std::string Refusal::Message() const { return "line " + std::to_string(line) + ": " + reason; }

std::string Export(const ChannelDatabase& db, int dbType) {
  std::string out;
  csvtext::AppendRecord(out, std::vector<std::string>(kColumns.begin(), kColumns.end()));
  for (int list = 0; list < 2; ++list) {
    const ServiceList& l = *db.channelLists.List(list);
    for (std::size_t k = 0; k < l.ValidCount(); ++k) csvtext::AppendRecord(out, RowOf(db, dbType, list, k, l.Entry(k)));
  }
  return out;
}

std::optional<Refusal> Read(std::string_view text, std::vector<Row>& out) {
  std::vector<csvtext::Record> records;
  if (auto e = csvtext::Parse(text, records)) return Refusal{e->line, "not CSV as RFC 4180 defines it: " + e->reason};
  if (records.empty()) return Refusal{1, "no header row; expected the columns " + std::string(kColumns[0]) + ", ..."};

  // Which field of a record holds each column.
  std::array<int, kColumns.size()> at;
  at.fill(-1);
  const csvtext::Record& head = records.front();
  for (std::size_t i = 0; i < head.fields.size(); ++i)
    for (std::size_t c = 0; c < kColumns.size(); ++c)
      if (Lower(head.fields[i]) == Lower(kColumns[c]) && at[c] < 0) at[c] = static_cast<int>(i);
  for (Column c : kRequired)
    if (at[c] < 0) return Refusal{head.line, "the header row has no column \"" + std::string(kColumns[c]) + "\""};

  std::vector<Row> rows;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const csvtext::Record& rec = records[r];
    auto get = [&](Column c) -> std::string_view {
      const int i = at[c];
      return i >= 0 && std::size_t(i) < rec.fields.size() ? std::string_view(rec.fields[std::size_t(i)]) : std::string_view();
    };
    auto refuse = [&](Column c, const std::string& expected) {
      return Refusal{rec.line, "column " + std::string(kColumns[c]) + ": expected " + expected + ", got \"" +
                                   std::string(get(c)) + "\""};
    };
    Row row;
    row.line = rec.line;
    const std::string list = Lower(get(kList));
    if (list == Lower(kTv))
      row.list = 0;
    else if (list == Lower(kRadio))
      row.list = 1;
    else
      return refuse(kList, std::string(kTv) + " or " + std::string(kRadio));

    row.name = std::string(get(kName));
    char32_t badChar = 0;
    const auto nameBytes = cp1252::FromUtf8(row.name, &badChar);
    if (!nameBytes || nameBytes->find('\0') != std::string::npos)
      return refuse(kName, "a name of Windows-1252 characters");
    if (nameBytes->size() > ProgramRecord::kNameWidth)
      return refuse(kName, "at most " + std::to_string(ProgramRecord::kNameWidth) + " characters");

    row.satellite = std::string(get(kSatellite));
    bool bad = false;
    row.frequency = Number16(get(kFrequency), bad);
    if (bad) return refuse(kFrequency, "a frequency in MHz from 0 to 65535, or nothing");
    row.serviceId = Number16(get(kServiceId), bad);
    if (bad) return refuse(kServiceId, "a service ID from 0 to 65535, or nothing");
    const std::string pol = Lower(get(kPolarization));
    if (pol == "hor" || pol == "h" || pol == "horizontal")
      row.polarization = TransponderRecord::kHorizontal;
    else if (pol == "ver" || pol == "v" || pol == "vertical")
      row.polarization = TransponderRecord::kVertical;
    else if (!pol.empty())
      return refuse(kPolarization, std::string(kHorizontal) + " or " + std::string(kVertical) + ", or nothing");

    const std::string locked = Lower(get(kLocked));
    if (locked == kYes || locked == "1" || locked == "true")
      row.locked = true;
    else if (locked == kNo || locked == "0" || locked == "false" || locked.empty())
      row.locked = false;
    else
      return refuse(kLocked, std::string(kYes) + " or " + std::string(kNo));

    const std::string_view groups = get(kGroups);
    std::size_t pos = 0;
    while (pos <= groups.size() && !groups.empty()) {
      const std::size_t sep = groups.find(kGroupSeparator, pos);
      const std::size_t end = sep == std::string_view::npos ? groups.size() : sep;
      row.groups.emplace_back(groups.substr(pos, end - pos));
      pos = end + 1;
    }
    rows.push_back(std::move(row));
  }
  out = std::move(rows);
  return std::nullopt;
}

}  // namespace channelcsv
