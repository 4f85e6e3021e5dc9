#pragma once
// What taking the order of a reference database reports, for the window and
// quelmar-cli alike. Lists and groups are named as the exchange names its tables.

namespace ReferenceOrderTexts {

inline constexpr const char* kListMatched = "%1: %2 of %3 reference programs matched";
inline constexpr const char* kUnmatched = "%1: reference program \"%2\" (No. %3) matches no program";
inline constexpr const char* kLeftOver = "%1: program %2 \"%3\" is not in the reference, now No. %4";
inline constexpr const char* kGroupTaken = "favoriteGroups %1 \"%2\": %3 of %4 members matched";
inline constexpr const char* kGroupKept =
    "favoriteGroups %1 \"%2\": %3 members not in the reference kept after them";
inline constexpr const char* kGroupNotFitted = "favoriteGroups %1 \"%2\": %3 members did not fit and were left out";
inline constexpr const char* kGroupRemoved = "favoriteGroups %1 \"%2\" removed: the reference has no group there";
inline constexpr const char* kGroupLeftOver =
    "favoriteGroups %1 \"%2\" kept: the reference has no group there, but %3 of its members are not in the reference";

}  // namespace ReferenceOrderTexts
