#pragma once
// What each user action is called in the Edit menu ("Undo Delete Program [Kino 1]"):
// the action, then the record it acted on in brackets.

namespace StepTexts {

inline constexpr const char* kAddSatellite = "Add Satellite [%1]";
inline constexpr const char* kDeleteSatellite = "Delete Satellite [%1]";
inline constexpr const char* kUpdateSatInfo = "Update Sat. Info [%1]";
inline constexpr const char* kAddTransponder = "Add Transponder [%1]";
inline constexpr const char* kEditTransponder = "Edit Transponder [%1]";
inline constexpr const char* kDeleteTransponder = "Delete Transponder [%1]";
// A transponder by its frequency and polarization: "11494 H".
inline constexpr const char* kTransponderName = "%1 %2";
inline constexpr const char* kAddProgram = "Add Program [%1]";
inline constexpr const char* kDeleteProgram = "Delete Program [%1]";
inline constexpr const char* kUpdateProgram = "Update Program Info [%1]";
inline constexpr const char* kAddGroup = "Add Group [%1]";
inline constexpr const char* kRenameGroup = "Rename Group [%1] to [%2]";
inline constexpr const char* kDeleteGroup = "Delete Group [%1]";
inline constexpr const char* kAddToGroup = "Add [%1] to %2";
inline constexpr const char* kRemoveFromGroup = "Remove [%1] from %2";
inline constexpr const char* kMoveInGroup = "Move [%1] in %2";
// Arranging a list; %2 (or %1 for the sorts) names it: "TV List", "Radio List" or
// "Group [name]", as the group actions above name their group.
inline constexpr const char* kGroupList = "Group [%1]";
inline constexpr const char* kMoveSeveral = "Move %1 Programs in %2";
inline constexpr const char* kSortByName = "Sort %1 by Name";
inline constexpr const char* kSortBySatellite = "Sort %1 by Satellite and Frequency";
inline constexpr const char* kSortByServiceId = "Sort %1 by Service ID";
inline constexpr const char* kReverseOrder = "Reverse Order of %1";
// A sort of the selected rows only, among the places they hold: %1 counts them.
inline constexpr const char* kSortSelectedByName = "Sort %1 Programs by Name";
inline constexpr const char* kSortSelectedBySatellite = "Sort %1 Programs by Satellite and Frequency";
inline constexpr const char* kSortSelectedByServiceId = "Sort %1 Programs by Service ID";
inline constexpr const char* kReverseSelected = "Reverse Order of %1 Programs";
// The lock flag set or cleared on the selected programs.
inline constexpr const char* kLockProgram = "Lock [%1]";
inline constexpr const char* kUnlockProgram = "Unlock [%1]";
inline constexpr const char* kLockPrograms = "Lock %1 Programs";
inline constexpr const char* kUnlockPrograms = "Unlock %1 Programs";
// Acting on several selected rows at once, and "Find Duplicates".
inline constexpr const char* kDeleteSeveral = "Delete %1 Programs";
inline constexpr const char* kAddSeveralToGroup = "Add %1 Programs to %2";
inline constexpr const char* kRemoveSeveralFromGroup = "Remove %1 Programs from %2";
// A channel list file applied to the database: "Import [channels.csv]".
inline constexpr const char* kImportList = "Import [%1]";
// Another database applied as the reference for order: "Apply Order From [old.qdb]".
inline constexpr const char* kApplyOrder = "Apply Order From [%1]";
inline constexpr const char* kDeleteDuplicates = "Delete %1 Duplicate Programs";

}  // namespace StepTexts
