#pragma once
// Full database images built the way the editor builds them, for whole-transfer tests.
#include <memory>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"

// A document holding every table full, under `dbType`.
inline std::unique_ptr<CQuelmarDoc> FullDocument(int dbType) {
  auto doc = std::make_unique<CQuelmarDoc>();
  doc->SetDbType(dbType);
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db, 5);
  doc->LoadDatabase(sample::MakeHeader(dbType), *db);
  return doc;
}

inline std::vector<std::uint8_t> FullImage(int dbType) {
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  FullDocument(dbType)->BuildImage(image.data());
  return image;
}
