// What quelmar-cli answers when it cannot do what it is asked, row by row: the exit
// status (1 only for what a command found, 2 for everything that kept it from working)
// and the words on stderr or stdout.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliTest.h"
#include "db/document/CQuelmarDoc.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class CliAnswers : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cmd({"sample", F("s.qdb")}).status, 0);
    ASSERT_EQ(Cmd({"sample", F("other.qdb")}).status, 0);
    ASSERT_EQ(Cmd({"export", "--format", "csv", F("s.qdb"), "-o", F("list.csv")}).status, 0);
    fs::create_symlink(F("s.qdb"), F("link.qdb"));
    fs::create_hard_link(F("s.qdb"), F("hard.qdb"));
    // The header sum that `info` calls wrong and `check` passed.
    auto image = testkit::ReadBytes(F("s.qdb"));
    image[60] ^= 0x11;
    testkit::WriteBytes(F("headersum.qdb"), image);
    // Bytes after the image, which a save drops.
    image = testkit::ReadBytes(F("s.qdb"));
    image.push_back(0x42);
    testkit::WriteBytes(F("long.qdb"), image);
    // A TV list entry naming an Empty slot: an error the window asks about before a send.
    CQuelmarDoc doc;
    ASSERT_TRUE(doc.Open(F("s.qdb")).ok);
    doc.Edit([](ChannelDatabase& db) {
      ServiceList& tv = db.channelLists.tvList;
      tv.SetEntry(tv.Count(), 3999);
      tv.SetCount(std::uint16_t(tv.Count() + 1));
    });
    ASSERT_TRUE(doc.Save(F("errors.qdb")).ok);
  }

  // "@name" in an argument stands for that file in the test's folder.
  std::vector<std::string> Args(const std::vector<std::string>& given) const {
    std::vector<std::string> out;
    for (const std::string& a : given) out.push_back(a.starts_with('@') ? F(a.substr(1)) : a);
    return out;
  }
};

struct Row {
  std::vector<std::string> args;
  int status;
  const char* err;  // found on stderr ("" when nothing need be)
  const char* out;  // found on stdout ("" when nothing need be)
};

