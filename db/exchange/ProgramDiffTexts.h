#pragma once
// The lines of a comparison by program, for the window and quelmar-cli alike. A
// program is named with what identifies it (kProgram); lists and groups as the window
// names them (ReferenceOrderTexts); positions count from 1. A program added or removed
// says so with the comparison's own words (DatabaseDiffTexts::kAdded, kRemoved).
#include "db/records/TranslateNoop.h"

namespace ProgramDiffTexts {

// %1 the name, %2 the satellite, %3 the transponder ("11494 H"), %4 the service ID.
inline constexpr const char* kProgram = QT_TRANSLATE_NOOP("ProgramDiffTexts", "\"%1\" (%2 %3, SID %4)");
inline constexpr const char* kRenamed = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: renamed from \"%2\"");
inline constexpr const char* kLocked = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: locked");
inline constexpr const char* kUnlocked = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: unlocked");
// %2 one of the PIDs below.
inline constexpr const char* kPidChanged = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: %2 changed from %3 to %4");
inline constexpr const char* kVideoPid = QT_TRANSLATE_NOOP("ProgramDiffTexts", "Video PID");
inline constexpr const char* kAudioPid = QT_TRANSLATE_NOOP("ProgramDiffTexts", "Audio PID");
inline constexpr const char* kPcrPid = QT_TRANSLATE_NOOP("ProgramDiffTexts", "PCR PID");
inline constexpr const char* kTtextPid = QT_TRANSLATE_NOOP("ProgramDiffTexts", "TText PID");
inline constexpr const char* kPmt = QT_TRANSLATE_NOOP("ProgramDiffTexts", "PMT");
// %1 a list or group, %2 a program.
inline constexpr const char* kEntered = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: %2 entered at No. %3");
inline constexpr const char* kLeft = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: %2 left from No. %3");
inline constexpr const char* kMoved = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1: %2 moved from No. %3 to No. %4");
// %1 a group.
inline constexpr const char* kGroupAdded = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1 added");
inline constexpr const char* kGroupRemoved = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1 removed");
inline constexpr const char* kGroupRenamed = QT_TRANSLATE_NOOP("ProgramDiffTexts", "%1 renamed from [%2]");

}  // namespace ProgramDiffTexts
