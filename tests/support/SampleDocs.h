#pragma once
// Documents and their images built the way the editor builds them: the sample database,
// or every table full, under a chosen DbType.
#include <cstdint>
#include <memory>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/DbType.h"

namespace testkit {

// Full tables when `fullSeed` is not 0 (the seed varies their content), else the sample.
inline std::unique_ptr<CQuelmarDoc> SampleDocument(int dbType = dbtype::kDefault, std::uint32_t fullSeed = 0) {
  auto doc = std::make_unique<CQuelmarDoc>();
  doc->SetDbType(dbType);
  auto db = std::make_unique<ChannelDatabase>();
  if (fullSeed != 0) {
    sample::BuildFullDatabase(*db, fullSeed);
  } else {
    sample::BuildSampleDatabase(*db);
  }
  doc->LoadDatabase(sample::MakeHeader(dbType), *db);
  return doc;
}

inline std::unique_ptr<CQuelmarDoc> FullDocument(int dbType, std::uint32_t seed = 5) {
  return SampleDocument(dbType, seed);
}

inline std::vector<std::uint8_t> ImageOf(CQuelmarDoc& doc) {
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  doc.BuildImage(image.data());
  return image;
}

inline std::vector<std::uint8_t> FullImage(int dbType) { return ImageOf(*FullDocument(dbType)); }

}  // namespace testkit
