#pragma once
// Every problem the consistency check can report: its stable identifier (scripts match
// on it; never rename one), its severity and its message, a one-line reason. Errors are
// what the receiver or the pages cannot make sense of; warnings what the receiver
// tolerates but a user should know about.
// Messages name a program as a person finds it on the pages, by its channel number and
// name ("TV No. 12 \"Kino\""; "program \"Kino\"" for one in neither list), and count
// list positions and group members from 1.
#include <cstddef>
#include <iterator>
#include <string_view>

#include "db/records/TranslateNoop.h"

enum class Severity { Error, Warning };

enum class CheckKind {
  ChecksumWrong,
  ListCountOverCapacity,
  ListEntryBeyondTable,
  ListEntryNotUsed,
  ListEntryDuplicate,
  GroupCountOverCapacity,
  GroupMemberBeyondTable,
  GroupMemberNotUsed,
  GroupMemberDuplicate,
  ProgramNotListed,
  ProgramTransponderBeyondTable,
  ProgramTransponderNotUsed,
  TransponderSatelliteBeyondTable,
  TransponderSatelliteNotUsed,
  ProgramDuplicate,
  EmptyName,
  PidOver8191,
  SlotStateUnknown,
  SatelliteSelfIndex,
  ServiceTypeUnknown,
  LnbTypeUnknown,
  DiseqcPortUnknown,
  MotorUnknown,
  HeaderMagicWrong,
  HeaderNotValid,
  HeaderDataLengthWrong,
  HeaderImageTypeWrong,
  HeaderSumWrong,
  FileLongerThanImage,
};

struct CheckKindInfo {
  CheckKind kind;
  std::string_view id;
  Severity severity;
  std::string_view message;  // %1.. filled by the check
  // Bit n-1 set where %n holds one of the CheckWords below (a slot's state, a program
  // as the lists know it) rather than a name or a number.
  unsigned wordArgs = 0;
};

// What the check fills into its messages beside names and numbers.
namespace CheckWords {
// A slot's state, as in "which is Deleted".
inline constexpr const char* kEmpty = QT_TRANSLATE_NOOP("CheckKinds", "Empty");
inline constexpr const char* kUsed = QT_TRANSLATE_NOOP("CheckKinds", "Used");
inline constexpr const char* kDeleted = QT_TRANSLATE_NOOP("CheckKinds", "Deleted");
inline constexpr const char* kStateUnknown = QT_TRANSLATE_NOOP("CheckKinds", "in state 3");
// A program by where the lists show it: %1 its channel number, %2 its name.
inline constexpr const char* kProgramNamed = QT_TRANSLATE_NOOP("CheckKinds", "program \"%1\"");
inline constexpr const char* kTvNamed = QT_TRANSLATE_NOOP("CheckKinds", "TV No. %1 \"%2\"");
inline constexpr const char* kRadioNamed = QT_TRANSLATE_NOOP("CheckKinds", "Radio No. %1 \"%2\"");
// A record without a name to call it by.
inline constexpr const char* kProgramInUse = QT_TRANSLATE_NOOP("CheckKinds", "program in use");
inline constexpr const char* kProgramAtTv = QT_TRANSLATE_NOOP("CheckKinds", "program at TV No. %1");
inline constexpr const char* kProgramAtRadio = QT_TRANSLATE_NOOP("CheckKinds", "program at Radio No. %1");
inline constexpr const char* kSatelliteInUse = QT_TRANSLATE_NOOP("CheckKinds", "satellite in use");
inline constexpr const char* kGroupInUse = QT_TRANSLATE_NOOP("CheckKinds", "group in use");
}  // namespace CheckWords

