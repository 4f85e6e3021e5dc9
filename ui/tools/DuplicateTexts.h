#pragma once
// Texts of the "Find Duplicates" dialog and its menu item.
#include <QtGlobal>

namespace DuplicateTexts {

inline constexpr const char* kMenuFindDuplicates = QT_TRANSLATE_NOOP("DuplicateTexts", "Find Duplicates");
inline constexpr const char* kCaption = kMenuFindDuplicates;

// The summary over the list of sets; %1 the sets, %2 the programs that would go.
inline constexpr const char* kSummary =
    QT_TRANSLATE_NOOP("DuplicateTexts", "%1 sets of programs share satellite, frequency, polarization and service ID. "
    "Check the one to keep in each set; the other %2 are deleted.");
inline constexpr const char* kNoDuplicates = QT_TRANSLATE_NOOP("DuplicateTexts", "No duplicate programs found.");
inline constexpr const char* kDuplicateListName = QT_TRANSLATE_NOOP("DuplicateTexts", "Duplicate programs");
// A set's row: %1 its number, %2 how many programs it holds.
inline constexpr const char* kSetRow = QT_TRANSLATE_NOOP("DuplicateTexts", "Set %1: %2 programs");

inline constexpr const char* kSameNameLabel = QT_TRANSLATE_NOOP("DuplicateTexts", "Same name on different transponders (for information):");
inline constexpr const char* kSameNameRow = QT_TRANSLATE_NOOP("DuplicateTexts", "%1: %2 programs");

// Columns of both lists beside the program fields' own labels (GroupChTexts).
inline constexpr const char* kColumnTransponder = QT_TRANSLATE_NOOP("DuplicateTexts", "Frequency");
inline constexpr const char* kColumnTvNo = QT_TRANSLATE_NOOP("DuplicateTexts", "TV No.");
inline constexpr const char* kColumnRadioNo = QT_TRANSLATE_NOOP("DuplicateTexts", "Radio No.");
inline constexpr const char* kColumnGroups = QT_TRANSLATE_NOOP("DuplicateTexts", "Groups");
// A transponder as "11494 Hor"; group names joined by ", ".
inline constexpr const char* kTransponder = "%1 %2";
inline constexpr const char* kGroupSeparator = ", ";

// The dialog closes with ExchangeDialogTexts::kClose, as the other Tools reports do.
inline constexpr const char* kDeleteOthers = QT_TRANSLATE_NOOP("DuplicateTexts", "Delete Others");

}  // namespace DuplicateTexts
