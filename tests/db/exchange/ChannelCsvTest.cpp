// The channel-list CSV: its rows and columns, RFC 4180 edge cases, and applying a
// reference list: export, reorder the rows, import, and the lists follow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "db/exchange/ChannelCsv.h"
#include "db/exchange/CsvText.h"
#include "db/exchange/ReferenceList.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

using testkit::Entries;
using testkit::Members;

std::unique_ptr<ChannelDatabase> Small() {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Meridian 19.2E");
  testkit::PutTransponder(*db, 0, 0, 11836, 27500, 1);
  testkit::PutTransponder(*db, 1, 0, 12188, 22000, 0);
  const char* names[] = {"Nova TV", "Say \"hi\"", "A, B; C", "Two lines", "\xC4rger \x80", "Radio 1"};
  for (int i = 0; i < 6; ++i) {
    ProgramRecord& p = testkit::PutProgram(*db, i, names[i], i % 2, i == 5 ? ProgramRecord::kRadio : ProgramRecord::kTv);
    p.SetServiceId(std::uint16_t(100 + i));
    p.SetVideoPid(i == 5 ? 0 : 0x100 + i, 3);
  }
  db->programs[1].SetLocked(true);
  testkit::PutList(db->channelLists.tvList, {0, 1, 2, 3, 4});
  testkit::PutList(db->channelLists.radioList, {5});
  testkit::PutGroup(*db, 0, "Favourites", {0, 2});
  testkit::PutGroup(*db, 1, "News;Talk", {2});
  return db;
}

// The data rows of an export, each as one record's text.
std::vector<std::string> DataRows(const std::string& csv) {
  std::vector<csvtext::Record> records;
  EXPECT_FALSE(csvtext::Parse(csv, records).has_value());
  std::vector<std::string> rows;
  for (std::size_t i = 1; i < records.size(); ++i) {
    std::string line;
    csvtext::AppendRecord(line, records[i].fields);
    rows.push_back(line);
  }
  return rows;
}

std::string Header() {
  std::string h;
  csvtext::AppendRecord(h, std::vector<std::string>(channelcsv::kColumns.begin(), channelcsv::kColumns.end()));
  return h;
}

// The text with every CR LF turned into a CR alone, as old Mac text ends its lines.
std::string CrOnly(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at + 1, 1);
  return text;
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string out = Header();
  for (const auto& r : rows) out += r;
  return out;
}

reflist::Report ApplyText(ChannelDatabase& db, const std::string& csv, reflist::Options options = {}) {
  std::vector<channelcsv::Row> rows;
  const auto refusal = channelcsv::Read(csv, rows);
  EXPECT_FALSE(refusal.has_value()) << refusal->Message();
  return reflist::Apply(db, rows, options);
}

TEST(ChannelCsv, ExportHasOneRowPerListPositionWithTheColumns) {
  const std::string csv = channelcsv::Export(*Small(), 3);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "list,number,name,satellite,frequency,polarization,symbolRate,serviceId,videoPid,audioPid,pcrPid,"
            "ttextPid,pmtPid,locked,groups,groupPositions");
  const auto rows = DataRows(csv);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], "TV,1,Nova TV,Meridian 19.2E,11836,Hor,27500,100,256,0,0,0,0,no,Favourites,1\r\n");
  EXPECT_EQ(rows[1], "TV,2,\"Say \"\"hi\"\"\",Meridian 19.2E,12188,Ver,22000,101,257,0,0,0,0,yes,,\r\n");
  EXPECT_EQ(rows[2], "TV,3,\"A, B; C\",Meridian 19.2E,11836,Hor,27500,102,258,0,0,0,0,no,Favourites;News;Talk,2;1\r\n");
  EXPECT_EQ(rows[3], "TV,4,Two lines,Meridian 19.2E,12188,Ver,22000,103,259,0,0,0,0,no,,\r\n");
  EXPECT_EQ(rows[4], "TV,5,\xC3\x84rger \xE2\x82\xAC,Meridian 19.2E,11836,Hor,27500,104,260,0,0,0,0,no,,\r\n");
  EXPECT_EQ(rows[5], "RADIO,1,Radio 1,Meridian 19.2E,12188,Ver,22000,105,0,0,0,0,0,no,,\r\n");
}

