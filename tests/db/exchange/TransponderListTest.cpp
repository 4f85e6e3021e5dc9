// Transponder lists (satellites.xml): the positions names state, what the reader takes
// and refuses, and how a satellite takes the transponders it lacks.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/exchange/ExchangeInput.h"
#include "db/exchange/OrbitalPosition.h"
#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "support/DbBuilders.h"
#include "support/TempDir.h"
#include "support/TransponderLists.h"

namespace {

using testkit::SatellitesXml;

satxml::List Parsed(const std::string& xml) {
  satxml::List list;
  const auto refusal = satxml::Read(xml, list);
  EXPECT_FALSE(refusal) << refusal->Message();
  return list;
}

TEST(OrbitalPosition, FirstPositionTheNameStates) {
  struct Case {
    const char* name;
    std::optional<int> tenths;
  };
  const Case cases[] = {
      {"Astra 19.2E", 192},         {"13.0E", 130},
      {"Thor 0.8W", -8},            {"Hispasat 30.0W", -300},
      {"Astra 19.2\xB0" "E", 192},  {"Hotbird 13E", 130},
      {"Astra19.2E", 192},          {"Sat 180.0W", -1800},
      {"Thor 5/6 0.8W", -8},        {"Intelsat 10-02 1.0W", -10},
      {"Eutelsat 28.2E 19.2E", 282},  // the first one
      {"Astra 1KR", std::nullopt},  {"My Dish", std::nullopt},
      {"", std::nullopt},           {"Astra 19.2 E", std::nullopt},  // E stands apart
      {"Eutelsat 5WA", std::nullopt},  {"Sat 19.2East", std::nullopt},
      {"Sat 181.0E", std::nullopt},    {"Sat 19.25E", std::nullopt},  // lists count in tenths
      {"Express 1234E", std::nullopt}, {"Astra 19.2e", std::nullopt},
      {"Sat 2016 13.0E", 130},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(orbit::PositionInName(c.name), c.tenths);
  }
  EXPECT_EQ(orbit::Format(192), "19.2E");
  EXPECT_EQ(orbit::Format(-8), "0.8W");
  EXPECT_EQ(orbit::Format(0), "0.0E");
}

TEST(SatellitesXml, ReadsSatellitesAndTheirTransponders) {
  const satxml::List list = Parsed(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<satellites>\n"
      "  <sat name=\"19.2E Astra 1KR/1L/1M/1N &amp; more\" flags=\"0\" position=\"192\">\n"
      "    <transponder frequency=\"10714250\" symbol_rate=\"22000000\" polarization=\"0\" fec_inner=\"4\"/>\n"
      "    <note>ignored</note>\n"
      "    <transponder frequency=\" 10729000 \" symbol_rate=\"22000000\" polarization=\"3\"/>\n"
      "  </sat>\n"
      "  <sat name=\"0.8W Thor\" position=\"-8\"/>\n"
      "  <other><transponder frequency=\"x\"/></other>\n"
      "</satellites>\n");
  ASSERT_EQ(list.satellites.size(), 2u);
  const satxml::Satellite& astra = list.satellites[0];
  EXPECT_EQ(astra.name, "19.2E Astra 1KR/1L/1M/1N & more");
  EXPECT_EQ(astra.position, 192);
  EXPECT_EQ(astra.line, 3);
  ASSERT_EQ(astra.transponders.size(), 2u);
  EXPECT_EQ(astra.transponders[0].frequency, 10714250u);
  EXPECT_EQ(astra.transponders[0].symbolRate, 22000000u);
  EXPECT_EQ(astra.transponders[0].polarization, satxml::kHorizontal);
  EXPECT_EQ(astra.transponders[1].frequency, 10729000u);
  EXPECT_EQ(astra.transponders[1].polarization, satxml::kCircularRight);
  EXPECT_EQ(list.satellites[1].position, -8);
  EXPECT_EQ(list.Find(-8), 1);
  EXPECT_EQ(list.Find(130), -1);
  EXPECT_EQ(list.TransponderCount(), 2u);
}

// Each refusal names its line and what was wrong, and leaves nothing read.
TEST(SatellitesXml, RefusesHostileAndBrokenListsNamingTheLine) {
  const std::string head = "<satellites>\n<sat name=\"Astra\" position=\"192\">\n";
  const std::string tail = "</sat>\n</satellites>\n";
  std::string deep = head;
  for (int i = 0; i < 20; ++i) deep += "<x>";
  struct Case {
    std::string what, xml;
    int line;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"not XML", "frequency,symbol_rate\n10714,22000\n", 1, "not XML: syntax error"},
      {"a JSON export", "{\"dbType\": 3}", 1, "not XML: not well-formed"},
      {"cut off", head, 3, "not XML: no element found"},
      {"empty", "", 1, "not XML: no element found"},
      {"billion laughs", testkit::BillionLaughs(), 3, "declares the entity \"lol\""},
      {"an external entity",
       "<!DOCTYPE satellites [\n<!ENTITY x SYSTEM \"file:///etc/passwd\">\n]>\n<satellites>&x;</satellites>", 2,
       "declares the entity \"x\""},
      {"another format", "<html>\n<body/></html>", 1, "the root element is <html>"},
      {"no satellite", "<satellites>\n</satellites>\n", 3, "no <sat> element"},
      {"nested too deep", deep, 3, "nested more than 16 levels deep"},
      {"a satellite without name", "<satellites>\n<sat position=\"192\"/></satellites>", 2,
       "<sat> has no attribute name"},
      {"a satellite without position", "<satellites>\n<sat name=\"Astra\"/></satellites>", 2,
       "<sat> has no attribute position"},
      {"a position in degrees", "<satellites>\n<sat name=\"Astra\" position=\"19.2E\"/></satellites>", 2,
       "<sat> attribute position: expected an integer from -1800 to 1800, got \"19.2E\""},
      {"a missing frequency", head + "<transponder symbol_rate=\"22000000\" polarization=\"0\"/>" + tail, 3,
       "<transponder> has no attribute frequency"},
      {"a missing polarization", head + "<transponder frequency=\"1\" symbol_rate=\"1\"/>" + tail, 3,
       "<transponder> has no attribute polarization"},
      {"a symbol rate with a unit",
       head + "\n<transponder frequency=\"10714250\" symbol_rate=\"22M\" polarization=\"0\"/>" + tail, 4,
       "<transponder> attribute symbol_rate: expected an integer from 0 to 65535499, got \"22M\""},
      {"a negative frequency", head + "<transponder frequency=\"-1\" symbol_rate=\"1\" polarization=\"0\"/>" + tail,
       3, "attribute frequency: expected an integer from 0 to 65535499, got \"-1\""},
      {"a frequency no record holds",
       head + "<transponder frequency=\"65535500\" symbol_rate=\"1\" polarization=\"0\"/>" + tail, 3,
       "attribute frequency: expected an integer from 0 to 65535499"},
      {"an unknown polarization",
       head + "<transponder frequency=\"1\" symbol_rate=\"1\" polarization=\"4\"/>" + tail, 3,
       "attribute polarization: expected an integer from 0 to 3, got \"4\""},
      {"an empty number", head + "<transponder frequency=\"\" symbol_rate=\"1\" polarization=\"0\"/>" + tail, 3,
       "attribute frequency: expected an integer from 0 to 65535499, got \"\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    satxml::List list;
    list.satellites.push_back({});
    const auto refusal = satxml::Read(c.xml, list);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->line, c.line) << refusal->Message();
    EXPECT_NE(refusal->reason.find(c.reason), std::string::npos) << refusal->Message();
    EXPECT_EQ(refusal->Message().rfind("line " + std::to_string(c.line) + ": ", 0), 0u);
    EXPECT_TRUE(list.satellites.empty());
  }
}

