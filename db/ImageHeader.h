#pragma once
// The 64-byte header that heads every database image, document file and transfer,
// kept as the bytes that arrived, with an accessor for each field.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/ByteOrder.h"

class ImageHeader {
 public:
  static constexpr std::size_t kSize = 64;
  static constexpr std::uint32_t kMagic = 0x04212510u;
  static constexpr std::uint32_t kFullDataLength = 0x70000u;

  // Field offsets and widths.
  static constexpr std::size_t kMagicOffset = 0;
  static constexpr std::size_t kMakerNameOffset = 4, kMakerNameWidth = 16;
  static constexpr std::size_t kValidFlagOffset = 20;
  static constexpr std::size_t kImageTypeWordOffset = 24;
  static constexpr std::size_t kDataLengthOffset = 28;
  static constexpr std::size_t kProductCodeOffset = 32, kProductCodeWidth = 6;
  static constexpr std::size_t kModelNameOffset = 38, kModelNameWidth = 10;
  static constexpr std::size_t kDataSumOffset = 48;
  static constexpr std::size_t kVersionTagOffset = 52, kVersionTagWidth = 8;
  static constexpr std::size_t kHeaderSumOffset = 60;

  ImageHeader() = default;
  explicit ImageHeader(const std::uint8_t* src) { Assign(src); }
  void Assign(const std::uint8_t* src) {
    for (std::size_t i = 0; i < kSize; ++i) b_[i] = src[i];
  }
  void CopyTo(std::uint8_t* dst) const {
    for (std::size_t i = 0; i < kSize; ++i) dst[i] = b_[i];
  }

  std::uint32_t Magic() const { return Word(kMagicOffset); }
  void SetMagic(std::uint32_t v) { SetWord(kMagicOffset, v); }
  std::uint32_t ValidFlag() const { return Word(kValidFlagOffset); }
  void SetValidFlag(std::uint32_t v) { SetWord(kValidFlagOffset, v); }
  std::uint32_t ImageTypeWord() const { return Word(kImageTypeWordOffset); }
  void SetImageTypeWord(std::uint32_t v) { SetWord(kImageTypeWordOffset, v); }
  std::uint32_t DataLength() const { return Word(kDataLengthOffset); }
  void SetDataLength(std::uint32_t v) { SetWord(kDataLengthOffset, v); }
  std::uint32_t DataSum() const { return Word(kDataSumOffset); }
  void SetDataSum(std::uint32_t v) { SetWord(kDataSumOffset, v); }
  std::uint32_t HeaderSum() const { return Word(kHeaderSumOffset); }
  void SetHeaderSum(std::uint32_t v) { SetWord(kHeaderSumOffset, v); }

  // Text fields: the bytes up to the first NUL, at most the field width. Setting one
  // writes at most the width and clears the rest of the field.
  std::string MakerName() const { return bytes::LoadName(b_.data() + kMakerNameOffset, kMakerNameWidth); }
  void SetMakerName(std::string_view s) { bytes::StoreName(b_.data() + kMakerNameOffset, kMakerNameWidth, s); }
  std::string ProductCode() const { return bytes::LoadName(b_.data() + kProductCodeOffset, kProductCodeWidth); }
  void SetProductCode(std::string_view s) { bytes::StoreName(b_.data() + kProductCodeOffset, kProductCodeWidth, s); }
  std::string ModelName() const { return bytes::LoadName(b_.data() + kModelNameOffset, kModelNameWidth); }
  void SetModelName(std::string_view s) { bytes::StoreName(b_.data() + kModelNameOffset, kModelNameWidth, s); }
  std::string VersionTag() const { return bytes::LoadName(b_.data() + kVersionTagOffset, kVersionTagWidth); }
  void SetVersionTag(std::string_view s) { bytes::StoreName(b_.data() + kVersionTagOffset, kVersionTagWidth, s); }

  // 32-bit sum of bytes 0-59, the value headerSum should hold.
  std::uint32_t ComputeHeaderSum() const { return ComputeHeaderSum(b_.data()); }
  static std::uint32_t ComputeHeaderSum(const std::uint8_t* header) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kHeaderSumOffset; ++i) sum += header[i];
    return sum;
  }
  bool HeaderSumMatches() const { return HeaderSum() == ComputeHeaderSum(); }
  void UpdateHeaderSum() { SetHeaderSum(ComputeHeaderSum()); }

  const std::uint8_t* Bytes() const { return b_.data(); }
  std::uint8_t* Bytes() { return b_.data(); }
  bool operator==(const ImageHeader&) const = default;

 private:
  std::uint32_t Word(std::size_t off) const { return bytes::LoadU32(b_.data() + off); }
  void SetWord(std::size_t off, std::uint32_t v) { bytes::StoreU32(b_.data() + off, v); }

  std::array<std::uint8_t, kSize> b_{};
};
static_assert(sizeof(ImageHeader) == ImageHeader::kSize);
