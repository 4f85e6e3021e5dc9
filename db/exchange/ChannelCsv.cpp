#include "db/exchange/ChannelCsv.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>

#include "db/exchange/CsvText.h"
#include "db/exchange/ImportTexts.h"
#include "db/records/Cp1252.h"
#include "db/records/TextFill.h"

namespace channelcsv {
namespace {

using DB = ChannelDatabase;

enum Column { kList, kNumber, kName, kSatellite, kFrequency, kPolarization, kSymbolRate, kServiceId,
              kVideoPid, kAudioPid, kPcrPid, kTtextPid, kPmtPid, kLocked, kGroups, kGroupPositions };

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
    std::size_t at = 0;
    while (at < g.ValidMemberCount() && g.Member(at) != slot) ++at;
    if (at == g.ValidMemberCount()) continue;
    const std::string separator = f[kGroups].empty() ? "" : std::string(1, kGroupSeparator);
    f[kGroups] += separator + cp1252::ToUtf8(g.Name());
    f[kGroupPositions] += separator + std::to_string(at + 1);
  }
  return f;
}

// The parts of a cell between separators; none for a blank cell.
std::vector<std::string_view> Pieces(std::string_view cell) {
  std::vector<std::string_view> out;
  std::size_t pos = 0;
  while (pos <= cell.size() && !cell.empty()) {
    const std::size_t sep = cell.find(kGroupSeparator, pos);
    const std::size_t end = sep == std::string_view::npos ? cell.size() : sep;
    out.push_back(cell.substr(pos, end - pos));
    pos = end + 1;
  }
  return out;
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

// Words a spreadsheet reads inside a date, a time or a number, in English and German:
// months, AM and PM, and the exponent's E.
bool ValueWord(const std::string& word) {
  static const std::set<std::string, std::less<>> kWords = {
      "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "sept", "oct", "nov", "dec",
      "january", "february", "march", "april", "june", "july", "august", "september", "october", "november",
      "december", "januar", "februar", "mai", "juni", "juli", "okt", "oktober", "dez", "dezember",
      "am", "pm", "a", "p", "e"};
  return kWords.count(word) > 0;
}

// TRUE and FALSE, as a spreadsheet in English or German names them.
bool TruthWord(const std::string& word) {
  return word == "true" || word == "false" || word == "wahr" || word == "falsch";
}

}  // namespace

// What a spreadsheet may take for a number, a percentage, an amount, a date, a time or a
// truth value, in English or German: digits with only separators, signs, brackets,
// currency signs and the words above around them ("1e5", "12:30", "1/2", "(5)", "Jan 5",
// "1.500,5"), or TRUE and FALSE. A text that only looks like one is kept all the same.
bool ReadAsValue(std::string_view text) {
  // Without a digit only TRUE or FALSE is a value; most names end here.
  if (text.find_first_of("0123456789") == std::string_view::npos) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const std::string_view trimmed = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    if (trimmed.size() > 6) return false;
    std::string word;
    for (const char ch : trimmed) word += char(std::tolower(static_cast<unsigned char>(ch)));
    return TruthWord(word);
  }
  std::string word;  // a word of the text, in lower case
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (std::isdigit(b)) {
      ++i;
    } else if (std::isalpha(b)) {
      std::size_t end = i;
      while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
      if (end - i > 9) return false;  // longer than any word a value holds
      word.clear();
      for (std::size_t k = i; k < end; ++k) word += char(std::tolower(static_cast<unsigned char>(text[k])));
      if (!ValueWord(word)) return false;
      i = end;
    } else if (std::string_view(" \t.,:/-+%()$'").find(char(b)) != std::string_view::npos) {
      ++i;
    } else if (text.compare(i, 3, "\xE2\x82\xAC") == 0) {  // the euro sign
      i += 3;
    } else if (text.compare(i, 2, "\xC2\xA3") == 0 || text.compare(i, 2, "\xC2\xA5") == 0) {  // pound, yen
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

std::string Refusal::Message() const {
  return sentence ? reason : text::Fill(ImportTexts::kAtLine, {std::to_string(line), reason});
}

std::string ForSpreadsheet(const std::string& text) {
  if (text.empty()) return text;
  const char c = text.front();
  const bool formula = c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
  const bool number = c == '0' || ReadAsValue(text);
  if (!formula && !number) return text;
  std::string out = "=\"";
  for (const char ch : text) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return out + "\"";
}

std::string FromSpreadsheet(std::string_view cell) {
  if (cell.size() < 3 || cell.substr(0, 2) != "=\"" || cell.back() != '"') return std::string(cell);
  std::string out;
  const std::string_view inner = cell.substr(2, cell.size() - 3);
  for (std::size_t i = 0; i < inner.size(); ++i) {
    out += inner[i];
    if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
  }
  return out;
}

bool HasControl(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x20 || b == 0x7F) return true;
    // U+0080..U+009F: C2 80..C2 9F.
    if (b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) return true;
  }
  return false;
}

