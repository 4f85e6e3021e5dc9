// The JSON export and import: byte-identical round trips for every DbType, on full
// databases, random databases and images with bytes and checksums of their own; and
// refusals that name the JSON path of what does not fit.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "db/exchange/ImageJson.h"
#include "db/exchange/RecordJson.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ImageExtras.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/ByteOrder.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"

namespace {

using Json = imagejson::Json;

std::vector<std::uint8_t> Built(const ChannelDatabase& db, int dbType, std::uint32_t extraWord = 0) {
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  ExtraBlock extra;
  extra.SetExtraWord(extraWord);
  DatabaseImage::BuildImage(sample::MakeHeader(dbType).Bytes(), db, &extra, dbType, image.data());
  return image;
}

// Export, write as text, read the text back, import: the same bytes and the same JSON.
void ExpectRoundTrip(const std::vector<std::uint8_t>& image, int dbType) {
  const Json exported = imagejson::Export(image.data(), dbType);
  const std::string text = imagejson::Dump(exported);
  Json parsed;
  ASSERT_FALSE(imagejson::Parse(text, parsed).has_value());
  imagejson::Imported back;
  const auto refusal = imagejson::Import(parsed, back);
  ASSERT_FALSE(refusal.has_value()) << refusal->Message();
  EXPECT_EQ(back.dbType, dbType);
  ASSERT_EQ(back.image.size(), image.size());
  std::size_t firstDiff = 0;
  while (firstDiff < image.size() && image[firstDiff] == back.image[firstDiff]) ++firstDiff;
  EXPECT_EQ(firstDiff, image.size()) << "first differing byte";
  EXPECT_EQ(imagejson::Dump(imagejson::Export(back.image.data(), dbType)), text);
}

TEST(ImageJson, RoundTripIsByteIdenticalForEveryType) {
  for (int dbType = 0; dbType < 4; ++dbType) {
    SCOPED_TRACE(dbType);
    // A full database, and one of random bytes in every field and reserved bit.
    auto db = testkit::EmptyDb();
    sample::BuildFullDatabase(*db, std::uint32_t(dbType + 1));
    ExpectRoundTrip(Built(*db, dbType, 0xA5A5F00Du), dbType);
    testdata::FillRandom(*db, std::uint32_t(100 + dbType));
    ExpectRoundTrip(Built(*db, dbType, 0x12345678u), dbType);
    // An image that is random everywhere: bytes outside the sections, wrong checksums,
    // the trailer word wherever the scan finds it.
    ExpectRoundTrip(testdata::RandomImage(std::uint32_t(200 + dbType)), dbType);
  }
}

TEST(ImageJson, AnImageBuiltHereHasNothingBeyondItsDatabase) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  for (int dbType = 0; dbType < 4; ++dbType) {
    const Json j = imagejson::Export(Built(*db, dbType).data(), dbType);
    EXPECT_EQ(j["image"]["staleChecksums"].size(), 0u);
    EXPECT_EQ(j["image"]["otherBytes"].size(), 0u);
    EXPECT_EQ(j.contains("extraWord"), dbType >= 2);
    EXPECT_EQ(j["satellites"].size(), 160u);
    EXPECT_EQ(j["transponders"].size(), 2100u);
    EXPECT_EQ(j["programs"].size(), 4000u);
    EXPECT_EQ(j["favoriteGroups"].size(), 8u);
  }
}

TEST(ImageJson, FieldsAreListedByNameWithEveryBitOnce) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  db->programs[0].SetName("\xC4rger \x80");  // Windows-1252 bytes
  db->programs[0].SetRawPid(PidField::Video, 0xE100);
  db->programs[1].SetState(SlotState::Deleted);
  const Json j = imagejson::Export(Built(*db, 3).data(), 3);
  const Json& p = j["programs"][0];
  // The flags word by its parts, not as a whole as well.
  EXPECT_FALSE(p.contains("flags"));
  EXPECT_EQ(p["state"], 1);
  EXPECT_EQ(p["name"], "Ärger €");
  // The raw word: TypeC reads 13 bits of it, but the file holds all 16.
  EXPECT_EQ(p["videoPid"], 0xE100);
  EXPECT_TRUE(p.contains("reserved32"));
  EXPECT_EQ(j["programs"][1]["state"], 2);
  EXPECT_EQ(j["tvList"]["count"], db->channelLists.tvList.Count());
  EXPECT_EQ(j["tvList"]["entries"].size(), db->channelLists.tvList.Count());
  EXPECT_FALSE(j["tvList"].contains("entriesAfterCount"));
  EXPECT_EQ(j["favoriteGroups"][0]["members"].size(), db->channelLists.favoriteGroups[0].MemberCount());
  EXPECT_EQ(j["header"]["magic"], ImageHeader::kMagic);
}