TEST(ChannelCsv, ReorderedRowsReorderTheLists) {
  const auto before = Small();
  auto rows = DataRows(channelcsv::Export(*before, 3));
  std::reverse(rows.begin(), rows.begin() + 5);  // the TV rows backwards
  auto db = Small();
  const reflist::Report r = ApplyText(*db, Joined(rows));
  EXPECT_EQ(r.matched, 6);
  EXPECT_TRUE(r.AllMatched());
  EXPECT_TRUE(r.leftInPlace.empty());
  EXPECT_EQ(Entries(db->channelLists.tvList), (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_EQ(Entries(db->channelLists.radioList), (std::vector<int>{5}));
  // Nothing else changed: names, locks and groups came back as they were.
  EXPECT_EQ(db->programs, before->programs);
  EXPECT_EQ(db->channelLists.favoriteGroups, before->channelLists.favoriteGroups);
}

TEST(ChannelCsv, RoundTripOnAFullDatabase) {
  auto db = testkit::CleanFullDb();
  const auto before = std::make_unique<ChannelDatabase>(*db);
  auto rows = DataRows(channelcsv::Export(*db, 3));
  std::mt19937 rng(5);
  std::shuffle(rows.begin(), rows.begin() + 4000, rng);
  // The groups turned round since the export: the rows' positions put them back.
  for (FavoriteGroupRecord& g : db->channelLists.favoriteGroups) {
    const std::vector<int> m = Members(g);
    for (std::size_t k = 0; k < m.size(); ++k) g.SetMember(k, std::uint16_t(m[m.size() - 1 - k]));
  }
  const reflist::Report r = ApplyText(*db, Joined(rows));
  EXPECT_EQ(r.matched, 8000);
  // The new TV order is the shuffled rows' order; the programs are the same.
  std::vector<int> tv = Entries(db->channelLists.tvList), old = Entries(before->channelLists.tvList);
  EXPECT_NE(tv, old);
  std::sort(tv.begin(), tv.end());
  std::sort(old.begin(), old.end());
  EXPECT_EQ(tv, old);
  EXPECT_EQ(db->programs, before->programs);
  EXPECT_EQ(db->channelLists.favoriteGroups, before->channelLists.favoriteGroups);
  // Each TV position holds the program of that row (the full database's service IDs
  // are its slots plus one).
  std::vector<csvtext::Record> records;
  ASSERT_FALSE(csvtext::Parse(Joined(rows), records).has_value());
  for (std::size_t i = 0; i < 4000; ++i)
    ASSERT_EQ(std::to_string(db->channelLists.tvList.Entry(i) + 1), records[i + 1].fields[7]) << i;
}

TEST(ChannelCsv, NamesLocksAndGroupsComeFromTheRows) {
  auto db = Small();
  const std::string csv = Header() +
                          "TV,1,Nova HD,Meridian 19.2E,11836,Hor,27500,100,,,,,,yes,News;Talk;Sport\r\n"
                          "TV,2,\"Say \"\"hi\"\"\",,,,,,,,,,,no,\r\n";  // no key: found by name
  const reflist::Report r = ApplyText(*db, csv, reflist::Options{true});
  EXPECT_EQ(r.matched, 2);
  EXPECT_EQ(db->programs[0].Name(), "Nova HD");
  EXPECT_TRUE(db->programs[0].Locked());
  EXPECT_FALSE(db->programs[1].Locked());
  // Program 0 left Favourites, joined "News;Talk" (a name with the separator) and a new
  // group "Sport".
  EXPECT_EQ(Members(db->channelLists.favoriteGroups[0]), (std::vector<int>{2}));
  EXPECT_EQ(Members(db->channelLists.favoriteGroups[1]), (std::vector<int>{2, 0}));
  EXPECT_EQ(db->channelLists.favoriteGroups[2].Name(), "Sport");
  EXPECT_EQ(Members(db->channelLists.favoriteGroups[2]), (std::vector<int>{0}));
  // The rows named 0 and 1; the others keep their relative order after them.
  EXPECT_EQ(Entries(db->channelLists.tvList), (std::vector<int>{0, 1, 2, 3, 4}));
  ASSERT_EQ(r.leftInPlace.size(), 4u);
  EXPECT_EQ(r.leftInPlace[0].program, 2);
  EXPECT_EQ(r.leftInPlace[0].position, 2);
  // A person counts from 1, as the window numbers the rows.
  const auto lines = reflist::Describe(r);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "tvList: program 2 \"A, B; C\" left in place, now at 3"), lines.end());
  EXPECT_EQ(r.leftInPlace[3].program, 5);
  EXPECT_EQ(r.leftInPlace[3].list, 1);
}

