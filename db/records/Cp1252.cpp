#include "db/records/Cp1252.h"

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

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const char32_t cp = Decode(static_cast<std::uint8_t>(c));
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::optional<std::string> FromUtf8(std::string_view text, char32_t* bad) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    char32_t cp = 0;
    std::size_t more = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      cp = lead & 0x1F, more = 1;
    } else if ((lead & 0xF0) == 0xE0) {
      cp = lead & 0x0F, more = 2;
    } else if ((lead & 0xF8) == 0xF0) {
      cp = lead & 0x07, more = 3;
    } else {
      return std::nullopt;
    }
    for (std::size_t k = 1; k <= more; ++k) {
      if (i + k >= text.size()) return std::nullopt;
      const auto cont = static_cast<std::uint8_t>(text[i + k]);
      if ((cont & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (cont & 0x3F);
    }
    // Overlong forms and surrogates are not UTF-8.
    constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[more] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    const std::optional<std::uint8_t> b = Encode(cp);
    if (!b) {
      if (bad) *bad = cp;
      return std::nullopt;
    }
    out += static_cast<char>(*b);
    i += more + 1;
  }
  return out;
}

}  // namespace cp1252
