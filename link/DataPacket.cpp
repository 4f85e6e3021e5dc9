#include "link/DataPacket.h"

#include <cstring>

DataPacket::DataPacket(const std::uint8_t* bytes) { std::memcpy(b_.data(), bytes, kSize); }

std::size_t DataPacket::PayloadLength(std::uint32_t dataLength, std::uint32_t index) {
  const std::uint32_t last = LastIndex(dataLength);
  if (index < last) return kPayloadSize;
  if (index > last) return 0;
  return dataLength - DataOffset(index);
}

DataPacket DataPacket::Build(const std::uint8_t* data, std::uint32_t dataLength,
                             std::uint32_t index) {
  DataPacket p;
  p.b_[0] = kStartByte;
  const std::size_t n = PayloadLength(dataLength, index);
  if (n > 0) std::memcpy(p.b_.data() + kPayloadOffset, data + DataOffset(index), n);
  p.UpdateSum();
  return p;
}

std::uint16_t DataPacket::ComputeSum() const {
  unsigned sum = 0;
  for (std::size_t i = kPayloadOffset; i < kPayloadOffset + kPayloadSize; ++i) sum += b_[i];
  return static_cast<std::uint16_t>(sum);
}

std::uint16_t DataPacket::StoredSum() const {
  return static_cast<std::uint16_t>((b_[kSumOffset] << 8) | b_[kSumOffset + 1]);
}

void DataPacket::UpdateSum() {
  const std::uint16_t sum = ComputeSum();
  b_[kSumOffset] = static_cast<std::uint8_t>(sum >> 8);
  b_[kSumOffset + 1] = static_cast<std::uint8_t>(sum);
}

DataPacket::Check DataPacket::Verify() const {
  if (b_[0] != kStartByte) return Check::BadStart;
  if (ComputeSum() != StoredSum()) return Check::BadSum;
  return Check::Ok;
}
