#include "link/LinkHeader.h"

#include <algorithm>
#include <cstring>

LinkHeader::LinkHeader(const std::uint8_t* bytes) { std::memcpy(b_.data(), bytes, kSize); }

LinkHeader LinkHeader::ForSend(int dbType, const std::uint8_t* data, std::uint32_t dataLength) {
  LinkHeader h;
  h.SetMagic(kMagic);
  h.SetMakerName("Velto");
  h.SetProductCode("VLS1");
  h.SetModelName("K420DUO");
  h.SetVersionTag("AAAAAAA");
  h.SetValidFlag(1);
  h.SetImageTypeWord(ImageTypeWordFor(dbType));
  h.SetDataLength(dataLength);
  // The TypeC receiver does not check a data sum, and its header carries 0.
  if (dbType != 3 && data != nullptr) h.SetDataSumField(DataSum(data, dataLength));
  h.UpdateHeaderSum();
  return h;
}

std::uint32_t LinkHeader::ImageTypeWordFor(int dbType) {
  switch (dbType) {
    case 0: return 0x7FF70000;
    case 1: return 0x40170000;
    default: return 0x40180000;
  }
}

std::uint32_t LinkHeader::DataSum(const std::uint8_t* data, std::size_t count) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += data[i];
  return sum;
}

std::uint32_t LinkHeader::ComputeHeaderSum() const { return DataSum(b_.data(), kSummedBytes); }

std::uint32_t LinkHeader::LoadU32(std::size_t offset) const {
  const std::uint8_t* p = b_.data() + offset;
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void LinkHeader::StoreU32(std::size_t offset, std::uint32_t v) {
  std::uint8_t* p = b_.data() + offset;
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void LinkHeader::StoreText(std::size_t offset, std::size_t width, const char* text) {
  std::uint8_t* p = b_.data() + offset;
  std::memset(p, 0, width);
  const std::size_t n = std::min(std::strlen(text), width);
  std::memcpy(p, text, n);
}