TEST(ImageJson, BytesAfterANameAndStaleEntriesAreCarried) {
  auto db = testkit::EmptyDb();
  testkit::PutProgram(*db, 0, "ARD");
  db->programs[0].Bytes()[4 + 10] = 0x7E;  // garbage after the NUL
  testkit::PutList(db->channelLists.tvList, {0, 0, 0});
  db->channelLists.tvList.SetCount(1);  // two stale entries after the count, then zeros
  db->channelLists.tvList.SetEntry(1, 9);
  const auto image = Built(*db, 1);
  const Json j = imagejson::Export(image.data(), 1);
  EXPECT_EQ(j["programs"][0]["name"], "ARD");
  EXPECT_EQ(j["programs"][0]["nameTail"], "0000000000007e000000");
  EXPECT_EQ(j["tvList"]["entries"], Json::parse("[0]"));
  EXPECT_EQ(j["tvList"]["entriesAfterCount"], Json::parse("[9]"));
  ExpectRoundTrip(image, 1);
}

// Edits an export in place and expects the import to refuse at `path`.
struct Refused {
  std::string path;
  std::function<void(Json&)> edit;
  std::string reasonHas;
};

TEST(ImageJson, RefusalsNameThePathAndWhatWasExpected) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  const Json good = imagejson::Export(Built(*db, 3).data(), 3);
  const std::vector<Refused> cases = {
      {"$.programs[12].videoPid", [](Json& j) { j["programs"][12]["videoPid"] = "256"; },
       "expected an integer from 0 to 65535, got \"256\""},
      {"$.programs[12].videoPid", [](Json& j) { j["programs"][12]["videoPid"] = 65536; }, "from 0 to 65535"},
      {"$.programs[12].locked", [](Json& j) { j["programs"][12]["locked"] = 2; }, "from 0 to 1, got 2"},
      {"$.programs[12].serviceType", [](Json& j) { j["programs"][12]["serviceType"] = -1; }, "got -1"},
      {"$.satellites[3].lnbFreqLow", [](Json& j) { j["satellites"][3]["lnbFreqLow"] = 9750.5; }, "got 9750.5"},
      {"$.satellites[3].colour", [](Json& j) { j["satellites"][3]["colour"] = 1; }, "unknown field"},
      {"$.transponders[7].symbolRate", [](Json& j) { j["transponders"][7].erase("symbolRate"); }, "missing"},
      {"$.programs[0].name", [](Json& j) { j["programs"][0]["name"] = "A name far too long"; }, "at most 14 characters"},
      {"$.programs[0].name", [](Json& j) { j["programs"][0]["name"] = "中文"; }, "U+4E2D is not one"},
      {"$.programs[0].nameTail", [](Json& j) { j["programs"][0]["nameTail"] = "zz"; }, "hex digits"},
      {"$.system.reserved0", [](Json& j) { j["system"]["reserved0"] = "00"; }, "164 bytes as 328 hex digits"},
      {"$.programs", [](Json& j) { j["programs"].erase(j["programs"].size() - 1); }, "array of 4000 records"},
      {"$.tvList.entries", [](Json& j) { j["tvList"]["entries"].push_back(1); }, "as many as count says"},
      {"$.tvList.entries[2]", [](Json& j) { j["tvList"]["entries"][2] = 70000; }, "from 0 to 65535"},
      {"$.favoriteGroups[0].members", [](Json& j) { j["favoriteGroups"][0]["members"] = 3; }, "got 3"},
      {"$.header.magic", [](Json& j) { j["header"]["magic"] = nullptr; }, "got null"},
      {"$.dbType", [](Json& j) { j["dbType"] = 4; }, "from 0 to 3"},
      {"$.extraWord", [](Json& j) { j["dbType"] = 0; }, "unknown field"},
      {"$.extraWord", [](Json& j) { j.erase("extraWord"); }, "missing"},
      {"$.format", [](Json& j) { j["format"] = "something"; }, "expected \"quelmar-database\""},
      {"$.formatVersion", [](Json& j) { j["formatVersion"] = 2; }, "expected 1"},
      {"$.image.otherBytes[0]", [](Json& j) { j["image"]["otherBytes"].push_back(Json{{"offset", 65600}, {"bytes", "00"}}); },
       "no section"},
      {"$.image.staleChecksums[0].section",
       [](Json& j) { j["image"]["staleChecksums"].push_back(Json{{"section", "satellites"}, {"stored", 1}}); },
       "\"system and satellites\""},
      {"$.trailerWord",
       [](Json& j) { j["image"]["otherBytes"].push_back(Json{{"offset", 5420}, {"bytes", "01020304"}}); },
       "where the receiver looks for it"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.path);
    Json j = good;
    c.edit(j);
    imagejson::Imported out;
    out.dbType = 99;
    const auto r = imagejson::Import(j, out);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->path, c.path) << r->Message();
    EXPECT_NE(r->reason.find(c.reasonHas), std::string::npos) << r->Message();
    EXPECT_EQ(out.dbType, 99) << "nothing handed out";
    EXPECT_TRUE(out.image.empty());
  }
}

