#pragma once
// Ready-made databases for the demo, tests and benchmarks. All are deterministic.
#include <cstdint>

#include "db/image/ImageHeader.h"
#include "db/records/ChannelDatabase.h"

namespace sample {

// A header as the receiver sends it: magic, validFlag 1, full data length, the image
// type word of the DbType and a correct header sum.
ImageHeader MakeHeader(int dbType);

// A believable demo: several satellites with LNB settings, dozens of transponders, a few
// hundred TV and radio programs in the channel lists and three favourite groups.
void BuildSampleDatabase(ChannelDatabase& db);

// Every table full: 160 satellites, 2100 transponders, 4000 programs in the lists, all
// eight groups with 100 members; reserved bits hold varied values.
void BuildFullDatabase(ChannelDatabase& db, std::uint32_t seed = 1);

}  // namespace sample
