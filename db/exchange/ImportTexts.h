#pragma once
// Why a channel list (CSV) or a database export (JSON) was refused, for the window and
// quelmar-cli alike. Column, field and section names, JSON paths and the values found
// stay as the file has them; only the words around them are the program's.
#include "db/records/TranslateNoop.h"

namespace ImportTexts {

// ---- any file ----
inline constexpr const char* kCannotRead = QT_TRANSLATE_NOOP("ImportTexts", "cannot read %1: %2");
inline constexpr const char* kNotRegular = QT_TRANSLATE_NOOP("ImportTexts", "%1 is not a regular file");
// %2 the file's size, or kMoreThan when it was not read to its end.
inline constexpr const char* kTooLarge =
    QT_TRANSLATE_NOOP("ImportTexts", "%1: %2 MiB is larger than any database export or channel list (at most %3 MiB)");
inline constexpr const char* kMoreThan = QT_TRANSLATE_NOOP("ImportTexts", "more than %1");

// ---- channel lists (CSV) ----
// %1 the line, %2 one of the reasons below.
inline constexpr const char* kAtLine = QT_TRANSLATE_NOOP("ImportTexts", "line %1: %2");
// A line that is not text at all: "line 3 is not UTF-8 text".
inline constexpr const char* kLineIs = QT_TRANSLATE_NOOP("ImportTexts", "line %1 %2");
inline constexpr const char* kNotUtf8 = QT_TRANSLATE_NOOP("ImportTexts", "is not UTF-8 text (perhaps Windows-1252)");
inline constexpr const char* kHoldsNul = QT_TRANSLATE_NOOP("ImportTexts", "holds a NUL byte, which no text has");
inline constexpr const char* kNotCsv = QT_TRANSLATE_NOOP("ImportTexts", "not CSV as RFC 4180 defines it: %1");
inline constexpr const char* kOutOfMemory = QT_TRANSLATE_NOOP("ImportTexts", "out of memory");
inline constexpr const char* kQuoteNotClosed = QT_TRANSLATE_NOOP("ImportTexts", "a quoted field is not closed");
inline constexpr const char* kRecordTooLong = QT_TRANSLATE_NOOP(
    "ImportTexts", "a record longer than any channel list has (more than %1 fields or a field of more than %2 bytes)");
inline constexpr const char* kNotReadToEnd = QT_TRANSLATE_NOOP("ImportTexts", "the file could not be read to its end");
inline constexpr const char* kNoHeader = QT_TRANSLATE_NOOP("ImportTexts", "no header row; expected the columns %1, ...");
inline constexpr const char* kSemicolons =
    QT_TRANSLATE_NOOP("ImportTexts", "the file seems to use ';' as separator; export with ',' or choose ',' as the "
                                     "field separator when the spreadsheet saves it");
inline constexpr const char* kNoColumn = QT_TRANSLATE_NOOP("ImportTexts", "the header row has no column \"%1\"");
inline constexpr const char* kTooManyRows =
    QT_TRANSLATE_NOOP("ImportTexts", "more rows than the TV and radio lists can hold (%1)");
// %1 the column, %2 what it takes (below), %3 the cell.
inline constexpr const char* kColumnExpected = QT_TRANSLATE_NOOP("ImportTexts", "column %1: expected %2, got \"%3\"");
inline constexpr const char* kOneOfTwoOrNothing = QT_TRANSLATE_NOOP("ImportTexts", "%1 or %2, or nothing");
inline constexpr const char* kOneOfTwo = QT_TRANSLATE_NOOP("ImportTexts", "%1 or %2");
inline constexpr const char* kCp1252Name = QT_TRANSLATE_NOOP("ImportTexts", "a name of Windows-1252 characters");
inline constexpr const char* kAtMostCharacters = QT_TRANSLATE_NOOP("ImportTexts", "at most %1 characters");
inline constexpr const char* kFrequencyOrNothing =
    QT_TRANSLATE_NOOP("ImportTexts", "a frequency in MHz from 0 to 65535, or nothing");
inline constexpr const char* kServiceIdOrNothing =
    QT_TRANSLATE_NOOP("ImportTexts", "a service ID from 0 to 65535, or nothing");
inline constexpr const char* kPositionsOrNothing =
    QT_TRANSLATE_NOOP("ImportTexts", "positions from 1 to %1 separated by %2, or nothing");

// ---- database exports (JSON) ----
// A refusal reads "<path>: <reason>"; many reasons read "<what was expected>, got <what was found>".
inline constexpr const char* kGot = QT_TRANSLATE_NOOP("ImportTexts", "%1, got %2");
// What was found, where it is not a value to show as it stands.
inline constexpr const char* kNull = QT_TRANSLATE_NOOP("ImportTexts", "null");
inline constexpr const char* kAnArray = QT_TRANSLATE_NOOP("ImportTexts", "an array");
inline constexpr const char* kAnObject = QT_TRANSLATE_NOOP("ImportTexts", "an object");
inline constexpr const char* kSomethingElse = QT_TRANSLATE_NOOP("ImportTexts", "something else");
inline constexpr const char* kLongString = QT_TRANSLATE_NOOP("ImportTexts", "a string of %1 bytes");
// What was expected.
inline constexpr const char* kExpectedObject = QT_TRANSLATE_NOOP("ImportTexts", "expected an object");
inline constexpr const char* kExpectedArray = QT_TRANSLATE_NOOP("ImportTexts", "expected an array");
inline constexpr const char* kExpectedRecords =
    QT_TRANSLATE_NOOP("ImportTexts", "expected an array of %1 records, one a slot");
inline constexpr const char* kExpectedSlots = QT_TRANSLATE_NOOP("ImportTexts", "expected an array of %1 slot numbers");
inline constexpr const char* kExpectedAtMostSlots =
    QT_TRANSLATE_NOOP("ImportTexts", "expected an array of at most %1 slot numbers");
inline constexpr const char* kExpectedInteger = QT_TRANSLATE_NOOP("ImportTexts", "expected an integer from 0 to %1");
inline constexpr const char* kExpectedText = QT_TRANSLATE_NOOP("ImportTexts", "expected text");
inline constexpr const char* kExpectedAtMostCharacters =
    QT_TRANSLATE_NOOP("ImportTexts", "expected at most %1 characters");
inline constexpr const char* kExpectedHexBytes = QT_TRANSLATE_NOOP("ImportTexts", "expected %1 bytes as %2 hex digits");
inline constexpr const char* kExpectedTail = QT_TRANSLATE_NOOP(
    "ImportTexts",
    "expected %1 bytes as %2 hex digits (what follows the name and its NUL; leave the field out for zeros)");
inline constexpr const char* kExpectedHexDigits = QT_TRANSLATE_NOOP("ImportTexts", "expected hex digits, two a byte");
inline constexpr const char* kExpectedSection =
    QT_TRANSLATE_NOOP("ImportTexts", "expected one of %1 for this dbType, each once");
// A value the file must hold as it stands (the format's name, its version).
inline constexpr const char* kExpectedValue = QT_TRANSLATE_NOOP("ImportTexts", "expected %1");
// %1 the record's count field.
inline constexpr const char* kAsManyAs = QT_TRANSLATE_NOOP("ImportTexts", "%1 (as many as %2 says)");
// Reasons that stand alone.
inline constexpr const char* kNotCp1252 =
    QT_TRANSLATE_NOOP("ImportTexts", "expected text of Windows-1252 characters; %1 is not one");
inline constexpr const char* kTextWithNul = QT_TRANSLATE_NOOP("ImportTexts", "expected text without NUL characters");
inline constexpr const char* kTextWithControl = QT_TRANSLATE_NOOP(
    "ImportTexts", "expected text without control characters (such as ESC, BEL or a line break); a name holding such "
                   "bytes is given whole as hex in the field of the same name ending in %1");
inline constexpr const char* kUnknownField = QT_TRANSLATE_NOOP("ImportTexts", "unknown field; expected only %1");
inline constexpr const char* kMissing = QT_TRANSLATE_NOOP("ImportTexts", "missing; it is needed");
inline constexpr const char* kMissingField =
    QT_TRANSLATE_NOOP("ImportTexts", "missing; every field of the record is needed");
inline constexpr const char* kTextAndBytes =
    QT_TRANSLATE_NOOP("ImportTexts", "expected either the name's text (with its tail) or its bytes, not both");
inline constexpr const char* kFewerFields = QT_TRANSLATE_NOOP("ImportTexts", "a record with fewer fields");
inline constexpr const char* kRunOverlaps = QT_TRANSLATE_NOOP(
    "ImportTexts",
    "expected bytes that no section, checksum word or the header covers, after those of the run before");
inline constexpr const char* kTrailerMoved = QT_TRANSLATE_NOOP(
    "ImportTexts",
    "expected %1, the word the image's other bytes (%2) leave where the receiver looks for it; change both or neither");
// The reader's limits: no real export comes near them.
inline constexpr const char* kNotJson = QT_TRANSLATE_NOOP("ImportTexts", "expected JSON text");
// %1 what the JSON library said, as it said it.
inline constexpr const char* kNotJsonBecause = QT_TRANSLATE_NOOP("ImportTexts", "expected JSON text; %1");
inline constexpr const char* kOutOfMemoryToRead = QT_TRANSLATE_NOOP("ImportTexts", "too large to read: out of memory");
inline constexpr const char* kCannotBeRead = QT_TRANSLATE_NOOP("ImportTexts", "cannot be read: %1");
inline constexpr const char* kStringTooLong =
    QT_TRANSLATE_NOOP("ImportTexts", "a string of %1 bytes; no text of a database is longer than %2");
inline constexpr const char* kTokenTooLong =
    QT_TRANSLATE_NOOP("ImportTexts", "a string or number longer than %1 bytes; no text of a database is that long");
inline constexpr const char* kBinary = QT_TRANSLATE_NOOP("ImportTexts", "binary data, which JSON text cannot hold");
inline constexpr const char* kKeyTooLong =
    QT_TRANSLATE_NOOP("ImportTexts", "a field name of %1 bytes; no field of a database has a name that long");
inline constexpr const char* kTooManyMembers =
    QT_TRANSLATE_NOOP("ImportTexts", "an object of more than %1 fields; no record has that many");
inline constexpr const char* kGivenTwice = QT_TRANSLATE_NOOP("ImportTexts", "given twice in one object");
inline constexpr const char* kTooMuchText =
    QT_TRANSLATE_NOOP("ImportTexts", "more text than any database holds (over %1 MiB of names and strings)");
inline constexpr const char* kTooManyValues =
    QT_TRANSLATE_NOOP("ImportTexts", "more than %1 values; no database has that many");
inline constexpr const char* kArrayTooLong =
    QT_TRANSLATE_NOOP("ImportTexts", "an array of more than %1 items; no table of a database is that long");
inline constexpr const char* kTooDeep =
    QT_TRANSLATE_NOOP("ImportTexts", "nested more than %1 levels deep; a database needs no more than four");

}  // namespace ImportTexts
