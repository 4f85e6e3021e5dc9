// Hard links are the one place where a save cannot keep every name of a file up to date:
// it replaces the file, so another name for the old one keeps the old content. That is
// kept as it is and told in the README's notes on saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "db/document/CQuelmarDoc.h"
#include "support/SampleDocs.h"
#include "support/TempDir.h"

namespace {

TEST(SavingNotes, HardLinkKeepsTheOldContentAndTheReadmeSaysSo) {
  testkit::TempDir dir;
  const std::string file = dir.File("channels.qdb"), other = dir.File("backup-name.qdb");
  const std::vector<std::uint8_t> old(100, 7);
  testkit::WriteBytes(file, old);
  std::filesystem::create_hard_link(file, other);
  ASSERT_TRUE(testkit::SampleDocument()->Save(file).ok);
  EXPECT_NE(testkit::ReadBytes(file), old);
  EXPECT_EQ(testkit::ReadBytes(other), old) << "the behaviour the README describes";

  std::ifstream readme(std::string(QUELMAR_SOURCE_DIR) + "/README.md");
  std::stringstream text;
  text << readme.rdbuf();
  const std::string s = text.str();
  const std::size_t notes = s.find("## Notes on saving");
  ASSERT_NE(notes, std::string::npos) << "README has no notes on saving";
  const std::size_t end = s.find("\n## ", notes + 1);
  const std::string section = s.substr(notes, end == std::string::npos ? std::string::npos : end - notes);
  EXPECT_NE(section.find("Hard links"), std::string::npos);
  EXPECT_NE(section.find("keeps the old content"), std::string::npos);
}

}  // namespace
