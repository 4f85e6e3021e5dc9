#pragma once
// The 64-byte header that heads every transfer: the image header (db/image/ImageHeader.h)
// plus what the link adds: building the header the PC sends, and the checks the
// receiving side makes.
#include <cstddef>
#include <cstdint>

#include "db/image/ImageHeader.h"

class LinkHeader : public ImageHeader {
 public:
  // headerSum covers the bytes before it.
  static constexpr std::size_t kSummedBytes = ImageHeaderFields::kHeaderSum.offset;

  LinkHeader() = default;  // all zero
  explicit LinkHeader(const std::uint8_t* bytes) : ImageHeader(bytes) {}  // copies kSize bytes
  explicit LinkHeader(const ImageHeader& header) : ImageHeader(header) {}

  // The header the PC sends ahead of `dataLength` data bytes to a receiver of `dbType`
  // (0..3): identification texts, validFlag 1, the variant's imageTypeWord, dataSum
  // (left 0 for DbType 3) and a fresh headerSum.
  static LinkHeader ForSend(int dbType, const std::uint8_t* data, std::uint32_t dataLength);

  // imageTypeWord by DbType: 0x7FF70000, 0x40170000, 0x40180000, 0x40180000.
  static std::uint32_t ImageTypeWordFor(int dbType);
  // Sum of `count` bytes, each 0..255, modulo 2^32.
  static std::uint32_t DataSum(const std::uint8_t* data, std::size_t count);
  using ImageHeader::DataSum;  // the stored dataSum field

  bool MagicValid() const { return Magic() == kMagic; }
  bool HeaderSumValid() const { return HeaderSumMatches(); }
};
