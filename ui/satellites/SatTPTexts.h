#pragma once
// Texts of the "Satellite/Transponder" page and the "Transponder Info." dialog.
// Messages shared with other dialogs are in widgets/Texts.h.
#include <QtGlobal>

namespace SatTPTexts {

// Page.
inline constexpr const char* kPageTitle = QT_TRANSLATE_NOOP("SatTPTexts", "Satellite/Transponder");
inline constexpr const char* kSatelliteGroup = QT_TRANSLATE_NOOP("SatTPTexts", "Satellite");
inline constexpr const char* kTransponderGroup = QT_TRANSLATE_NOOP("SatTPTexts", "Transponder");
inline constexpr const char* kSatInfoGroup = QT_TRANSLATE_NOOP("SatTPTexts", "Sat. Info");
inline constexpr const char* kColumnAntName = QT_TRANSLATE_NOOP("SatTPTexts", "Ant Name");
inline constexpr const char* kColumnFreq = QT_TRANSLATE_NOOP("SatTPTexts", "Freq ");
inline constexpr const char* kColumnSymbol = QT_TRANSLATE_NOOP("SatTPTexts", "Symbol");
inline constexpr const char* kColumnPolar = QT_TRANSLATE_NOOP("SatTPTexts", "Polar");
inline constexpr const char* kSatelliteRow = "[%1]";
inline constexpr const char* kPolarHor = QT_TRANSLATE_NOOP("SatTPTexts", "Hor");
inline constexpr const char* kPolarVer = QT_TRANSLATE_NOOP("SatTPTexts", "Ver");

inline constexpr const char* kName = QT_TRANSLATE_NOOP("SatTPTexts", "Name");
inline constexpr const char* kLnbType = QT_TRANSLATE_NOOP("SatTPTexts", "LNB Type");
inline constexpr const char* kLnbFreqHigh = QT_TRANSLATE_NOOP("SatTPTexts", "LNB Freq. High");
inline constexpr const char* kLnbFreqLow = QT_TRANSLATE_NOOP("SatTPTexts", "LNB Freq. Low");
inline constexpr const char* kSelected = QT_TRANSLATE_NOOP("SatTPTexts", "Selected");
inline constexpr const char* kDiseqcPort = QT_TRANSLATE_NOOP("SatTPTexts", "Diseqc Port");
inline constexpr const char* kTone22k = QT_TRANSLATE_NOOP("SatTPTexts", "22 kHz");
inline constexpr const char* kLnbPower = QT_TRANSLATE_NOOP("SatTPTexts", "0/12 V");
inline constexpr const char* kMotor = QT_TRANSLATE_NOOP("SatTPTexts", "Motor");
inline constexpr const char* kOn = QT_TRANSLATE_NOOP("SatTPTexts", "On");
inline constexpr const char* kUpdate = QT_TRANSLATE_NOOP("SatTPTexts", "Update");

inline constexpr const char* kLnbTypeRows[] = {QT_TRANSLATE_NOOP("SatTPTexts", "Standard"), QT_TRANSLATE_NOOP("SatTPTexts", "Universal")};
inline constexpr const char* kDiseqcPortRows[] = {QT_TRANSLATE_NOOP("SatTPTexts", "Off"), QT_TRANSLATE_NOOP("SatTPTexts", "A"), QT_TRANSLATE_NOOP("SatTPTexts", "B"), QT_TRANSLATE_NOOP("SatTPTexts", "Port 1"), QT_TRANSLATE_NOOP("SatTPTexts", "Port 2"), QT_TRANSLATE_NOOP("SatTPTexts", "Port 3"),
                                                  QT_TRANSLATE_NOOP("SatTPTexts", "Port 4")};
inline constexpr const char* kLnbPowerRows[] = {QT_TRANSLATE_NOOP("SatTPTexts", "0 V"), QT_TRANSLATE_NOOP("SatTPTexts", "12 V")};

// "Transponder Info." dialog.
inline constexpr const char* kTpDialogCaption = QT_TRANSLATE_NOOP("SatTPTexts", "Transponder Info.");
inline constexpr const char* kTpSatellite = QT_TRANSLATE_NOOP("SatTPTexts", "Satellite");
inline constexpr const char* kTpFrequency = QT_TRANSLATE_NOOP("SatTPTexts", "Frequency(Mhz)");
inline constexpr const char* kTpSymbolRate = QT_TRANSLATE_NOOP("SatTPTexts", "Symbol Rate");
inline constexpr const char* kTpPolarization = QT_TRANSLATE_NOOP("SatTPTexts", "Polarization");
inline constexpr const char* kPolarizationRows[] = {QT_TRANSLATE_NOOP("SatTPTexts", "Vertical"), QT_TRANSLATE_NOOP("SatTPTexts", "Horizontal")};
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("SatTPTexts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("SatTPTexts", "Cancel");

// The lists' commands and context menus; the menus' titles name them for a screen reader.
inline constexpr const char* kSatMenu = QT_TRANSLATE_NOOP("SatTPTexts", "SatMenu");
inline constexpr const char* kTpMenu = QT_TRANSLATE_NOOP("SatTPTexts", "TpMenu");
inline constexpr const char* kAddSatellite = QT_TRANSLATE_NOOP("SatTPTexts", "Add Satellite");
inline constexpr const char* kDeleteSatellite = QT_TRANSLATE_NOOP("SatTPTexts", "Delete Satellite");
inline constexpr const char* kAddTransponder = QT_TRANSLATE_NOOP("SatTPTexts", "Add Transponder");
inline constexpr const char* kDeleteTransponder = QT_TRANSLATE_NOOP("SatTPTexts", "Delete Transponder");
inline constexpr const char* kEditTransponder = QT_TRANSLATE_NOOP("SatTPTexts", "Edit Transponder");

}  // namespace SatTPTexts
