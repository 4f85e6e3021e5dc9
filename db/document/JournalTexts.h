#pragma once
// What the recovery journal tells the user: why unsaved work is not being kept, and
// what a journal left by a window that stopped holds.
#include "db/records/TranslateNoop.h"

namespace JournalTexts {

inline constexpr const char* kNotAJournal = QT_TRANSLATE_NOOP("JournalTexts", "The file is not a Quelmar recovery journal.");
inline constexpr const char* kDamagedHead = QT_TRANSLATE_NOOP("JournalTexts", "The recovery journal is damaged at its start; nothing can be restored from it.");
// %1: the reason the system gave.
inline constexpr const char* kRecoveryOff = QT_TRANSLATE_NOOP("JournalTexts", "Recovery of unsaved changes is off: %1");
inline constexpr const char* kRecoveryOn = QT_TRANSLATE_NOOP("JournalTexts", "Recovery of unsaved changes is on again.");
inline constexpr const char* kNoFolder = QT_TRANSLATE_NOOP("JournalTexts", "cannot make the folder %1: %2");
inline constexpr const char* kNotAFolder = QT_TRANSLATE_NOOP("JournalTexts", "%1 is not a folder");
inline constexpr const char* kCannotWrite = QT_TRANSLATE_NOOP("JournalTexts", "cannot write %1: %2");
// A step from before the last save, undone or redone after it: kept as the change it
// made, named after the step.
inline constexpr const char* kUndoneStep = QT_TRANSLATE_NOOP("JournalTexts", "Undo %1");
inline constexpr const char* kRedoneStep = QT_TRANSLATE_NOOP("JournalTexts", "Redo %1");
// A step of the journal that no longer fits the database it follows.
inline constexpr const char* kStepDoesNotFit = QT_TRANSLATE_NOOP("JournalTexts", "step %1 does not fit the database before it");
inline constexpr const char* kBaseRefused = QT_TRANSLATE_NOOP("JournalTexts", "the journal's database cannot be read: %1");

}  // namespace JournalTexts
