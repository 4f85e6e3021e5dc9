#pragma once
// Texts of the check, compare, export and import dialogs and questions.
#include <QtGlobal>

namespace ExchangeDialogTexts {

inline constexpr const char* kCheckCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Check Database");
inline constexpr const char* kCheckListName = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Problems");
inline constexpr const char* kColumnSeverity = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Severity");
inline constexpr const char* kColumnKind = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Kind");
inline constexpr const char* kColumnTable = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Table");
// The channel number of the program or list entry a problem concerns.
inline constexpr const char* kColumnNumber = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "No.");
inline constexpr const char* kChannelTv = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "TV %1");
inline constexpr const char* kChannelRadio = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Radio %1");
inline constexpr const char* kColumnMessage = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Message");
inline constexpr const char* kCheckSummary = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 errors, %2 warnings. Double-click a problem to select its record.");
inline constexpr const char* kCheckClean = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "No problems found.");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Close");

inline constexpr const char* kCompareCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Compare With %1");
inline constexpr const char* kCompareListName = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Differences");
// %1 the count, %2 the file compared with.
inline constexpr const char* kCompareSummary =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 differences: what changed since %2, grouped by table; a change shows the file's value, then the "
    "document's.");
inline constexpr const char* kCompareOpenCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Compare With");
inline constexpr const char* kCompareSame = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The file holds the same database.");
inline constexpr const char* kCompareGroup = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 (%2)");
// What the comparison pairs: programs by what identifies them, or records by slot.
inline constexpr const char* kCompareBy = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Compare");
inline constexpr const char* kCompareByProgram = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Programs by satellite, frequency and service ID");
inline constexpr const char* kCompareBySlot = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Records by slot");
inline constexpr const char* kCompareFilter = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "QDB Files (*.qdb);;All Files (*.*)");

// Menu items (UTF-8: the ellipsis is one character).
inline constexpr const char* kMenuCheckDatabase = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Check Database…");
inline constexpr const char* kMenuCompareWith = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Compare With…");
inline constexpr const char* kMenuExport = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Export…");
inline constexpr const char* kMenuImport = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Import…");
inline constexpr const char* kMenuApplyOrder = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Apply Order From Database…");
inline constexpr const char* kMenuPrintList = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Print Channel List…");
inline constexpr const char* kMenuExportPdf = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Export PDF…");

// The check before "Send to STB".
inline constexpr const char* kSendWithErrors = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The database has %1 errors. Send it anyway?");

// A file or received image laid out for another receiver variant: %1 the type in force,
// %2 the one whose checksums hold.
inline constexpr const char* kOtherVariant =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The database's checksums do not hold under %1, so it shows nonsense there, but they all hold "
    "under %2.\n\nSwitch \"Config Setting\" to %2 and open it again?");
inline constexpr const char* kOtherVariants =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The database's checksums do not hold under %1, so it may show nonsense, but they all hold under %2.");

// Export and import.
inline constexpr const char* kExportCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Export");
inline constexpr const char* kExportFilter = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "JSON Files (*.json);;CSV Files (*.csv)");
inline constexpr const char* kJsonExtension = "json";
inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kImportCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Import");
inline constexpr const char* kImportFilter = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "JSON or CSV Files (*.json *.csv);;All Files (*.*)");
inline constexpr const char* kNothingToCheck = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "There is no database to check.");
inline constexpr const char* kNothingToCompare = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "There is no database to compare with a file.");
inline constexpr const char* kNothingToExport = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "There is no database to export.");
inline constexpr const char* kNothingToApply =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "A channel list applies to a database: open or receive one before importing it.");
inline constexpr const char* kCannotWrite = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Cannot write %1: %2");
// The status bar after an export: %1 the programs in use, %2 the file written.
inline constexpr const char* kExported = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Exported %1 programs to %2");
inline constexpr const char* kExportOverOpenFile =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 is the database file that is open. Export to another file, so the database is not lost.");
// The channel lists printed or written as a PDF.
inline constexpr const char* kNothingToPrint = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "There is no database to print.");
inline constexpr const char* kExportPdfCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Export PDF");
inline constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "PDF Files (*.pdf)");
inline constexpr const char* kPdfExtension = "pdf";
// The status bar after a PDF is written: %1 its pages, %2 the file.
inline constexpr const char* kExportedPdf = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Exported %1 pages to %2");
inline constexpr const char* kPrinted = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Printed %1 pages");
inline constexpr const char* kCannotPrint = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The channel lists could not be printed.");
inline constexpr const char* kImportRefused = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 was not imported: %2");
inline constexpr const char* kImportOtherType =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 holds a %2 database, and \"Config Setting\" is %3.\n\nSwitch \"Config Setting\" to %2 and import it?");
inline constexpr const char* kImportReportMore = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "… and %1 more lines");
// Before a channel list is applied.
inline constexpr const char* kApplyListCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Apply Channel List");
inline constexpr const char* kApplyListText =
    QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Apply %1 (%2 rows) to the database? The programs it matches take its order, lock flags and groups.");
inline constexpr const char* kAlsoTakeNames = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Also take the names");
inline constexpr const char* kApplyListApply = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Apply");
// Another database as the reference for order.
inline constexpr const char* kApplyOrderCaption = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Apply Order From Database");
inline constexpr const char* kApplyOrderText = QT_TRANSLATE_NOOP(
    "ExchangeDialogTexts", "Apply the order of %1 to the database? The TV and radio lists and the favourite groups take its "
    "order; its programs are matched by satellite, frequency, polarization and service ID, else by name.");
inline constexpr const char* kTakeLocks = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "Take the locks");
inline constexpr const char* kNothingToOrder = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "A reference database applies to a database: open or receive one before applying it.");
// %1 the file, %2 why.
inline constexpr const char* kApplyOrderRefused = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "%1 was not applied: %2");

// "Check Database…": a problem whose record has no row on the pages.
inline constexpr const char* kNoRowToShow = QT_TRANSLATE_NOOP("ExchangeDialogTexts", "The pages show no row for this record.");

}  // namespace ExchangeDialogTexts
