#include "db/Cp1252.h"

namespace cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five undefined bytes.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t Decode(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    char32_t c = kHigh[byte - 0x80];
    return c != 0 ? c : char32_t(byte);
  }
  return char32_t(byte);
}

std::optional<std::uint8_t> Encode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return std::uint8_t(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == cp) return std::uint8_t(0x80 + i);
    if (kHigh[i] == 0 && cp == char32_t(0x80 + i)) return std::uint8_t(cp);
  }
  return std::nullopt;
}

std::u32string DecodeField(const std::uint8_t* field, std::size_t width) {
  std::u32string out;
  for (std::size_t i = 0; i < width && field[i] != 0; ++i) out.push_back(Decode(field[i]));
  return out;
}

}  // namespace cp1252
