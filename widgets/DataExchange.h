#pragma once
// Reading and writing dialog fields the way the receiver's fields need them.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace DataExchange {

// Scans a number like the C library's "%u": at most the first 63 characters are read,
// leading blanks skipped, an optional sign, then decimal digits; anything after the
// digits is ignored and a minus sign wraps the value as unsigned 32-bit. A magnitude
// that does not fit in 32 bits gives 0xFFFFFFFF, so a range check always refuses it.
// Nothing when no digit follows.
std::optional<std::uint32_t> ScanUnsigned(const QString& text);

// A record's name field as text (bytes up to the first NUL, or the whole field).
QString NameFromField(const std::uint8_t* field, std::size_t width);

// Text as name bytes in the receiver's code page; nothing when a character cannot be
// stored. The caller checks the length against the field width.
std::optional<std::string> NameToBytes(const QString& text);

}  // namespace DataExchange
