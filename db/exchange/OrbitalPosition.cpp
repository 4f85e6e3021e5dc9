#include "db/exchange/OrbitalPosition.h"

#include <cstdlib>

namespace orbit {
namespace {

constexpr char kDegree = '\xB0';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetterOrDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0xC0;
}

// The position of a token starting at `at`, the first digit of a run.
std::optional<int> TokenAt(std::string_view s, std::size_t at) {
  std::size_t i = at;
  int whole = 0;
  while (i < s.size() && IsDigit(s[i]) && i - at < 3) whole = whole * 10 + (s[i++] - '0');
  if (i < s.size() && IsDigit(s[i])) return std::nullopt;  // four digits and more are no degrees
  int tenth = 0;
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    tenth = s[i + 1] - '0';
    i += 2;
    if (i < s.size() && IsDigit(s[i])) return std::nullopt;  // the lists count in tenths
  }
  if (i < s.size() && s[i] == kDegree) ++i;
  if (i >= s.size() || (s[i] != 'E' && s[i] != 'W')) return std::nullopt;
  const bool west = s[i] == 'W';
  if (i + 1 < s.size() && IsLetterOrDigit(s[i + 1])) return std::nullopt;  // "5WA", "13East"
  const int tenths = whole * 10 + tenth;
  if (tenths > kMaxTenths) return std::nullopt;
  return west ? -tenths : tenths;
}

}  // namespace

std::optional<int> PositionInName(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    // A token begins a run of digits that is not the decimal part of another number.
    if (!IsDigit(name[i]) || (i > 0 && (IsDigit(name[i - 1]) || name[i - 1] == '.'))) continue;
    if (const auto position = TokenAt(name, i)) return position;
  }
  return std::nullopt;
}

std::string Format(int tenths) {
  const int a = std::abs(tenths);
  return std::to_string(a / 10) + "." + std::to_string(a % 10) + (tenths < 0 ? "W" : "E");
}

}  // namespace orbit
