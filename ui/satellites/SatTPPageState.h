#pragma once
// What the two panels of the "Satellite/Transponder" page remember between operations:
// the row-to-slot maps of their lists, the rows they work on, and the "Sat. Info"
// values. Rebuilt from the database, never stored.
#include <QString>
#include <array>
#include <cstdint>

#include "db/records/TableAt.h"

// The satellite list and "Sat. Info".
struct SatellitePanelState {
  static constexpr int kMaxSatelliteRows = 160;

  std::array<int, kMaxSatelliteRows> satelliteRows{};
  int satelliteRowCount = 0;
  int currentSatelliteRow = 0;

  int infoTone22k = 0;
  int infoMotor = 0;
  int infoSelected = 0;
  int infoLnbPower = -1;  // -1: the list shows no row
  int infoDiseqcPort = -1;
  int infoLnbType = -1;
  QString infoName;
  std::uint32_t infoLnbFreqHigh = 0;
  std::uint32_t infoLnbFreqLow = 0;

  // Slot of the satellite the page works on, or -1 while no satellite is listed.
  int CurrentSatellite() const {
    return ValueAt(satelliteRows, currentSatelliteRow, -1, satelliteRowCount);
  }
};

// The transponder list of the current satellite.
struct TransponderPanelState {
  // The transponder list shows at most this many rows; later ones are not reachable.
  static constexpr int kMaxTransponderRows = 150;

  std::array<int, kMaxTransponderRows> transponderRows{};
  int transponderRowCount = 0;
  int currentTransponderRow = 0;
};

// Both panels' state together, as the page reports it.
struct SatTPPageState : SatellitePanelState, TransponderPanelState {};
