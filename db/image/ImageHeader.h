#pragma once
// The 64-byte header that heads every database image, document file and transfer,
// kept as the bytes that arrived, with an accessor for each field.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "db/records/RecordBytes.h"
#include "db/records/RecordField.h"

// Where each field of the header lies.
struct ImageHeaderFields {
  static constexpr RecordField kMagic = field::U32("magic", 0);
  static constexpr RecordField kMakerName = field::Text("makerName", 4, 16);
  static constexpr RecordField kValidFlag = field::U32("validFlag", 20);
  static constexpr RecordField kImageTypeWord = field::U32("imageTypeWord", 24);
  static constexpr RecordField kDataLength = field::U32("dataLength", 28);
  static constexpr RecordField kProductCode = field::Text("productCode", 32, 6);
  static constexpr RecordField kModelName = field::Text("modelName", 38, 10);
  static constexpr RecordField kDataSum = field::U32("dataSum", 48);
  static constexpr RecordField kVersionTag = field::Text("versionTag", 52, 8);
  // The sum of every byte before it.
  static constexpr RecordField kHeaderSum = field::U32("headerSum", 60);

  static constexpr RecordField kAll[] = {
      kMagic, kMakerName, kValidFlag, kImageTypeWord, kDataLength,
      kProductCode, kModelName, kDataSum, kVersionTag, kHeaderSum,
  };
};

class ImageHeader : public RecordBytes<ImageHeaderFields, 64> {
  using F = ImageHeaderFields;

 public:
  static constexpr std::uint32_t kMagic = 0x04212510u;
  static constexpr std::uint32_t kFullDataLength = 0x70000u;

  ImageHeader() = default;
  explicit ImageHeader(const std::uint8_t* src) { Assign(src); }
  void Assign(const std::uint8_t* src) { std::memcpy(b_, src, kSize); }
  void CopyTo(std::uint8_t* dst) const { std::memcpy(dst, b_, kSize); }

  std::uint32_t Magic() const { return Get<F::kMagic>(); }
  void SetMagic(std::uint32_t v) { Set<F::kMagic>(v); }
  std::uint32_t ValidFlag() const { return Get<F::kValidFlag>(); }
  void SetValidFlag(std::uint32_t v) { Set<F::kValidFlag>(v); }
  std::uint32_t ImageTypeWord() const { return Get<F::kImageTypeWord>(); }
  void SetImageTypeWord(std::uint32_t v) { Set<F::kImageTypeWord>(v); }
  std::uint32_t DataLength() const { return Get<F::kDataLength>(); }
  void SetDataLength(std::uint32_t v) { Set<F::kDataLength>(v); }
  std::uint32_t DataSum() const { return Get<F::kDataSum>(); }
  void SetDataSum(std::uint32_t v) { Set<F::kDataSum>(v); }
  std::uint32_t HeaderSum() const { return Get<F::kHeaderSum>(); }
  void SetHeaderSum(std::uint32_t v) { Set<F::kHeaderSum>(v); }

  // Text fields: the bytes up to the first NUL, at most the field width. Setting one
  // writes at most the width and clears the rest of the field.
  std::string MakerName() const { return GetText<F::kMakerName>(); }
  void SetMakerName(std::string_view s) { SetText<F::kMakerName>(s); }
  std::string ProductCode() const { return GetText<F::kProductCode>(); }
  void SetProductCode(std::string_view s) { SetText<F::kProductCode>(s); }
  std::string ModelName() const { return GetText<F::kModelName>(); }
  void SetModelName(std::string_view s) { SetText<F::kModelName>(s); }
  std::string VersionTag() const { return GetText<F::kVersionTag>(); }
  void SetVersionTag(std::string_view s) { SetText<F::kVersionTag>(s); }

  // 32-bit sum of the bytes before headerSum, the value headerSum should hold.
  std::uint32_t ComputeHeaderSum() const { return ComputeHeaderSum(b_); }
  static std::uint32_t ComputeHeaderSum(const std::uint8_t* header) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < F::kHeaderSum.offset; ++i) sum += header[i];
    return sum;
  }
  bool HeaderSumMatches() const { return HeaderSum() == ComputeHeaderSum(); }
  void UpdateHeaderSum() { SetHeaderSum(ComputeHeaderSum()); }

  bool operator==(const ImageHeader&) const = default;
};
static_assert(sizeof(ImageHeader) == ImageHeader::kSize);
