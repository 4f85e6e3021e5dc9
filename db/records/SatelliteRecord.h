#pragma once
// One satellite slot (32 bytes): state, name, LNB and switch settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/records/RecordField.h"
#include "db/records/SlotRecord.h"

// Where each field of a satellite slot lies. The parts of flags, lnbWord and motorWord
// name every bit of their word; "reserved" bits are cleared when the slot is set up,
// "preserved" ones belong to the receiver and are carried as they are.
struct SatelliteFields : SlotFields {
  static constexpr RecordField kFlagsReserved2 = field::Bits("flagsReserved2", 0, 2, 3);
  static constexpr RecordField kSelfIndex = field::Bits("selfIndex", 0, 4, 13);
  static constexpr RecordField kFlagsReserved14 = field::Bits("flagsReserved14", 0, 14, 14);
  static constexpr RecordField kFlagsReserved15 = field::Bits("flagsReserved15", 0, 15, 15);
  static constexpr RecordField kSelected = field::Bits("selected", 0, 16, 16);
  static constexpr RecordField kFlagsPreserved17 = field::Bits("flagsPreserved17", 0, 17, 31);
  static constexpr RecordField kName = field::Text("name", 4, 16);
  static constexpr RecordField kLnbWord = field::U32("lnbWord", 20);
  static constexpr RecordField kLnbReserved0 = field::Bits("lnbReserved0", 20, 0, 17);
  static constexpr RecordField kLnbType = field::Bits("lnbType", 20, 18, 21);
  static constexpr RecordField kTone22k = field::Bits("tone22k", 20, 22, 22);
  static constexpr RecordField kLnbPower = field::Bits("lnbPower", 20, 23, 23);
  static constexpr RecordField kDiseqcPort = field::Bits("diseqcPort", 20, 24, 26);
  static constexpr RecordField kLnbReserved27 = field::Bits("lnbReserved27", 20, 27, 31);
  static constexpr RecordField kMotorWord = field::U32("motorWord", 24);
  static constexpr RecordField kMotor = field::Bits("motor", 24, 0, 1);
  static constexpr RecordField kMotorReserved2 = field::Bits("motorReserved2", 24, 2, 9);
  static constexpr RecordField kMotorPreserved10 = field::Bits("motorPreserved10", 24, 10, 31);
  static constexpr RecordField kLnbFreqHigh = field::U16("lnbFreqHigh", 28);
  static constexpr RecordField kLnbFreqLow = field::U16("lnbFreqLow", 30);

  static constexpr RecordField kAll[] = {
      kFlags, kState, kFlagsReserved2, kSelfIndex, kFlagsReserved14, kFlagsReserved15, kSelected, kFlagsPreserved17,
      kName,
      kLnbWord, kLnbReserved0, kLnbType, kTone22k, kLnbPower, kDiseqcPort, kLnbReserved27,
      kMotorWord, kMotor, kMotorReserved2, kMotorPreserved10,
      kLnbFreqHigh,
      kLnbFreqLow,
  };
};

class SatelliteRecord : public SlotRecord<SatelliteFields, 32> {
  using F = SatelliteFields;

 public:
  static constexpr std::size_t kNameWidth = F::kName.count;
  static constexpr std::uint16_t kDefaultLnbFreq = 5150;

  // lnbType values
  static constexpr std::uint32_t kLnbStandard = 0;
  static constexpr std::uint32_t kLnbUniversal = 1;
  // diseqcPort values: 0 Off, 1 A, 2 B, 3-6 Port 1-4
  static constexpr std::uint32_t kDiseqcPortCount = 7;

  std::uint32_t SelfIndex() const { return Get<F::kSelfIndex>(); }
  void SetSelfIndex(std::uint32_t v) { Set<F::kSelfIndex>(v); }
  bool Selected() const { return Get<F::kSelected>() != 0; }
  void SetSelected(bool on) { Set<F::kSelected>(on ? 1 : 0); }

  std::string Name() const { return GetText<F::kName>(); }
  void SetName(std::string_view name) { SetText<F::kName>(name); }
  bool NameIs(std::string_view name) const { return TextIs<F::kName>(name); }
  const std::uint8_t* NameField() const { return b_ + F::kName.offset; }

  std::uint32_t LnbWord() const { return Get<F::kLnbWord>(); }
  void SetLnbWord(std::uint32_t v) { Set<F::kLnbWord>(v); }
  std::uint32_t LnbType() const { return Get<F::kLnbType>(); }
  void SetLnbType(std::uint32_t v) { Set<F::kLnbType>(v); }
  bool Tone22k() const { return Get<F::kTone22k>() != 0; }
  void SetTone22k(bool on) { Set<F::kTone22k>(on ? 1 : 0); }
  // false = 0 V, true = 12 V
  bool LnbPower() const { return Get<F::kLnbPower>() != 0; }
  void SetLnbPower(bool on) { Set<F::kLnbPower>(on ? 1 : 0); }
  std::uint32_t DiseqcPort() const { return Get<F::kDiseqcPort>(); }
  void SetDiseqcPort(std::uint32_t v) { Set<F::kDiseqcPort>(v); }

  std::uint32_t MotorWord() const { return Get<F::kMotorWord>(); }
  void SetMotorWord(std::uint32_t v) { Set<F::kMotorWord>(v); }
  std::uint32_t Motor() const { return Get<F::kMotor>(); }
  void SetMotor(std::uint32_t v) { Set<F::kMotor>(v); }

  std::uint16_t LnbFreqHigh() const { return static_cast<std::uint16_t>(Get<F::kLnbFreqHigh>()); }
  void SetLnbFreqHigh(std::uint16_t v) { Set<F::kLnbFreqHigh>(v); }
  std::uint16_t LnbFreqLow() const { return static_cast<std::uint16_t>(Get<F::kLnbFreqLow>()); }
  void SetLnbFreqLow(std::uint16_t v) { Set<F::kLnbFreqLow>(v); }
};
static_assert(sizeof(SatelliteRecord) == SatelliteRecord::kSize);
