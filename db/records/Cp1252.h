#pragma once
// Record names are bytes in the receiver's single-byte Western code page (Windows-1252).
// These convert between those bytes and Unicode code points.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cp1252 {

// Code point of one byte. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value so nothing is lost.
char32_t Decode(std::uint8_t byte);

// Byte for one code point, or nothing when the code page cannot hold it.
std::optional<std::uint8_t> Encode(char32_t codePoint);

// A fixed-width name field: the bytes up to the first NUL, or all `width` bytes when
// the field is full. Bytes after the NUL are never read.
std::u32string DecodeField(const std::uint8_t* field, std::size_t width);

// Record bytes as UTF-8 text, for JSON, CSV and terminals. Every byte has a code point,
// so this never fails.
std::string ToUtf8(std::string_view bytes);

// UTF-8 text as record bytes; nothing when the text is not valid UTF-8 or holds a
// character the code page cannot hold. In the second case `bad` (when given) receives
// that character; it is left alone in the first.
std::optional<std::string> FromUtf8(std::string_view text, char32_t* bad = nullptr);

}  // namespace cp1252
