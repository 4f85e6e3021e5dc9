#pragma once
// Little-endian loads and stores on raw record bytes, and read-modify-write of bit
// fields inside a 32-bit word. The receiver's records are byte images; every field
// change goes through these so that bits we do not know are carried unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace bytes {

inline std::uint16_t LoadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void StoreU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void StoreU32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

// Mask of bits first..last (inclusive) of a 32-bit word.
constexpr std::uint32_t Mask(unsigned first, unsigned last) {
  return (last - first + 1 >= 32 ? 0xFFFFFFFFu : ((1u << (last - first + 1)) - 1u)) << first;
}

constexpr std::uint32_t GetBits(std::uint32_t word, unsigned first, unsigned last) {
  return (word & Mask(first, last)) >> first;
}

constexpr std::uint32_t WithBits(std::uint32_t word, unsigned first, unsigned last,
                                 std::uint32_t value) {
  const std::uint32_t m = Mask(first, last);
  return (word & ~m) | ((value << first) & m);
}

// Reads/writes bits first..last of the little-endian word at p.
inline std::uint32_t GetField(const std::uint8_t* p, unsigned first, unsigned last) {
  return GetBits(LoadU32(p), first, last);
}

inline void SetField(std::uint8_t* p, unsigned first, unsigned last, std::uint32_t value) {
  StoreU32(p, WithBits(LoadU32(p), first, last, value));
}

// A fixed-width name field: the bytes up to the first NUL, at most `width`.
inline std::string LoadName(const std::uint8_t* field, std::size_t width) {
  std::size_t n = 0;
  while (n < width && field[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(field), n);
}

// Stores at most `width` bytes of the name; a shorter name is NUL-terminated and the
// rest of the field cleared. Nothing past the field is written.
inline void StoreName(std::uint8_t* field, std::size_t width, std::string_view name) {
  const std::size_t n = name.size() < width ? name.size() : width;
  if (n > 0) std::memcpy(field, name.data(), n);
  if (n < width) std::memset(field + n, 0, width - n);
}

// True when the field holds exactly this name (compared as the receiver does: at most
// `width` bytes, a shorter name must be followed by a NUL).
inline bool NameEquals(const std::uint8_t* field, std::size_t width, std::string_view name) {
  if (name.size() > width) name = name.substr(0, width);
  if (std::memcmp(field, name.data(), name.size()) != 0) return false;
  return name.size() == width || field[name.size()] == 0;
}

}  // namespace bytes
