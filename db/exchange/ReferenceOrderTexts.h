#pragma once
// What taking the order of a reference database reports, for the window and
// quelmar-cli alike. Lists and groups are named as the window names them.
#include "db/records/TranslateNoop.h"

namespace ReferenceOrderTexts {

// The lists and a group as the lines below name them (%1 of each): the group by its
// place among the eight, counted from 1, and its name.
inline constexpr const char* kTvList = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "TV list");
inline constexpr const char* kRadioList = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "radio list");
inline constexpr const char* kGroupNamed = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "favourite group %1 [%2]");

inline constexpr const char* kListMatched = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: %2 of %3 reference programs matched");
// What the matched programs took besides their places: %1 lock flags changed, %2 names.
inline constexpr const char* kTaken = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "taken from the reference: %1 locks, %2 names");
inline constexpr const char* kTakenLocks = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "taken from the reference: %1 locks; the names kept");
inline constexpr const char* kTakenNames = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "taken from the reference: %1 names; the locks kept");
inline constexpr const char* kTakenNothing = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "the locks and the names kept");
inline constexpr const char* kRenamed = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1 No. %2: \"%3\" renamed \"%4\"");
inline constexpr const char* kUnmatched = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: reference program \"%2\" (No. %3) matches no program");
inline constexpr const char* kLeftOver = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: program %2 \"%3\" is not in the reference, now No. %4");
inline constexpr const char* kGroupTaken = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: %2 of %3 members matched");
inline constexpr const char* kGroupKept =
    QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: %2 members not in the reference kept after them");
inline constexpr const char* kGroupNotFitted = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1: %2 members did not fit and were left out");
inline constexpr const char* kGroupRemoved = QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1 removed: the reference has no group there");
inline constexpr const char* kGroupLeftOver =
    QT_TRANSLATE_NOOP("ReferenceOrderTexts", "%1 kept: the reference has no group there, but %2 of its members are not in the reference");

}  // namespace ReferenceOrderTexts
