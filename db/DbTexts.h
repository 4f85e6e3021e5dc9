#pragma once
// Texts the document reports when it refuses to open or save a file or to take a
// received image.

namespace DbTexts {

inline constexpr const char* kInvalidMagic = "Invalid Magic Number";
inline constexpr const char* kNoDatabase = "The file holds no database (its header is not marked valid).";
inline constexpr const char* kBadDataLength = "The file's header gives an unexpected data length.";
inline constexpr const char* kFileTooShort = "The file is shorter than a database image.";
inline constexpr const char* kNothingToSave = "There is no database to save.";
inline constexpr const char* kCannotOpen = "Cannot open %1: %2";
inline constexpr const char* kCannotSave = "Cannot save %1: %2";
inline constexpr const char* kOutOfMemory = "out of memory";
// Only regular files are read or replaced: never a FIFO, a device or a folder.
inline constexpr const char* kNotRegularFile = "%1 is not a regular file";
inline constexpr const char* kDanglingLink = "%1 is a symbolic link to %2, which does not exist";
// Asked before Save overwrites a file that another program changed or replaced.
inline constexpr const char* kChangedOnDisk = "The file has changed on disk since it was opened. Overwrite it?";
inline constexpr const char* kReceivedShort =
    "The receiver sent less than a whole database. Nothing was loaded.";
inline constexpr const char* kReceivedNotValid =
    "The receiver's header does not mark its database valid. Nothing was loaded.";

}  // namespace DbTexts
