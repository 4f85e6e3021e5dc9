#pragma once
// What each user action is called in the Edit menu ("Undo Delete Program [Kino 1]"):
// the action, then the record it acted on in brackets.
#include <QtGlobal>

namespace StepTexts {

inline constexpr const char* kAddSatellite = QT_TRANSLATE_NOOP("StepTexts", "Add Satellite [%1]");
inline constexpr const char* kDeleteSatellite = QT_TRANSLATE_NOOP("StepTexts", "Delete Satellite [%1]");
inline constexpr const char* kUpdateSatInfo = QT_TRANSLATE_NOOP("StepTexts", "Update Sat. Info [%1]");
inline constexpr const char* kAddTransponder = QT_TRANSLATE_NOOP("StepTexts", "Add Transponder [%1]");
inline constexpr const char* kEditTransponder = QT_TRANSLATE_NOOP("StepTexts", "Edit Transponder [%1]");
inline constexpr const char* kDeleteTransponder = QT_TRANSLATE_NOOP("StepTexts", "Delete Transponder [%1]");
// A transponder by its frequency and polarization: "11494 H".
inline constexpr const char* kTransponderName = "%1 %2";
inline constexpr const char* kAddProgram = QT_TRANSLATE_NOOP("StepTexts", "Add Program [%1]");
inline constexpr const char* kDeleteProgram = QT_TRANSLATE_NOOP("StepTexts", "Delete Program [%1]");
inline constexpr const char* kUpdateProgram = QT_TRANSLATE_NOOP("StepTexts", "Update Program Info [%1]");
inline constexpr const char* kRenameProgram = QT_TRANSLATE_NOOP("StepTexts", "Rename Program [%1] to [%2]");
inline constexpr const char* kAddGroup = QT_TRANSLATE_NOOP("StepTexts", "Add Group [%1]");
inline constexpr const char* kRenameGroup = QT_TRANSLATE_NOOP("StepTexts", "Rename Group [%1] to [%2]");
inline constexpr const char* kDeleteGroup = QT_TRANSLATE_NOOP("StepTexts", "Delete Group [%1]");
inline constexpr const char* kAddToGroup = QT_TRANSLATE_NOOP("StepTexts", "Add [%1] to %2");
inline constexpr const char* kRemoveFromGroup = QT_TRANSLATE_NOOP("StepTexts", "Remove [%1] from %2");
inline constexpr const char* kMoveInGroup = QT_TRANSLATE_NOOP("StepTexts", "Move [%1] in %2");
// Arranging a list; %2 (or %1 for the sorts) names it: "TV List", "Radio List" or
// "Group [name]", as the group actions above name their group.
inline constexpr const char* kGroupList = QT_TRANSLATE_NOOP("StepTexts", "Group [%1]");
inline constexpr const char* kMoveSeveral = QT_TRANSLATE_NOOP("StepTexts", "Move %1 Programs in %2");
inline constexpr const char* kSortByName = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 by Name");
inline constexpr const char* kSortBySatellite = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 by Satellite and Frequency");
inline constexpr const char* kSortByServiceId = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 by Service ID");
inline constexpr const char* kReverseOrder = QT_TRANSLATE_NOOP("StepTexts", "Reverse Order of %1");
// A sort of the selected rows only, among the places they hold: %1 counts them.
inline constexpr const char* kSortSelectedByName = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 Programs by Name");
inline constexpr const char* kSortSelectedBySatellite = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 Programs by Satellite and Frequency");
inline constexpr const char* kSortSelectedByServiceId = QT_TRANSLATE_NOOP("StepTexts", "Sort %1 Programs by Service ID");
inline constexpr const char* kReverseSelected = QT_TRANSLATE_NOOP("StepTexts", "Reverse Order of %1 Programs");
// The lock flag set or cleared on the selected programs.
inline constexpr const char* kLockProgram = QT_TRANSLATE_NOOP("StepTexts", "Lock [%1]");
inline constexpr const char* kUnlockProgram = QT_TRANSLATE_NOOP("StepTexts", "Unlock [%1]");
inline constexpr const char* kLockPrograms = QT_TRANSLATE_NOOP("StepTexts", "Lock %1 Programs");
inline constexpr const char* kUnlockPrograms = QT_TRANSLATE_NOOP("StepTexts", "Unlock %1 Programs");
// Acting on several selected rows at once, and "Find Duplicates".
inline constexpr const char* kDeleteSeveral = QT_TRANSLATE_NOOP("StepTexts", "Delete %1 Programs");
inline constexpr const char* kAddSeveralToGroup = QT_TRANSLATE_NOOP("StepTexts", "Add %1 Programs to %2");
inline constexpr const char* kRemoveSeveralFromGroup = QT_TRANSLATE_NOOP("StepTexts", "Remove %1 Programs from %2");
// A channel list file applied to the database: "Import [channels.csv]".
inline constexpr const char* kImportList = QT_TRANSLATE_NOOP("StepTexts", "Import [%1]");
// Another database applied as the reference for order: "Apply Order From [old.qdb]".
inline constexpr const char* kApplyOrder = QT_TRANSLATE_NOOP("StepTexts", "Apply Order From [%1]");
// The satellites' transponders brought up to date from a list: "Update Transponders [satellites.xml]".
inline constexpr const char* kUpdateTransponders = QT_TRANSLATE_NOOP("StepTexts", "Update Transponders [%1]");
inline constexpr const char* kDeleteDuplicates = QT_TRANSLATE_NOOP("StepTexts", "Delete %1 Duplicate Programs");

}  // namespace StepTexts
