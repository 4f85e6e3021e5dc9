#pragma once
// The 64-byte header that heads every transfer (and the image and document file).
// Multi-byte fields are little-endian; the bytes are kept as they came so that fields
// this program does not examine travel unchanged.
#include <array>
#include <cstddef>
#include <cstdint>

class LinkHeader {
 public:
  static constexpr std::size_t kSize = 64;
  static constexpr std::uint32_t kMagic = 0x04212510;
  // dataLength of a full image: the 0x70040-byte image without its header.
  static constexpr std::uint32_t kFullDataLength = 0x70000;

  // Field offsets and widths.
  static constexpr std::size_t kMagicOffset = 0;
  static constexpr std::size_t kMakerNameOffset = 4;
  static constexpr std::size_t kMakerNameWidth = 16;
  static constexpr std::size_t kValidFlagOffset = 20;
  static constexpr std::size_t kImageTypeWordOffset = 24;
  static constexpr std::size_t kDataLengthOffset = 28;
  static constexpr std::size_t kProductCodeOffset = 32;
  static constexpr std::size_t kProductCodeWidth = 6;
  static constexpr std::size_t kModelNameOffset = 38;
  static constexpr std::size_t kModelNameWidth = 10;
  static constexpr std::size_t kDataSumOffset = 48;
  static constexpr std::size_t kVersionTagOffset = 52;
  static constexpr std::size_t kVersionTagWidth = 8;
  static constexpr std::size_t kHeaderSumOffset = 60;
  // headerSum covers the bytes before it.
  static constexpr std::size_t kSummedBytes = kHeaderSumOffset;

  LinkHeader() = default;  // all zero
  // Copies kSize bytes.
  explicit LinkHeader(const std::uint8_t* bytes);

  // The header the PC sends ahead of `dataLength` data bytes to a receiver of `dbType`
  // (0..3): identification texts, validFlag 1, the variant's imageTypeWord, dataSum
  // (left 0 for DbType 3) and a fresh headerSum.
  static LinkHeader ForSend(int dbType, const std::uint8_t* data, std::uint32_t dataLength);

  // imageTypeWord by DbType: 0x7FF70000, 0x40170000, 0x40180000, 0x40180000.
  static std::uint32_t ImageTypeWordFor(int dbType);
  // Sum of `count` bytes, each 0..255, modulo 2^32.
  static std::uint32_t DataSum(const std::uint8_t* data, std::size_t count);

  const std::uint8_t* Bytes() const { return b_.data(); }
  std::uint8_t* Bytes() { return b_.data(); }
  const std::array<std::uint8_t, kSize>& Array() const { return b_; }

  std::uint32_t Magic() const { return LoadU32(kMagicOffset); }
  void SetMagic(std::uint32_t v) { StoreU32(kMagicOffset, v); }
  bool MagicValid() const { return Magic() == kMagic; }
  std::uint32_t ValidFlag() const { return LoadU32(kValidFlagOffset); }
  void SetValidFlag(std::uint32_t v) { StoreU32(kValidFlagOffset, v); }
  std::uint32_t ImageTypeWord() const { return LoadU32(kImageTypeWordOffset); }
  void SetImageTypeWord(std::uint32_t v) { StoreU32(kImageTypeWordOffset, v); }
  std::uint32_t DataLength() const { return LoadU32(kDataLengthOffset); }
  void SetDataLength(std::uint32_t v) { StoreU32(kDataLengthOffset, v); }
  std::uint32_t DataSumField() const { return LoadU32(kDataSumOffset); }
  void SetDataSumField(std::uint32_t v) { StoreU32(kDataSumOffset, v); }
  std::uint32_t HeaderSum() const { return LoadU32(kHeaderSumOffset); }
  void SetHeaderSum(std::uint32_t v) { StoreU32(kHeaderSumOffset, v); }

  // Fixed-width text fields, written NUL-padded to their width (longer text is cut).
  const std::uint8_t* MakerName() const { return b_.data() + kMakerNameOffset; }
  void SetMakerName(const char* text) { StoreText(kMakerNameOffset, kMakerNameWidth, text); }
  const std::uint8_t* ProductCode() const { return b_.data() + kProductCodeOffset; }
  void SetProductCode(const char* text) { StoreText(kProductCodeOffset, kProductCodeWidth, text); }
  const std::uint8_t* ModelName() const { return b_.data() + kModelNameOffset; }
  void SetModelName(const char* text) { StoreText(kModelNameOffset, kModelNameWidth, text); }
  const std::uint8_t* VersionTag() const { return b_.data() + kVersionTagOffset; }
  void SetVersionTag(const char* text) { StoreText(kVersionTagOffset, kVersionTagWidth, text); }

  // Sum of bytes 0..59 as they stand now.
  std::uint32_t ComputeHeaderSum() const;
  bool HeaderSumValid() const { return ComputeHeaderSum() == HeaderSum(); }
  void UpdateHeaderSum() { SetHeaderSum(ComputeHeaderSum()); }

 private:
  std::uint32_t LoadU32(std::size_t offset) const;
  void StoreU32(std::size_t offset, std::uint32_t v);
  void StoreText(std::size_t offset, std::size_t width, const char* text);

  std::array<std::uint8_t, kSize> b_{};
};
