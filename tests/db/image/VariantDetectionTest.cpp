// Which DbTypes an image fits: its section checksums under each layout, narrowed by the
// header's image type word between the types that share a layout.
#include <gtest/gtest.h>

#include <vector>

#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"

namespace {

std::vector<std::uint8_t> Built(int dbType, std::uint32_t imageTypeWord) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  ImageHeader h = sample::MakeHeader(dbType);
  h.SetImageTypeWord(imageTypeWord);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(h.Bytes(), *db, nullptr, dbType, image.data());
  return image;
}

TEST(VariantDetection, EachTypeIsFoundFromAnyOther) {
  for (int built = 0; built < 4; ++built) {
    SCOPED_TRACE(built);
    const auto image = Built(built, dbtype::ImageTypeWord(built));
    // The checksums cannot tell the types of one layout apart.
    EXPECT_EQ(variant::MatchingTypes(image.data()), built < 2 ? (std::vector<int>{0, 1}) : (std::vector<int>{2, 3}));
    for (int inForce = 0; inForce < 4; ++inForce) {
      SCOPED_TRACE(inForce);
      const variant::Detection d = variant::Detect(image.data(), inForce);
      const bool sameLayout = (built < 2) == (inForce < 2);
      EXPECT_EQ(d.fitsInForce, sameLayout);
      EXPECT_EQ(d.Mismatch(), !sameLayout);
      if (sameLayout) {
        EXPECT_EQ(d.Suggestion(), -1);
      } else if (built < 2) {
        // TypeA and TypeB 7 carry different image type words: the header decides.
        EXPECT_EQ(d.Suggestion(), built);
      } else {
        // TypeB 6 and TypeC carry the same one: both are named, neither is offered.
        EXPECT_EQ(d.candidates, (std::vector<int>{2, 3}));
        EXPECT_EQ(d.Suggestion(), -1);
      }
    }
  }
}

TEST(VariantDetection, AHeaderNamingNoTypeLeavesTheLayoutsTypes) {
  const auto image = Built(0, 0x12345678u);
  const variant::Detection d = variant::Detect(image.data(), 3);
  EXPECT_EQ(d.candidates, (std::vector<int>{0, 1}));
  EXPECT_EQ(d.Suggestion(), -1);
  EXPECT_EQ(variant::TypeNames(d.candidates), "TypeA and TypeB 7 Block Size");
  // A TypeC header on a seven-block image names no type the image fits.
  EXPECT_EQ(variant::Detect(Built(1, dbtype::ImageTypeWord(3)).data(), 3).candidates, (std::vector<int>{0, 1}));
}

TEST(VariantDetection, AnImageThatFitsNothingOpensAsBefore) {
  const auto image = testdata::RandomImage(7);
  EXPECT_TRUE(variant::MatchingTypes(image.data()).empty());
  const variant::Detection d = variant::Detect(image.data(), 3);
  EXPECT_TRUE(d.fitsInForce);
  EXPECT_FALSE(d.Mismatch());
  EXPECT_EQ(d.Suggestion(), -1);
}

TEST(VariantDetection, TypeNames) {
  EXPECT_EQ(variant::TypeNames({3}), "TypeC");
  EXPECT_EQ(variant::TypeNames({0, 1, 2}), "TypeA, TypeB 7 Block Size and TypeB 6 Block Size");
}

}  // namespace
