// The image layout, the checksum and the trailer scan for every DbType.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "db/image/Crc32.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/RandomBytes.h"

namespace {

using Image = std::vector<std::uint8_t>;

Image Build(const ChannelDatabase& db, int dbType, const ExtraBlock* extra = nullptr) {
  Image image(DatabaseImage::kImageSize, 0x5A);
  const ImageHeader h = sample::MakeHeader(dbType);
  DatabaseImage::BuildImage(h.Bytes(), db, extra, dbType, image.data());
  return image;
}

bool AllBytes(const Image& image, std::size_t from, std::size_t to, std::uint8_t value) {
  for (std::size_t i = from; i < to; ++i)
    if (image[i] != value) return false;
  return true;
}

std::unique_ptr<ChannelDatabase> RandomDb(std::uint32_t seed) {
  auto db = std::make_unique<ChannelDatabase>();
  testdata::FillRandom(*db, seed);
  return db;
}

TEST(Crc, CheckValueAndTable) {
  const char* check = "123456789";
  EXPECT_EQ(crc32::Checksum(reinterpret_cast<const std::uint8_t*>(check), 9), 0x0376E6E7u);
  const auto table = crc32::BuildCrcTable();
  EXPECT_EQ(table[0], 0u);
  EXPECT_EQ(table[1], 0x04C11DB7u);
  EXPECT_EQ(table[255], 0xB1F740B4u);
  // Feeding in pieces gives the same register as one pass.
  const auto* p = reinterpret_cast<const std::uint8_t*>(check);
  EXPECT_EQ(crc32::UpdateCrc(crc32::UpdateCrc(crc32::kInitial, p, 4), p + 4, 5), 0x0376E6E7u);
}

// The fast checksum agrees with the plain one-byte-at-a-time definition at every
// length and alignment.
TEST(Crc, MatchesBytewiseDefinition) {
  const auto table = crc32::BuildCrcTable();
  std::vector<std::uint8_t> data(300);
  testdata::FillRandom(data.data(), data.size(), 42);
  for (std::size_t start = 0; start < 9; ++start) {
    for (std::size_t len = 0; len + start <= data.size(); len += 7) {
      std::uint32_t ref = 0xFFFFFFFFu;
      for (std::size_t i = 0; i < len; ++i) ref = (ref << 8) ^ table[(ref >> 24) ^ data[start + i]];
      ASSERT_EQ(crc32::Checksum(data.data() + start, len), ref) << start << "+" << len;
    }
  }
}

TEST(Image, SevenBlockLayout) {
  auto db = RandomDb(1);
  for (int dbType : {0, 1}) {
    const Image image = Build(*db, dbType);
    const auto* src = reinterpret_cast<const std::uint8_t*>(db.get());
    EXPECT_EQ(std::memcmp(image.data() + 64, src, 168), 0);
    EXPECT_EQ(bytes::LoadU32(&image[232]), crc32::Checksum(src, 168));
    EXPECT_TRUE(AllBytes(image, 236, 300, 0xFF));
    EXPECT_EQ(bytes::LoadU32(&image[300]), db->trailerWord);
    EXPECT_TRUE(AllBytes(image, 304, 65600, 0xFF));
    EXPECT_EQ(std::memcmp(&image[65600], src + 168, 5120), 0);
    EXPECT_EQ(bytes::LoadU32(&image[70720]), crc32::Checksum(src + 168, 5120));
    EXPECT_EQ(std::memcmp(&image[131136], src + 5288, 33600), 0);
    EXPECT_EQ(bytes::LoadU32(&image[164736]), crc32::Checksum(src + 5288, 33600));
    EXPECT_EQ(std::memcmp(&image[196672], src + 38888, 176000), 0);
    EXPECT_EQ(bytes::LoadU32(&image[372672]), crc32::Checksum(src + 38888, 176000));
    EXPECT_EQ(std::memcmp(&image[393280], src + 214888, 17808), 0);
    EXPECT_EQ(bytes::LoadU32(&image[411088]), crc32::Checksum(src + 214888, 17808));
    // Uncovered bytes of the later blocks are erased flash, so the file is reproducible.
    EXPECT_TRUE(AllBytes(image, 70724, 131136, 0xFF));
    EXPECT_TRUE(AllBytes(image, 411092, image.size(), 0xFF));
    EXPECT_EQ(DatabaseImage::FindTrailerPosition(image.data(), 236), 236u);
  }
}

TEST(Image, SixBlockLayout) {
  auto db = RandomDb(2);
  ExtraBlock extra;
  extra.SetExtraWord(0xCAFEF00D);
  for (int dbType : {2, 3}) {
    const Image image = Build(*db, dbType, &extra);
    const auto* src = reinterpret_cast<const std::uint8_t*>(db.get());
    EXPECT_EQ(std::memcmp(image.data() + 64, src, 5288), 0);
    EXPECT_EQ(bytes::LoadU32(&image[5352]), crc32::Checksum(src, 5288));
    EXPECT_TRUE(AllBytes(image, 5356, 5420, 0xFF));
    EXPECT_EQ(bytes::LoadU32(&image[5420]), db->trailerWord);
    EXPECT_TRUE(AllBytes(image, 5424, 65600, 0xFF));
    EXPECT_EQ(std::memcmp(&image[65600], src + 5288, 33600), 0);
    EXPECT_EQ(bytes::LoadU32(&image[99200]), crc32::Checksum(src + 5288, 33600));
    EXPECT_TRUE(AllBytes(image, 99204, 131136, 0x00));
    EXPECT_EQ(std::memcmp(&image[131136], src + 38888, 176000), 0);
    EXPECT_EQ(bytes::LoadU32(&image[307136]), crc32::Checksum(src + 38888, 176000));
    EXPECT_TRUE(AllBytes(image, 307140, 327744, 0x00));
    EXPECT_EQ(std::memcmp(&image[327744], src + 214888, 17808), 0);
    EXPECT_EQ(bytes::LoadU32(&image[345552]), crc32::Checksum(src + 214888, 17808));
    EXPECT_TRUE(AllBytes(image, 345556, 393280, 0x00));
    EXPECT_EQ(bytes::LoadU32(&image[393280]), 0xCAFEF00Du);
    EXPECT_TRUE(AllBytes(image, 393284, image.size(), 0x00));
  }
  // Block 0 has one checksum over system and satellites, unlike the seven-block image.
  const Image six = Build(*db, 3, &extra), seven = Build(*db, 0);
  EXPECT_NE(bytes::LoadU32(&six[5352]), bytes::LoadU32(&seven[232]));
}

TEST(Image, HeaderIsCopiedVerbatim) {
  auto db = RandomDb(3);
  const ImageHeader h = testdata::RandomValidHeader(77);
  for (int dbType = 0; dbType < 4; ++dbType) {
    Image image(DatabaseImage::kImageSize);
    DatabaseImage::BuildImage(h.Bytes(), *db, nullptr, dbType, image.data());
    EXPECT_EQ(std::memcmp(image.data(), h.Bytes(), 64), 0);
  }
}

TEST(Image, BuildParseBuildIsByteIdentical) {
  for (int dbType = 0; dbType < 4; ++dbType) {
    auto db = RandomDb(10 + static_cast<std::uint32_t>(dbType));
    ExtraBlock extra;
    extra.SetExtraWord(0x12345678);
    const Image first = Build(*db, dbType, &extra);
    ChannelDatabase parsed;
    ExtraBlock parsedExtra;
    DatabaseImage::ParseImage(first.data(), dbType, parsed, &parsedExtra);
    EXPECT_EQ(std::memcmp(&parsed, db.get(), sizeof parsed), 0) << "DbType " << dbType;
    if (dbType >= 2) {
      EXPECT_EQ(parsedExtra.ExtraWord(), 0x12345678u);
    }
    EXPECT_EQ(Build(parsed, dbType, &parsedExtra), first) << "DbType " << dbType;
  }
}

TEST(Image, TrailerScan) {
  Image image(DatabaseImage::kImageSize, 0x11);
  // No erased word anywhere in block 0: the scan runs to its limit and the trailer is
  // read from inside block 1.
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(image.data(), 236), 65596u);
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(image.data(), 5356), 65596u);
  bytes::StoreU32(&image[65660], 0xA1B2C3D4);
  ChannelDatabase db;
  DatabaseImage::ParseImage(image.data(), 0, db, nullptr);
  EXPECT_EQ(db.trailerWord, 0xA1B2C3D4u);

  // The first 0xCDCDCDCD or 0xFFFFFFFF word on the 4-byte grid wins.
  bytes::StoreU32(&image[1000], 0xCDCDCDCD);
  bytes::StoreU32(&image[2000], 0xFFFFFFFF);
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(image.data(), 236), 1000u);
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(image.data(), 1004), 2000u);
  // Off the grid a matching word is not seen.
  Image off(DatabaseImage::kImageSize, 0x11);
  bytes::StoreU32(&off[238], 0xFFFFFFFF);
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(off.data(), 236), 65596u);
  // The word at the limit itself is never examined.
  bytes::StoreU32(&off[65596], 0xFFFFFFFF);
  EXPECT_EQ(DatabaseImage::FindTrailerPosition(off.data(), 236), 65596u);
}

TEST(Image, ChecksumSectionsAndMatch) {
  auto db = RandomDb(4);
  for (int dbType = 0; dbType < 4; ++dbType) {
    Image image = Build(*db, dbType);
    const auto sections = DatabaseImage::Sections(dbType);
    EXPECT_EQ(sections.size(), dbType < 2 ? 5u : 4u);
    for (const auto& s : sections) EXPECT_TRUE(DatabaseImage::ChecksumMatches(image.data(), s));
    image[sections.back().imageOffset + 5] ^= 1;
    EXPECT_FALSE(DatabaseImage::ChecksumMatches(image.data(), sections.back()));
  }
}

}  // namespace
