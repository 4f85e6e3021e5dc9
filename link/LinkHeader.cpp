#include "link/LinkHeader.h"

#include "db/records/DbType.h"
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
  if (!dbtype::Is(dbType, DbType::TypeC) && data != nullptr) h.SetDataSum(DataSum(data, dataLength));
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