std::string Export(const ChannelDatabase& db, int dbType) {
  std::string out;
  csvtext::AppendRecord(out, std::vector<std::string>(kColumns.begin(), kColumns.end()));
  for (int list = 0; list < 2; ++list) {
    const ServiceList& l = *db.channelLists.List(list);
    for (std::size_t k = 0; k < l.ValidCount(); ++k) {
      std::vector<std::string> fields = RowOf(db, dbType, list, k, l.Entry(k));
      for (Column c : {kName, kSatellite, kGroups}) fields[c] = ForSpreadsheet(fields[c]);
      csvtext::AppendRecord(out, fields);
    }
  }
  return out;
}

namespace {

// Reads the records one by one as they come: the header first, then a row each.
class RowReader {
 public:
  explicit RowReader(std::vector<Row>& rows) : rows_(rows) {}

  std::optional<csvtext::ParseError> Take(csvtext::Record& rec) {
    if (!haveHeader_) return Header(rec);
    if (rows_.size() >= kMaxRows)
      return Stop(Refusal{rec.line, text::Fill(ImportTexts::kTooManyRows, {std::to_string(kMaxRows)})});
    Row row;
    if (auto r = RowOf(rec, row)) return Stop(std::move(*r));
    rows_.push_back(std::move(row));
    return std::nullopt;
  }

  std::optional<Refusal> refusal;
  bool haveHeader_ = false;

 private:
  std::optional<csvtext::ParseError> Stop(Refusal r) {
    refusal = std::move(r);
    return csvtext::ParseError{refusal->line, refusal->reason, csvtext::ParseError::Kind::Stopped};
  }

  std::optional<csvtext::ParseError> Header(const csvtext::Record& head) {
    haveHeader_ = true;
    at_.fill(-1);
    for (std::size_t i = 0; i < head.fields.size(); ++i)
      for (std::size_t c = 0; c < kColumns.size(); ++c)
        if (Lower(head.fields[i]) == Lower(kColumns[c]) && at_[c] < 0) at_[c] = static_cast<int>(i);
    for (Column c : kRequired) {
      if (at_[c] >= 0) continue;
      // A spreadsheet set to a locale with a decimal comma saves ';' between fields: the
      // whole header row is then one field.
      const std::string first = head.fields.empty() ? std::string() : Lower(head.fields[0]);
      if (first.find(std::string(kColumns[kList]) + ";") != std::string::npos ||
          first.find(";" + std::string(kColumns[kName])) != std::string::npos)
        return Stop(Refusal{head.line, ImportTexts::kSemicolons});
      return Stop(Refusal{head.line, text::Fill(ImportTexts::kNoColumn, {std::string(kColumns[c])})});
    }
    return std::nullopt;
  }

