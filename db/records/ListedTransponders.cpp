#include "db/records/ListedTransponders.h"

namespace dbops {

ListedTransponders ListTransponders(const ChannelDatabase& db, int satellite) {
  ListedTransponders listed;
  for (std::size_t slot = 0; slot < ChannelDatabase::kTransponderCount; ++slot) {
    const TransponderRecord& tp = db.transponders[slot];
    if (static_cast<int>(tp.SatelliteIndex()) != satellite) continue;
    if (listed.count == ListedTransponders::kMaxRows) break;
    if (!tp.IsListed()) continue;
    listed.rows[static_cast<std::size_t>(listed.count++)] = static_cast<int>(slot);
  }
  return listed;
}

}  // namespace dbops
