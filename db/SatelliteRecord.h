#pragma once
// One satellite slot (32 bytes): state, name, LNB and switch settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/ByteOrder.h"
#include "db/SlotState.h"

class SatelliteRecord {
 public:
  static constexpr std::size_t kSize = 32;
  static constexpr std::size_t kNameWidth = 16;
  static constexpr std::uint16_t kDefaultLnbFreq = 5150;

  // lnbType values
  static constexpr std::uint32_t kLnbStandard = 0;
  static constexpr std::uint32_t kLnbUniversal = 1;
  // diseqcPort values: 0 Off, 1 A, 2 B, 3-6 Port 1-4
  static constexpr std::uint32_t kDiseqcPortCount = 7;

  // flags (offset 0)
  std::uint32_t Flags() const { return bytes::LoadU32(b_); }
  void SetFlags(std::uint32_t v) { bytes::StoreU32(b_, v); }
  SlotState State() const { return static_cast<SlotState>(bytes::GetField(b_, 0, 1)); }
  void SetState(SlotState s) { bytes::SetField(b_, 0, 1, static_cast<std::uint32_t>(s)); }
  bool IsUsed() const { return State() == SlotState::Used; }
  std::uint32_t SelfIndex() const { return bytes::GetField(b_, 4, 13); }
  void SetSelfIndex(std::uint32_t v) { bytes::SetField(b_, 4, 13, v); }
  bool Selected() const { return bytes::GetField(b_, 16, 16) != 0; }
  void SetSelected(bool on) { bytes::SetField(b_, 16, 16, on ? 1 : 0); }

  // name (offset 4, 16 bytes)
  std::string Name() const { return bytes::LoadName(b_ + 4, kNameWidth); }
  void SetName(std::string_view name) { bytes::StoreName(b_ + 4, kNameWidth, name); }
  bool NameIs(std::string_view name) const { return bytes::NameEquals(b_ + 4, kNameWidth, name); }
  const std::uint8_t* NameField() const { return b_ + 4; }

  // lnbWord (offset 20)
  std::uint32_t LnbWord() const { return bytes::LoadU32(b_ + 20); }
  void SetLnbWord(std::uint32_t v) { bytes::StoreU32(b_ + 20, v); }
  std::uint32_t LnbType() const { return bytes::GetField(b_ + 20, 18, 21); }
  void SetLnbType(std::uint32_t v) { bytes::SetField(b_ + 20, 18, 21, v); }
  bool Tone22k() const { return bytes::GetField(b_ + 20, 22, 22) != 0; }
  void SetTone22k(bool on) { bytes::SetField(b_ + 20, 22, 22, on ? 1 : 0); }
  // false = 0 V, true = 12 V
  bool LnbPower() const { return bytes::GetField(b_ + 20, 23, 23) != 0; }
  void SetLnbPower(bool on) { bytes::SetField(b_ + 20, 23, 23, on ? 1 : 0); }
  std::uint32_t DiseqcPort() const { return bytes::GetField(b_ + 20, 24, 26); }
  void SetDiseqcPort(std::uint32_t v) { bytes::SetField(b_ + 20, 24, 26, v); }

  // motorWord (offset 24)
  std::uint32_t MotorWord() const { return bytes::LoadU32(b_ + 24); }
  void SetMotorWord(std::uint32_t v) { bytes::StoreU32(b_ + 24, v); }
  std::uint32_t Motor() const { return bytes::GetField(b_ + 24, 0, 1); }
  void SetMotor(std::uint32_t v) { bytes::SetField(b_ + 24, 0, 1, v); }

  std::uint16_t LnbFreqHigh() const { return bytes::LoadU16(b_ + 28); }
  void SetLnbFreqHigh(std::uint16_t v) { bytes::StoreU16(b_ + 28, v); }
  std::uint16_t LnbFreqLow() const { return bytes::LoadU16(b_ + 30); }
  void SetLnbFreqLow(std::uint16_t v) { bytes::StoreU16(b_ + 30, v); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(SatelliteRecord) == SatelliteRecord::kSize);
