#include "db/Crc32.h"

namespace crc32 {
namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t v = i << 24;
    for (int bit = 0; bit < 8; ++bit) v = (v & 0x80000000u) ? (v << 1) ^ kPolynomial : (v << 1);
    table[i] = v;
  }
  return table;
}

// Built at compile time, so every checksum already has its table.
constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::array<std::uint32_t, 256> BuildCrcTable() { return MakeTable(); }

std::uint32_t UpdateCrc(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) crc = (crc << 8) ^ kTable[(crc >> 24) ^ bytes[i]];
  return crc;
}

}  // namespace crc32
