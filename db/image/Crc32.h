#pragma once
// The section checksum the receiver checks: CRC-32 with polynomial 0x04C11DB7, most
// significant bit first, register preset to 0xFFFFFFFF and no final inversion.
#include <array>
#include <cstddef>
#include <cstdint>

namespace crc32 {

inline constexpr std::uint32_t kPolynomial = 0x04C11DB7u;
inline constexpr std::uint32_t kInitial = 0xFFFFFFFFu;

// The 256-entry table: entry i is i<<24 shifted through eight polynomial steps.
std::array<std::uint32_t, 256> BuildCrcTable();

// Runs `length` bytes through the register and returns its new value.
std::uint32_t UpdateCrc(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length);

// A section's checksum: UpdateCrc(kInitial, bytes, length).
inline std::uint32_t Checksum(const std::uint8_t* bytes, std::size_t length) {
  return UpdateCrc(kInitial, bytes, length);
}

}  // namespace crc32
