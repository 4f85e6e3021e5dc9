#include "db/image/ImageExtras.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "db/image/DatabaseImage.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/records/ByteOrder.h"
#include "db/records/DbType.h"

namespace imagextras {
namespace {

// Runs closer than this are joined, so a receiver's scattered fill reads as a few runs.
constexpr std::size_t kJoinGap = 16;

constexpr std::size_t kExtraWordOffset = DatabaseImage::BlockOffset(6);

// Covered intervals [begin, end) in ascending order.
std::vector<std::pair<std::size_t, std::size_t>> Covered(int dbType) {
  std::vector<std::pair<std::size_t, std::size_t>> out{{0, DatabaseImage::kHeaderSize}};
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
    out.emplace_back(s.imageOffset, s.checksumOffset() + 4);
  if (dbtype::HasExtraBlock(dbType)) out.emplace_back(kExtraWordOffset, kExtraWordOffset + 4);
  return out;
}

}  // namespace

bool IsOutsideSections(int dbType, std::size_t offset, std::size_t size) {
  if (size == 0 || offset > DatabaseImage::kImageSize || size > DatabaseImage::kImageSize - offset) return false;
  for (const auto& [begin, end] : Covered(dbType))
    if (offset < end && begin < offset + size) return false;
  return true;
}

ImageExtras Find(const std::uint8_t* image, int dbType) {
  auto db = std::make_unique<ChannelDatabase>();
  auto extra = std::make_unique<ExtraBlock>();
  DatabaseImage::ParseImage(image, dbType, *db, extra.get());
  std::vector<std::uint8_t> rebuilt(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(image, *db, extra.get(), dbType, rebuilt.data());

  ImageExtras out;
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
    if (!DatabaseImage::ChecksumMatches(image, s))
      out.checksums.push_back({s.name, bytes::LoadU32(image + s.checksumOffset())});

  // Walk the gaps between covered intervals; a run never spans two gaps.
  const auto covered = Covered(dbType);
  for (std::size_t k = 0; k < covered.size(); ++k) {
    const std::size_t gapBegin = covered[k].second;
    const std::size_t gapEnd = k + 1 < covered.size() ? covered[k + 1].first : DatabaseImage::kImageSize;
    ByteRun* run = nullptr;
    std::size_t runEnd = 0;
    for (std::size_t i = gapBegin; i < gapEnd; ++i) {
      if (image[i] == rebuilt[i]) continue;
      if (run && i - runEnd < kJoinGap) {
        run->bytes.insert(run->bytes.end(), image + runEnd, image + i + 1);
      } else {
        out.otherBytes.push_back({i, {image[i]}});
        run = &out.otherBytes.back();
      }
      runEnd = i + 1;
    }
  }
  return out;
}

void Apply(std::uint8_t* image, int dbType, const ImageExtras& extras) {
  for (const StaleChecksum& c : extras.checksums)
    for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
      if (c.section == s.name) bytes::StoreU32(image + s.checksumOffset(), c.stored);
  for (const ByteRun& r : extras.otherBytes)
    if (IsOutsideSections(dbType, r.offset, r.bytes.size()))
      std::copy(r.bytes.begin(), r.bytes.end(), image + r.offset);
}

}  // namespace imagextras
