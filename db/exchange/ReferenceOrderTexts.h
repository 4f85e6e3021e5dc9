#pragma once
// What taking the order of a reference database reports, for the window and
// quelmar-cli alike. Lists and groups are named as the exchange names its tables.
#include "db/records/TranslateNoop.h"

namespace ReferenceOrderTexts {

inline constexpr const char* kListMatched = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: %2 of %3 reference programs matched");
inline constexpr const char* kUnmatched = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: reference program \"%2\" (No. %3) matches no program");
inline constexpr const char* kLeftOver = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: program %2 \"%3\" is not in the reference, now No. %4");
inline constexpr const char* kGroupTaken = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favoriteGroups %1 \"%2\": %3 of %4 members matched");
inline constexpr const char* kGroupKept =
    QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favoriteGroups %1 \"%2\": %3 members not in the reference kept after them");
inline constexpr const char* kGroupNotFitted = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favoriteGroups %1 \"%2\": %3 members did not fit and were left out");
inline constexpr const char* kGroupRemoved = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favoriteGroups %1 \"%2\" removed: the reference has no group there");
inline constexpr const char* kGroupLeftOver =
    QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favoriteGroups %1 \"%2\" kept: the reference has no group there, but %3 of its members are not in the reference");

}  // namespace ReferenceOrderTexts
