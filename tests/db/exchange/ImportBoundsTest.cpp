// What the importers take from text that may be hostile: the JSON reader's bounds and
// the paths of its refusals, names with control characters in JSON, and channel-list
// cells that a spreadsheet would turn into formulas or numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "db/exchange/BoundedJsonParser.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/ImageJson.h"
#include "db/exchange/ReferenceList.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

TEST(BoundedJson, RefusesAtTheFirstValueBeyondABoundNamingItsPath) {
  boundedjson::Limits small;
  small.depth = 3;
  small.arrayItems = 3;
  small.objectMembers = 2;
  small.stringBytes = 4;
  small.values = 14;
  small.totalStringBytes = 10;
  struct Case {
    std::string text, path, reason;
  };
  const std::vector<Case> cases = {
      {R"({"a":[1,2,1e400]})", "$.a[2]", "number overflow parsing '1e400'"},
      {R"({"a":[[[[]]]]})", "$.a[0][0]", "nested more than 3 levels deep"},
      {R"({"a":[1,2,3,4]})", "$.a[3]", "an array of more than 3 items"},
      {R"({"a":1,"b":2,"c":3})", "$", "an object of more than 2 fields"},
      {R"({"a":{"b":1,"b":2}})", "$.a.b", "given twice in one object"},
      {R"({"a":"12345"})", "$.a", "a string of 5 bytes"},
      {R"({"a":["abcd","abcd","abcd"]})", "$.a[2]", "more text than any database holds"},
      {R"([[1,1,1],[1,1,1],[1,1,1],[1,1,1]])", "$[3]", "an array of more than 3 items"},
      {R"([[[1,1],[1,1]],[[1,1],[1,1]]])", "$[1][1][1]", "more than 14 values"},
      {"{\"a\x1b\":1}", "$", "expected JSON text"},
      {"{\"a\":[1,2]", "$", "expected JSON text; parse error at line 1, column 11"},
      {"{\"a\":tru}", "$.a", "syntax error while parsing value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    boundedjson::Json out = 7;
    const auto r = boundedjson::Parse(c.text, out, small);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->path, c.path) << r->Message();
    EXPECT_NE(r->reason.find(c.reason), std::string::npos) << r->Message();
    EXPECT_EQ(out, 7) << "untouched";
  }
  boundedjson::Json out;
  ASSERT_FALSE(boundedjson::Parse("\xEF\xBB\xBF{\"a\":[1,{\"b\":\"x\"}]}", out, small).has_value());
  EXPECT_EQ(out.dump(), R"({"a":[1,{"b":"x"}]})");
}

// From a stream, a token longer than a string may be ends the reading before the
// parser gathers it; what is short enough reads as from text.
TEST(BoundedJson, AStreamStopsAtATokenTooLong) {
  boundedjson::Limits small;
  small.stringBytes = 8;
  for (const char* text : {R"({"a":"123456789"})", R"({"a":"1234\"6789"})", R"({"a":1234567890123})"}) {
    SCOPED_TRACE(text);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::fputs(text, f);
    std::rewind(f);
    boundedjson::Json out;
    const auto r = boundedjson::Parse(f, out, small);
    std::fclose(f);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->reason, "a string or number longer than 8 bytes; no text of a database is that long");
    if (text[6] == '"') {
      EXPECT_EQ(r->path, "$.a");
    }
  }
  std::FILE* f = std::tmpfile();
  std::fputs("\xEF\xBB\xBF {\"a\": [\"12345678\", 12345678, true]}", f);
  std::rewind(f);
  boundedjson::Json out;
  EXPECT_FALSE(boundedjson::Parse(f, out, small).has_value());
  std::fclose(f);
  EXPECT_EQ(out.dump(), R"({"a":["12345678",12345678,true]})");
}

// A name holding control characters leaves the export as its bytes, and comes back
// exactly; as text it is refused.
TEST(ImageJsonNames, ControlCharactersTravelAsBytes) {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Sat\x1b[31m");
  testkit::PutProgram(*db, 0, "Bell\a", 0);
  testkit::PutProgram(*db, 1, "Plain", 0);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(3).Bytes(), *db, nullptr, 3, image.data());
  const imagejson::Json j = imagejson::Export(image.data(), 3);
  EXPECT_FALSE(j["satellites"][0].contains("name"));
  EXPECT_EQ(j["satellites"][0]["nameBytes"], "5361741b5b33316d0000000000000000");
  EXPECT_EQ(j["programs"][0]["nameBytes"], "42656c6c07000000000000000000");
  EXPECT_EQ(j["programs"][1]["name"], "Plain");
  imagejson::Json parsed;
  ASSERT_FALSE(imagejson::Parse(imagejson::Dump(j), parsed).has_value());
  imagejson::Imported back;
  ASSERT_FALSE(imagejson::Import(parsed, back).has_value());
  EXPECT_EQ(back.image, image);

  for (const char* name : {"A\nB", "\x1b", "Bell\a", "Del\x7f", "C1 \xC2\x9D"}) {
    SCOPED_TRACE(name);
    imagejson::Json bad = j;
    bad["programs"][1]["name"] = name;
    const auto r = imagejson::Import(bad, back);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->path, "$.programs[1].name");
    EXPECT_NE(r->reason.find("without control characters"), std::string::npos) << r->reason;
  }
}

TEST(ChannelCsvCells, SpreadsheetFormsComeBackExactly) {
  struct Cell {
    std::string text, written;
  };
  const std::vector<Cell> cells = {
      {"Nova TV", "Nova TV"},      {"=1+2", "=\"=1+2\""},       {"0044", "=\"0044\""},
      {"12345", "=\"12345\""},     {"+49 TV", "=\"+49 TV\""},   {"-x-", "=\"-x-\""},
      {"@sum", "=\"@sum\""},       {"007 Film", "=\"007 Film\""}, {"\tTab", "=\"\tTab\""},
      {"=\"x\"", "=\"=\"\"x\"\"\""}, {"1 Kanal", "1 Kanal"},       {"", ""},
  };
  for (const Cell& c : cells) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(channelcsv::ForSpreadsheet(c.text), c.written);
    EXPECT_EQ(channelcsv::FromSpreadsheet(c.written), c.text);
  }

  // Through a whole export and back, names taken: every name as it was.
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "0001");
  testkit::PutTransponder(*db, 0, 0, 11836);
  std::vector<int> slots;
  const char* names[] = {"=1+2", "0044", "+49", "-5", "@A1", "123", "Quote \"q\"", "=\"x\""};
  for (int i = 0; i < 8; ++i) {
    testkit::PutProgram(*db, i, names[i], 0).SetServiceId(std::uint16_t(i + 1));
    slots.push_back(i);
  }
  testkit::PutList(db->channelLists.tvList, slots);
  testkit::PutGroup(*db, 0, "=SUM(A1)", {1, 2});
  const auto before = std::make_unique<ChannelDatabase>(*db);
  std::vector<channelcsv::Row> rows;
  const std::string csv = channelcsv::Export(*db, 3);
  EXPECT_EQ(csv.find("\r\nTV,2,0044,"), std::string::npos) << csv;
  ASSERT_FALSE(channelcsv::Read(csv, rows).has_value());
  const reflist::Report r = reflist::Apply(*db, rows, reflist::Options{true});
  EXPECT_EQ(r.matched, 8);
  EXPECT_TRUE(r.renamed.empty());
  EXPECT_EQ(db->programs, before->programs);
  EXPECT_EQ(db->channelLists.favoriteGroups, before->channelLists.favoriteGroups);
}

}  // namespace
