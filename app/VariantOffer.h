#pragma once
// When an image's checksums do not hold under the DbType in force but do under another,
// says so; when exactly one other type fits, offers to switch "Config Setting" to it.
#include <cstdint>
#include <string>

class CQuelmarDoc;
class QWidget;
class RunSettings;

class VariantOffer {
 public:
  VariantOffer(CQuelmarDoc& doc, RunSettings& settings, QWidget& window);

  // True when the user switched, and the caller loads the image again.
  bool Offer(const std::uint8_t* image);
  // The same for a file as the file system names it; false when it cannot be read.
  bool OfferForFile(const std::string& nativePath);

 private:
  CQuelmarDoc& doc_;
  RunSettings& settings_;
  QWidget& window_;
};
