#pragma once
// Finding channels in a list as the search field above it does. The text typed is split
// into words, and a row passes when each word matches its name, its satellite, its
// transponder or its service ID: "news 19.2" finds News 24 on the 19.2E satellite,
// "11494 H" every program of that transponder. A number alone also finds the channel of
// that number. Letters compare as the name sort reads them: case and accents do not count.
//
// Among the rows that pass, those whose name is what was typed for it come first, then
// those whose name starts with it, then the rest, so "Kino 1" takes "Kino 1" before
// "Kino 10" wherever each stands. What "was typed for the name" is the words the name
// matched: "Kino 1 Boreal" asks for "Kino 1" on a satellite named Boreal.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/operations/ChannelRows.h"

namespace channelsearch {

// How well a row's name answers the search, best first.
enum class Rank { Named, Starts, Other };

class Query {
 public:
  Query() = default;
  // The text as typed, as code points; blanks separate the words.
  explicit Query(std::u32string_view text);

  bool Empty() const { return words_.empty(); }
  // Whether every word matches the row (its number is the channel number).
  bool Matches(const channelrows::Row& row) const;
  // How well the row's name answers the words it matched; Other when it matched none.
  Rank RankOf(const channelrows::Row& row) const;

 private:
  struct Word {
    std::string folded;     // the word's letters as names are compared; empty when the
                            // receiver's code page cannot hold them
    long long number = -1;  // its value when it is all digits
    int frequency = -1;     // a transponder: "11494 H" (also typed "11494H")
    bool horizontal = false;
  };
  bool MatchesName(const Word& word, const std::string& name) const;

  std::vector<Word> words_;
};

// The row "Place Next" takes among the rows a search shows, in list order: the first of
// the best rank. `alike` counts the rows of that rank whose name reads as the one taken
// (itself included), so the window can say when the user should pick among several.
struct Pick {
  int index = -1;  // into the rows given; -1 when none was given
  Rank rank = Rank::Other;
  int alike = 0;
};
Pick Best(const Query& query, std::span<const channelrows::Row* const> rows);

}  // namespace channelsearch
