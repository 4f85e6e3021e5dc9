#pragma once
// Texts the document reports when it refuses to open or save a file or to take a
// received image.
#include "db/records/TranslateNoop.h"

namespace DbTexts {

inline constexpr const char* kInvalidMagic = QT_TRANSLATE_NOOP("DbTexts", "Invalid Magic Number");
inline constexpr const char* kNoDatabase = QT_TRANSLATE_NOOP("DbTexts", "The file holds no database (its header is not marked valid).");
inline constexpr const char* kBadDataLength = QT_TRANSLATE_NOOP("DbTexts", "The file's header gives an unexpected data length.");
inline constexpr const char* kFileTooShort = QT_TRANSLATE_NOOP("DbTexts", "The file is shorter than a database image.");
inline constexpr const char* kNothingToSave = QT_TRANSLATE_NOOP("DbTexts", "There is no database to save.");
inline constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP("DbTexts", "Cannot open %1: %2");
inline constexpr const char* kCannotSave = QT_TRANSLATE_NOOP("DbTexts", "Cannot save %1: %2");
inline constexpr const char* kOutOfMemory = QT_TRANSLATE_NOOP("DbTexts", "out of memory");
// Only regular files are read or replaced: never a FIFO, a device or a folder.
inline constexpr const char* kNotRegularFile = QT_TRANSLATE_NOOP("DbTexts", "%1 is not a regular file");
inline constexpr const char* kDanglingLink = QT_TRANSLATE_NOOP("DbTexts", "%1 is a symbolic link to %2, which does not exist");
// Asked before Save overwrites a file that another program changed or replaced.
inline constexpr const char* kChangedOnDisk = QT_TRANSLATE_NOOP("DbTexts", "The file has changed on disk since it was opened. Overwrite it?");
inline constexpr const char* kReceivedShort =
    QT_TRANSLATE_NOOP("DbTexts", "The receiver sent less than a whole database. Nothing was loaded.");
inline constexpr const char* kReceivedNotValid =
    QT_TRANSLATE_NOOP("DbTexts", "The receiver's header does not mark its database valid. Nothing was loaded.");

// A save went through but could not keep the file's former content beside it.
inline constexpr const char* kNoBackupKept = QT_TRANSLATE_NOOP("DbTexts", "Saved; no backup was kept: %1");
inline constexpr const char* kPathReason = QT_TRANSLATE_NOOP("DbTexts", "%1: %2");
// The first save over a file in a session keeps its former content under this suffix.
inline constexpr const char* kBackupSuffix = ".bak";

// A received image could not be kept in the user's data folder; the receive goes on.
inline constexpr const char* kCannotKeepReceived = QT_TRANSLATE_NOOP("DbTexts", "Cannot keep a copy of the received image in %1: %2");
// Pruning went by arrival and so removed images the names call newer than the new one.
inline constexpr const char* kPrunedLaterNames =
    QT_TRANSLATE_NOOP("DbTexts", "The clock seems to have been set back: %1 kept images named later than %2 arrived before it and were removed.");
inline constexpr const char* kPrunedLaterName =
    QT_TRANSLATE_NOOP("DbTexts", "The clock seems to have been set back: the kept image %1, named later than %2, arrived before it and was removed.");

// The undo step of an edit its caller did not name, after the record it changed.
inline constexpr const char* kEditRecordStep = QT_TRANSLATE_NOOP("DbTexts", "Edit %1 [%2]");
inline constexpr const char* kEditStep = QT_TRANSLATE_NOOP("DbTexts", "Edit %1");
inline constexpr const char* kSatelliteNoun = QT_TRANSLATE_NOOP("DbTexts", "Satellite");
inline constexpr const char* kTransponderNoun = QT_TRANSLATE_NOOP("DbTexts", "Transponder");
inline constexpr const char* kProgramNoun = QT_TRANSLATE_NOOP("DbTexts", "Program");
inline constexpr const char* kGroupNoun = QT_TRANSLATE_NOOP("DbTexts", "Group");
inline constexpr const char* kTvListNoun = QT_TRANSLATE_NOOP("DbTexts", "TV List");
inline constexpr const char* kRadioListNoun = QT_TRANSLATE_NOOP("DbTexts", "Radio List");
inline constexpr const char* kDatabaseNoun = QT_TRANSLATE_NOOP("DbTexts", "Database");

}  // namespace DbTexts
