// quelmar-cli check, diff, export and import as scripts use them: exit statuses, what
// goes to stdout and stderr, and files written whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliTest.h"
#include "db/document/CQuelmarDoc.h"
#include "db/exchange/CsvText.h"
#include "db/image/DatabaseImage.h"
#include "db/records/ByteOrder.h"
#include "support/DbBuilders.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

class ExchangeCli : public CliTest {
 protected:
  // A sample database of the type, written through the editor's document.
  std::string Sample(int dbType, const std::string& name = "s.qdb") {
    EXPECT_EQ(Cmd({"sample", "--type", std::to_string(dbType), F(name)}).status, 0);
    return F(name);
  }
  // The sample with one edit, saved as `name`.
  template <typename Edit>
  std::string Edited(int dbType, const std::string& name, Edit edit) {
    CQuelmarDoc doc;
    doc.SetDbType(dbType);
    EXPECT_TRUE(doc.Open(Sample(dbType, name)).ok);
    doc.Edit(edit);
    EXPECT_TRUE(doc.Save(F(name)).ok);
    return F(name);
  }
};

TEST_F(ExchangeCli, CheckReportsProblemsAndKeepsItsChecksumReport) {
  const auto clean = Cmd({"check", Sample(3)});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_NE(clean.out.find("s.qdb: all checksums match\n"), std::string::npos) << clean.out;
  EXPECT_NE(clean.out.find("s.qdb: 0 errors, 0 warnings\n"), std::string::npos) << clean.out;

  const std::string bad = Edited(3, "bad.qdb", [](ChannelDatabase& db) {
    ServiceList& tv = db.channelLists.tvList;
    tv.SetEntry(tv.Count(), 3999);  // an Empty slot
    tv.SetCount(std::uint16_t(tv.Count() + 1));
    db.programs[0].SetName("");
  });
  const auto r = Cmd({"check", bad});
  EXPECT_EQ(r.status, 1);
  // Programs and entries by their channel numbers, from 1.
  EXPECT_NE(r.out.find("error list-entry-not-used tvList: No. "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("warning empty-name programs 0: the program at TV No. 1 has an empty name"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("bad.qdb: 1 error, 1 warning\n"), std::string::npos) << r.out;

  const auto j = nlohmann::json::parse(Cmd({"check", "--json", bad}).out);
  EXPECT_EQ(j["file"], bad);
  EXPECT_EQ(j["type"], 3);
  EXPECT_EQ(j["checksums"].size(), 4u);
  ASSERT_EQ(j["problems"].size(), 2u);
  for (const auto& p : j["problems"])
    for (const char* key : {"severity", "kind", "table", "slot", "message"}) EXPECT_TRUE(p.contains(key)) << key;
  EXPECT_EQ(j["problems"][0]["kind"], "empty-name");
  EXPECT_EQ(j["problems"][0]["slot"], 0);
  EXPECT_EQ(j["problems"][0]["channelList"], "tvList");
  EXPECT_EQ(j["problems"][0]["channel"], 1);
  EXPECT_EQ(j["problems"][1]["severity"], "error");

  // A wrong checksum is an error too, said as before on one stderr line.
  auto image = testkit::ReadBytes(Sample(3));
  image[131136 + 100] ^= 1;
  testkit::WriteBytes(F("sum.qdb"), image);
  const auto sum = Cmd({"check", "--json", F("sum.qdb")});
  EXPECT_EQ(sum.status, 1);
  EXPECT_NE(sum.out.find("\"checksum-wrong\""), std::string::npos);
  // Unreadable: 2.
  EXPECT_EQ(Cmd({"check", F("missing.qdb")}).status, 2);
}

TEST_F(ExchangeCli, AnotherTypesFileIsNamedOnStderr) {
  const std::string typeA = Sample(0);
  const auto r = Cmd({"check", typeA});  // under the default, TypeC
  EXPECT_NE(r.err.find("s.qdb: its checksums do not hold under TypeC (--type 3) but do under TypeA; try --type 0"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(Cmd({"check", "--type", "0", typeA}).err.empty());
  const auto info = nlohmann::json::parse(Cmd({"info", "--json", typeA}).out);
  EXPECT_EQ(info["matchingTypes"], nlohmann::json::parse("[0, 1]"));
  EXPECT_EQ(nlohmann::json::parse(Cmd({"info", "--json", Sample(2)}).out)["matchingTypes"],
            nlohmann::json::parse("[2, 3]"));
}

TEST_F(ExchangeCli, DiffExitsLikeDiff) {
  const std::string a = Sample(3, "a.qdb");
  const auto same = Cmd({"diff", a, Sample(3, "b.qdb")});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");
  const std::string c = Edited(3, "c.qdb", [](ChannelDatabase& db) {
    ServiceList& tv = db.channelLists.tvList;
    const std::uint16_t last = tv.Entry(tv.Count() - 1u);
    for (std::size_t k = tv.Count() - 1u; k > 0; --k) tv.SetEntry(k, tv.Entry(k - 1));
    tv.SetEntry(0, last);
    db.programs[last].SetLocked(!db.programs[last].Locked());
  });
  const auto r = Cmd({"diff", a, c});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
  EXPECT_NE(r.out.find(": locked "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("tvList: program "), std::string::npos) << r.out;
  // A person reads positions from 1; the JSON keeps indexes from 0.
  EXPECT_NE(r.out.find(" to 1\n"), std::string::npos) << r.out;
  const auto j = nlohmann::json::parse(Cmd({"diff", "--json", a, c}).out);
  EXPECT_FALSE(j["same"].get<bool>());
  EXPECT_EQ(j["changes"].size(), 2u);
  const auto moved = std::find_if(j["changes"].begin(), j["changes"].end(),
                                  [](const nlohmann::json& c) { return c["change"] == "moved"; });
  ASSERT_NE(moved, j["changes"].end());
  EXPECT_EQ((*moved)["to"], 0);
  EXPECT_EQ(Cmd({"diff", a, F("missing.qdb")}).status, 2);
}

TEST_F(ExchangeCli, JsonRoundTripIsByteIdentical) {
  std::vector<std::uint8_t> before;
  for (int t = 0; t < 4; ++t) {
    SCOPED_TRACE(t);
    const std::string s = Sample(t);
    ASSERT_EQ(Cmd({"export", "--type", std::to_string(t), "--format", "json", s, "-o", F("s.json")}).status, 0);
    const auto r = Cmd({"import", "--format", "json", F("s.json"), "-o", F("back.qdb")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(testkit::ReadBytes(F("back.qdb")), testkit::ReadBytes(s));
    // The file it replaced is kept, as every save keeps it.
    if (t > 0) {
      EXPECT_EQ(testkit::ReadBytes(F("back.qdb.bak")), before);
    }
    before = testkit::ReadBytes(s);
    // Without -o the JSON goes to stdout.
    EXPECT_EQ(Cmd({"export", "--type", std::to_string(t), "--format", "json", s}).out, testkit::ReadText(F("s.json")));
  }
}

TEST_F(ExchangeCli, JsonRefusalNamesThePathAndWritesNothing) {
  ASSERT_EQ(Cmd({"export", "--format", "json", Sample(3), "-o", F("s.json")}).status, 0);
  auto j = nlohmann::ordered_json::parse(testkit::ReadText(F("s.json")));
  j["programs"][5]["pcrPid"] = "x";
  const std::string text = j.dump();
  testkit::WriteBytes(F("bad.json"), std::vector<std::uint8_t>(text.begin(), text.end()));
  const auto r = Cmd({"import", "--format", "json", F("bad.json"), "-o", F("out.qdb")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("$.programs[5].pcrPid: expected an integer from 0 to 65535, got \"x\""), std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(F("out.qdb")));
  const auto typed = Cmd({"import", "--type", "1", "--format", "json", F("s.json"), "-o", F("out.qdb")});
  EXPECT_EQ(typed.status, 2);
  EXPECT_FALSE(std::filesystem::exists(F("out.qdb")));
  EXPECT_EQ(Cmd({"import", "--format", "json", F("s.json"), Sample(3), "-o", F("out.qdb")}).status, 2);
}

TEST_F(ExchangeCli, CsvReorderedInASpreadsheetReordersTheLists) {
  const std::string s = Sample(3);
  ASSERT_EQ(Cmd({"export", "--format", "csv", s, "-o", F("lists.csv")}).status, 0);
  std::vector<csvtext::Record> records;
  ASSERT_FALSE(csvtext::Parse(testkit::ReadText(F("lists.csv")), records).has_value());
  std::swap(records[1], records[2]);  // the first two TV channels change places
  records.push_back({0, {"TV", "", "Nowhere", "", "", "", "", "", "", "", "", "", "", "no", ""}});
  std::string csv;
  for (const auto& rec : records) csvtext::AppendRecord(csv, rec.fields);
  testkit::WriteBytes(F("edited.csv"), std::vector<std::uint8_t>(csv.begin(), csv.end()));

  const auto r = Cmd({"import", "--format", "csv", F("edited.csv"), s, "-o", F("sorted.qdb")});
  EXPECT_EQ(r.status, 1) << "one row matched nothing: " << r.err;
  EXPECT_NE(r.out.find(" rows matched\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("line " + std::to_string(records.size()) + ": no program matches \"Nowhere\""),
            std::string::npos)
      << r.out;
  CQuelmarDoc before, after;
  ASSERT_TRUE(before.Open(s).ok);
  ASSERT_TRUE(after.Open(F("sorted.qdb")).ok);
  const ServiceList& was = before.Working().channelLists.tvList;
  const ServiceList& now = after.Working().channelLists.tvList;
  EXPECT_EQ(now.Entry(0), was.Entry(1));
  EXPECT_EQ(now.Entry(1), was.Entry(0));
  EXPECT_EQ(now.Entry(2), was.Entry(2));
  // A CSV that is not one is refused before anything is written.
  testkit::WriteBytes(F("broken.csv"), std::vector<std::uint8_t>{'"', 'a'});
  EXPECT_EQ(Cmd({"import", "--format", "csv", F("broken.csv"), s, "-o", F("never.qdb")}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(F("never.qdb")));
  EXPECT_EQ(Cmd({"import", "--format", "csv", F("lists.csv"), "-o", F("never.qdb")}).status, 2) << "no FILE";
}


TEST_F(ExchangeCli, ApplyOrderTakesAnotherTypesOrderAndGroups) {
  const std::string s = Sample(3);
  std::vector<int> tv, members;
  // The reference: a TypeA file with the TV list turned round, group 0 renamed with its
  // members turned round, and a program the sample does not have.
  const std::string ref = Edited(0, "ref.qdb", [&](ChannelDatabase& db) {
    ServiceList& l = db.channelLists.tvList;
    for (std::size_t k = 0; k < l.ValidCount(); ++k) tv.insert(tv.begin(), l.Entry(k));
    for (std::size_t k = 0; k < tv.size(); ++k) l.SetEntry(k, std::uint16_t(tv[k]));
    FavoriteGroupRecord& g = db.channelLists.favoriteGroups[0];
    for (std::size_t k = 0; k < g.ValidMemberCount(); ++k) members.insert(members.begin(), g.Member(k));
    for (std::size_t k = 0; k < members.size(); ++k) g.SetMember(k, std::uint16_t(members[k]));
    g.SetName("Reordered");
    ProgramRecord& ghost = db.programs[3999];
    ghost = db.programs[std::size_t(tv[0])];
    ghost.SetName("Nowhere");
    ghost.SetServiceId(65000);
    l.SetEntry(l.Count(), 3999);
    l.SetCount(std::uint16_t(l.Count() + 1));
  });
  ASSERT_GE(tv.size(), 2u);
  ASSERT_GE(members.size(), 2u);

  auto r = Cmd({"apply-order", "--ref-type", "0", ref, s, F("out.qdb")});
  EXPECT_EQ(r.status, 1) << "a reference program matched nothing: " << r.err;
  const std::string total = std::to_string(tv.size() + 1);
  EXPECT_NE(r.out.find("TV list: " + std::to_string(tv.size()) + " of " + total + " reference programs matched\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("TV list: reference program \"Nowhere\" (No. " + total + ") matches no program\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("favourite group 1 [Reordered]: "), std::string::npos) << r.out;
  CQuelmarDoc out;
  ASSERT_TRUE(out.Open(F("out.qdb")).ok);
  const auto& lists = out.Working().channelLists;
  for (std::size_t k = 0; k < tv.size(); ++k) EXPECT_EQ(lists.tvList.Entry(k), tv[k]) << k;
  EXPECT_EQ(lists.favoriteGroups[0].Name(), "Reordered");
  for (std::size_t k = 0; k < members.size(); ++k) EXPECT_EQ(lists.favoriteGroups[0].Member(k), members[k]) << k;

  // Over an existing OUT the former file is kept as OUT.bak, as a save keeps it.
  const auto first = testkit::ReadBytes(F("out.qdb"));
  EXPECT_EQ(Cmd({"apply-order", "--ref-type", "0", ref, s, F("out.qdb")}).status, 1);
  EXPECT_EQ(testkit::ReadBytes(F("out.qdb.bak")), first);
  // "-": the image on stdout, the report on stderr.
  r = Cmd({"apply-order", "--ref-type", "0", ref, s, "-"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.size(), DatabaseImage::kImageSize);
  EXPECT_NE(r.err.find("matches no program"), std::string::npos) << r.err;
  // Without --ref-type the reference is read under the variant its checksums hold in, as
  // the window reads it, and stderr says so; a --ref-type given is obeyed and hinted at.
  r = Cmd({"apply-order", ref, s, F("detected.qdb")});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find("ref.qdb: read as TypeA (--ref-type 0)"), std::string::npos) << r.err;
  EXPECT_EQ(testkit::ReadBytes(F("detected.qdb")), first);
  r = Cmd({"apply-order", "--ref-type", "3", ref, s, F("wrong.qdb")});
  EXPECT_NE(r.err.find("ref.qdb: its checksums do not hold under TypeC (--ref-type 3)"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("try --ref-type 0"), std::string::npos) << r.err;
  // The database applied to itself changes nothing and finds nothing.
  EXPECT_EQ(Cmd({"apply-order", s, s, F("same.qdb")}).status, 0);
  EXPECT_EQ(testkit::ReadBytes(F("same.qdb")), testkit::ReadBytes(s));
}

// A rescan clears the locks: by default the matched programs take them back; --take
// says what else they take, or nothing.
TEST_F(ExchangeCli, ApplyOrderTakesTheLocksAndWhatTakeNames) {
  const std::string s = Sample(3);
  CQuelmarDoc sample;
  ASSERT_TRUE(sample.Open(s).ok);
  const std::uint16_t first = sample.Working().channelLists.tvList.Entry(0);
  const std::string was = sample.Working().programs[first].Name();
  const std::string ref = Edited(3, "ref.qdb", [first](ChannelDatabase& db) {
    for (std::size_t k = 0; k < 3; ++k) db.programs[db.channelLists.tvList.Entry(k)].SetLocked(true);
    db.programs[first].SetName("Renamed Ref");
  });
  const struct {
    std::vector<std::string> take;  // the option's arguments
    int status;
    const char* said;
    bool locked, renamed;
  } cases[] = {
      {{}, 0, "taken from the reference: 3 locks; the names kept\n", true, false},
      {{"--take", "locks,names"}, 0, "taken from the reference: 3 locks, 1 names\n", true, true},
      {{"--take", "names"}, 0, "taken from the reference: 1 names; the locks kept\n", false, true},
      {{"--take", "none"}, 0, "the locks and the names kept\n", false, false},
      {{"--take", "none,names"}, 2, "", false, false},
      {{"--take", "pids"}, 2, "", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.take.empty() ? std::string("(default)") : c.take.back());
    std::vector<std::string> args{"apply-order"};
    args.insert(args.end(), c.take.begin(), c.take.end());
    args.insert(args.end(), {ref, s, F("taken.qdb")});
    std::filesystem::remove(F("taken.qdb"));
    const auto r = Cmd(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.status != 0) {
      EXPECT_FALSE(std::filesystem::exists(F("taken.qdb")));
      continue;
    }
    EXPECT_NE(r.out.find(c.said), std::string::npos) << r.out;
    CQuelmarDoc out;
    ASSERT_TRUE(out.Open(F("taken.qdb")).ok);
    EXPECT_EQ(out.Working().programs[first].Locked(), c.locked);
    EXPECT_EQ(out.Working().programs[first].Name(), c.renamed ? std::string("Renamed Ref") : was);
  }
}

// After a rescan the slots differ and say nothing: --by program compares what the user
// sees; --by slot, the default, keeps the record-by-record output scripts read.
TEST_F(ExchangeCli, DiffByProgramSeesThroughSlotsAScanChose) {
  const std::string a = Sample(3, "a.qdb");
  const std::string shuffled = Edited(3, "b.qdb", [](ChannelDatabase& db) { db = *testkit::SlotsShuffled(db, 9); });
  auto r = Cmd({"diff", "--by", "program", a, shuffled});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Cmd({"diff", a, shuffled}).status, 1);
  EXPECT_EQ(Cmd({"diff", "--by", "slot", a, shuffled}).out, Cmd({"diff", a, shuffled}).out);

  const std::string renamed = Edited(3, "c.qdb", [](ChannelDatabase& db) {
    db = *testkit::SlotsShuffled(db, 9);
    db.programs[db.channelLists.tvList.Entry(0)].SetName("Eins");
  });
  r = Cmd({"diff", "--by", "program", a, renamed});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
  EXPECT_NE(r.out.find(": renamed from \""), std::string::npos) << r.out;
  const auto j = nlohmann::json::parse(Cmd({"diff", "--by", "program", "--json", a, renamed}).out);
  EXPECT_EQ(j["by"], "program");
  ASSERT_EQ(j["changes"].size(), 1u);
  EXPECT_EQ(j["changes"][0]["change"], "renamed");
  EXPECT_EQ(j["changes"][0]["new"], "Eins");
  EXPECT_EQ(Cmd({"diff", "--by", "name", a, renamed}).status, 2);
}

}  // namespace
