#pragma once
// A fixed edit script and the file it must give, byte for byte. The window replays it
// through its pages (tests/app) and the record operations replay it without widgets
// (tests/db); both save and compare the file's CRC-32 with the digest stored here, so a
// change in what any edit writes, or in how the file is laid out, shows up at once.
//
// The start is the full sample database (every table full, varied bits everywhere a
// record has bits the editor does not know) with room made for the additions:
//   satellites 150-159 Empty, 140 Deleted; transponders 2090-2099 Empty, 165 hidden;
//   program 3999 Deleted (still listed); tvList 3990 entries, radioList 1000;
//   group 3 down to 60 members, group 7 Empty.
// The script, in the order the user gives it:
//   Satellite/Transponder page
//     1. "Add Satellite" kNewSatellite (takes slot 150), then kRevivedSatellite (slot 140)
//     2. satellite row 5: Sat. Info "Update" with kSatInfo* values (LNB Type untouched)
//     3. "Add Transponder" to it; "Edit Transponder" on row 2; "Delete Transponder" on row 0
//     4. "Delete Satellite" on row 9
//   Group/Channel page
//     5. "Delete Program" on TV row 9 (program 9, also a member of group 0)
//     6. "Add Program" kAddedTv on satellite row 2, transponder row 1; then kAddedRadio
//        (type UNKNOWN, video PID 0) on the preselected transponder
//     7. TV row 5: Info "Update" with kInfo* values
//     8. group "Add" kNewGroup (slot 7, combo row 7)
//     9. combo row 1: "Rename" to kTakenName (refused), then to kSixteenChars
//    10. combo row 1: "-->" TV row 50 (group full, nothing happens)
//    11. combo row 7: "-->" TV rows 1, 2, 3, 4, then 2 again (already a member)
//    12. drag member row 0 onto row 3, then row 1 below the last row
//    13. favourite row 2: "Delete Program" (leaves the group only)
//    14. combo row 2: group "Delete"
// Then the document is saved.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "db/image/Crc32.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"

