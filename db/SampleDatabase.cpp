#include "db/SampleDatabase.h"

#include "db/DatabaseImage.h"
#include "db/DbType.h"

namespace sample {

ImageHeader MakeHeader(int dbType) {
  ImageHeader h;
  h.SetMagic(ImageHeader::kMagic);
  h.SetValidFlag(1);
  h.SetImageTypeWord(dbtype::ImageTypeWord(dbType));
  h.SetDataLength(ImageHeader::kFullDataLength);
  h.UpdateHeaderSum();
  return h;
}

void BuildSampleDatabase(ChannelDatabase& db) { db = ChannelDatabase{}; }

void BuildFullDatabase(ChannelDatabase& db, std::uint32_t) { db = ChannelDatabase{}; }

}  // namespace sample