TEST(ChannelCsv, RowsThatMatchNothingAndDuplicateRows) {
  auto db = Small();
  const std::string csv = Header() +
                          "TV,1,Radio 1,,,,,,,,,,,no,\r\n"                                          // line 2: a radio name in TV
                          "TV,\"2\r\n\",Two lines,Meridian 19.2E,12188,Ver,22000,103,,,,,,no,\r\n"  // lines 3-4
                          "TV,3,Ghost,Meridian 19.2E,11836,Hor,27500,999,,,,,,no,\r\n"              // line 5
                          "TV,4,Two lines,Meridian 19.2E,12188,Ver,22000,103,,,,,,no,\r\n";  // line 6: again
  const reflist::Report r = ApplyText(*db, csv);
  EXPECT_EQ(r.rows, 4);
  EXPECT_EQ(r.matched, 1);
  ASSERT_EQ(r.unmatched.size(), 3u);
  EXPECT_EQ(r.unmatched[0].line, 2);
  EXPECT_EQ(r.unmatched[1].line, 5);
  EXPECT_EQ(r.unmatched[1].name, "Ghost");
  EXPECT_EQ(r.unmatched[2].line, 6);
  EXPECT_EQ(Entries(db->channelLists.tvList), (std::vector<int>{3, 0, 1, 2, 4}));
  EXPECT_EQ(reflist::Describe(r).front(), "1 of 4 rows matched");
  EXPECT_EQ(reflist::Describe(r)[1], "line 2: no program matches \"Radio 1\"");
}

TEST(ChannelCsv, KeyMatchesBeforeAnyName) {
  auto db = Small();
  // Row 1 has no key but the name of program 0; row 2 is program 0 by key. Program 0
  // goes to row 2, and row 1 finds nothing else of that name.
  const std::string csv = Header() + "TV,1,Nova TV,,,,,,,,,,,no,\r\nTV,2,Nova TV,Meridian 19.2E,11836,Hor,,100,,,,,,no,\r\n";
  const reflist::Report r = ApplyText(*db, csv);
  ASSERT_EQ(r.unmatched.size(), 1u);
  EXPECT_EQ(r.unmatched[0].line, 2);
}

TEST(ChannelCsv, RefusalsNameTheLine) {
  struct Bad {
    std::string text;
    int line;
    std::string has;
  };
  const std::vector<Bad> cases = {
      {"list,name\r\n", 1, "no column \"satellite\""},
      {Header() + "TV,1,ok,,,,,,,,,,,no,\r\nCABLE,2,x,,,,,,,,,,,no,\r\n", 3, "column list: expected TV or RADIO"},
      {Header() + "TV,1,Fifteen chars!!,,,,,,,,,,,no,\r\n", 2, "at most 14 characters"},
      {Header() + "TV,1,\xE4\xB8\xAD,,,,,,,,,,,no,\r\n", 2, "Windows-1252"},
      {Header() + "TV,1,x,,70000,,,,,,,,,no,\r\n", 2, "column frequency"},
      {Header() + "TV,1,x,,,diagonal,,,,,,,,no,\r\n", 2, "column polarization"},
      {Header() + "TV,1,x,,,,,,,,,,,maybe,\r\n", 2, "column locked"},
      {Header() + "TV,1,\"open,,,,,,,,,,,no,\r\n", 2, "not closed"},
      {Header() + "TV,1,a\"b,,,,,,,,,,,no,\r\n", 2, "RFC 4180"},
      {Header() + "TV,1,x,,,,,,,,,,,no,Fav,0\r\n", 2, "column groupPositions: expected positions from 1 to 100"},
      {Header() + "TV,1,x,,,,,,,,,,,no,Fav,101\r\n", 2, "column groupPositions"},
      {Header() + "TV,1,x,,,,,,,,,,,no,Fav;News,1;;2\r\n", 2, "column groupPositions"},
      {Header() + "TV,1,x,,,,,,,,,,,no,Fav,first\r\n", 2, "column groupPositions"},
      // Lines that end in a CR alone count as lines too.
      {CrOnly(Header() + "TV,1,ok,,,,,,,,,,,no,\r\nCABLE,2,x,,,,,,,,,,,no,\r\n"), 3, "column list"},
      {CrOnly(Header()) + "TV,1,ok,,,,,,,,,,,no,\r\nTV,2,x,,,,,,,,,,,maybe,\n", 3, "column locked"},
  };
  for (const Bad& b : cases) {
    SCOPED_TRACE(b.has);
    std::vector<channelcsv::Row> rows;
    const auto r = channelcsv::Read(b.text, rows);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->line, b.line) << r->Message();
    EXPECT_NE(r->reason.find(b.has), std::string::npos) << r->Message();
    EXPECT_TRUE(rows.empty());
  }
}

