#pragma once
// The one stored and transmitted form of a channel database: a 64-byte header and seven
// 64 KiB blocks, each section at a block offset that depends on the DbType and followed
// by its CRC-32.
#include <cstddef>
#include <cstdint>
#include <span>

#include "db/image/ExtraBlock.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"

namespace DatabaseImage {

inline constexpr std::size_t kHeaderSize = 64;
inline constexpr std::size_t kBlockSize = 0x10000;
inline constexpr std::size_t kBlockCount = 7;
inline constexpr std::size_t kDataLength = kBlockSize * kBlockCount;  // 0x70000
inline constexpr std::size_t kImageSize = kHeaderSize + kDataLength;  // 0x70040
// The trailer scan stops here; this position itself is never examined.
inline constexpr std::size_t kTrailerScanLimit = 65596;

inline constexpr std::size_t BlockOffset(std::size_t block) { return kHeaderSize + block * kBlockSize; }

// Where the trailer scan starts: just after block 0's checksum word (a larger block 0
// where it also holds the satellites).
inline constexpr std::size_t TrailerScanStart(int dbType) { return dbtype::HasExtraBlock(dbType) ? 5356 : 236; }

// One checksummed piece of the image.
struct Section {
  const char* name;         // as the check command names it
  std::size_t imageOffset;  // where the bytes start in the image
  std::size_t dbOffset;     // where they come from in ChannelDatabase
  std::size_t length;
  std::size_t checksumOffset() const { return imageOffset + length; }
};

// The checksummed sections of the image for a DbType, in image order.
std::span<const Section> Sections(int dbType);

// First position from `start`, in steps of 4, whose word is 0xFFFFFFFF or 0xCDCDCDCD;
// `limit` when none is found before it. The trailer word lies 64 bytes further on.
std::size_t FindTrailerPosition(const std::uint8_t* image, std::size_t start,
                                std::size_t limit = kTrailerScanLimit);

// Lays out the database into the kImageSize bytes at `out` under the DbType: header
// verbatim, fills, sections, checksums, trailer word, and for DbType 2 and 3 the
// extra word (taken from `extra`, 0 when null).
void BuildImage(const std::uint8_t* header, const ChannelDatabase& db, const ExtraBlock* extra,
                int dbType, std::uint8_t* out);

// Copies the sections of the image at `image` (kImageSize bytes) into the database
// under the DbType, and the extra word into `extra` when given. Nothing is verified.
void ParseImage(const std::uint8_t* image, int dbType, ChannelDatabase& db, ExtraBlock* extra);

// True when the stored checksum word of the section matches its bytes.
bool ChecksumMatches(const std::uint8_t* image, const Section& section);

}  // namespace DatabaseImage
