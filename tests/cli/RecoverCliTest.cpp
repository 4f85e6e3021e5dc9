// quelmar-cli recover: what it writes where, what it refuses to replace, and that a
// journal's texts reach the terminal escaped, reported only once the image is written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CliTest.h"
#include "db/document/ChangeSet.h"
#include "db/document/JournalFormat.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/Subprocess.h"

namespace {

namespace fs = std::filesystem;

class RecoverCli : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cmd({"sample", F("base.qdb")}).status, 0);
    // One step whose name holds what a hostile file could put in a program's name.
    journal::Head head;
    head.time = 1;
    head.dbType = 3;
    head.image = testkit::ReadBytes(F("base.qdb"));
    auto before = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*before);
    auto after = std::make_unique<ChannelDatabase>(*before);
    after->programs[0].SetName("Red");
    std::vector<std::uint8_t> bytes = journal::EncodeHead(head);
    const auto step = journal::EncodeStep(2, "Rename \x1b[31mRed\x07\r", ChangeSet::Between(*before, *after));
    bytes.insert(bytes.end(), step.begin(), step.end());
    testkit::WriteBytes(F("j"), bytes);
    testkit::WriteBytes(F("notes.txt"), std::vector<std::uint8_t>{'k', 'e', 'e', 'p', '\n'});
    ASSERT_EQ(Cmd({"sample", F("old.qdb")}).status, 0);
    fs::create_directory(F("folder"));
    ASSERT_EQ(::mkfifo(F("fifo").c_str(), 0600), 0);
  }
};

TEST_F(RecoverCli, WritesOnlyWhereItShouldAndReportsAfterTheWrite) {
  const std::string report = "restored 1 step, the last \"Rename \\x1b[31mRed\\x07\\x0d\"\n";
  struct Row {
    std::vector<std::string> args;  // "@name": that file in the test's folder
    int status;
    std::string out, err;  // out exactly; err found within
    const char* written;   // the file that must now hold the restored image, or null
  };
  const Row rows[] = {
      {{"@j", "@new.qdb"}, 0, report, "", "new.qdb"},
      // A database image is replaced and kept as .bak; anything else only with --force.
      {{"@j", "@old.qdb"}, 0, report, "", "old.qdb"},
      {{"@j", "@notes.txt"}, 2, "",
       "notes.txt exists and is not a database image; nothing written (--force replaces it)", nullptr},
      {{"--force", "@j", "@notes.txt"}, 0, report, "", "notes.txt"},
      // "-": the image on stdout, the report on stderr.
      {{"@j", "-"}, 0, "", report, nullptr},
      // A save that fails says so and nothing else.
      {{"@j", "@no/such/folder/out.qdb"}, 2, "", "Cannot save", nullptr},
      // A folder, a FIFO or a device is no journal, and the reason says which it is.
      {{"@folder", "@x.qdb"}, 2, "", "folder is not a regular file", nullptr},
      {{"@fifo", "@x.qdb"}, 2, "", "fifo is not a regular file", nullptr},
      {{"/dev/null", "@x.qdb"}, 2, "", "/dev/null is not a regular file", nullptr},
  };
  const std::vector<std::uint8_t> oldImage = testkit::ReadBytes(F("old.qdb"));
  std::vector<std::uint8_t> restored;
  for (const Row& row : rows) {
    std::vector<std::string> args{"recover"};
    for (const std::string& a : row.args) args.push_back(a.starts_with('@') ? F(a.substr(1)) : a);
    SCOPED_TRACE(args.back());
    const auto r = Cmd(args);
    EXPECT_EQ(r.status, row.status) << r.err;
    if (row.args.back() == "-") {
      EXPECT_EQ(r.out.size(), DatabaseImage::kImageSize);
      EXPECT_EQ(std::vector<std::uint8_t>(r.out.begin(), r.out.end()), testkit::ReadBytes(F("new.qdb")));
    } else {
      EXPECT_EQ(r.out, row.out);
    }
    EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "a raw control character reached the terminal";
    if (row.written) {
      if (restored.empty()) restored = testkit::ReadBytes(F(row.written));
      EXPECT_EQ(testkit::ReadBytes(F(row.written)), restored);
    }
  }
  EXPECT_NE(restored, oldImage);
  EXPECT_EQ(testkit::ReadBytes(F("old.qdb.bak")), oldImage);
  EXPECT_FALSE(fs::exists(F("x.qdb")));
  EXPECT_FALSE(fs::exists("-"));
}

}  // namespace
