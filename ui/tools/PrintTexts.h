#pragma once
// Texts of the printed channel lists: each page's header and footer, the section titles
// and the column titles.

namespace PrintTexts {

// The header: the document's file name on the left, the day printed on the right.
inline constexpr const char* kDateFormat = "yyyy-MM-dd";
// The footer: %1 this page, %2 the pages in all.
inline constexpr const char* kPageOf = "Page %1 of %2";

// Section titles; a favourite group's section is titled with the group's name, and a
// Used group stored without one with kGroupNumber (%1 counted from 1).
inline constexpr const char* kTvList = "TV";
inline constexpr const char* kRadioList = "Radio";
inline constexpr const char* kGroupNumber = "Group %1";
// A section's title again at the top of the next page it runs on to.
inline constexpr const char* kContinued = "%1 (continued)";
// The only line of a list with no entries.
inline constexpr const char* kNoPrograms = "No programs";

inline constexpr const char* kColumnNumber = "No.";
inline constexpr const char* kColumnName = "Name";
inline constexpr const char* kColumnSatellite = "Satellite";
inline constexpr const char* kColumnFrequency = "Frequency/Pol";
inline constexpr const char* kColumnServiceId = "Service ID";
// %1 the frequency in MHz, %2 the polarization.
inline constexpr const char* kFrequencyPol = "%1 %2";
inline constexpr const char* kHorizontal = "H";
inline constexpr const char* kVertical = "V";

// What a PDF says made it.
inline constexpr const char* kCreator = "Quelmar";

}  // namespace PrintTexts