  std::optional<Refusal> RowOf(const csvtext::Record& rec, Row& row) const {
    auto get = [&](Column c) -> std::string_view {
      const int i = at_[c];
      return i >= 0 && std::size_t(i) < rec.fields.size() ? std::string_view(rec.fields[std::size_t(i)]) : std::string_view();
    };
    auto refuse = [&](Column c, const std::string& expected, std::string_view got) {
      return Refusal{rec.line,
                     text::Fill(ImportTexts::kColumnExpected, {std::string(kColumns[c]), expected, std::string(got)})};
    };
    row.line = rec.line;
    const std::string list = Lower(get(kList));
    if (list == Lower(kTv))
      row.list = 0;
    else if (list == Lower(kRadio))
      row.list = 1;
    else
      return refuse(kList, text::Fill(ImportTexts::kOneOfTwo, {std::string(kTv), std::string(kRadio)}), get(kList));

    // A name holding control characters is read as it is: the export writes the names
    // the receiver holds, and such a list must come back. Applying it never gives a
    // program or a group such a name it did not have.
    row.name = FromSpreadsheet(get(kName));
    char32_t badChar = 0;
    const auto nameBytes = cp1252::FromUtf8(row.name, &badChar);
    if (!nameBytes) return refuse(kName, ImportTexts::kCp1252Name, row.name);
    if (nameBytes->size() > ProgramRecord::kNameWidth)
      return refuse(kName, text::Fill(ImportTexts::kAtMostCharacters, {std::to_string(ProgramRecord::kNameWidth)}),
                    row.name);

    row.satellite = FromSpreadsheet(get(kSatellite));
    bool bad = false;
    row.frequency = Number16(get(kFrequency), bad);
    if (bad) return refuse(kFrequency, ImportTexts::kFrequencyOrNothing, get(kFrequency));
    row.serviceId = Number16(get(kServiceId), bad);
    if (bad) return refuse(kServiceId, ImportTexts::kServiceIdOrNothing, get(kServiceId));
    const std::string pol = Lower(get(kPolarization));
    if (pol == "hor" || pol == "h" || pol == "horizontal")
      row.polarization = TransponderRecord::kHorizontal;
    else if (pol == "ver" || pol == "v" || pol == "vertical")
      row.polarization = TransponderRecord::kVertical;
    else if (!pol.empty())
      return refuse(kPolarization,
                    text::Fill(ImportTexts::kOneOfTwoOrNothing, {std::string(kHorizontal), std::string(kVertical)}),
                    get(kPolarization));

    const std::string locked = Lower(get(kLocked));
    if (locked == kYes || locked == "1" || locked == "true")
      row.locked = true;
    else if (locked == kNo || locked == "0" || locked == "false" || locked.empty())
      row.locked = false;
    else
      return refuse(kLocked, text::Fill(ImportTexts::kOneOfTwo, {std::string(kYes), std::string(kNo)}), get(kLocked));

    const std::string groups = FromSpreadsheet(get(kGroups));
    row.groupsGiven = !groups.empty();
    for (std::string_view piece : Pieces(groups)) row.groups.emplace_back(piece);

    const std::string positions = FromSpreadsheet(get(kGroupPositions));
    for (std::string_view piece : Pieces(positions)) {
      const std::optional<std::uint16_t> p = Number16(piece, bad);
      if (bad || !p || *p < 1 || *p > FavoriteGroupRecord::kMaxMembers)
        return refuse(kGroupPositions,
                      text::Fill(ImportTexts::kPositionsOrNothing,
                                 {std::to_string(FavoriteGroupRecord::kMaxMembers), std::string(1, kGroupSeparator)}),
                      get(kGroupPositions));
      row.groupPositions.push_back(*p);
    }
    return std::nullopt;
  }

  std::vector<Row>& rows_;
  std::array<int, kColumns.size()> at_{};
};

template <typename Input>
std::optional<Refusal> ReadFrom(Input&& input, std::vector<Row>& out) {
  std::vector<Row> rows;
  RowReader reader(rows);
  const auto error = csvtext::Parse(input, [&reader](csvtext::Record& r) { return reader.Take(r); });
  if (reader.refusal) return reader.refusal;
  if (error) {
    using Kind = csvtext::ParseError::Kind;
    if (error->kind == Kind::NotUtf8 || error->kind == Kind::NotText)
      return Refusal{error->line, text::Fill(ImportTexts::kLineIs, {std::to_string(error->line), error->reason}), true};
    if (error->kind == Kind::TooLarge) return Refusal{error->line, error->reason};
    return Refusal{error->line, text::Fill(ImportTexts::kNotCsv, {error->reason})};
  }
  if (!reader.haveHeader_)
    return Refusal{1, text::Fill(ImportTexts::kNoHeader, {std::string(kColumns[0])})};
  out = std::move(rows);
  return std::nullopt;
}

}  // namespace

std::optional<Refusal> Read(std::string_view text, std::vector<Row>& out) { return ReadFrom(text, out); }

std::optional<Refusal> Read(std::FILE* stream, std::vector<Row>& out) { return ReadFrom(stream, out); }

}  // namespace channelcsv
