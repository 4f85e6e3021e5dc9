#include "db/image/VariantDetection.h"

#include <algorithm>

#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/records/DbType.h"

namespace variant {

std::vector<int> MatchingTypes(const std::uint8_t* image) {
  std::vector<int> out;
  for (int t = 0; t < dbtype::kCount; ++t) {
    const auto sections = DatabaseImage::Sections(t);
    if (std::all_of(sections.begin(), sections.end(),
                    [&](const DatabaseImage::Section& s) { return DatabaseImage::ChecksumMatches(image, s); }))
      out.push_back(t);
  }
  return out;
}

Detection Detect(const std::uint8_t* image, int inForce) {
  Detection d;
  const std::vector<int> matching = MatchingTypes(image);
  if (matching.empty() || std::find(matching.begin(), matching.end(), inForce) != matching.end()) return d;
  d.fitsInForce = false;
  d.candidates = matching;
  // Types sharing a layout: keep those whose image type word the header carries.
  const std::uint32_t word = ImageHeader(image).ImageTypeWord();
  std::vector<int> named;
  for (int t : matching)
    if (dbtype::ImageTypeWord(t) == word) named.push_back(t);
  if (!named.empty()) d.candidates = named;
  return d;
}

int ReadAs(const std::uint8_t* image, int inForce) {
  const Detection d = Detect(image, inForce);
  return d.Mismatch() ? d.candidates.front() : inForce;
}

std::string TypeNames(const std::vector<int>& types) {
  std::string out;
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (i > 0) out += i + 1 == types.size() ? " and " : ", ";
    out += dbtype::kNames[types[i]];
  }
  return out;
}

}  // namespace variant
