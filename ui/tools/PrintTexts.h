#pragma once
// Texts of the printed channel lists: each page's header and footer and the section
// titles; the columns are titled as on the Group/Channel page.
#include <QtGlobal>

namespace PrintTexts {

// The header: the document's file name on the left, the day printed on the right.
inline constexpr const char* kDateFormat = "yyyy-MM-dd";
// The footer: %1 this page, %2 the pages in all.
inline constexpr const char* kPageOf = QT_TRANSLATE_NOOP("PrintTexts", "Page %1 of %2");

// Section titles; a favourite group's section is titled with the group's name, and a
// Used group stored without one with kGroupNumber (%1 counted from 1).
inline constexpr const char* kTvList = QT_TRANSLATE_NOOP("PrintTexts", "TV");
inline constexpr const char* kRadioList = QT_TRANSLATE_NOOP("PrintTexts", "Radio");
inline constexpr const char* kGroupNumber = QT_TRANSLATE_NOOP("PrintTexts", "Group %1");
// A section's title again at the top of the next page it runs on to.
inline constexpr const char* kContinued = QT_TRANSLATE_NOOP("PrintTexts", "%1 (continued)");
// The only line of a list with no entries.
inline constexpr const char* kNoPrograms = QT_TRANSLATE_NOOP("PrintTexts", "No programs");

// What a PDF says made it.
inline constexpr const char* kCreator = "Quelmar";

}  // namespace PrintTexts
