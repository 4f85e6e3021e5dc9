#pragma once
// What applying a reference list reports, for the window and quelmar-cli alike.

namespace ReferenceListTexts {

inline constexpr const char* kRowsMatched = "%1 of %2 rows matched";
inline constexpr const char* kRowUnmatched = "line %1: no program matches \"%2\"";
inline constexpr const char* kRenamed = "program %1 renamed: \"%2\" \u2192 \"%3\"";
inline constexpr const char* kLeftInPlace = "%1: program %2 \"%3\" left in place, now at %4";
inline constexpr const char* kGroupCreated = "created group \"%1\"";
inline constexpr const char* kGroupNotCreated = "line %1: no group \"%2\" and none can be created; membership not taken";
inline constexpr const char* kPositionsNotTaken =
    "line %1: %2 group positions for %3 groups; the positions were not taken";
inline constexpr const char* kGroupFull = "group \"%1\" is full; program %2 \"%3\" not added";

}  // namespace ReferenceListTexts
