// The four sorts of a channel order: natural, case-insensitive names, satellite
// and frequency, service id, reverse; each stable, and safe on damaged links.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/operations/ChannelSort.h"
#include "support/DbBuilders.h"

namespace {

using dbops::ChannelOrder;
using dbops::SortKey;
using V = std::vector<int>;

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(NaturalNames, ReadAsAPersonDoesThenByTheStoredBytes) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
    const char* why;
  };
  const Case cases[] = {
      {"Kino 2", "Kino 10", -1, "numbers by value"},
      {"kino 9", "KINO 10", -1, "numbers before case"},
      {"Channel 99999999999999999999", "Channel 100000000000000000000", -1, "runs longer than any integer"},
      {"Kino", "Kino 1", -1, "a prefix first"},
      {"3sat", "ARD", -1, "digits before letters"},
      {"\xE9t\xE9", "zdf", -1, "an accented letter beside its plain one, not after z"},
      {"\xC9TOILE", "etoilf", -1, "capital accented letters too"},
      {"Stra\xDF" "e", "Strasse", 1, "sharp s reads as ss; the stored bytes break the tie"},
      {"Stra\xDF" "e", "Strasze", -1, "sharp s reads as ss"},
      {"\xC6on", "Aeon", 1, "AE as ae; tie by bytes"},
      {"\xC6on", "Afon", -1, "AE as ae"},
      {"\xD8st", "Ost", 1, "O slash as o; tie by bytes"},
      {"\xD8st", "Ot", -1, "O slash as o"},
      {"\x8A" "port", "Sport", 1, "S caron as s; tie by bytes"},
      {"\x8A" "port", "Spot", -1, "S caron as s"},
      {"\xDE" "ing", "Tim", -1, "thorn as th"},
      // Ties on the reading are broken by the bytes, so the order is total.
      {"ARD", "ard", -1, "upper case byte first"},
      {"Sat 007", "Sat 7", -1, "leading zeros tie, then '0' before '7'"},
      {"Kino 2", "Kino 2", 0, "only the same bytes are equal"},
      {"", "", 0, "empty names"},
      {"", "a", -1, "empty first"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(dbops::CompareNamesNaturally(c.a, c.b)), c.sign) << c.why << ": " << c.a << " / " << c.b;
    EXPECT_EQ(Sign(dbops::CompareNamesNaturally(c.b, c.a)), -c.sign) << c.why << " (turned round)";
  }
}

TEST(NaturalNames, EveryLetterOfTheCodePageReadsAsItsPlainLetters) {
  struct Letter {
    const char* bytes;  // one or more letters of Windows-1252
    const char* plain;
  };
  const Letter letters[] = {
      {"\x83", "f"},
      {"\x8A\x9A", "s"},
      {"\x8C\x9C", "oe"},
      {"\x8E\x9E", "z"},
      {"\x9F\xDD\xFD\xFF", "y"},
      {"\xAA", "a"},
      {"\xBA", "o"},
      {"\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", "a"},
      {"\xC6\xE6", "ae"},
      {"\xC7\xE7", "c"},
      {"\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", "e"},
      {"\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", "i"},
      {"\xD0\xF0", "d"},
      {"\xD1\xF1", "n"},
      {"\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8", "o"},
      {"\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", "u"},
      {"\xDE\xFE", "th"},
      {"\xDF", "ss"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "?"},  // plain capitals as their small letters
  };
  for (const Letter& l : letters) {
    for (const char* c = l.bytes; *c != '\0'; ++c) {
      const std::string plain = l.plain[0] == '?' ? std::string(1, char(*c + 0x20)) : l.plain;
      const std::string letter(1, *c);
      // Read the same as its plain letters: the next letter decides either way.
      EXPECT_GT(dbops::CompareNamesNaturally(letter + "b", plain + "a"), 0) << int(static_cast<unsigned char>(*c));
      EXPECT_LT(dbops::CompareNamesNaturally(letter + "a", plain + "b"), 0) << int(static_cast<unsigned char>(*c));
    }
  }
  // Signs and symbols are not letters: they keep their place in the code page.
  EXPECT_GT(dbops::CompareNamesNaturally("\x80", "z"), 0) << "euro sign";
  EXPECT_LT(dbops::CompareNamesNaturally(" x", "a"), 0);
}

