#pragma once
// A record's layout as data. Every record type declares each of its fields once, in a
// constexpr table of RecordField (name, byte offset, bits); its accessors, the record
// operations and anything that lists fields by name (an export, a comparison) read the
// table instead of repeating offsets and bit numbers. The loads and stores stay those
// of ByteOrder.h: little-endian, read-modify-write of the field's bits only.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "db/records/ByteOrder.h"

enum class FieldKind : std::uint8_t {
  Word,   // bits lo..hi of one little-endian word of `unit` bytes (2 or 4)
  Array,  // `count` little-endian 16-bit words, each a whole value: slot indexes in order
  Text,   // a name of `count` single-byte characters, NUL-terminated when shorter
  Raw,    // `count` bytes the editor carries unchanged and never interprets
};

struct RecordField {
  std::string_view name;  // stable identifier, as the receiver's layout calls it
  std::size_t offset;     // first byte inside the record
  FieldKind kind;
  unsigned unit;          // bytes per element: 2 or 4 for words and arrays, 1 for text and raw bytes
  unsigned lo, hi;        // bits lo..hi of each element: the whole element unless a part of a word
  std::size_t count;      // elements; 1 for a word

  constexpr std::size_t Size() const { return unit * count; }
  constexpr std::size_t End() const { return offset + Size(); }
  constexpr unsigned Width() const { return hi - lo + 1; }
  // A named part of a word (state, selfIndex, lnbType...): it shares its bytes with the
  // whole word, which is declared too, so that every bit has a name and the word can
  // still be carried or compared as one.
  constexpr bool IsPartOfWord() const { return kind == FieldKind::Word && Width() < 8 * unit; }
  constexpr std::uint32_t Mask() const { return bytes::Mask(lo, hi); }
  // The largest value the field holds; the editor refuses a larger entry rather than
  // store its low bits.
  constexpr std::uint32_t MaxValue() const { return bytes::Mask(0, hi - lo); }

  constexpr bool operator==(const RecordField&) const = default;
};

namespace field {

constexpr RecordField U32(std::string_view name, std::size_t offset) {
  return {name, offset, FieldKind::Word, 4, 0, 31, 1};
}
constexpr RecordField U16(std::string_view name, std::size_t offset) {
  return {name, offset, FieldKind::Word, 2, 0, 15, 1};
}
// Bits first..last (inclusive) of the 32-bit word at `offset`.
constexpr RecordField Bits(std::string_view name, std::size_t offset, unsigned first, unsigned last) {
  return {name, offset, FieldKind::Word, 4, first, last, 1};
}
constexpr RecordField U16Array(std::string_view name, std::size_t offset, std::size_t count) {
  return {name, offset, FieldKind::Array, 2, 0, 15, count};
}
constexpr RecordField Text(std::string_view name, std::size_t offset, std::size_t width) {
  return {name, offset, FieldKind::Text, 1, 0, 7, width};
}
constexpr RecordField Raw(std::string_view name, std::size_t offset, std::size_t width) {
  return {name, offset, FieldKind::Raw, 1, 0, 7, width};
}

// True when the table holds this field.
constexpr bool Declares(std::span<const RecordField> table, const RecordField& f) {
  for (const RecordField& t : table)
    if (t == f) return true;
  return false;
}

// The word field's value, shifted down to bit 0.
inline std::uint32_t Get(const std::uint8_t* record, const RecordField& f) {
  const std::uint8_t* p = record + f.offset;
  return bytes::GetBits(f.unit == 2 ? bytes::LoadU16(p) : bytes::LoadU32(p), f.lo, f.hi);
}

// Writes the value into the word field's bits; every other bit of the word stays.
inline void Set(std::uint8_t* record, const RecordField& f, std::uint32_t value) {
  std::uint8_t* p = record + f.offset;
  if (f.unit == 2)
    bytes::StoreU16(p, static_cast<std::uint16_t>(bytes::WithBits(bytes::LoadU16(p), f.lo, f.hi, value)));
  else
    bytes::SetField(p, f.lo, f.hi, value);
}

// Element `index` of an array field; index must be below f.count.
inline std::uint16_t GetAt(const std::uint8_t* record, const RecordField& f, std::size_t index) {
  return bytes::LoadU16(record + f.offset + f.unit * index);
}
inline void SetAt(std::uint8_t* record, const RecordField& f, std::size_t index, std::uint16_t value) {
  bytes::StoreU16(record + f.offset + f.unit * index, value);
}

inline std::string GetText(const std::uint8_t* record, const RecordField& f) {
  return bytes::LoadName(record + f.offset, f.count);
}
inline void SetText(std::uint8_t* record, const RecordField& f, std::string_view text) {
  bytes::StoreName(record + f.offset, f.count, text);
}
inline bool TextIs(const std::uint8_t* record, const RecordField& f, std::string_view text) {
  return bytes::NameEquals(record + f.offset, f.count, text);
}

}  // namespace field
