#pragma once
// Texts the document reports when it refuses to open or save a file.

namespace DbTexts {

inline constexpr const char* kInvalidMagic = "Invalid Magic Number";
inline constexpr const char* kNoDatabase = "The file holds no database (its header is not marked valid).";
inline constexpr const char* kBadDataLength = "The file's header gives an unexpected data length.";
inline constexpr const char* kFileTooShort = "The file is shorter than a database image.";
inline constexpr const char* kNothingToSave = "There is no database to save.";
inline constexpr const char* kCannotOpen = "Cannot open %1: %2";
inline constexpr const char* kCannotSave = "Cannot save %1: %2";

}  // namespace DbTexts
