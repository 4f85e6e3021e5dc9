#pragma once
// What an image holds beyond the database it carries: stored checksum words that do
// not match their sections, and bytes that no section covers which differ from what a
// fresh build lays out there (a receiver's own fill, a trailer word found further on).
// Kept with an export so that rebuilding the image gives it back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace imagextras {

struct ByteRun {
  std::size_t offset = 0;  // image offset
  std::vector<std::uint8_t> bytes;
  bool operator==(const ByteRun&) const = default;
};

struct StaleChecksum {
  std::string section;  // DatabaseImage::Section::name
  std::uint32_t stored = 0;
  bool operator==(const StaleChecksum&) const = default;
};

struct ImageExtras {
  std::vector<StaleChecksum> checksums;  // in section order
  std::vector<ByteRun> otherBytes;       // ascending, not touching each other
  bool Empty() const { return checksums.empty() && otherBytes.empty(); }
  bool operator==(const ImageExtras&) const = default;
};

// Compares the image (kImageSize bytes) with the one BuildImage makes of its own
// header and database under the DbType.
ImageExtras Find(const std::uint8_t* image, int dbType);

// True when [offset, offset + size) lies inside the image and away from the header,
// every section, checksum word and the extra word: bytes only ImageExtras may set.
bool IsOutsideSections(int dbType, std::size_t offset, std::size_t size);

// Writes the extras into an image BuildImage has just made. Stale checksums name
// sections of the DbType and runs lie outside the sections (callers check both).
void Apply(std::uint8_t* image, int dbType, const ImageExtras& extras);

}  // namespace imagextras