inline constexpr CheckKindInfo kCheckKinds[] = {
    {CheckKind::ChecksumWrong, "checksum-wrong", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the stored checksum of the %1 section is wrong, so the receiver refuses the image")},
    {CheckKind::ListCountOverCapacity, "list-count-over-capacity", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the list claims %1 entries but holds at most %2")},
    {CheckKind::ListEntryBeyondTable, "list-entry-beyond-table", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "No. %1 names program slot %2, beyond the %3 program slots")},
    {CheckKind::ListEntryNotUsed, "list-entry-not-used", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "No. %1 names program slot %2, which is %3, not a program in use"), 0b100},
    {CheckKind::ListEntryDuplicate, "list-entry-duplicate", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "No. %1 lists \"%2\" a second time (first at No. %3)")},
    {CheckKind::GroupCountOverCapacity, "group-count-over-capacity", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "group \"%1\" claims %2 members but holds at most %3")},
    {CheckKind::GroupMemberBeyondTable, "group-member-beyond-table", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "group \"%1\" member %2 names program slot %3, beyond the %4 program slots")},
    {CheckKind::GroupMemberNotUsed, "group-member-not-used", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "group \"%1\" member %2 names program slot %3, which is %4, not a program in use"),
     0b1000},
    {CheckKind::GroupMemberDuplicate, "group-member-duplicate", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "group \"%1\" member %2 is %3 a second time (first as member %4)"), 0b100},
    {CheckKind::ProgramNotListed, "program-not-listed", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "program \"%1\" is in neither the TV nor the radio list, so the receiver never shows it")},
    {CheckKind::ProgramTransponderBeyondTable, "program-transponder-beyond-table", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "%1 points at transponder slot %2, beyond the %3 transponder slots"), 0b1},
    {CheckKind::ProgramTransponderNotUsed, "program-transponder-not-used", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "%1 points at transponder slot %2, which is %3"), 0b101},
    {CheckKind::TransponderSatelliteBeyondTable, "transponder-satellite-beyond-table", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "transponder %1 MHz points at satellite slot %2, beyond the %3 satellite slots")},
    {CheckKind::TransponderSatelliteNotUsed, "transponder-satellite-not-used", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "transponder %1 MHz points at satellite slot %2, which is %3"), 0b100},
    {CheckKind::ProgramDuplicate, "program-duplicate", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "%1 has the satellite, frequency, polarization and service ID of %2"), 0b11},
    {CheckKind::EmptyName, "empty-name", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "the %1 has an empty name, so its row shows nothing"), 0b1},
    {CheckKind::PidOver8191, "pid-over-8191", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "%1 has %2 %3, above 8191, which no transport stream can carry"), 0b1},
    {CheckKind::SlotStateUnknown, "slot-state-unknown", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "the slot's state is 3, none of Empty, Used and Deleted, so nothing reads it")},
    {CheckKind::SatelliteSelfIndex, "satellite-self-index", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "satellite \"%1\" holds selfIndex %2, not its own slot number")},
    {CheckKind::ServiceTypeUnknown, "service-type-unknown", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "%1 has service type 3, none of UNKNOWN, TV and RADIO"), 0b1},
    {CheckKind::LnbTypeUnknown, "lnb-type-unknown", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "satellite \"%1\" has LNB type %2, none of Standard (0) and Universal (1)")},
    {CheckKind::DiseqcPortUnknown, "diseqc-port-unknown", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "satellite \"%1\" has DiSEqC port 7, none of Off, A, B and Port 1 to 4")},
    {CheckKind::MotorUnknown, "motor-unknown", Severity::Warning,
     QT_TRANSLATE_NOOP("CheckKinds", "satellite \"%1\" has motor value %2; only 0 (off) and 1 (on) are known")},
    {CheckKind::HeaderMagicWrong, "header-magic-wrong", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the header's magic is %1, not %2, so the editor and the receiver refuse the file")},
    {CheckKind::HeaderNotValid, "header-not-valid", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the header's validFlag is %1, not 1, so the file is marked as holding no database and the editor refuses it")},
    {CheckKind::HeaderDataLengthWrong, "header-data-length-wrong", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the header's dataLength is %1, not %2 as every %3 database has, so the editor refuses the file")},
    {CheckKind::HeaderImageTypeWrong, "header-image-type-wrong", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the header's imageTypeWord is %1, not %2 as a %3 database has")},
    {CheckKind::HeaderSumWrong, "header-sum-wrong", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the header's headerSum is %1 but its first 60 bytes add up to %2, so a transfer of it fails")},
    {CheckKind::FileLongerThanImage, "file-longer-than-image", Severity::Error,
     QT_TRANSLATE_NOOP("CheckKinds", "the file holds %1 bytes, %2 more than a database image; the editor reads none of them and a save drops them")},
};

inline constexpr const CheckKindInfo& InfoOf(CheckKind kind) { return kCheckKinds[static_cast<std::size_t>(kind)]; }

static_assert([] {
  for (std::size_t i = 0; i < std::size(kCheckKinds); ++i)
    if (static_cast<std::size_t>(kCheckKinds[i].kind) != i) return false;
  return true;
}(), "kCheckKinds lists the kinds in their enum order");

inline constexpr std::string_view SeverityName(Severity s) {
  return s == Severity::Error ? QT_TRANSLATE_NOOP("CheckKinds", "error") : QT_TRANSLATE_NOOP("CheckKinds", "warning");
}