namespace editscript {

// Every variant: each lays the image out its own way, and TypeC keeps 13-bit PIDs.
inline constexpr int kDbTypes[] = {0, 1, 2, 3};

// CRC-32 (db/image/Crc32.h) of the saved file, by DbType.
inline constexpr std::uint32_t kDigest[4] = {0xBD0A7AB4u, 0x1CECD409u, 0xB1A2A1D3u, 0x8D2F07C4u};

inline std::uint32_t Digest(const std::vector<std::uint8_t>& file) {
  return crc32::Checksum(file.data(), file.size());
}

inline void BuildStart(ChannelDatabase& db) {
  sample::BuildFullDatabase(db, 11);
  for (std::size_t s = 150; s < ChannelDatabase::kSatelliteCount; ++s) db.satellites[s].SetState(SlotState::Empty);
  db.satellites[140].SetState(SlotState::Deleted);
  for (std::size_t t = 2090; t < ChannelDatabase::kTransponderCount; ++t)
    db.transponders[t].SetState(SlotState::Empty);
  db.transponders[165].SetHiddenBits(1);
  db.programs[3999].SetState(SlotState::Deleted);
  db.channelLists.tvList.SetCount(3990);
  db.channelLists.radioList.SetCount(1000);
  db.channelLists.favoriteGroups[3].SetMemberCount(60);
  db.channelLists.favoriteGroups[7].Clear();
}

// Step 1.
inline constexpr const char* kNewSatellite = "Nova 1.0W";
inline constexpr const char* kRevivedSatellite = "Satellite 140";
// Step 2: the satellite on row 5 is slot 5.
inline constexpr int kInfoSatellite = 5;
inline constexpr bool kSatInfoTone22k = true;
inline constexpr bool kSatInfoMotor = true;
inline constexpr bool kSatInfoSelected = false;
inline constexpr int kSatInfoLnbPower = 0;
inline constexpr int kSatInfoDiseqcPort = 3;
inline constexpr const char* kSatInfoName = "Renamed Five";
inline constexpr std::uint32_t kSatInfoLnbFreqHigh = 70000;  // the operation stores its low 16 bits
inline constexpr std::uint32_t kSatInfoLnbFreqLow = 9750;
// Step 3: satellite 5 lists 5, 325, 485, ... (165 is hidden).
inline constexpr std::uint32_t kNewTpFrequency = 12345, kNewTpSymbolRate = 27500, kNewTpPolarization = 1;
inline constexpr int kEditedTp = 485;
inline constexpr std::uint32_t kEditTpFrequency = 11111, kEditTpSymbolRate = 22000, kEditTpPolarization = 0;
inline constexpr int kDeletedTp = 5;
// Step 4.
inline constexpr int kDeletedSatellite = 9;
// Step 5: TV row n shows program n.
inline constexpr int kDeletedProgram = 9;

// Step 6 and 7: the program fields as typed.
struct ProgramEntry {
  const char* name;
  int type;  // 0 UNKNOWN, 1 TV, 2 RADIO
  bool locked;
  std::uint32_t videoPid, audioPid, pcrPid, ttextPid, pmtPid, serviceId;
};
inline constexpr ProgramEntry kAddedTv = {"Added TV", 1, true, 8200, 70000, 8191, 0, 100, 65537};
inline constexpr int kAddedTvTransponder = 162;  // satellite row 2 is slot 2; its row 1 is 162
inline constexpr ProgramEntry kAddedRadio = {"Radio?", 0, false, 0, 7, 7, 7, 7, 7};
inline constexpr int kAddedRadioTransponder = 0;  // the dialog's preselection
inline constexpr int kInfoProgram = 5;
inline constexpr ProgramEntry kInfo = {"Fourteen chars", 0, true, 9000, 123, 8192, 5, 77, 65536};

// The window refuses a number wider than its field, where the record operations store its
// low bits. The window is given the values as the record keeps them, so that both save
// the same bytes.
inline std::uint32_t Stored16(std::uint32_t value) { return value & 0xFFFFu; }
inline ProgramEntry AsStored(const ProgramEntry& e, int dbType) {
  ProgramEntry out = e;
  for (std::uint32_t* pid : {&out.videoPid, &out.audioPid, &out.pcrPid, &out.ttextPid, &out.pmtPid})
    *pid = dbtype::WritePid(*pid, dbType);
  out.serviceId = Stored16(e.serviceId);
  return out;
}

// Steps 8 to 14.
inline constexpr const char* kNewGroup = "New Group";
inline constexpr int kNewGroupSlot = 7;
inline constexpr int kRenamedGroup = 1;
inline constexpr const char* kTakenName = "Group 3";
inline constexpr const char* kSixteenChars = "ABCDEFGHIJKLMNOP";
inline constexpr int kFullGroupRow = 50;  // program 51 once program 9 has left the list
inline constexpr int kNewMembers[] = {1, 2, 3, 4};
inline constexpr int kDeletedGroup = 2;

// A few of the script's effects, so that a replay which silently skipped steps fails
// before its digest is even compared.
inline void ExpectLandmarks(const ChannelDatabase& db) {
  EXPECT_EQ(db.satellites[150].Name(), kNewSatellite);
  EXPECT_TRUE(db.satellites[140].IsUsed());
  EXPECT_EQ(db.satellites[5].Name(), kSatInfoName);
  EXPECT_EQ(db.satellites[5].LnbFreqHigh(), 4464);
  EXPECT_EQ(db.transponders[2090].Frequency(), kNewTpFrequency);
  EXPECT_EQ(db.transponders[2090].SatelliteIndex(), 5u);
  EXPECT_EQ(db.transponders[kEditedTp].Frequency(), kEditTpFrequency);
  EXPECT_EQ(db.transponders[kDeletedTp].State(), SlotState::Deleted);
  EXPECT_EQ(db.satellites[kDeletedSatellite].State(), SlotState::Deleted);
  EXPECT_EQ(db.programs[9].Name(), kAddedTv.name);
  EXPECT_EQ(db.programs[9].TransponderIndex(), std::uint32_t(kAddedTvTransponder));
  EXPECT_EQ(db.programs[3999].Name(), kAddedRadio.name);
  EXPECT_EQ(db.programs[3999].ServiceType(), ProgramRecord::kRadio);
  EXPECT_EQ(db.programs[kInfoProgram].Name(), kInfo.name);
  EXPECT_EQ(db.channelLists.tvList.Count(), 3990);
  EXPECT_EQ(db.channelLists.radioList.Count(), 1001);
  const FavoriteGroupRecord& added = db.channelLists.favoriteGroups[kNewGroupSlot];
  EXPECT_EQ(added.Name(), kNewGroup);
  EXPECT_EQ(added.MemberCount(), 3u);
  EXPECT_EQ(added.Member(0), 2);
  EXPECT_EQ(added.Member(1), 1);
  EXPECT_EQ(added.Member(2), 3);
  EXPECT_EQ(db.channelLists.favoriteGroups[kRenamedGroup].Name(), kSixteenChars);
  EXPECT_EQ(db.channelLists.favoriteGroups[kDeletedGroup].State(), SlotState::Empty);
}

}  // namespace editscript
