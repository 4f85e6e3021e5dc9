// quelmar-cli as scripts use it: exit statuses, files it writes, what it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliTest.h"
#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/DatabaseOperations.h"
#include "db/records/ByteOrder.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

using Cli = CliTest;

TEST_F(Cli, NewWritesAnEmptyValidDatabaseForEveryType) {
  for (int t = 0; t < 4; ++t) {
    SCOPED_TRACE(t);
    const auto r = Cmd({"new", "--type", std::to_string(t), F("e.qdb")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto image = testkit::ReadBytes(dir.File("e.qdb"));
    ASSERT_EQ(image.size(), DatabaseImage::kImageSize);
    const ImageHeader h(image.data());
    EXPECT_EQ(h.Magic(), 0x04212510u);
    EXPECT_EQ(h.ValidFlag(), 1u);
    EXPECT_EQ(h.DataLength(), 0x70000u);
    EXPECT_TRUE(h.HeaderSumMatches());
    for (const auto& s : DatabaseImage::Sections(t)) EXPECT_TRUE(DatabaseImage::ChecksumMatches(image.data(), s));
    EXPECT_EQ(Cmd({"check", "--type", std::to_string(t), F("e.qdb")}).status, 0);
  }
}

TEST_F(Cli, SampleIsBelievableAndDeterministic) {
  ASSERT_EQ(Cmd({"sample", F("a.qdb")}).status, 0);
  ASSERT_EQ(Cmd({"sample", F("b.qdb")}).status, 0);
  EXPECT_EQ(testkit::ReadBytes(dir.File("a.qdb")), testkit::ReadBytes(dir.File("b.qdb")));

  CQuelmarDoc doc;
  ASSERT_TRUE(doc.Open(dir.File("a.qdb")).ok);
  const ChannelDatabase& db = doc.Working();
  EXPECT_GE(dbops::CountSatellites(db), 5);
  EXPECT_GE(dbops::CountTransponders(db), 36);
  EXPECT_GE(db.channelLists.tvList.Count() + db.channelLists.radioList.Count(), 200);
  EXPECT_GT(db.channelLists.radioList.Count(), 0);
  EXPECT_EQ(dbops::CountFavoriteGroups(db), 3);
  // Every listed program is live, of the list's type, on a live transponder of a live
  // satellite; every group member is a live program.
  for (int which : {0, 1}) {
    const ServiceList& l = *db.channelLists.List(which);
    for (std::size_t i = 0; i < l.Count(); ++i) {
      const ProgramRecord& p = db.programs[l.Entry(i)];
      ASSERT_TRUE(p.IsUsed());
      EXPECT_EQ(p.ServiceType(), which == 0 ? ProgramRecord::kTv : ProgramRecord::kRadio);
      EXPECT_FALSE(p.Name().empty());
      EXPECT_LT(p.VideoPid(0), 0x2000) << "PIDs must read the same under TypeC";
      const TransponderRecord& t = db.transponders[p.TransponderIndex()];
      ASSERT_TRUE(t.IsListed());
      EXPECT_TRUE(db.satellites[t.SatelliteIndex()].IsUsed());
    }
  }
  for (const auto& g : db.channelLists.favoriteGroups) {
    if (!g.IsUsed()) continue;
    EXPECT_GT(g.MemberCount(), 0u);
    for (std::size_t i = 0; i < g.MemberCount(); ++i) EXPECT_TRUE(db.programs[g.Member(i)].IsUsed());
  }
  for (std::size_t i = 0; i < ChannelDatabase::kSatelliteCount; ++i) {
    if (!db.satellites[i].IsUsed()) continue;
    EXPECT_EQ(db.satellites[i].SelfIndex(), i);
  }
}

TEST_F(Cli, InfoJsonReportsHeaderCountsAndChecksums) {
  ASSERT_EQ(Cmd({"sample", "--type", "1", F("s.qdb")}).status, 0);
  const auto r = Cmd({"info", "--type", "1", "--json", F("s.qdb")});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["header"]["magic"], "0x04212510");
  EXPECT_EQ(j["header"]["validFlag"], 1);
  EXPECT_EQ(j["header"]["imageTypeWord"], "0x40170000");
  EXPECT_TRUE(j["header"]["headerSumOk"].get<bool>());
  EXPECT_GE(j["counts"]["satellites"].get<int>(), 5);
  EXPECT_EQ(j["counts"]["groups"], 3);
  ASSERT_EQ(j["checksums"].size(), 5u);
  for (const auto& c : j["checksums"]) EXPECT_TRUE(c["ok"].get<bool>());

  const auto text = Cmd({"info", "--type", "1", F("s.qdb")});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("checksum programs at 0x0005AFC0: ok"), std::string::npos) << text.out;
}

