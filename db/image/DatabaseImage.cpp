#include "db/image/DatabaseImage.h"

#include <cstring>

#include "db/image/Crc32.h"
#include "db/records/ByteOrder.h"

namespace DatabaseImage {
namespace {

using DB = ChannelDatabase;

constexpr std::size_t kSystemOnlyLength = SystemBlock::kSize;                    // 168
constexpr std::size_t kSystemAndSatellitesLength = DB::kTranspondersOffset;      // 5288
constexpr std::size_t kExtraWordOffset = BlockOffset(6);                         // 0x60040

// Seven-block variants: each section in its own block(s).
constexpr Section kSevenBlock[] = {
    {"system", BlockOffset(0), DB::kSystemOffset, kSystemOnlyLength},
    {"satellites", BlockOffset(1), DB::kSatellitesOffset, DB::kSatellitesSize},
    {"transponders", BlockOffset(2), DB::kTranspondersOffset, DB::kTranspondersSize},
    {"programs", BlockOffset(3), DB::kProgramsOffset, DB::kProgramsSize},
    {"channel lists", BlockOffset(6), DB::kChannelListsOffset, ChannelListBlock::kSize},
};

// Six-block variants: system block and satellites share block 0 and one checksum.
constexpr Section kSixBlock[] = {
    {"system and satellites", BlockOffset(0), DB::kSystemOffset, kSystemAndSatellitesLength},
    {"transponders", BlockOffset(1), DB::kTranspondersOffset, DB::kTranspondersSize},
    {"programs", BlockOffset(2), DB::kProgramsOffset, DB::kProgramsSize},
    {"channel lists", BlockOffset(5), DB::kChannelListsOffset, ChannelListBlock::kSize},
};

static_assert(kSevenBlock[0].imageOffset + kSevenBlock[0].length + 4 == 236);
static_assert(kSixBlock[0].imageOffset + kSixBlock[0].length + 4 == 5356);

bool SixBlock(int dbType) { return dbtype::HasExtraBlock(dbType); }

const std::uint8_t* DbBytes(const ChannelDatabase& db) { return reinterpret_cast<const std::uint8_t*>(&db); }
std::uint8_t* DbBytes(ChannelDatabase& db) { return reinterpret_cast<std::uint8_t*>(&db); }

}  // namespace

std::span<const Section> Sections(int dbType) {
  if (SixBlock(dbType)) return kSixBlock;
  return kSevenBlock;
}

std::size_t FindTrailerPosition(const std::uint8_t* image, std::size_t start, std::size_t limit) {
  std::size_t p = start;
  while (p < limit) {
    const std::uint32_t w = bytes::LoadU32(image + p);
    if (w == 0xFFFFFFFFu || w == 0xCDCDCDCDu) return p;
    p += 4;
  }
  return p;
}

void BuildImage(const std::uint8_t* header, const ChannelDatabase& db, const ExtraBlock* extra,
                int dbType, std::uint8_t* out) {
  std::memcpy(out, header, kHeaderSize);
  // Block 0 is erased flash (0xFF) in every variant. The six-block variants clear the
  // other blocks; for the seven-block ones we erase them too, so one database always
  // gives the same file.
  std::memset(out + BlockOffset(0), 0xFF, kBlockSize);
  std::memset(out + BlockOffset(1), SixBlock(dbType) ? 0x00 : 0xFF, kDataLength - kBlockSize);

  const std::uint8_t* src = DbBytes(db);
  const auto sections = Sections(dbType);
  for (const Section& s : sections) {
    std::memcpy(out + s.imageOffset, src + s.dbOffset, s.length);
    bytes::StoreU32(out + s.checksumOffset(), crc32::Checksum(src + s.dbOffset, s.length));
  }
  // The trailer word goes where the receiver's scan will find it: the first erased
  // word after block 0's checksum, plus the header size.
  const std::size_t p = FindTrailerPosition(out, TrailerScanStart(dbType));
  bytes::StoreU32(out + p + kHeaderSize, db.trailerWord);

  if (SixBlock(dbType)) bytes::StoreU32(out + kExtraWordOffset, extra ? extra->ExtraWord() : 0);
}

void ParseImage(const std::uint8_t* image, int dbType, ChannelDatabase& db, ExtraBlock* extra) {
  std::uint8_t* dst = DbBytes(db);
  for (const Section& s : Sections(dbType)) std::memcpy(dst + s.dbOffset, image + s.imageOffset, s.length);
  const std::size_t p = FindTrailerPosition(image, TrailerScanStart(dbType));
  db.trailerWord = bytes::LoadU32(image + p + kHeaderSize);
  if (SixBlock(dbType) && extra) extra->SetExtraWord(bytes::LoadU32(image + kExtraWordOffset));
}

bool ChecksumMatches(const std::uint8_t* image, const Section& section) {
  return bytes::LoadU32(image + section.checksumOffset()) ==
         crc32::Checksum(image + section.imageOffset, section.length);
}

}  // namespace DatabaseImage
