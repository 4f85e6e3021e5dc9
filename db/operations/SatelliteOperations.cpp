#include "db/operations/SatelliteOperations.h"

namespace dbops {

bool UpdateSatellite(ChannelDatabase& db, int satellite, const SatelliteSettings& settings) {
  if (satellite < 0 || static_cast<std::size_t>(satellite) >= ChannelDatabase::kSatelliteCount) return false;
  SatelliteRecord& sat = db.satellites[static_cast<std::size_t>(satellite)];
  sat.SetTone22k((settings.tone22k & 1) != 0);
  sat.SetMotor(static_cast<std::uint32_t>(settings.motor) & 3u);
  sat.SetSelected((settings.selected & 1) != 0);
  if (settings.lnbPower >= 0) sat.SetLnbPower((settings.lnbPower & 1) != 0);
  if (settings.diseqcPort >= 0) sat.SetDiseqcPort(static_cast<std::uint32_t>(settings.diseqcPort) & 7u);
  if (settings.lnbType >= 0) sat.SetLnbType(static_cast<std::uint32_t>(settings.lnbType) & 15u);

  // Left alone when unchanged, so whatever the receiver keeps after the name survives.
  const bool renamed = !sat.NameIs(settings.name);
  if (renamed) sat.SetName(settings.name);

  sat.SetLnbFreqHigh(static_cast<std::uint16_t>(settings.lnbFreqHigh));
  sat.SetLnbFreqLow(static_cast<std::uint16_t>(settings.lnbFreqLow));
  return renamed;
}

}  // namespace dbops
