#pragma once
// Record names are bytes in the receiver's single-byte Western code page (Windows-1252).
// These convert between those bytes and Unicode code points.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace cp1252 {

// Code point of one byte. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value so nothing is lost.
char32_t Decode(std::uint8_t byte);

// Byte for one code point, or nothing when the code page cannot hold it.
std::optional<std::uint8_t> Encode(char32_t codePoint);

// A fixed-width name field: the bytes up to the first NUL, or all `width` bytes when
// the field is full. Bytes after the NUL are never read.
std::u32string DecodeField(const std::uint8_t* field, std::size_t width);

}  // namespace cp1252