TEST(ChannelCsv, ColumnsByNameInAnyOrderAndLfLines) {
  auto db = Small();
  const std::string csv =
      "\xEF\xBB\xBFgroups,serviceId,locked,polarization,frequency,satellite,name,list,note\n"
      "Favourites,104,no,Hor,11836,Meridian 19.2E,\xC3\x84rger \xE2\x82\xAC,tv,anything\n"
      "\n";
  const reflist::Report r = ApplyText(*db, csv);
  EXPECT_EQ(r.matched, 1);
  EXPECT_EQ(Entries(db->channelLists.tvList).front(), 4);
  EXPECT_EQ(Members(db->channelLists.favoriteGroups[0]), (std::vector<int>{0, 2, 4}));
}

TEST(ChannelCsv, GroupPositionsOrderTheGroupsAndAListWithoutThemReadsAsBefore) {
  // Programs 0 ("Nova TV") and 2 ("A, B; C"); group 0 "Favourites" holds both, group 1
  // "News;Talk" program 2.
  std::string oldHeader;
  csvtext::AppendRecord(oldHeader, std::vector<std::string>(channelcsv::kColumns.begin(), channelcsv::kColumns.end() - 1));
  struct Case {
    std::string header;
    const char* positions0;  // program 0's groupPositions cell
    const char* positions2;  // program 2's
    std::vector<int> start;  // group 0 before
    std::vector<int> expected;
    const char* note;        // "" or a note the report must hold
    const char* why;
  };
  const Case cases[] = {
      {Header(), "1", "2;1", {2, 0}, {0, 2}, "", "the positions put the group back in the exported order"},
      {Header(), "2", "1;1", {0, 2}, {2, 0}, "", "positions moved in the spreadsheet"},
      {Header(), "", "", {2, 0}, {2, 0}, "", "blank cells: members keep their places"},
      {oldHeader, "", "", {2, 0}, {2, 0}, "", "a list from before the column: read as before"},
      {Header(), "1;2", "2;1", {2, 0}, {2, 0}, "line 2: 2 group positions for 1 groups; the positions were not taken",
       "a row whose positions do not fit its groups keeps its place"},
  };
  for (const Case& c : cases) {
    auto db = Small();
    testkit::PutGroup(*db, 0, "Favourites", c.start);
    const bool old = c.header == oldHeader;
    const std::string csv =
        c.header +
        "TV,1,Nova TV,Meridian 19.2E,11836,Hor,27500,100,,,,,,no,Favourites" + (old ? "" : std::string(",") + c.positions0) +
        "\r\nTV,2,\"A, B; C\",Meridian 19.2E,11836,Hor,27500,102,,,,,,no,Favourites;News;Talk" +
        (old ? "" : std::string(",") + c.positions2) + "\r\n";
    const reflist::Report r = ApplyText(*db, csv);
    EXPECT_EQ(r.matched, 2) << c.why;
    EXPECT_EQ(Members(db->channelLists.favoriteGroups[0]), c.expected) << c.why;
    EXPECT_EQ(Members(db->channelLists.favoriteGroups[1]), (std::vector<int>{2})) << c.why;
    const std::vector<std::string> lines = reflist::Describe(r);
    if (*c.note)
      EXPECT_NE(std::find(lines.begin(), lines.end(), c.note), lines.end()) << c.why;
    else
      EXPECT_TRUE(r.notes.empty()) << c.why;
  }
}

