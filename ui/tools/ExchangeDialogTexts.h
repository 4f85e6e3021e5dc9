#pragma once
// Texts of the check, compare, export and import dialogs and questions.

namespace ExchangeDialogTexts {

inline constexpr const char* kCheckCaption = "Check Database";
inline constexpr const char* kCheckListName = "Problems";
inline constexpr const char* kColumnSeverity = "Severity";
inline constexpr const char* kColumnKind = "Kind";
inline constexpr const char* kColumnTable = "Table";
// The channel number of the program or list entry a problem concerns.
inline constexpr const char* kColumnNumber = "No.";
inline constexpr const char* kChannelTv = "TV %1";
inline constexpr const char* kChannelRadio = "Radio %1";
inline constexpr const char* kColumnMessage = "Message";
inline constexpr const char* kCheckSummary = "%1 errors, %2 warnings. Double-click a problem to select its record.";
inline constexpr const char* kCheckClean = "No problems found.";
inline constexpr const char* kClose = "Close";

inline constexpr const char* kCompareCaption = "Compare With %1";
inline constexpr const char* kCompareListName = "Differences";
// %1 the count, %2 the file compared with.
inline constexpr const char* kCompareSummary =
    "%1 differences: what changed since %2, grouped by table; a change shows the file's value, then the "
    "document's.";
inline constexpr const char* kCompareOpenCaption = "Compare With";
inline constexpr const char* kCompareSame = "The file holds the same database.";
inline constexpr const char* kCompareGroup = "%1 (%2)";
inline constexpr const char* kCompareFilter = "QDB Files (*.qdb);;All Files (*.*)";

// Menu items (UTF-8: the ellipsis is one character).
inline constexpr const char* kMenuCheckDatabase = "Check Database…";
inline constexpr const char* kMenuCompareWith = "Compare With…";
inline constexpr const char* kMenuExport = "Export…";
inline constexpr const char* kMenuImport = "Import…";
inline constexpr const char* kMenuApplyOrder = "Apply Order From Database…";
inline constexpr const char* kMenuPrintList = "Print Channel List…";
inline constexpr const char* kMenuExportPdf = "Export PDF…";

// The check before "Send to STB".
inline constexpr const char* kSendWithErrors = "The database has %1 errors. Send it anyway?";

// A file or received image laid out for another receiver variant: %1 the type in force,
// %2 the one whose checksums hold.
inline constexpr const char* kOtherVariant =
    "The database's checksums do not hold under %1, so it shows nonsense there, but they all hold "
    "under %2.\n\nSwitch \"Config Setting\" to %2 and open it again?";
inline constexpr const char* kOtherVariants =
    "The database's checksums do not hold under %1, so it may show nonsense, but they all hold under %2.";

// Export and import.
inline constexpr const char* kExportCaption = "Export";
inline constexpr const char* kExportFilter = "JSON Files (*.json);;CSV Files (*.csv)";
inline constexpr const char* kJsonExtension = "json";
inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kImportCaption = "Import";
inline constexpr const char* kImportFilter = "JSON or CSV Files (*.json *.csv);;All Files (*.*)";
inline constexpr const char* kNothingToCheck = "There is no database to check.";
inline constexpr const char* kNothingToCompare = "There is no database to compare with a file.";
inline constexpr const char* kNothingToExport = "There is no database to export.";
inline constexpr const char* kNothingToApply =
    "A channel list applies to a database: open or receive one before importing it.";
inline constexpr const char* kCannotWrite = "Cannot write %1: %2";
// The status bar after an export: %1 the programs in use, %2 the file written.
inline constexpr const char* kExported = "Exported %1 programs to %2";
inline constexpr const char* kExportOverOpenFile =
    "%1 is the database file that is open. Export to another file, so the database is not lost.";
// The channel lists printed or written as a PDF.
inline constexpr const char* kNothingToPrint = "There is no database to print.";
inline constexpr const char* kExportPdfCaption = "Export PDF";
inline constexpr const char* kPdfFilter = "PDF Files (*.pdf)";
inline constexpr const char* kPdfExtension = "pdf";
// The status bar after a PDF is written: %1 its pages, %2 the file.
inline constexpr const char* kExportedPdf = "Exported %1 pages to %2";
inline constexpr const char* kPrinted = "Printed %1 pages";
inline constexpr const char* kCannotPrint = "The channel lists could not be printed.";
inline constexpr const char* kImportRefused = "%1 was not imported: %2";
inline constexpr const char* kImportOtherType =
    "%1 holds a %2 database, and \"Config Setting\" is %3.\n\nSwitch \"Config Setting\" to %2 and import it?";
inline constexpr const char* kImportReportMore = "… and %1 more lines";
// Before a channel list is applied.
inline constexpr const char* kApplyListCaption = "Apply Channel List";
inline constexpr const char* kApplyListText =
    "Apply %1 (%2 rows) to the database? The programs it matches take its order, lock flags and groups.";
inline constexpr const char* kAlsoTakeNames = "Also take the names";
inline constexpr const char* kApplyListApply = "Apply";
// Another database as the reference for order.
inline constexpr const char* kApplyOrderCaption = "Apply Order From Database";
inline constexpr const char* kNothingToOrder =
    "A reference database applies to a database: open or receive one before applying it.";
// %1 the file, %2 why.
inline constexpr const char* kApplyOrderRefused = "%1 was not applied: %2";

// "Check Database…": a problem whose record has no row on the pages.
inline constexpr const char* kNoRowToShow = "The pages show no row for this record.";

}  // namespace ExchangeDialogTexts
