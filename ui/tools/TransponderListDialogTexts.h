#pragma once
// Texts of Tools > "Update Transponders From List…": its file chooser, its dialog and
// what it reports. The report's lines come from db/ (TransponderListTexts).
#include <QtGlobal>

namespace TransponderListDialogTexts {

// UTF-8: the ellipsis is one character.
inline constexpr const char* kMenuUpdateTransponders =
    QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Update Transponders From List…");
inline constexpr const char* kOpenCaption =
    QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Update Transponders From List");
inline constexpr const char* kFilter =
    QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Transponder Lists (*.xml);;All Files (*.*)");
inline constexpr const char* kNothingToUpdate = QT_TRANSLATE_NOOP(
    "TransponderListDialogTexts",
    "A transponder list applies to a database: open or receive one before updating its transponders.");
// %1 the file, %2 why.
inline constexpr const char* kRefused = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "%1 was not read: %2");

// The dialog; %1 the file.
inline constexpr const char* kCaption = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Update Transponders From %1");
// %1 the file, %2 its satellites, %3 its transponders.
inline constexpr const char* kSummary = QT_TRANSLATE_NOOP(
    "TransponderListDialogTexts",
    "%1 holds %2 satellites with %3 transponders. Each satellite of the database takes the transponders it lacks "
    "from the list's satellite chosen for it; nothing is removed or changed.");
inline constexpr const char* kSatellites = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Satellites");
inline constexpr const char* kColumnSatellite = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Satellite");
inline constexpr const char* kColumnMatch = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "From the list");
// The transponders the satellite would take.
inline constexpr const char* kColumnAdd = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "New");
inline constexpr const char* kColumnPresent = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Present");
inline constexpr const char* kColumnCircular = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Circular");
inline constexpr const char* kColumnLeftOut = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Left out");
// The list beside them, for the selected satellite.
inline constexpr const char* kTakeFrom = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Take the transponders of");
inline constexpr const char* kNoMatch = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "(not matched)");
// A satellite of the list: its name and its position, "19.2E Astra (19.2E)".
inline constexpr const char* kListSatellite = "%1 (%2)";
// Under both lists; %1 transponders, %2 satellites, %3 those that do not fit.
inline constexpr const char* kTotal =
    QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Adds %1 transponders to %2 satellites.");
inline constexpr const char* kTotalLeftOut = QT_TRANSLATE_NOOP(
    "TransponderListDialogTexts",
    "Adds %1 transponders to %2 satellites; %3 more do not fit, as the transponder table is full.");

// After the update.
inline constexpr const char* kNotMatched = QT_TRANSLATE_NOOP(
    "TransponderListDialogTexts", "%1 satellites were not matched and keep their transponders as they are.");
inline constexpr const char* kNothingMatched =
    QT_TRANSLATE_NOOP("TransponderListDialogTexts", "No satellite was matched; nothing was added.");
// The status bar: %1 transponders, %2 the file.
inline constexpr const char* kAdded = QT_TRANSLATE_NOOP("TransponderListDialogTexts", "Added %1 transponders from %2");

}  // namespace TransponderListDialogTexts
