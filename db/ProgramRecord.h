#pragma once
// One program (service) slot (44 bytes): transponder, name, PIDs, service id, type, lock.
// The five PIDs are read and written through the DbType's width rule; serviceId is
// always the whole 16-bit word.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/ByteOrder.h"
#include "db/DbType.h"
#include "db/SlotState.h"

enum class PidField : std::size_t { Pmt = 18, Audio = 22, Video = 24, Pcr = 26, Ttext = 28 };

class ProgramRecord {
 public:
  static constexpr std::size_t kSize = 44;
  static constexpr std::size_t kNameWidth = 14;
  static constexpr std::uint16_t kPresetOnCreate = 0xE000;
  // serviceType values
  static constexpr std::uint32_t kUnknown = 0;
  static constexpr std::uint32_t kTv = 1;
  static constexpr std::uint32_t kRadio = 2;

  // flags (offset 0)
  std::uint32_t Flags() const { return bytes::LoadU32(b_); }
  void SetFlags(std::uint32_t v) { bytes::StoreU32(b_, v); }
  SlotState State() const { return static_cast<SlotState>(bytes::GetField(b_, 0, 1)); }
  void SetState(SlotState s) { bytes::SetField(b_, 0, 1, static_cast<std::uint32_t>(s)); }
  bool IsUsed() const { return State() == SlotState::Used; }
  std::uint32_t TransponderIndex() const { return bytes::GetField(b_, 2, 17); }
  void SetTransponderIndex(std::uint32_t v) { bytes::SetField(b_, 2, 17, v); }

  // name (offset 4, 14 bytes)
  std::string Name() const { return bytes::LoadName(b_ + 4, kNameWidth); }
  void SetName(std::string_view name) { bytes::StoreName(b_ + 4, kNameWidth, name); }
  const std::uint8_t* NameField() const { return b_ + 4; }

  // PIDs under the width rule of the DbType in force
  std::uint16_t Pid(PidField f, int dbType) const { return dbtype::ReadPid(RawPid(f), dbType); }
  void SetPid(PidField f, std::uint32_t value, int dbType) { SetRawPid(f, dbtype::WritePid(value, dbType)); }
  std::uint16_t RawPid(PidField f) const { return bytes::LoadU16(b_ + static_cast<std::size_t>(f)); }
  void SetRawPid(PidField f, std::uint16_t v) { bytes::StoreU16(b_ + static_cast<std::size_t>(f), v); }

  std::uint16_t PmtPid(int dbType) const { return Pid(PidField::Pmt, dbType); }
  void SetPmtPid(std::uint32_t v, int dbType) { SetPid(PidField::Pmt, v, dbType); }
  std::uint16_t AudioPid(int dbType) const { return Pid(PidField::Audio, dbType); }
  void SetAudioPid(std::uint32_t v, int dbType) { SetPid(PidField::Audio, v, dbType); }
  std::uint16_t VideoPid(int dbType) const { return Pid(PidField::Video, dbType); }
  void SetVideoPid(std::uint32_t v, int dbType) { SetPid(PidField::Video, v, dbType); }
  std::uint16_t PcrPid(int dbType) const { return Pid(PidField::Pcr, dbType); }
  void SetPcrPid(std::uint32_t v, int dbType) { SetPid(PidField::Pcr, v, dbType); }
  std::uint16_t TtextPid(int dbType) const { return Pid(PidField::Ttext, dbType); }
  void SetTtextPid(std::uint32_t v, int dbType) { SetPid(PidField::Ttext, v, dbType); }

  std::uint16_t ServiceId() const { return bytes::LoadU16(b_ + 20); }
  void SetServiceId(std::uint16_t v) { bytes::StoreU16(b_ + 20, v); }
  std::uint16_t PresetWord() const { return bytes::LoadU16(b_ + 30); }
  void SetPresetWord(std::uint16_t v) { bytes::StoreU16(b_ + 30, v); }
  std::uint16_t Reserved36() const { return bytes::LoadU16(b_ + 36); }
  void SetReserved36(std::uint16_t v) { bytes::StoreU16(b_ + 36, v); }

  // attributes (offset 40)
  std::uint32_t Attributes() const { return bytes::LoadU32(b_ + 40); }
  void SetAttributes(std::uint32_t v) { bytes::StoreU32(b_ + 40, v); }
  std::uint32_t ServiceType() const { return bytes::GetField(b_ + 40, 0, 1); }
  void SetServiceType(std::uint32_t v) { bytes::SetField(b_ + 40, 0, 1, v); }
  bool Locked() const { return bytes::GetField(b_ + 40, 8, 8) != 0; }
  void SetLocked(bool on) { bytes::SetField(b_ + 40, 8, 8, on ? 1 : 0); }

  const std::uint8_t* Bytes() const { return b_; }
  std::uint8_t* Bytes() { return b_; }

 private:
  std::uint8_t b_[kSize] = {};
};
static_assert(sizeof(ProgramRecord) == ProgramRecord::kSize);
