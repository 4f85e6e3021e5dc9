// docs/database.schema.json describes what the export writes: our own exports of every
// DbType validate against it, and a document it should refuse does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "db/exchange/ImageJson.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

const std::string kSchema = std::string(QUELMAR_SOURCE_DIR) + "/docs/database.schema.json";
const std::string kValidator = std::string(QUELMAR_SOURCE_DIR) + "/tests/support/validate_json_schema.py";

// The validator takes seconds a file.
testkit::Finished Validate(const std::vector<std::string>& files) {
  std::vector<std::string> args{"/usr/bin/python3", kValidator, kSchema};
  args.insert(args.end(), files.begin(), files.end());
  return testkit::Run(args, std::chrono::seconds(60 * files.size()));
}

void Write(const std::string& path, const std::string& text) {
  testkit::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(DatabaseSchema, OurExportsValidate) {
  testkit::TempDir dir;
  std::vector<std::string> files;
  // Random bytes everywhere: name tails, stale entries, wrong checksums, other bytes.
  // (The validator takes seconds a file, so one file a DbType.)
  for (int dbType = 0; dbType < 4; ++dbType) {
    const auto random = testdata::RandomImage(std::uint32_t(40 + dbType));
    files.push_back(dir.File("random" + std::to_string(dbType) + ".json"));
    Write(files.back(), imagejson::Dump(imagejson::Export(random.data(), dbType)));
  }
  const testkit::Finished f = Validate(files);
  EXPECT_EQ(f.status, 0) << f.out << f.err;
}

TEST(DatabaseSchema, RefusesWhatTheImportRefuses) {
  testkit::TempDir dir;
  auto db = testkit::EmptyDb();
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(0).Bytes(), *db, nullptr, 0, image.data());
  imagejson::Json j = imagejson::Export(image.data(), 0);
  j["programs"][3]["videoPid"] = 65536;
  j["satellites"][0]["colour"] = "blue";
  j["extraWord"] = 1;  // TypeA has no extra block
  Write(dir.File("bad.json"), j.dump());
  const testkit::Finished f = Validate({dir.File("bad.json")});
  EXPECT_EQ(f.status, 1) << f.err;
  EXPECT_NE(f.out.find("$.programs[3].videoPid"), std::string::npos) << f.out;
  EXPECT_NE(f.out.find("$.satellites[0]"), std::string::npos) << f.out;
  EXPECT_EQ(std::count(f.out.begin(), f.out.end(), '\n'), 3) << "and the extra word: " << f.out;
}

}  // namespace

namespace {

// The schema and the importer take and refuse the same files: numbers with a zero
// fraction, names with control characters and their hex form, a key given twice.
TEST(DatabaseSchema, AgreesWithTheImporterOnTheSameFiles) {
  testkit::TempDir dir;
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Meridian");
  testkit::PutTransponder(*db, 0, 0, 11836);
  testkit::PutProgram(*db, 0, "Nova", 0);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(3).Bytes(), *db, nullptr, 3, image.data());
  const imagejson::Json base = imagejson::Export(image.data(), 3);
  struct Variant {
    std::string name;
    std::function<std::string()> text;
    bool taken;
  };
  auto changed = [&](std::function<void(imagejson::Json&)> change) {
    return [&base, change] {
      imagejson::Json j = base;
      change(j);
      return j.dump();
    };
  };
  const std::vector<Variant> variants = {
      {"as exported", changed([](auto&) {}), true},
      {"256.0 for a word", changed([](auto& j) { j["programs"][0]["videoPid"] = 256.0; }), true},
      {"256.5 for a word", changed([](auto& j) { j["programs"][0]["videoPid"] = 256.5; }), false},
      {"a name holding ESC", changed([](auto& j) { j["programs"][0]["name"] = "\x1b[2J"; }), false},
      {"a name as its bytes", changed([](auto& j) {
         j["programs"][0].erase("name");
         j["programs"][0]["nameBytes"] = "1b5b324a00000000000000000000";
       }), true},
      {"a name both ways", changed([](auto& j) { j["programs"][0]["nameBytes"] = "1b5b324a00000000000000000000"; }),
       false},
      {"a key twice", [&] {
         std::string t = base.dump();
         return t.replace(t.find("\"dbType\":3"), 10, "\"dbType\":3,\"dbType\":3");
       }, false},
  };
  std::vector<std::string> files;
  for (std::size_t i = 0; i < variants.size(); ++i) {
    files.push_back(dir.File("v" + std::to_string(i) + ".json"));
    Write(files.back(), variants[i].text());
  }
  const testkit::Finished f = Validate(files);
  for (std::size_t i = 0; i < variants.size(); ++i) {
    SCOPED_TRACE(variants[i].name);
    imagejson::Json j;
    imagejson::Imported imported;
    auto refusal = imagejson::Parse(variants[i].text(), j);
    if (!refusal) refusal = imagejson::Import(j, imported);
    const bool schemaTakes = f.out.find(files[i] + ":") == std::string::npos;
    EXPECT_EQ(!refusal, variants[i].taken) << (refusal ? refusal->Message() : "");
    EXPECT_EQ(schemaTakes, variants[i].taken) << f.out << f.err;
  }
}

}  // namespace