// Counts are refused at the first element beyond them; the line names it.
TEST(SatellitesXml, RefusesMoreSatellitesOrTranspondersThanAnyList) {
  std::string xml = "<satellites>\n<sat name=\"Astra\" position=\"192\">\n";
  const std::string line = "<transponder frequency=\"10714250\" symbol_rate=\"22000000\" polarization=\"0\"/>\n";
  xml.reserve(xml.size() + 100000 * line.size() + 32);
  for (int i = 0; i < 100000; ++i) xml += line;
  satxml::List list;
  auto refusal = satxml::Read(xml + "</sat></satellites>", list);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->reason, "more than 65536 transponders; no transponder list has that many");
  EXPECT_EQ(refusal->line, 3 + int(satxml::kMaxTransponders));
  xml = "<satellites>\n";
  for (std::size_t i = 0; i <= satxml::kMaxSatellites; ++i) xml += "<sat name=\"Sat\" position=\"1\"/>\n";
  refusal = satxml::Read(xml + "</satellites>", list);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->reason, "more than 4096 satellites; no transponder list has that many");
}

// A file too large is refused by its size before a byte of it is read.
TEST(SatellitesXml, RefusesAFileLargerThanAnyListUnread) {
  testkit::TempDir dir;
  const std::string path = dir.File("huge.xml");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, off_t(50) << 20), 0);
  ::close(fd);
  exchangeinput::Input in;
  const auto why = satxml::Open(path, in);
  ASSERT_TRUE(why);
  EXPECT_EQ(*why, path + ": 50 MiB is larger than any transponder list (at most 16 MiB)");
}