class Sort : public ::testing::Test {
 protected:
  void SetUp() override {
    testkit::PutSatellite(db, 0, "East");
    testkit::PutSatellite(db, 5, "West");
    testkit::PutTransponder(db, 0, 5, 11000);
    testkit::PutTransponder(db, 1, 0, 12000, 27500, 1);
    testkit::PutTransponder(db, 2, 0, 11500);
    testkit::PutTransponder(db, 3, 0, 12000, 27500, 0);
    Put(1, "Kino 10", 0, 7);
    Put(2, "kino 2", 1, 3);
    Put(3, "ARD", 2, 7);
    Put(4, "Kino 2", 3, 1);
    Put(5, "ard", 1, 3);
    Put(6, "Broken", 900 + 2100, 2);  // transponder past the table
    testkit::PutList(db.channelLists.tvList, {1, 2, 3, 4, 5, 6});
  }
  void Put(int slot, const std::string& name, int tp, std::uint16_t sid) {
    testkit::PutProgram(db, slot, name, tp).SetServiceId(sid);
  }
  V SortedTv(SortKey key) {
    EXPECT_TRUE(dbops::SortOrder(db, ChannelOrder::List(0), key));
    return testkit::Entries(db.channelLists.tvList);
  }
  std::unique_ptr<ChannelDatabase> owned = testkit::EmptyDb();
  ChannelDatabase& db = *owned;
};

TEST_F(Sort, ByNameIsNaturalTotalAndStable) {
  // "ARD" before "ard" and "Kino 2" before "kino 2": names that read alike are put
  // in the order of their bytes, whatever order they came in.
  EXPECT_EQ(SortedTv(SortKey::Name), (V{3, 5, 6, 4, 2, 1}));
  testkit::PutList(db.channelLists.tvList, {5, 4, 3, 2});
  EXPECT_EQ(SortedTv(SortKey::Name), (V{3, 5, 4, 2}));
  // The same bytes keep the order the user left them in.
  Put(7, "ARD", 2, 9);
  testkit::PutList(db.channelLists.tvList, {7, 5, 3});
  EXPECT_EQ(SortedTv(SortKey::Name), (V{7, 3, 5}));
}

TEST_F(Sort, BySatelliteAndFrequencyThenPolarizationDamagedLinksLast) {
  // sat 0: 11500 (3), 12000 V (4), 12000 H (2, 5 stable); sat 5: 11000 (1);
  // broken (6)
  EXPECT_EQ(SortedTv(SortKey::SatelliteAndFrequency), (V{3, 4, 2, 5, 1, 6}));
}

TEST_F(Sort, ByServiceIdIsStableAndReverseTurnsTheOrderAround) {
  EXPECT_EQ(SortedTv(SortKey::ServiceId), (V{4, 6, 2, 5, 1, 3}));
  EXPECT_EQ(SortedTv(SortKey::Reverse), (V{3, 1, 5, 2, 6, 4}));
  EXPECT_EQ(SortedTv(SortKey::Reverse), (V{4, 6, 2, 5, 1, 3}));
}

