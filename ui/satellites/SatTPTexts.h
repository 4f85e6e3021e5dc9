#pragma once
// Texts of the "Satellite/Transponder" page and the "Transponder Info." dialog.
// Messages shared with other dialogs are in widgets/Texts.h.

namespace SatTPTexts {

// Page.
inline constexpr const char* kPageTitle = "Satellite/Transponder";
inline constexpr const char* kSatelliteGroup = "Satellite";
inline constexpr const char* kTransponderGroup = "Transponder";
inline constexpr const char* kSatInfoGroup = "Sat. Info";
inline constexpr const char* kColumnAntName = "Ant Name";
inline constexpr const char* kColumnFreq = "Freq ";
inline constexpr const char* kColumnSymbol = "Symbol";
inline constexpr const char* kColumnPolar = "Polar";
inline constexpr const char* kSatelliteRow = "[%1]";
inline constexpr const char* kPolarHor = "Hor";
inline constexpr const char* kPolarVer = "Ver";

inline constexpr const char* kName = "Name";
inline constexpr const char* kLnbType = "LNB Type";
inline constexpr const char* kLnbFreqHigh = "LNB Freq. High";
inline constexpr const char* kLnbFreqLow = "LNB Freq. Low";
inline constexpr const char* kSelected = "Selected";
inline constexpr const char* kDiseqcPort = "Diseqc Port";
inline constexpr const char* kTone22k = "22 kHz";
inline constexpr const char* kLnbPower = "0/12 V";
inline constexpr const char* kMotor = "Motor";
inline constexpr const char* kOn = "On";
inline constexpr const char* kUpdate = "Update";

inline constexpr const char* kLnbTypeRows[] = {"Standard", "Universal"};
inline constexpr const char* kDiseqcPortRows[] = {"Off", "A", "B", "Port 1", "Port 2", "Port 3",
                                                  "Port 4"};
inline constexpr const char* kLnbPowerRows[] = {"0 V", "12 V"};

// "Transponder Info." dialog.
inline constexpr const char* kTpDialogCaption = "Transponder Info.";
inline constexpr const char* kTpSatellite = "Satellite";
inline constexpr const char* kTpFrequency = "Frequency(Mhz)";
inline constexpr const char* kTpSymbolRate = "Symbol Rate";
inline constexpr const char* kTpPolarization = "Polarization";
inline constexpr const char* kPolarizationRows[] = {"Vertical", "Horizontal"};
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// The lists' commands and context menus; the menus' titles name them for a screen reader.
inline constexpr const char* kSatMenu = "SatMenu";
inline constexpr const char* kTpMenu = "TpMenu";
inline constexpr const char* kAddSatellite = "Add Satellite";
inline constexpr const char* kDeleteSatellite = "Delete Satellite";
inline constexpr const char* kAddTransponder = "Add Transponder";
inline constexpr const char* kDeleteTransponder = "Delete Transponder";
inline constexpr const char* kEditTransponder = "Edit Transponder";

}  // namespace SatTPTexts