TEST(TransponderUpdate, RoundsToWholeMhzAndKiloSymbols) {
  struct Case {
    unsigned value;
    std::uint16_t rounded;
  };
  for (const Case& c : {Case{10714250, 10714}, {10714499, 10714}, {10714500, 10715}, {22000000, 22000},
                        {27499500, 27500}, {499, 0}, {65535499, 65535}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(tpupdate::Mhz(c.value), c.rounded);
    EXPECT_EQ(tpupdate::KiloSymbols(c.value), c.rounded);
  }
}

TEST(TransponderUpdate, MatchesByPositionInTheNameOrByHand) {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Astra 19.2E");
  testkit::PutSatellite(*db, 1, "Hotbird 13.0E");
  testkit::PutSatellite(*db, 2, "My Dish");
  testkit::PutSatellite(*db, 3, "Thor 0.8W");  // the list has none there
  testkit::PutSatellite(*db, 4, "Sat 28.2E", SlotState::Deleted);
  testkit::PutSatellite(*db, 5, "My Dish");
  const satxml::List list = Parsed(SatellitesXml(
      {{"13.0E Hot Bird", 130, {}}, {"19.2E Astra", 192, {}}, {"19.2E again", 192, {}}, {"28.2E Astra 2", 282, {}}}));
  tpupdate::Matches m = tpupdate::MatchByName(*db, list);
  ASSERT_EQ(m.size(), ChannelDatabase::kSatelliteCount);
  EXPECT_EQ((std::vector<int>(m.begin(), m.begin() + 6)), (std::vector<int>{1, 0, -1, -1, -1, -1}));
  EXPECT_EQ(tpupdate::MatchByHand(*db, "My Dish", 3, m), 2);
  EXPECT_EQ(tpupdate::MatchByHand(*db, "Nobody", 3, m), 0);
  EXPECT_EQ((std::vector<int>(m.begin(), m.begin() + 6)), (std::vector<int>{1, 0, 3, -1, -1, 3}));
}

// A transponder is present when the satellite has one of the same polarization within
// 2 MHz, hidden ones and those just added included; circular ones are skipped.
TEST(TransponderUpdate, AddsWhatTheSatelliteLacks) {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 3, "Astra 19.2E");
  testkit::PutSatellite(*db, 4, "Hotbird 13.0E");
  testkit::PutTransponder(*db, 0, 3, 10714, 22000, TransponderRecord::kHorizontal);
  testkit::PutTransponder(*db, 1, 3, 11000, 27500, TransponderRecord::kVertical, SlotState::Used, 1);
  testkit::PutTransponder(*db, 2, 3, 12000, 27500, TransponderRecord::kVertical, SlotState::Deleted);
  testkit::PutTransponder(*db, 3, 4, 10717, 27500, TransponderRecord::kHorizontal);  // another satellite's
  const auto before = std::make_unique<ChannelDatabase>(*db);
  const int H = satxml::kHorizontal, V = satxml::kVertical;
  const satxml::List list = Parsed(SatellitesXml({{"19.2E Astra", 192,
                                                   {{10712250, 22000000, H},   // 10712: present
                                                    {10716000, 22000000, H},   // 10716: present
                                                    {10717000, 27499500, H},   // added
                                                    {10711000, 22000000, H},   // 3 MHz off: added
                                                    {10714000, 22000000, V},   // other polarization: added
                                                    {11001000, 27500000, V},   // the hidden one: present
                                                    {12000000, 27500000, V},   // deleted is gone: added
                                                    {10717400, 27500000, H},   // added just now: present
                                                    {11500000, 27500000, satxml::kCircularLeft},
                                                    {11600000, 27500000, satxml::kCircularRight}}}}));
  const tpupdate::Matches matches = tpupdate::MatchByName(*db, list);

  const tpupdate::Report preview = tpupdate::Preview(*db, list, matches);
  EXPECT_EQ(std::memcmp(db.get(), before.get(), sizeof(ChannelDatabase)), 0) << "a preview changes nothing";
  const tpupdate::Report r = tpupdate::Apply(*db, list, matches);
  ASSERT_EQ(r.satellites.size(), 2u);
  const tpupdate::SatelliteReport& astra = r.satellites[0];
  EXPECT_EQ(astra.satellite, 3);
  EXPECT_EQ(astra.added, 4);
  EXPECT_EQ(astra.present, 4);
  EXPECT_EQ(astra.circular, 2);
  EXPECT_EQ(astra.leftOut, 0);
  EXPECT_EQ(preview.Added(), r.Added());
  EXPECT_EQ(r.Matched(), 1);

  // The new ones in the first Empty slots, as "Add Transponder" makes them; the list's
  // 0 is the receiver's horizontal.
  struct Added {
    std::uint16_t frequency, symbolRate;
    std::uint32_t polarization;
  };
  const Added expected[] = {{10717, 27500, TransponderRecord::kHorizontal},
                            {10711, 22000, TransponderRecord::kHorizontal},
                            {10714, 22000, TransponderRecord::kVertical},
                            {12000, 27500, TransponderRecord::kVertical}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const TransponderRecord& t = db->transponders[std::size_t(4 + i)];
    EXPECT_TRUE(t.IsListed());
    EXPECT_EQ(t.SatelliteIndex(), 3u);
    EXPECT_EQ(t.Frequency(), expected[i].frequency);
    EXPECT_EQ(t.SymbolRate(), expected[i].symbolRate);
    EXPECT_EQ(t.Polarization(), expected[i].polarization);
  }
  // Nothing else changed: the stored transponders keep every byte.
  EXPECT_EQ(std::memcmp(db->transponders.data(), before->transponders.data(), 4 * TransponderRecord::kSize), 0);
  EXPECT_FALSE(db->transponders[8].IsUsed());
  EXPECT_EQ(std::memcmp(db->satellites.data(), before->satellites.data(), sizeof db->satellites), 0);

  // Once more: everything is present now.
  const tpupdate::Report again = tpupdate::Apply(*db, list, matches);
  EXPECT_EQ(again.Added(), 0);
  EXPECT_EQ(again.satellites[0].present, 8);
}

