#pragma once
// Writing a satellite's receiver settings, as the Sat. Info area's "Update" does.
#include <cstdint>
#include <string>

#include "db/records/ChannelDatabase.h"

namespace dbops {

// The values the Sat. Info area shows, as it reads them back. A list that showed no row
// for what is stored reads -1 and keeps the stored value.
struct SatelliteSettings {
  int tone22k = 0;
  int motor = 0;
  int selected = 0;
  int lnbPower = -1;
  int diseqcPort = -1;
  int lnbType = -1;
  std::string name;  // record bytes; a longer name is cut to the field
  std::uint32_t lnbFreqHigh = 0;  // the fields are 16 bits: the low 16 are stored
  std::uint32_t lnbFreqLow = 0;
};

// Writes the settings into a satellite, each into its own bits; the name is written
// only when it differs. True when the name changed (its row text must follow); false,
// writing nothing, for a slot outside the table.
bool UpdateSatellite(ChannelDatabase& db, int satellite, const SatelliteSettings& settings);

}  // namespace dbops
