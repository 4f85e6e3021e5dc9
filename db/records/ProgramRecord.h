#pragma once
// One program (service) slot (44 bytes): transponder, name, PIDs, service id, type, lock.
// The five PIDs are read and written through the DbType's width rule; serviceId is
// always the whole 16-bit word.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/records/DbType.h"
#include "db/records/RecordField.h"
#include "db/records/SlotRecord.h"

enum class PidField : std::size_t { Pmt, Audio, Video, Pcr, Ttext };

// Where each field of a program slot lies. The parts of flags and attributes name every
// bit of their word; "preserved" bits and bytes belong to the receiver and are carried
// as they are (reserved32 and reserved38 are read as numbers only to be listed).
struct ProgramFields : SlotFields {
  static constexpr RecordField kTransponderIndex = field::Bits("transponderIndex", 0, 2, 17);
  static constexpr RecordField kFlagsPreserved18 = field::Bits("flagsPreserved18", 0, 18, 31);
  static constexpr RecordField kName = field::Text("name", 4, 14);
  static constexpr RecordField kPmtPid = field::U16("pmtPid", 18);
  static constexpr RecordField kServiceId = field::U16("serviceId", 20);
  static constexpr RecordField kAudioPid = field::U16("audioPid", 22);
  static constexpr RecordField kVideoPid = field::U16("videoPid", 24);
  static constexpr RecordField kPcrPid = field::U16("pcrPid", 26);
  static constexpr RecordField kTtextPid = field::U16("ttextPid", 28);
  static constexpr RecordField kPresetWord = field::U16("presetWord", 30);
  static constexpr RecordField kReserved32 = field::U32("reserved32", 32);
  // Cleared when the program is deleted.
  static constexpr RecordField kReserved36 = field::U16("reserved36", 36);
  static constexpr RecordField kReserved38 = field::U16("reserved38", 38);
  static constexpr RecordField kAttributes = field::U32("attributes", 40);
  static constexpr RecordField kServiceType = field::Bits("serviceType", 40, 0, 1);
  static constexpr RecordField kAttributesPreserved2 = field::Bits("attributesPreserved2", 40, 2, 7);
  static constexpr RecordField kLocked = field::Bits("locked", 40, 8, 8);
  static constexpr RecordField kAttributesPreserved9 = field::Bits("attributesPreserved9", 40, 9, 31);

  // The PIDs in PidField order.
  static constexpr RecordField kPids[] = {kPmtPid, kAudioPid, kVideoPid, kPcrPid, kTtextPid};

  static constexpr RecordField kAll[] = {
      kFlags, kState, kTransponderIndex, kFlagsPreserved18,
      kName,
      kPmtPid, kServiceId, kAudioPid, kVideoPid, kPcrPid, kTtextPid,
      kPresetWord,
      kReserved32,
      kReserved36,
      kReserved38,
      kAttributes, kServiceType, kAttributesPreserved2, kLocked, kAttributesPreserved9,
  };
};

class ProgramRecord : public SlotRecord<ProgramFields, 44> {
  using F = ProgramFields;

 public:
  static constexpr std::size_t kNameWidth = F::kName.count;
  static constexpr std::uint16_t kPresetOnCreate = 0xE000;
  // serviceType values
  static constexpr std::uint32_t kUnknown = 0;
  static constexpr std::uint32_t kTv = 1;
  static constexpr std::uint32_t kRadio = 2;

  std::uint32_t TransponderIndex() const { return Get<F::kTransponderIndex>(); }
  void SetTransponderIndex(std::uint32_t v) { Set<F::kTransponderIndex>(v); }

  std::string Name() const { return GetText<F::kName>(); }
  void SetName(std::string_view name) { SetText<F::kName>(name); }
  const std::uint8_t* NameField() const { return b_ + F::kName.offset; }

  // PIDs under the width rule of the DbType in force
  std::uint16_t Pid(PidField f, int dbType) const { return dbtype::ReadPid(RawPid(f), dbType); }
  void SetPid(PidField f, std::uint32_t value, int dbType) { SetRawPid(f, dbtype::WritePid(value, dbType)); }
  std::uint16_t RawPid(PidField f) const { return static_cast<std::uint16_t>(field::Get(b_, PidOf(f))); }
  void SetRawPid(PidField f, std::uint16_t v) { field::Set(b_, PidOf(f), v); }

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

  std::uint16_t ServiceId() const { return static_cast<std::uint16_t>(Get<F::kServiceId>()); }
  void SetServiceId(std::uint16_t v) { Set<F::kServiceId>(v); }
  std::uint16_t PresetWord() const { return static_cast<std::uint16_t>(Get<F::kPresetWord>()); }
  void SetPresetWord(std::uint16_t v) { Set<F::kPresetWord>(v); }
  std::uint16_t Reserved36() const { return static_cast<std::uint16_t>(Get<F::kReserved36>()); }
  void SetReserved36(std::uint16_t v) { Set<F::kReserved36>(v); }

  std::uint32_t Attributes() const { return Get<F::kAttributes>(); }
  void SetAttributes(std::uint32_t v) { Set<F::kAttributes>(v); }
  std::uint32_t ServiceType() const { return Get<F::kServiceType>(); }
  void SetServiceType(std::uint32_t v) { Set<F::kServiceType>(v); }
  bool Locked() const { return Get<F::kLocked>() != 0; }
  void SetLocked(bool on) { Set<F::kLocked>(on ? 1 : 0); }

 private:
  static constexpr const RecordField& PidOf(PidField f) { return F::kPids[static_cast<std::size_t>(f)]; }
};
static_assert(sizeof(ProgramRecord) == ProgramRecord::kSize);
// Every PID is a field of the table, so RawPid reaches nothing the table does not list.
static_assert([] {
  for (const RecordField& pid : ProgramFields::kPids)
    if (!field::Declares(ProgramFields::kAll, pid)) return false;
  return true;
}());