// With the table full the rest is left out and counted; Deleted slots are not reused.
TEST(TransponderUpdate, StopsAtAFullTableAndSaysWhatWasLeftOut) {
  auto db = testkit::EmptyDb();
  testkit::PutSatellite(*db, 0, "Astra 19.2E");
  testkit::PutSatellite(*db, 1, "Hotbird 13.0E");
  testkit::PutSatellite(*db, 2, "My Dish");
  testkit::PutSatellite(*db, 3, "Thor 0.8W");
  testkit::PutSatellite(*db, 4, "Sat 28.2E");
  for (int t = 0; t < int(ChannelDatabase::kTransponderCount) - 2; ++t)
    testkit::PutTransponder(*db, t, 2, std::uint16_t(3000 + t), 27500, 0, t == 5 ? SlotState::Deleted : SlotState::Used);
  std::vector<testkit::ListTransponder> five, two;
  for (unsigned i = 0; i < 5; ++i) five.push_back({11000000 + 10000 * i});
  for (unsigned i = 0; i < 2; ++i) two.push_back({12000000 + 10000 * i});
  const satxml::List list =
      Parsed(SatellitesXml({{"19.2E", 192, five}, {"13.0E", 130, two}, {"28.2E", 282, two}}));
  tpupdate::Matches matches = tpupdate::MatchByName(*db, list);
  matches[4] = tpupdate::kNoMatch;  // chosen by hand: none
  const tpupdate::Report r = tpupdate::Apply(*db, list, matches);
  EXPECT_EQ(r.Added(), 2);
  EXPECT_EQ(r.LeftOut(), 5);
  EXPECT_EQ(db->transponders[5].State(), SlotState::Deleted);
  EXPECT_EQ(tpupdate::Describe(r), (std::vector<std::string>{
                                       "Astra 19.2E: 2 added, 0 present, 0 circular skipped, 3 left out: the "
                                       "transponder table is full",
                                       "Hotbird 13.0E: 0 added, 0 present, 0 circular skipped, 2 left out: the "
                                       "transponder table is full",
                                       "My Dish: not matched; its name states no position",
                                       "Thor 0.8W: not matched; the list has no satellite at 0.8W",
                                       "Sat 28.2E: not matched",
                                   }));
  EXPECT_EQ(tpupdate::Describe(r, false).size(), 2u);
}

}  // namespace
