// docs/database.schema.json describes what the export writes: our own exports of every
// DbType validate against it, and a document it should refuse does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "RandomBytes.h"
#include "db/DatabaseImage.h"
#include "db/ImageJson.h"
#include "db/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

const std::string kSchema = std::string(QUELMAR_SOURCE_DIR) + "/docs/database.schema.json";
const std::string kValidator = std::string(QUELMAR_SOURCE_DIR) + "/tests/support/validate_json_schema.py";

testkit::Finished Validate(const std::vector<std::string>& files) {
  std::vector<std::string> args{"/usr/bin/python3", kValidator, kSchema};
  args.insert(args.end(), files.begin(), files.end());
  return testkit::Run(args);
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
