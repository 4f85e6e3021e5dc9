#pragma once
// The lines a comparison of two databases shows, for the window and quelmar-cli alike.
// %1 names the record ('programs 40 "ZDF"', or a table alone); program numbers are
// slots and positions count from 1.
#include <iterator>
#include <string_view>

#include "db/records/TableNames.h"
#include "db/records/TranslateNoop.h"

namespace DatabaseDiffTexts {

inline constexpr const char* kAdded = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: added");
inline constexpr const char* kRemoved = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: removed");
// %2 is the field's name as the JSON export spells it; %3 and %4 its old and new value.
inline constexpr const char* kChanged = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: %2 %3 -> %4");
inline constexpr const char* kInserted = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: program %2 %3 inserted at %4");
inline constexpr const char* kLeft = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: program %2 %3 removed from %4");
inline constexpr const char* kMoved = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "%1: program %2 %3 moved from %4 to %5");
// A value a record or list does not have on one side.
inline constexpr const char* kNoValue = QT_TRANSLATE_NOOP("DatabaseDiffTexts", "(none)");

// The tables' names as headings; the names themselves are stable (db/records/TableNames.h).
inline constexpr const char* kTableHeadings[] = {
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "header"),         QT_TRANSLATE_NOOP("DatabaseDiffTexts", "system"),
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "satellites"),     QT_TRANSLATE_NOOP("DatabaseDiffTexts", "transponders"),
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "programs"),       QT_TRANSLATE_NOOP("DatabaseDiffTexts", "tvList"),
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "radioList"),      QT_TRANSLATE_NOOP("DatabaseDiffTexts", "favoriteGroups"),
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "trailerWord"),    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "extraWord"),
    QT_TRANSLATE_NOOP("DatabaseDiffTexts", "image"),
};
static_assert([] {
  if (std::size(kTableHeadings) != std::size(tables::kAll)) return false;
  for (std::size_t i = 0; i < std::size(tables::kAll); ++i)
    if (std::string_view(kTableHeadings[i]) != tables::kAll[i]) return false;
  return true;
}(), "a heading for every table the comparison can name, in the order TableNames.h gives them");

}  // namespace DatabaseDiffTexts
