#pragma once
// Why an edit of the channel database was refused, as the user is told.

namespace OperationTexts {

inline constexpr const char* kNameExists = "Name exists";
inline constexpr const char* kProgramTableFull = "No free program slot: all 4000 programs are in use.";
inline constexpr const char* kServiceListFull = "The TV or radio list is full: it holds 4000 programs.";

}  // namespace OperationTexts
