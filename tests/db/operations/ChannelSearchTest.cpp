// The search above a channel list: which rows its words find, and which of them "Place
// Next" takes, on the names a rescan gives ("Kino 1" beside "Kino 10", three "News 24").
#include <gtest/gtest.h>

#include <vector>

#include "db/operations/ChannelSearch.h"

namespace {

using channelrows::Row;
using channelsearch::Query;
using channelsearch::Rank;

Row MakeRow(int number, std::u32string name, std::u32string satellite, int frequency, bool horizontal,
            int serviceId) {
  Row r;
  r.number = number;
  r.program = number + 100;
  r.name = std::move(name);
  r.satelliteName = std::move(satellite);
  r.satellite = 0;
  r.frequency = frequency;
  r.horizontal = horizontal;
  r.serviceId = serviceId;
  return r;
}

// A search as the failure message shows it (ASCII; anything else as '?').
std::string Shown(std::u32string_view text) {
  std::string out;
  for (const char32_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

const Row kNews = MakeRow(7, U"News 24", U"Meridian 19.2E", 11494, true, 1234);
const Row kKino10 = MakeRow(3, U"Kino 10", U"Boreal 13E", 10719, false, 28106);
const Row kAccented = MakeRow(12, U"T\u00E9l\u00E9 Stra\u00DFe", U"Boreal 13E", 11494, false, 77);
// A list entry naming no program: only its channel number can find it.
const Row kDamaged = [] {
  Row r;
  r.number = 9;
  return r;
}();

TEST(ChannelSearch, EachWordMustMatchNameSatelliteTransponderOrServiceId) {
  const struct {
    const char32_t* typed;
    const Row& row;
    bool found;
  } cases[] = {
      {U"", kNews, true},
      {U"news", kNews, true},
      {U"NEWS 24", kNews, true},
      {U"ew", kNews, true},
      {U"news 19.2", kNews, true},       // a word of the satellite's name
      {U"news 13E", kNews, false},       // another satellite
      {U"11494 H", kNews, true},         // the transponder as the lists show it
      {U"11494h", kNews, true},
      {U"11494 V", kNews, false},
      {U"11494 v", kAccented, true},
      {U"11494", kNews, true},           // a frequency alone
      {U"1234", kNews, true},            // the service ID
      {U"123", kNews, false},            // a service ID is equal, not a prefix
      {U"news 1234", kNews, true},
      {U"7", kNews, true},               // a number alone is also the channel number
      {U"news 7", kNews, false},         // ... but not among other words
      {U"8", kNews, false},
      {U"9", kDamaged, true},
      {U"news", kDamaged, false},
      {U"tele strasse", kAccented, true},  // accents and sharp s as the name sort reads them
      {U"T\u00C9L\u00C9", kAccented, true},
      {U"\u03A9", kNews, false},         // no byte of the code page: matches nothing
      {U"kino 10 boreal", kKino10, true},
      {U"kino 1 meridian", kKino10, false},
  };
  for (const auto& c : cases) EXPECT_EQ(Query(c.typed).Matches(c.row), c.found) << Shown(c.typed);
}

TEST(ChannelSearch, TheNameTypedComesFirstThenNamesStartingWithItThenTheRest) {
  const std::vector<Row> rows = {
      MakeRow(1, U"Kino 10", U"Boreal", 10700, true, 1), MakeRow(2, U"SUPER RTL", U"Boreal", 10700, true, 2),
      MakeRow(3, U"RTL II", U"Boreal", 10700, true, 3),  MakeRow(4, U"kino  1", U"Boreal", 10700, true, 4),
      MakeRow(5, U"RTL", U"Boreal", 10700, true, 5),     MakeRow(6, U"News 24", U"Meridian", 11494, true, 6),
      MakeRow(7, U"News 24", U"Boreal", 11494, true, 7), MakeRow(8, U"News 24 HD", U"Boreal", 11494, true, 8),
      MakeRow(9, U"News 24", U"Austral", 11494, true, 9), MakeRow(10, U"Kino 1", U"Austral", 10700, true, 10),
  };
  const struct {
    const char32_t* typed;
    int taken;  // channel number of the row taken; 0 none
    Rank rank;
    int alike;
  } cases[] = {
      {U"Kino 1", 4, Rank::Named, 2},        // "kino  1" reads as "Kino 1"; not "Kino 10" above it
      {U"kino 1 austral", 10, Rank::Named, 1},
      {U"RTL", 5, Rank::Named, 1},           // not "SUPER RTL" nor "RTL II" before it
      {U"rtl i", 3, Rank::Starts, 1},
      {U"News 24", 6, Rank::Named, 3},       // the first of three: the window says so
      {U"news 24 boreal", 7, Rank::Named, 1},
      {U"news 24 HD", 8, Rank::Named, 1},
      {U"news", 6, Rank::Starts, 3},
      {U"10", 1, Rank::Other, 1},             // a number: the first row it finds
      {U"11494 H", 6, Rank::Other, 3},        // no word for the name: the first row shown
      {U"Ghost", 0, Rank::Other, 0},
  };
  for (const auto& c : cases) {
    const Query query(c.typed);
    std::vector<const Row*> shown;
    for (const Row& r : rows)
      if (query.Matches(r)) shown.push_back(&r);
    const channelsearch::Pick pick = channelsearch::Best(query, shown);
    SCOPED_TRACE(Shown(c.typed));
    EXPECT_EQ(pick.index < 0 ? 0 : shown[std::size_t(pick.index)]->number, c.taken);
    if (c.taken == 0) continue;
    EXPECT_EQ(pick.rank, c.rank);
    EXPECT_EQ(pick.alike, c.alike);
  }
}

}  // namespace
