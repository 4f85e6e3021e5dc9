#pragma once
// What the recovery journal tells the user: why unsaved work is not being kept, and
// what a journal left by a window that stopped holds.

namespace JournalTexts {

inline constexpr const char* kNotAJournal = "The file is not a Quelmar recovery journal.";
inline constexpr const char* kDamagedHead = "The recovery journal is damaged at its start; nothing can be restored from it.";
// %1: the reason the system gave.
inline constexpr const char* kRecoveryOff = "Recovery of unsaved changes is off: %1";
inline constexpr const char* kNoFolder = "cannot make the folder %1: %2";
inline constexpr const char* kNotAFolder = "%1 is not a folder";
inline constexpr const char* kCannotWrite = "cannot write %1: %2";
// A step from before the last save, undone or redone after it: kept as the change it
// made, named after the step.
inline constexpr const char* kUndoneStep = "Undo %1";
inline constexpr const char* kRedoneStep = "Redo %1";
// A step of the journal that no longer fits the database it follows.
inline constexpr const char* kStepDoesNotFit = "step %1 does not fit the database before it";
inline constexpr const char* kBaseRefused = "the journal's database cannot be read: %1";

}  // namespace JournalTexts
