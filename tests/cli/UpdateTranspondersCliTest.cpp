// quelmar-cli update-transponders: what it writes, what it prints, and what it refuses
// with nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CliTest.h"
#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "support/TransponderLists.h"

namespace {

class UpdateTranspondersCli : public CliTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cmd({"sample", F("s.qdb")}).status, 0);
    // The sample's "Meridian 19.2E" has 10744 V; "Helion 7.0E" states a position the
    // list lacks, so only --map reaches the list's 9.0E for it.
    Write("sat.xml", testkit::SatellitesXml({{"19.2E Astra", 192, {{10714250, 22000000, 0}, {10744000, 22000000, 1}, {10758000, 22000000, 2}}},
                                             {"9.0E Eutelsat", 90, {{11727000, 27500000, 1}}}}));
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(F(name), std::ios::binary) << text;
  }
  int Transponders(const std::string& file) const {
    CQuelmarDoc doc;
    EXPECT_TRUE(doc.Open(F(file)).ok) << file;
    int n = 0;
    for (const TransponderRecord& t : doc.Working().transponders) n += t.IsUsed();
    return n;
  }
};

TEST_F(UpdateTranspondersCli, WritesTheUpdatedDatabaseAndOneLineASatellite) {
  const int before = Transponders("s.qdb");
  auto r = Cmd({"update-transponders", F("sat.xml"), F("s.qdb"), F("out.qdb")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Meridian 19.2E: 1 added, 1 present, 1 circular skipped\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Helion 7.0E: not matched; the list has no satellite at 7.0E\n"), std::string::npos);
  EXPECT_EQ(Transponders("out.qdb"), before + 1);

  r = Cmd({"update-transponders", "--map", "Helion 7.0E=90", F("sat.xml"), F("s.qdb"), F("out.qdb")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Helion 7.0E: 1 added, 0 present, 0 circular skipped\n"), std::string::npos) << r.out;
  EXPECT_EQ(Transponders("out.qdb"), before + 2);
  EXPECT_TRUE(std::filesystem::exists(F("out.qdb.bak"))) << "the former OUT is kept, as a save keeps it";

  // "-": the image on stdout, the report on stderr.
  r = Cmd({"update-transponders", F("sat.xml"), F("s.qdb"), "-"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.size(), DatabaseImage::kImageSize);
  EXPECT_NE(r.err.find("Meridian 19.2E: 1 added"), std::string::npos) << r.err;
}

// The reader's refusals are its own test's; here, that each reaches stderr naming the
// file, and what only the command refuses.
TEST_F(UpdateTranspondersCli, RefusesWithNothingWritten) {
  Write("bad.xml", "<satellites>\n<sat name=\"A\" position=\"192\">\n<transponder frequency=\"x\"/></sat></satellites>");
  struct Case {
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<Case> cases = {
      {{F("bad.xml"), F("s.qdb"), F("out.qdb")},
       "bad.xml: line 3: <transponder> attribute frequency: expected an integer from 0 to 65535499, got \"x\"; "
       "nothing written"},
      {{F("missing.xml"), F("s.qdb"), F("out.qdb")}, "cannot read"},
      {{F("sat.xml"), F("s.qdb"), F("sat.xml")}, "refusing to write over the input"},
      {{"--map", "Nobody=90", F("sat.xml"), F("s.qdb"), F("out.qdb")}, "has no satellite named \"Nobody\""},
      {{"--map", "Helion 7.0E=91", F("sat.xml"), F("s.qdb"), F("out.qdb")},
       "sat.xml has no satellite at position 91 (9.1E)"},
      {{"--map", "Helion 7.0E", F("sat.xml"), F("s.qdb"), F("out.qdb")}, "expected NAME=POSITION"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"update-transponders"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(args[1]);
    const auto r = Cmd(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(F("out.qdb")));
  }
}

}  // namespace
