#pragma once
// What applying a reference list reports, for the window and quelmar-cli alike.
#include "db/records/TranslateNoop.h"

namespace ReferenceListTexts {

inline constexpr const char* kRowsMatched = QT_TRANSLATE_NOOP("ReferenceListTexts", "%1 of %2 rows matched");
inline constexpr const char* kRowUnmatched = QT_TRANSLATE_NOOP("ReferenceListTexts", "line %1: no program matches \"%2\"");
inline constexpr const char* kRenamed = QT_TRANSLATE_NOOP("ReferenceListTexts", "program %1 renamed: \"%2\" \u2192 \"%3\"");
inline constexpr const char* kLeftInPlace = QT_TRANSLATE_NOOP("ReferenceListTexts", "%1: program %2 \"%3\" left in place, now at %4");
// A list may name a program as the receiver holds it, control characters and all; such a
// name is matched but never given to another program.
inline constexpr const char* kNameNotTaken =
    QT_TRANSLATE_NOOP("ReferenceListTexts", "line %1: the name \"%2\" holds control characters and was not taken");
inline constexpr const char* kGroupCreated = QT_TRANSLATE_NOOP("ReferenceListTexts", "created group \"%1\"");
inline constexpr const char* kGroupNotCreated = QT_TRANSLATE_NOOP("ReferenceListTexts", "line %1: no group \"%2\" and none can be created; membership not taken");
inline constexpr const char* kPositionsNotTaken =
    QT_TRANSLATE_NOOP("ReferenceListTexts", "line %1: %2 group positions for %3 groups; the positions were not taken");
inline constexpr const char* kGroupFull = QT_TRANSLATE_NOOP("ReferenceListTexts", "group \"%1\" is full; program %2 \"%3\" not added");

}  // namespace ReferenceListTexts
