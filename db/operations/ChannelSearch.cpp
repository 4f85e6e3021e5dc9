#include "db/operations/ChannelSearch.h"

#include <optional>

#include "db/operations/ChannelSort.h"
#include "db/records/Cp1252.h"

namespace channelsearch {
namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00A0'; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Text as the receiver's code page holds it, folded as names are compared; nothing when
// a character has no byte there (such a word can match no name).
std::optional<std::string> Folded(std::u32string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char32_t c : text) {
    const auto b = cp1252::Encode(c);
    if (!b) return std::nullopt;
    bytes.push_back(static_cast<char>(*b));
  }
  return dbops::FoldName(bytes);
}

// A stored name folded; it came from record bytes, so every character has its byte.
std::string FoldedName(const std::u32string& name) { return Folded(name).value_or(std::string()); }

// A folded name with its words one blank apart, as a search's words are joined.
std::string Spaced(const std::string& folded) {
  std::string out;
  for (const char c : folded) {
    const bool blank = c == ' ' || c == '\t' || c == '\xA0';
    if (blank) {
      if (!out.empty() && out.back() != ' ') out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The value of an all-digit word; -1 for any other, or one too long to be a number here.
long long NumberOf(std::u32string_view word) {
  if (word.empty() || word.size() > 9) return -1;
  long long value = 0;
  for (const char32_t c : word) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - U'0');
  }
  return value;
}

// 'H' or 'V' in either case: a polarization; 0 for anything else.
char PolarizationOf(std::u32string_view word) {
  if (word.size() != 1) return 0;
  if (word[0] == U'h' || word[0] == U'H') return 'H';
  if (word[0] == U'v' || word[0] == U'V') return 'V';
  return 0;
}

}  // namespace

Query::Query(std::u32string_view text) {
  std::vector<std::u32string_view> pieces;
  for (std::size_t i = 0; i < text.size();) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::size_t end = i;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    if (end > i) pieces.push_back(text.substr(i, end - i));
    i = end;
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Word w;
    std::u32string typed(pieces[i]);
    // A frequency and its polarization, typed as the lists show them ("11494 H") or
    // run together ("11494h"), are one word about the transponder.
    const std::u32string_view piece = pieces[i];
    if (const long long f = NumberOf(piece); f >= 0 && i + 1 < pieces.size() && PolarizationOf(pieces[i + 1])) {
      w.frequency = static_cast<int>(f);
      w.horizontal = PolarizationOf(pieces[i + 1]) == 'H';
      typed += U' ';
      typed += pieces[++i];
    } else if (piece.size() > 1 && PolarizationOf(piece.substr(piece.size() - 1))) {
      if (const long long g = NumberOf(piece.substr(0, piece.size() - 1)); g >= 0) {
        w.frequency = static_cast<int>(g);
        w.horizontal = PolarizationOf(piece.substr(piece.size() - 1)) == 'H';
      }
    }
    if (w.frequency < 0) w.number = NumberOf(piece);
    w.folded = Folded(typed).value_or(std::string());
    words_.push_back(std::move(w));
  }
}

bool Query::MatchesName(const Word& word, const std::string& name) const {
  return !word.folded.empty() && name.find(word.folded) != std::string::npos;
}

bool Query::Matches(const channelrows::Row& row) const {
  if (words_.empty()) return true;
  const std::string name = FoldedName(row.name);
  std::optional<std::string> satellite;  // folded when a word first asks for it
  for (const Word& w : words_) {
    if (MatchesName(w, name)) continue;
    if (w.frequency >= 0 && w.frequency == row.frequency && w.horizontal == row.horizontal) continue;
    if (w.number >= 0 && (w.number == row.serviceId || w.number == row.frequency)) continue;
    // A number alone is also a channel number, as the rows count from 1.
    if (words_.size() == 1 && w.number >= 0 && w.number == row.number) continue;
    if (!satellite) satellite = FoldedName(row.satelliteName);
    if (!w.folded.empty() && satellite->find(w.folded) != std::string::npos) continue;
    return false;
  }
  return true;
}

Rank Query::RankOf(const channelrows::Row& row) const {
  const std::string name = FoldedName(row.name);
  std::string asked;  // the words the name matched, as typed for it
  for (const Word& w : words_) {
    if (!MatchesName(w, name)) continue;
    if (!asked.empty()) asked.push_back(' ');
    asked += w.folded;
  }
  if (asked.empty()) return Rank::Other;
  const std::string spaced = Spaced(name);
  if (spaced == asked) return Rank::Named;
  if (spaced.starts_with(asked)) return Rank::Starts;
  return Rank::Other;
}

Pick Best(const Query& query, std::span<const channelrows::Row* const> rows) {
  Pick pick;
  std::vector<Rank> ranks(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ranks[i] = query.RankOf(*rows[i]);
    if (pick.index < 0 || ranks[i] < pick.rank) {
      pick.index = static_cast<int>(i);
      pick.rank = ranks[i];
    }
  }
  if (pick.index < 0) return pick;
  const std::string name = Spaced(FoldedName(rows[std::size_t(pick.index)]->name));
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (ranks[i] == pick.rank && Spaced(FoldedName(rows[i]->name)) == name) ++pick.alike;
  return pick;
}

}  // namespace channelsearch