TEST(ImageJson, NotJsonIsRefusedWithItsPosition) {
  Json j;
  const auto r = imagejson::Parse("{\n  \"format\": \"quelmar-database\",\n  oops\n}", j);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->path, "$");
  EXPECT_NE(r->reason.find("line 3"), std::string::npos) << r->reason;
}

TEST(ImageJson, AHandEditTakesEffect) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  Json j = imagejson::Export(Built(*db, 2).data(), 2);
  j["programs"][0]["name"] = "Renamed";
  j["programs"][0]["locked"] = 1;
  imagejson::Imported out;
  ASSERT_FALSE(imagejson::Import(j, out).has_value());
  auto back = testkit::EmptyDb();
  DatabaseImage::ParseImage(out.image.data(), 2, *back, nullptr);
  EXPECT_EQ(back->programs[0].Name(), "Renamed");
  EXPECT_TRUE(back->programs[0].Locked());
  // The checksums follow the edit.
  for (const auto& s : DatabaseImage::Sections(2)) EXPECT_TRUE(DatabaseImage::ChecksumMatches(out.image.data(), s));
}

TEST(ImageExtras, FoundAndAppliedOutsideTheSectionsOnly) {
  auto db = testkit::EmptyDb();
  sample::BuildSampleDatabase(*db);
  auto image = Built(*db, 0);
  image[71000] = 0x11;  // inside block 1's tail, after the satellites' checksum
  image[71001] = 0x22;
  image[71010] = 0x33;  // close enough to join the run
  bytes::StoreU32(image.data() + 232, 0xDEADBEEF);  // the system block's checksum word
  const imagextras::ImageExtras x = imagextras::Find(image.data(), 0);
  ASSERT_EQ(x.checksums.size(), 1u);
  EXPECT_EQ(x.checksums[0].section, "system");
  EXPECT_EQ(x.checksums[0].stored, 0xDEADBEEFu);
  ASSERT_EQ(x.otherBytes.size(), 1u);
  EXPECT_EQ(x.otherBytes[0].offset, 71000u);
  EXPECT_EQ(x.otherBytes[0].bytes.size(), 11u);
  EXPECT_FALSE(imagextras::IsOutsideSections(0, 65600, 1));
  EXPECT_FALSE(imagextras::IsOutsideSections(0, 60, 8));
  EXPECT_FALSE(imagextras::IsOutsideSections(2, 393280, 4)) << "the extra word";
  EXPECT_TRUE(imagextras::IsOutsideSections(0, 393280 + 17808 + 4, 4));
  EXPECT_FALSE(imagextras::IsOutsideSections(0, DatabaseImage::kImageSize - 2, 4));
}

TEST(RecordJson, Hex) {
  const std::uint8_t b[] = {0x00, 0xAB, 0x7F};
  EXPECT_EQ(recordjson::ToHex(b, 3), "00ab7f");
  EXPECT_EQ(recordjson::FromHex("00AB7f"), std::string("\x00\xab\x7f", 3));
  EXPECT_FALSE(recordjson::FromHex("0").has_value());
  EXPECT_FALSE(recordjson::FromHex("0g").has_value());
}

}  // namespace
