#pragma once
// Texts of the check, compare, export and import dialogs and questions.

namespace ExchangeDialogTexts {

inline constexpr const char* kCheckCaption = "Check Database";
inline constexpr const char* kCheckListName = "Problems";
inline constexpr const char* kColumnSeverity = "Severity";
inline constexpr const char* kColumnKind = "Kind";
inline constexpr const char* kColumnTable = "Table";
inline constexpr const char* kColumnSlot = "Slot";
inline constexpr const char* kColumnMessage = "Message";
inline constexpr const char* kCheckSummary = "%1 errors, %2 warnings. Double-click a problem to select its record.";
inline constexpr const char* kCheckClean = "No problems found.";
inline constexpr const char* kClose = "Close";

inline constexpr const char* kCompareCaption = "Compare With %1";
inline constexpr const char* kCompareListName = "Differences";
inline constexpr const char* kCompareSummary = "%1 differences from the file, grouped by table.";
inline constexpr const char* kCompareSame = "The file holds the same database.";
inline constexpr const char* kCompareGroup = "%1 (%2)";

}  // namespace ExchangeDialogTexts