TEST_F(Sort, GroupsSortAndSlotsPastTheTableGoLastWithNothingElseTouched) {
  testkit::PutGroup(db, 1, "Fav", {4, 4000, 3, 65535, 1});
  testkit::PutList(db.channelLists.radioList, {5, 2});
  const auto before = std::make_unique<ChannelDatabase>(db);
  for (SortKey key : {SortKey::Name, SortKey::SatelliteAndFrequency, SortKey::ServiceId}) {
    ASSERT_TRUE(dbops::SortOrder(db, ChannelOrder::Group(1), key));
    const V m = testkit::Members(db.channelLists.favoriteGroups[1]);
    EXPECT_EQ((V{m[3], m[4]}), (V{4000, 65535})) << int(key);
  }
  EXPECT_EQ(testkit::Members(db.channelLists.favoriteGroups[1]), (V{4, 3, 1, 4000, 65535}));
  ASSERT_TRUE(dbops::SortOrder(db, ChannelOrder::List(1), SortKey::Name));
  EXPECT_EQ(testkit::Entries(db.channelLists.radioList), (V{5, 2}));
  EXPECT_EQ(std::memcmp(&db.channelLists.tvList, &before->channelLists.tvList, sizeof db.channelLists.tvList), 0);
  EXPECT_EQ(std::memcmp(&db.programs, &before->programs, sizeof db.programs), 0);

  EXPECT_FALSE(dbops::SortOrder(db, ChannelOrder::Group(6), SortKey::Reverse)) << "an Empty group";
  EXPECT_FALSE(dbops::SortOrder(db, ChannelOrder::List(7), SortKey::Reverse));
  testkit::PutList(db.channelLists.tvList, {});
  EXPECT_TRUE(dbops::SortOrder(db, ChannelOrder::List(0), SortKey::Name)) << "an empty list sorts to itself";
}


TEST_F(Sort, ASelectionSortsAmongItsOwnPositionsOnly) {
  struct Case {
    SortKey key;
    V rows;
    V expected;
    int count;
    const char* why;
  };
  // The list is {1 "Kino 10", 2 "kino 2", 3 "ARD", 4 "Kino 2", 5 "ard", 6 "Broken"}.
  const Case cases[] = {
      {SortKey::Name, {0, 2, 4}, {3, 2, 5, 4, 1, 6}, 3, "scattered rows; the others stay"},
      {SortKey::Name, {4, 0, 2, 2, 99, -1}, {3, 2, 5, 4, 1, 6}, 3, "unordered, repeated and outside rows"},
      {SortKey::ServiceId, {1, 3, 5}, {1, 4, 3, 6, 5, 2}, 3, "sids 3, 1, 2"},
      {SortKey::Reverse, {0, 1, 5}, {6, 2, 3, 4, 5, 1}, 3, "reverse of the selection"},
      {SortKey::SatelliteAndFrequency, {1, 4}, {1, 2, 3, 4, 5, 6}, 2, "equal places keep their order"},
      {SortKey::Name, {0, 1, 2, 3, 4, 5}, {3, 5, 6, 4, 2, 1}, 6, "all rows: the whole-list sort"},
      {SortKey::Name, {2}, {1, 2, 3, 4, 5, 6}, 0, "one row changes nothing"},
      {SortKey::Name, {}, {1, 2, 3, 4, 5, 6}, 0, "no rows"},
      {SortKey::Reverse, {7, 8}, {1, 2, 3, 4, 5, 6}, 0, "no row inside the list"},
  };
  for (const Case& c : cases) {
    testkit::PutList(db.channelLists.tvList, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(dbops::SortRows(db, ChannelOrder::List(0), c.rows, c.key), c.count) << c.why;
    EXPECT_EQ(testkit::Entries(db.channelLists.tvList), c.expected) << c.why;
  }
}

TEST_F(Sort, ASelectionOfAllRowsIsTheWholeSortForEveryKeyAndOrder) {
  testkit::PutGroup(db, 2, "Fav", {5, 4000, 1, 4, 2});
  for (const ChannelOrder order : {ChannelOrder::List(0), ChannelOrder::Group(2)}) {
    for (SortKey key : {SortKey::Name, SortKey::SatelliteAndFrequency, SortKey::ServiceId, SortKey::Reverse}) {
      const auto whole = std::make_unique<ChannelDatabase>(db);
      ASSERT_TRUE(dbops::SortOrder(*whole, order, key));
      const auto some = std::make_unique<ChannelDatabase>(db);
      const V all{0, 1, 2, 3, 4, 5};
      const int n = dbops::SortRows(*some, order, all, key);
      EXPECT_EQ(n, order.group < 0 ? 6 : 5) << int(key);
      EXPECT_EQ(std::memcmp(&whole->channelLists, &some->channelLists, sizeof db.channelLists), 0) << int(key);
    }
  }
  EXPECT_EQ(dbops::SortRows(db, ChannelOrder::Group(5), V{0, 1}, SortKey::Name), 0) << "an Empty group";
}

}  // namespace
