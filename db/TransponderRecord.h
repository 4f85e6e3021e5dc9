#pragma once
// One transponder slot (16 bytes): owning satellite, frequency, symbol rate, polarization.
#include <cstddef>
#include <cstdint>

#include "db/ByteOrder.h"
#include "db/SlotState.h"

class TransponderRecord {
 public:
  static constexpr std::size_t kSize = 16;
  // polarization values
  static constexpr std::uint32_t kVertical = 0;
  static constexpr std::uint32_t kHorizontal = 1;

  // flags (offset 0)
  std::uint32_t Flags() const { return bytes::LoadU32(b_); }
  void SetFlags(std::uint32_t v) { bytes::StoreU32(b_, v); }
  SlotState State() const { return static_cast<SlotState>(bytes::GetField(b_, 0, 1)); }
  void SetState(SlotState s) { bytes::SetField(b_, 0, 1, static_cast<std::uint32_t>(s)); }
  bool IsUsed() const { return State() == SlotState::Used; }
  // A used transponder with either hidden bit set is shown in no list.
  std::uint32_t HiddenBits() const { return bytes::GetField(b_, 4, 5); }
  void SetHiddenBits(std::uint32_t v) { bytes::SetField(b_, 4, 5, v); }
  bool IsListed() const { return IsUsed() && HiddenBits() == 0; }
  std::uint32_t SatelliteIndex() const { return bytes::GetField(b_, 6, 15); }
  void SetSatelliteIndex(std::uint32_t v) { bytes::SetField(b_, 6, 15, v); }

  std::uint16_t Reserved4() const { return bytes::LoadU16(b_ + 4); }
  void SetReserved4(std::uint16_t v) { bytes::StoreU16(b_ + 4, v); }
  std::uint16_t Reserved6() const { return bytes::LoadU16(b_ + 6); }
  void SetReserved6(std::uint16_t v) { bytes::StoreU16(b_ + 6, v); }

  // frequency word (offset 8): MHz in bits 0-15
  std::uint32_t FrequencyWord() const { return bytes::LoadU32(b_ + 8); }
  void SetFrequencyWord(std::uint32_t v) { bytes::StoreU32(b_ + 8, v); }
  std::uint16_t Frequency() const { return static_cast<std::uint16_t>(bytes::GetField(b_ + 8, 0, 15)); }
  void SetFrequency(std::uint16_t v) { bytes::SetField(b_ + 8, 0, 15, v); }

  // symbolWord (offset 12)
  std::uint32_t SymbolWord() const { return bytes::LoadU32(b_ + 12); }
  void SetSymbolWord(std::uint32_t v) { bytes::StoreU32(b_ + 12, v); }
  std::uint16_t SymbolRate() const { return static_cast<std::uint16_t>(bytes::GetField(b_ + 12, 0, 15)); }
  void SetSymbolRate(std::uint16_t v) { bytes::SetField(b_ + 12, 0, 15, v); }
  std::uint32_t Polarization() const { return bytes::GetField(b_ + 12, 16, 16); }
  void SetPolarization(std::uint32_t v) { bytes::SetField(b_ + 12, 16, 16, v); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(TransponderRecord) == TransponderRecord::kSize);