TEST(ChannelCsv, AGivenPositionGoesBeforeAMemberNoRowNames) {
  // Group 0 {0, 2, 4}; the list names programs 2 and 4 only, at positions 1 and 2:
  // program 0 keeps its place 1, after program 2 which asked for it.
  auto db = Small();
  testkit::PutGroup(*db, 0, "Favourites", {0, 2, 4});
  const std::string csv = Header() +
                          "TV,1,\"A, B; C\",Meridian 19.2E,11836,Hor,27500,102,,,,,,no,Favourites,1\r\n"
                          "TV,2,\xC3\x84rger \xE2\x82\xAC,Meridian 19.2E,11836,Hor,27500,104,,,,,,no,Favourites,2\r\n";
  ApplyText(*db, csv);
  EXPECT_EQ(Members(db->channelLists.favoriteGroups[0]), (std::vector<int>{2, 0, 4}));
}

// The programs marked New are those in use no row names: not a list entry naming an
// empty slot, nor a program a row matched by key or by name.
TEST(ChannelCsv, NewProgramsAreTheProgramsNoRowNames) {
  const std::string nova = "TV,1,Nova TV,Meridian 19.2E,11836,Hor,27500,100,,,,,,no,\r\n";
  const std::string byName = "TV,2,Two lines,,,,,,,,,,,no,\r\n";
  const std::string radio = "RADIO,1,Radio 1,Meridian 19.2E,12188,Ver,22000,105,,,,,,no,\r\n";
  const struct {
    const char* why;
    std::string rows;
    std::vector<int> tvList;
    std::vector<int> newPrograms;
  } cases[] = {
      {"no rows", "", {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5}},
      {"one by key, one by name", nova + byName, {0, 1, 2, 3, 4}, {1, 2, 4, 5}},
      {"every program", nova + byName + radio, {0, 3}, {}},
      {"an entry naming an empty slot", nova + radio, {0, 9, 3}, {3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto db = Small();
    testkit::PutList(db->channelLists.tvList, c.tvList);
    const reflist::Report r = ApplyText(*db, Header() + c.rows);
    EXPECT_EQ(r.newPrograms, c.newPrograms);
  }
}

// Each record's line whatever ends the lines, also when a CR LF is split between two reads.
TEST(CsvText, LineNumbersCountCrLfCrAndLfAlike) {
  const std::string padding(4095 - 2, 'p');  // the first CR is the 4096th byte, its LF the next read's first
  struct Row {
    const char* what;
    std::string text;
    std::vector<int> lines;
  };
  const Row rows[] = {
      {"CR LF", "a\r\nb\r\n\r\nc\r\n", {1, 2, 4}},
      {"LF", "a\nb\n\nc\n", {1, 2, 4}},
      {"CR", "a\rb\r\rc\r", {1, 2, 4}},
      {"mixed", "a\rb\nc\r\nd", {1, 2, 3, 4}},
      {"a CR LF across two reads", "x," + padding + "\r\nb\rc\r\n", {1, 2, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<int> fromText, fromStream;
    ASSERT_FALSE(csvtext::Parse(row.text, [&](csvtext::Record& r) -> std::optional<csvtext::ParseError> {
                   fromText.push_back(r.line);
                   return std::nullopt;
                 }).has_value());
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    std::fwrite(row.text.data(), 1, row.text.size(), stream);
    std::rewind(stream);
    ASSERT_FALSE(csvtext::Parse(stream, [&](csvtext::Record& r) -> std::optional<csvtext::ParseError> {
                   fromStream.push_back(r.line);
                   return std::nullopt;
                 }).has_value());
    std::fclose(stream);
    EXPECT_EQ(fromText, row.lines);
    EXPECT_EQ(fromStream, row.lines);
  }
}

TEST(CsvText, LineNumbersFollowQuotedLineBreaks) {
  std::vector<csvtext::Record> records;
  ASSERT_FALSE(csvtext::Parse("a,b\r\n\"x\r\ny\",2\r\n\r\nlast, spaced \r\n", records).has_value());
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[1].fields[0], "x\r\ny");
  EXPECT_EQ(records[2].line, 5);
  EXPECT_EQ(records[2].fields[1], " spaced ") << "spaces belong to the field";
  std::string out;
  csvtext::AppendRecord(out, {"plain", " spaced", "a,b", "q\"", ""});
  EXPECT_EQ(out, "plain,\" spaced\",\"a,b\",\"q\"\"\",\r\n");
}

}  // namespace