TEST_F(CliAnswers, ExitStatusAndMessagePerCase) {
  const Row rows[] = {
      // check sees the header as info and Open do
      {{"check", "@headersum.qdb"}, 1, "", "error header-sum-wrong header: the header's headerSum is"},
      {{"check", "--json", "@headersum.qdb"}, 1, "", "\"kind\": \"header-sum-wrong\""},
      // a file that cannot be read: 2 everywhere, and --json still answers in JSON
      {{"check", "--json", "@missing.qdb"}, 2, "cannot read",
       "\"error\": \"cannot read "},
      {{"info", "@missing.qdb"}, 2, "cannot read", ""},
      {{"export", "--format", "csv", "@missing.qdb"}, 2, "cannot read", ""},
      {{"diff", "@s.qdb", "@missing.qdb"}, 2, "cannot read", ""},
      {{"new", "@no/such/folder/x.qdb"}, 2, "Cannot save", ""},
      {{"resave", "@headersum.qdb", "@never.qdb"}, 0, "", ""},
      // only a finding is 1
      {{"diff", "@s.qdb", "@errors.qdb"}, 1, "", "tvList"},
      {{"check", "@errors.qdb"}, 1, "", "error list-entry-not-used"},
      // an output that is the input, under any name
      {{"export", "--format", "csv", "@s.qdb", "-o", "@s.qdb"}, 2, "refusing to write over the input", ""},
      {{"export", "--format", "json", "@s.qdb", "-o", "@link.qdb"}, 2, "refusing to write over the input", ""},
      {{"export", "--format", "csv", "@link.qdb", "-o", "@hard.qdb"}, 2, "refusing to write over the input", ""},
      {{"resave", "@s.qdb", "@hard.qdb"}, 2, "refusing to write over the input", ""},
      {{"import", "--format", "csv", "@list.csv", "@s.qdb", "-o", "@link.qdb"}, 2, "refusing to write over", ""},
      {{"import", "--format", "csv", "@list.csv", "@s.qdb", "-o", "@list.csv"}, 2, "refusing to write over", ""},
      {{"apply-order", "@other.qdb", "@s.qdb", "@link.qdb"}, 2, "refusing to write over", ""},
      {{"apply-order", "@s.qdb", "@other.qdb", "@s.qdb"}, 2, "refusing to write over", ""},
      {{"apply-order", "@missing.qdb", "@s.qdb", "@never.qdb"}, 2, "cannot read", ""},
      {{"apply-order", "@s.qdb", "@missing.qdb", "@never.qdb"}, 2, "cannot read", ""},
      {{"apply-order", "@other.qdb", "@s.qdb"}, 2, "OUT", ""},
      // send refuses errors before it touches the port, and --force goes on to the port
      {{"send", "--port", "@no-port", "@errors.qdb"}, 2,
       "errors.qdb has 1 error (list-entry-not-used); `quelmar-cli check` lists them; nothing sent", ""},
      {{"send", "--force", "--port", "@no-port", "@errors.qdb"}, 2, "no-port", ""},
      // what check calls an error in the header is refused too
      {{"send", "--port", "@no-port", "@headersum.qdb"}, 2, "headersum.qdb has 1 error (header-sum-wrong)", ""},
      {{"send", "--force", "--port", "@no-port", "@headersum.qdb"}, 2, "no-port", ""},
      // bytes after the image are an error, counted
      {{"check", "@long.qdb"}, 1, "",
       "error file-longer-than-image image: the file holds 458817 bytes, 1 more than a database image"},
      // commands and help
      {{"bogus"}, 2, "unknown command bogus; the commands are new, sample, info, check, resave, diff, export, "
                     "import, apply-order, receive, send", ""},
      {{"help"}, 0, "", "Usage: quelmar-cli COMMAND"},
      {{"help", "check"}, 0, "", "FILE"},
      {{"help", "bogus"}, 2, "unknown command bogus", ""},
      {{"check", "@s.qdb", "\x1b]0;owned\x07"}, 2, "\\x1b]0;owned\\x07", ""},
  };
  for (const Row& row : rows) {
    std::string shown;
    for (const std::string& a : row.args) shown += a + ' ';
    SCOPED_TRACE(shown);
    const auto r = Cmd(Args(row.args));
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
    EXPECT_NE(r.out.find(row.out), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "a raw control character reached the terminal";
  }
  // Nothing refused was written or overwritten.
  EXPECT_EQ(testkit::ReadBytes(F("s.qdb")), testkit::ReadBytes(F("other.qdb")));
  EXPECT_FALSE(fs::exists(F("x.qdb")));
  EXPECT_NE(testkit::ReadText(F("list.csv")).find(','), std::string::npos);
}

TEST_F(CliAnswers, DashIsStandardInputAndOutput) {
  const std::string q = testkit::BinaryPath("quelmar-cli");
  const auto json = Cmd({"export", "--format", "json", F("s.qdb"), "-o", "-"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out, Cmd({"export", "--format", "json", F("s.qdb")}).out);
  EXPECT_FALSE(fs::exists("-"));
  testkit::WriteBytes(F("s.json"), std::vector<std::uint8_t>(json.out.begin(), json.out.end()));

  // JSON in on stdin, the database out on stdout, byte for byte.
  const auto back = testkit::Run({"/bin/sh", "-c", q + " import --format json - -o - < '" + F("s.json") + "'"});
  ASSERT_EQ(back.status, 0) << back.err;
  const auto image = testkit::ReadBytes(F("s.qdb"));
  EXPECT_EQ(back.out, std::string(image.begin(), image.end()));

  // A channel list from stdin applied and written to stdout; the report goes to stderr.
  const auto applied = testkit::Run(
      {"/bin/sh", "-c", q + " import --format csv - '" + F("s.qdb") + "' -o - < '" + F("list.csv") + "'"});
  ASSERT_EQ(applied.status, 0) << applied.err;
  EXPECT_EQ(applied.out.size(), image.size());
}

// A replaced file whose former content cannot be kept as .bak is said on stderr, as the
// window's status bar says it; the save itself goes through.
TEST_F(CliAnswers, ABackupThatCannotBeKeptIsSaid) {
  ASSERT_EQ(Cmd({"sample", F("out.qdb")}).status, 0);
  fs::create_directories(F("out.qdb.bak/full"));  // a folder in the backup's place
  const auto r = Cmd({"resave", F("headersum.qdb"), F("out.qdb")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("no backup was kept: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("out.qdb.bak"), std::string::npos) << r.err;

  fs::remove_all(F("out.qdb.bak"));
  const auto kept = Cmd({"resave", F("headersum.qdb"), F("out.qdb")});
  EXPECT_EQ(kept.status, 0);
  EXPECT_EQ(kept.err, "");
}

}  // namespace
