#pragma once
// What a send needs from the document, and no more: the image to put on the line and
// the receiver variant it is laid out for. The document provides it; the send engine
// sees nothing else of the document.
#include <cstddef>
#include <cstdint>

class ImageSource {
 public:
  // Fills DatabaseImage::kImageSize bytes at `out` and returns the image length; 0
  // (with `out` left alone) when there is nothing to send.
  virtual std::size_t BuildImage(std::uint8_t* out) = 0;
  // The DbType in force: it picks the header's image type and whether it carries a sum.
  virtual int GetDbType() const = 0;

 protected:
  ~ImageSource() = default;
};
