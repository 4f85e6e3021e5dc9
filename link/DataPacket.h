#pragma once
// One 1024-byte data packet: 0x47, 1021 payload bytes (the final packet zero-filled),
// and a 16-bit byte sum of the payload, most significant byte first. Packets carry no
// index; both sides count them in order.
#include <array>
#include <cstddef>
#include <cstdint>

class DataPacket {
 public:
  static constexpr std::size_t kSize = 1024;
  static constexpr std::size_t kPayloadOffset = 1;
  static constexpr std::size_t kPayloadSize = 1021;
  static constexpr std::size_t kSumOffset = 1022;
  static constexpr std::uint8_t kStartByte = 0x47;

  enum class Check {
    Ok,
    BadStart,  // first byte is not 0x47
    BadSum,    // payload sum differs from the stored one
  };

  DataPacket() = default;  // all zero
  explicit DataPacket(const std::uint8_t* bytes);  // copies kSize bytes

  // Index of the final packet for `dataLength` data bytes (dataLength / 1021).
  static std::uint32_t LastIndex(std::uint32_t dataLength) {
    return dataLength / static_cast<std::uint32_t>(kPayloadSize);
  }
  // Number of packets: one more than the final index, so an exact multiple of 1021
  // still ends with a packet that carries no data.
  static std::uint32_t Count(std::uint32_t dataLength) { return LastIndex(dataLength) + 1; }
  // Data bytes packet `index` carries (1021, or the rest in the final packet; 0 past it).
  static std::size_t PayloadLength(std::uint32_t dataLength, std::uint32_t index);
  // Data offset packet `index` starts at.
  static std::size_t DataOffset(std::uint32_t index) {
    return static_cast<std::size_t>(index) * kPayloadSize;
  }

  // Packet `index` of `dataLength` data bytes at `data`.
  static DataPacket Build(const std::uint8_t* data, std::uint32_t dataLength, std::uint32_t index);

  // 16-bit sum of the 1021 payload bytes as they stand now.
  std::uint16_t ComputeSum() const;
  std::uint16_t StoredSum() const;
  void UpdateSum();
  // The receiving side's checks in their order: start byte, then sum.
  Check Verify() const;

  const std::uint8_t* Bytes() const { return b_.data(); }
  std::uint8_t* Bytes() { return b_.data(); }
  const std::uint8_t* Payload() const { return b_.data() + kPayloadOffset; }
  const std::array<std::uint8_t, kSize>& Array() const { return b_; }

 private:
  std::array<std::uint8_t, kSize> b_{};
};
