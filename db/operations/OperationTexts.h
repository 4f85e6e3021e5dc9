#pragma once
// Why an edit of the channel database was refused, as the user is told.
#include "db/records/TranslateNoop.h"

namespace OperationTexts {

inline constexpr const char* kNameExists = QT_TRANSLATE_NOOP("OperationTexts", "Name exists");
inline constexpr const char* kProgramTableFull = QT_TRANSLATE_NOOP("OperationTexts", "No free program slot: all 4000 programs are in use.");
inline constexpr const char* kServiceListFull = QT_TRANSLATE_NOOP("OperationTexts", "The TV or radio list is full: it holds 4000 programs.");

}  // namespace OperationTexts
