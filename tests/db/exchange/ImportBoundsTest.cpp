// What the importers take from text that may be hostile: the JSON reader's bounds and
// the paths of its refusals, names with control characters in JSON, and channel-list
// cells that a spreadsheet would turn into formulas or numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "db/exchange/BoundedJsonParser.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/CsvText.h"
#include "db/exchange/ExchangeInput.h"
#include "db/exchange/ImageJson.h"
#include "db/exchange/ReferenceList.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/TempDir.h"

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

// The parser would end the text at a NUL byte and never see what follows: refused as a
// channel list with one is, from text and from a stream alike.
TEST(BoundedJson, ANulByteIsRefusedWithItsLine) {
  struct Row {
    std::string text;
    int line;
  };
  for (const Row& row : {Row{std::string("{\"a\":1}\0", 8), 1}, Row{std::string("{\"a\":\n1}\n\0junk", 13), 3},
                         Row{std::string("{\"a\":\"x\0y\"}", 11), 1}}) {
    SCOPED_TRACE(row.line);
    const std::string says = "line " + std::to_string(row.line) + " holds a NUL byte, which no text has";
    boundedjson::Json out;
    const auto fromText = boundedjson::Parse(row.text, out);
    ASSERT_TRUE(fromText.has_value());
    EXPECT_EQ(fromText->Message(), "$: " + says);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::fwrite(row.text.data(), 1, row.text.size(), f);
    std::rewind(f);
    const auto fromStream = boundedjson::Parse(f, out);
    std::fclose(f);
    ASSERT_TRUE(fromStream.has_value());
    EXPECT_EQ(fromStream->Message(), "$: " + says);
  }
}

// A name ending in .json or .csv says what the file is; otherwise its first bytes do.
TEST(ExchangeInputFormat, TheNameSaysItBeforeTheFirstBytes) {
  using exchangeinput::Format;
  struct Row {
    const char* name;
    const char* text;
    Format format;
  };
  const testkit::TempDir dir;
  for (const Row& row : {Row{"list.json", "[1, 2]", Format::Json}, Row{"LIST.JSON", "list,name", Format::Json},
                         Row{"export.csv", "{\"a\":1}", Format::Csv}, Row{"export.txt", " \n{\"a\":1}", Format::Json},
                         Row{"list.txt", "[1, 2]", Format::Csv}, Row{"json", "list,name", Format::Csv}}) {
    SCOPED_TRACE(row.name);
    const std::string path = dir.File(row.name);
    testkit::WriteBytes(path, std::vector<std::uint8_t>(row.text, row.text + std::strlen(row.text)));
    exchangeinput::Input in;
    ASSERT_FALSE(exchangeinput::Open(path, in).has_value());
    EXPECT_EQ(in.Guess(path), row.format);
    EXPECT_EQ(std::fgetc(in.Stream()), row.text[0]) << "read again from the start";
  }
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
      // What a spreadsheet reads as a number, a date, a time or a truth value.
      {"1e5", "=\"1e5\""},         {"12:30", "=\"12:30\""},     {"1/2", "=\"1/2\""},
      {"(5)", "=\"(5)\""},         {"50%", "=\"50%\""},         {"1,500", "=\"1,500\""},
      {"Jan 5", "=\"Jan 5\""},     {"3 PM", "=\"3 PM\""},       {"false", "=\"false\""},
      {"1.2.2024", "=\"1.2.2024\""}, {"\xE2\x82\xAC 5", "=\"\xE2\x82\xAC 5\""},
      {"Sky 1", "Sky 1"},           {"3sat", "3sat"},             {"True Crime", "True Crime"},
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
  const char* names[] = {"=1+2", "0044", "+49", "-5", "@A1", "123", "Quote \"q\"", "=\"x\"", "1e5", "12:30", "1/2",
                         "Esc\x1b[1m", "Bell\a", "Two\nlines"};
  for (int i = 0; i < 14; ++i) {
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
  EXPECT_EQ(r.matched, 14);
  EXPECT_TRUE(r.renamed.empty());
  EXPECT_TRUE(r.notes.empty());
  EXPECT_EQ(db->programs, before->programs);
  EXPECT_EQ(db->channelLists.favoriteGroups, before->channelLists.favoriteGroups);
}

// A list names a program with control characters as the receiver holds it; a name or a
// group with them that the database does not hold is never given.
TEST(ChannelCsvCells, ControlCharactersAreMatchedButNeverGiven) {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Sat");
  testkit::PutTransponder(*db, 0, 0, 11836);
  testkit::PutProgram(*db, 0, "Esc\x1b[1m", 0).SetServiceId(1);
  testkit::PutProgram(*db, 1, "Plain", 0).SetServiceId(2);
  testkit::PutList(db->channelLists.tvList, {0, 1});
  const auto before = std::make_unique<ChannelDatabase>(*db);
  // Found by name alone (no key columns), then a new name and a new group with controls.
  std::vector<csvtext::Record> records;
  ASSERT_FALSE(csvtext::Parse(channelcsv::Export(*db, 3), records).has_value());
  ASSERT_EQ(records.size(), 3u);
  for (std::size_t c = 3; c < records[1].fields.size(); ++c) records[1].fields[c] = "";
  records[1].fields[13] = "no";
  records[2].fields[2] = "Pl\x07in";
  records[2].fields[14] = "Bad\x1bGroup";
  std::string rows;
  for (const csvtext::Record& r : records) csvtext::AppendRecord(rows, r.fields);
  std::vector<channelcsv::Row> read;
  ASSERT_FALSE(channelcsv::Read(rows, read).has_value());
  const reflist::Report r = reflist::Apply(*db, read, reflist::Options{true});
  EXPECT_EQ(r.matched, 2);
  EXPECT_TRUE(r.renamed.empty());
  EXPECT_EQ(db->programs, before->programs);
  EXPECT_FALSE(db->channelLists.favoriteGroups[0].IsUsed());
  const auto lines = reflist::Describe(r);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "line 3: the name \"Pl\x07in\" holds control characters and was not taken"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "line 3: no group \"Bad\x1bGroup\" and none can be created; membership not taken"),
            lines.end());
}

}  // namespace
