#pragma once
// Why a transponder list (satellites.xml) was refused, and what updating the
// satellites' transponders from it reports, for the window and quelmar-cli alike.
// Element and attribute names and the values found stay as the file has them.
#include "db/records/TranslateNoop.h"

namespace TransponderListTexts {

// ---- the file ----
// %2 the file's size, or ImportTexts::kMoreThan when it was not read to its end.
inline constexpr const char* kTooLarge =
    QT_TRANSLATE_NOOP("TransponderListTexts", "%1: %2 MiB is larger than any transponder list (at most %3 MiB)");

// ---- reasons, each behind "line %1: " (ImportTexts::kAtLine) ----
// %1 what the XML library said, as it said it.
// A stream that goes on past the size limit.
inline constexpr const char* kTooLong =
    QT_TRANSLATE_NOOP("TransponderListTexts", "more than %1 MiB; no transponder list is that large");
inline constexpr const char* kNotXml = QT_TRANSLATE_NOOP("TransponderListTexts", "not XML: %1");
inline constexpr const char* kEntity = QT_TRANSLATE_NOOP(
    "TransponderListTexts", "declares the entity \"%1\"; a transponder list needs none, so it is not read");
inline constexpr const char* kNotAList =
    QT_TRANSLATE_NOOP("TransponderListTexts", "the root element is <%1>; a transponder list has <satellites>");
inline constexpr const char* kNoSatellite =
    QT_TRANSLATE_NOOP("TransponderListTexts", "no <sat> element; not a transponder list");
inline constexpr const char* kTooDeep = QT_TRANSLATE_NOOP(
    "TransponderListTexts", "elements nested more than %1 levels deep; a transponder list needs three");
inline constexpr const char* kTooManySatellites =
    QT_TRANSLATE_NOOP("TransponderListTexts", "more than %1 satellites; no transponder list has that many");
inline constexpr const char* kTooManyTransponders =
    QT_TRANSLATE_NOOP("TransponderListTexts", "more than %1 transponders; no transponder list has that many");
// %1 the element, %2 the attribute.
inline constexpr const char* kMissingAttribute =
    QT_TRANSLATE_NOOP("TransponderListTexts", "<%1> has no attribute %2");
// %1 the element, %2 the attribute, %3 and %4 the range, %5 the value found.
inline constexpr const char* kBadAttribute = QT_TRANSLATE_NOOP(
    "TransponderListTexts", "<%1> attribute %2: expected an integer from %3 to %4, got \"%5\"");

// ---- the update, one line a satellite of the database ----
// %1 the satellite's name.
inline constexpr const char* kUpdated =
    QT_TRANSLATE_NOOP("TransponderListTexts", "%1: %2 added, %3 present, %4 circular skipped");
inline constexpr const char* kUpdatedLeftOut = QT_TRANSLATE_NOOP(
    "TransponderListTexts",
    "%1: %2 added, %3 present, %4 circular skipped, %5 left out: the transponder table is full");
inline constexpr const char* kNoPosition =
    QT_TRANSLATE_NOOP("TransponderListTexts", "%1: not matched; its name states no position");
// %2 the position as a name states it, "19.2E".
inline constexpr const char* kPositionNotListed =
    QT_TRANSLATE_NOOP("TransponderListTexts", "%1: not matched; the list has no satellite at %2");
// Its name states a position the list has, but the user chose no list satellite for it.
inline constexpr const char* kNotChosen = QT_TRANSLATE_NOOP("TransponderListTexts", "%1: not matched");

}  // namespace TransponderListTexts
