#pragma once
// One transponder slot (16 bytes): owning satellite, frequency, symbol rate, polarization.
#include <cstddef>
#include <cstdint>

#include "db/records/RecordField.h"
#include "db/records/SlotRecord.h"

// Where each field of a transponder slot lies. The parts of flags, the frequency word
// and symbolWord name every bit of their word; "reserved" bits are cleared when the slot
// is set up, "preserved" ones belong to the receiver and are carried as they are.
struct TransponderFields : SlotFields {
  static constexpr RecordField kFlagsReserved2 = field::Bits("flagsReserved2", 0, 2, 3);
  static constexpr RecordField kHiddenBits = field::Bits("hiddenBits", 0, 4, 5);
  static constexpr RecordField kSatelliteIndex = field::Bits("satelliteIndex", 0, 6, 15);
  static constexpr RecordField kFlagsReserved16 = field::Bits("flagsReserved16", 0, 16, 16);
  // Also cleared when the transponder is deleted.
  static constexpr RecordField kFlagsReserved17 = field::Bits("flagsReserved17", 0, 17, 17);
  static constexpr RecordField kFlagsPreserved18 = field::Bits("flagsPreserved18", 0, 18, 31);
  static constexpr RecordField kReserved4 = field::U16("reserved4", 4);
  static constexpr RecordField kReserved6 = field::U16("reserved6", 6);
  static constexpr RecordField kFrequencyWord = field::U32("frequencyWord", 8);
  static constexpr RecordField kFrequency = field::Bits("frequency", 8, 0, 15);
  static constexpr RecordField kFrequencyReserved16 = field::Bits("frequencyReserved16", 8, 16, 31);
  static constexpr RecordField kSymbolWord = field::U32("symbolWord", 12);
  static constexpr RecordField kSymbolRate = field::Bits("symbolRate", 12, 0, 15);
  static constexpr RecordField kPolarization = field::Bits("polarization", 12, 16, 16);
  static constexpr RecordField kSymbolReserved17 = field::Bits("symbolReserved17", 12, 17, 19);
  static constexpr RecordField kSymbolPreserved20 = field::Bits("symbolPreserved20", 12, 20, 31);

  static constexpr RecordField kAll[] = {
      kFlags, kState, kFlagsReserved2, kHiddenBits, kSatelliteIndex, kFlagsReserved16, kFlagsReserved17,
      kFlagsPreserved18,
      kReserved4,
      kReserved6,
      kFrequencyWord, kFrequency, kFrequencyReserved16,
      kSymbolWord, kSymbolRate, kPolarization, kSymbolReserved17, kSymbolPreserved20,
  };
};

class TransponderRecord : public SlotRecord<TransponderFields, 16> {
  using F = TransponderFields;

 public:
  // polarization values
  static constexpr std::uint32_t kVertical = 0;
  static constexpr std::uint32_t kHorizontal = 1;

  // A used transponder with either hidden bit set is shown in no list.
  std::uint32_t HiddenBits() const { return Get<F::kHiddenBits>(); }
  void SetHiddenBits(std::uint32_t v) { Set<F::kHiddenBits>(v); }
  bool IsListed() const { return IsUsed() && HiddenBits() == 0; }
  std::uint32_t SatelliteIndex() const { return Get<F::kSatelliteIndex>(); }
  void SetSatelliteIndex(std::uint32_t v) { Set<F::kSatelliteIndex>(v); }

  std::uint16_t Reserved4() const { return static_cast<std::uint16_t>(Get<F::kReserved4>()); }
  void SetReserved4(std::uint16_t v) { Set<F::kReserved4>(v); }
  std::uint16_t Reserved6() const { return static_cast<std::uint16_t>(Get<F::kReserved6>()); }
  void SetReserved6(std::uint16_t v) { Set<F::kReserved6>(v); }

  // MHz
  std::uint32_t FrequencyWord() const { return Get<F::kFrequencyWord>(); }
  void SetFrequencyWord(std::uint32_t v) { Set<F::kFrequencyWord>(v); }
  std::uint16_t Frequency() const { return static_cast<std::uint16_t>(Get<F::kFrequency>()); }
  void SetFrequency(std::uint16_t v) { Set<F::kFrequency>(v); }

  std::uint32_t SymbolWord() const { return Get<F::kSymbolWord>(); }
  void SetSymbolWord(std::uint32_t v) { Set<F::kSymbolWord>(v); }
  std::uint16_t SymbolRate() const { return static_cast<std::uint16_t>(Get<F::kSymbolRate>()); }
  void SetSymbolRate(std::uint16_t v) { Set<F::kSymbolRate>(v); }
  std::uint32_t Polarization() const { return Get<F::kPolarization>(); }
  void SetPolarization(std::uint32_t v) { Set<F::kPolarization>(v); }
};
static_assert(sizeof(TransponderRecord) == TransponderRecord::kSize);
