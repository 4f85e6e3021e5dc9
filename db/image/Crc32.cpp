#include "db/image/Crc32.h"

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

// Eight tables for taking eight bytes per step, still one look-up per byte: table k
// advances a byte's contribution through k further zero bytes.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;
constexpr Tables MakeTables() {
  Tables t{};
  t[0] = MakeTable();
  for (std::size_t k = 1; k < 8; ++k)
    for (std::size_t i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] << 8) ^ t[0][t[k - 1][i] >> 24];
  return t;
}

constexpr Tables kTables = MakeTables();

inline std::uint32_t BigEndianWord(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

}  // namespace

std::array<std::uint32_t, 256> BuildCrcTable() { return MakeTable(); }

std::uint32_t UpdateCrc(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length) {
  const auto& t = kTables;
  while (length >= 8) {
    const std::uint32_t a = crc ^ BigEndianWord(bytes);
    const std::uint32_t b = BigEndianWord(bytes + 4);
    crc = t[7][a >> 24] ^ t[6][(a >> 16) & 0xFF] ^ t[5][(a >> 8) & 0xFF] ^ t[4][a & 0xFF] ^
          t[3][b >> 24] ^ t[2][(b >> 16) & 0xFF] ^ t[1][(b >> 8) & 0xFF] ^ t[0][b & 0xFF];
    bytes += 8;
    length -= 8;
  }
  for (std::size_t i = 0; i < length; ++i) crc = (crc << 8) ^ t[0][(crc >> 24) ^ bytes[i]];
  return crc;
}

}  // namespace crc32