TEST_F(Cli, CheckNamesEachWrongSection) {
  ASSERT_EQ(Cmd({"sample", "--type", "2", F("s.qdb")}).status, 0);
  auto image = testkit::ReadBytes(dir.File("s.qdb"));
  image[131136 + 100] ^= 0x01;  // programs
  image[327744] ^= 0x80;        // channel lists
  testkit::WriteBytes(dir.File("bad.qdb"), image);
  const auto r = Cmd({"check", "--type", "2", F("bad.qdb")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("programs"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("channel lists"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("transponders"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line";
  // Under the wrong DbType the sums are looked for in the wrong places.
  EXPECT_EQ(Cmd({"check", "--type", "0", F("s.qdb")}).status, 1);
}

TEST_F(Cli, ResaveGoesThroughTheDocument) {
  ASSERT_EQ(Cmd({"sample", "--type", "0", F("s.qdb")}).status, 0);
  auto image = testkit::ReadBytes(dir.File("s.qdb"));
  bytes::StoreU32(&image[232], 0);  // a wrong checksum opens and is written right
  testkit::WriteBytes(dir.File("wrong.qdb"), image);
  const auto r = Cmd({"resave", "--type", "0", F("wrong.qdb"), F("out.qdb")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testkit::ReadBytes(dir.File("out.qdb")), testkit::ReadBytes(dir.File("s.qdb")));

  bytes::StoreU32(&image[0], 0x12345678);
  testkit::WriteBytes(dir.File("magic.qdb"), image);
  const auto refused = Cmd({"resave", F("magic.qdb"), F("never.qdb")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Invalid Magic Number"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("never.qdb")));
}

TEST_F(Cli, UsageErrorsAndUnreadableFiles) {
  EXPECT_EQ(Cmd({}).status, 2);
  EXPECT_EQ(Cmd({"frobnicate"}).status, 2);
  EXPECT_EQ(Cmd({"new", "--type", "4", F("x.qdb")}).status, 2);
  EXPECT_EQ(Cmd({"new", "--type", "-1", F("x.qdb")}).status, 2);
  EXPECT_EQ(Cmd({"new"}).status, 2);
  EXPECT_EQ(Cmd({"resave", F("only-one.qdb")}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.qdb")));

  const auto missing = Cmd({"info", F("missing.qdb")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("missing.qdb"), std::string::npos);
  testkit::WriteBytes(dir.File("short.qdb"), std::vector<std::uint8_t>(100, 0));
  EXPECT_EQ(Cmd({"check", F("short.qdb")}).status, 2) << "check keeps 1 for what it finds";
  EXPECT_EQ(Cmd({"new", dir.File("no/such/folder/x.qdb")}).status, 2);
  EXPECT_EQ(Cmd({"--help"}).status, 0);
}

// The top-level help is also the manual page, so it has to hold everything a manual
// does, fit a terminal, and offer examples that work.
TEST_F(Cli, HelpReadsAsAManual) {
  const auto help = Cmd({"--help"});
  ASSERT_EQ(help.status, 0) << help.err;
  const std::string& h = help.out;
  for (const char* heading : {"Usage: quelmar-cli ", "\nCommands:\n", "\nOptions:\n", "\nExit status:\n",
                              "\nFiles:\n", "\nExamples:\n"})
    EXPECT_NE(h.find(heading), std::string::npos) << heading;
  for (const char* command : {"new", "sample", "info", "check", "resave", "receive", "send", "diff", "export", "import",
                              "apply-order"})
    EXPECT_NE(h.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  // Each option once, with its value's name and an explanation beside or under it.
  for (const char* option : {"--type N ", "--json ", "--port PORT", "--baud BPS", "--timeout SEC", "--format FORMAT",
                             "-o,--output OUT", "--ref-type N", "-h,--help", "--version"}) {
    const std::size_t at = h.find(std::string("\n  ") + option, h.find("\nOptions:\n"));
    ASSERT_NE(at, std::string::npos) << option;
    EXPECT_EQ(h.find(std::string("\n  ") + option, at + 1), std::string::npos) << option << " twice";
    const std::size_t end = h.find('\n', at + 1);
    const std::string rest = h.substr(at + 3 + std::string(option).size(), end - at);
    const bool textBeside = rest.find_first_not_of(' ') < rest.size() - 1;
    EXPECT_TRUE(textBeside || h.compare(end + 1, 24, std::string(24, ' ')) == 0) << option;
  }
  for (const char* status : {"\n  0 ", "\n  1 ", "\n  2 "}) EXPECT_NE(h.find(status), std::string::npos);
  std::istringstream lines(h);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;

  // The first example, as written.
  const std::size_t example = h.find("$ quelmar-cli sample demo.qdb\n");
  ASSERT_NE(example, std::string::npos);
  EXPECT_EQ(Cmd({"sample", F("demo.qdb")}).status, 0);
  EXPECT_EQ(Cmd({"info", F("demo.qdb")}).status, 0);

  const auto version = Cmd({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quelmar-cli " QUELMAR_VERSION "\n");
  // A command's own help still comes from CLI11 and names the command's arguments.
  const auto infoHelp = Cmd({"info", "--help"});
  EXPECT_EQ(infoHelp.status, 0);
  EXPECT_NE(infoHelp.out.find("FILE"), std::string::npos);
}

}  // namespace
