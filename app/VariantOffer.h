#pragma once
// When an image's checksums do not hold under the document's variant but do under
// another, says so; when exactly one other variant fits, offers to read it under that
// one. It only answers: the caller loads the image under the variant chosen, so the
// variant changes with the bytes or not at all.
#include <cstdint>
#include <optional>
#include <string>

class CQuelmarDoc;
class QWidget;

class VariantOffer {
 public:
  VariantOffer(const CQuelmarDoc& doc, QWidget& window);

  // The variant the user chose to read `image` under instead, if any.
  std::optional<int> Offer(const std::uint8_t* image);
  // The same for a file as the file system names it; none when it cannot be read.
  std::optional<int> OfferForFile(const std::string& nativePath);

 private:
  const CQuelmarDoc& doc_;
  QWidget& window_;
};
