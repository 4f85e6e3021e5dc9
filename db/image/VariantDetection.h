#pragma once
// Which receiver variants an image fits. The four DbTypes lay the same bytes out
// differently, so a file read under the wrong one shows nonsense; its section checksums
// tell, as they hold only under the layout the image was built for. TypeA and TypeB 7
// share one layout, and so do TypeB 6 and TypeC: between those the header's image type
// word decides, when it names one of them.
#include <cstdint>
#include <string>
#include <vector>

namespace variant {

// Every DbType under which all the section checksums of the image (kImageSize bytes)
// hold, in ascending order.
std::vector<int> MatchingTypes(const std::uint8_t* image);

struct Detection {
  bool fitsInForce = true;      // the checksums hold under the DbType in force
  std::vector<int> candidates;  // otherwise the types it fits, narrowed by the header
  // The one type to offer a switch to; -1 when none fits or several are equally likely.
  int Suggestion() const { return !fitsInForce && candidates.size() == 1 ? candidates.front() : -1; }
  // Worth telling the user: the type in force does not fit but another does.
  bool Mismatch() const { return !fitsInForce && !candidates.empty(); }
};

Detection Detect(const std::uint8_t* image, int inForce);

// The DbType to read another database under when only its order is taken (a reference
// made before a firmware change may well come from the other receiver variant): the
// one in force, unless the checksums hold only under others, then the likeliest of those.
int ReadAs(const std::uint8_t* image, int inForce);

// "TypeA" or "TypeA and TypeB 7 Block Size", for the messages.
std::string TypeNames(const std::vector<int>& types);

}  // namespace variant
