// The fixed edit script of tests/support/EditScript.h replayed through the record
// operations and the document's one door, without widgets: the image it builds is the
// file the window saves after the same edits, so its digest must be the stored one.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "db/operations/SampleDatabase.h"
#include "db/operations/SatelliteOperations.h"
#include "support/EditScript.h"

namespace {

namespace S = editscript;

dbops::ProgramEntry Entry(const S::ProgramEntry& e) {
  dbops::ProgramEntry out;
  out.name = e.name;
  out.locked = e.locked;
  out.numbers = {e.videoPid, e.audioPid, e.pcrPid, e.ttextPid, e.pmtPid, e.serviceId};
  return out;
}

// Opens the start database as the window does: from its image, laid out for the DbType.
void OpenStart(CQuelmarDoc& doc, int dbType) {
  doc.SetDbType(dbType);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  {
    CQuelmarDoc writer;
    writer.SetDbType(dbType);
    auto db = std::make_unique<ChannelDatabase>();
    S::BuildStart(*db);
    writer.LoadDatabase(sample::MakeHeader(dbType), *db);
    ASSERT_EQ(writer.BuildImage(image.data()), image.size());
  }
  doc.LoadImage(image.data());
}

void RunScript(CQuelmarDoc& doc, int dbType) {
  using namespace dbops;
  // Satellite/Transponder page.
  ASSERT_TRUE(doc.Edit(AddSatellite, S::kNewSatellite));
  ASSERT_TRUE(doc.Edit(AddSatellite, S::kRevivedSatellite));
  SatelliteSettings info;
  info.tone22k = S::kSatInfoTone22k;
  info.motor = S::kSatInfoMotor;
  info.selected = S::kSatInfoSelected;
  info.lnbPower = S::kSatInfoLnbPower;
  info.diseqcPort = S::kSatInfoDiseqcPort;
  info.lnbType = -1;  // untouched: what is stored stays
  info.name = S::kSatInfoName;
  info.lnbFreqHigh = S::kSatInfoLnbFreqHigh;
  info.lnbFreqLow = S::kSatInfoLnbFreqLow;
  EXPECT_TRUE(doc.Edit(UpdateSatellite, S::kInfoSatellite, info));
  ASSERT_TRUE(doc.Edit(SaveTransponder, std::uint16_t(S::kNewTpFrequency), std::uint16_t(S::kNewTpSymbolRate),
                       S::kNewTpPolarization, S::kInfoSatellite, -1));
  doc.Edit(SaveTransponder, std::uint16_t(S::kEditTpFrequency), std::uint16_t(S::kEditTpSymbolRate),
           S::kEditTpPolarization, S::kInfoSatellite, S::kEditedTp);
  doc.Edit(DeleteTransponder, S::kDeletedTp);
  doc.Edit(DeleteSatellite, S::kDeletedSatellite);

  // Group/Channel page.
  doc.Edit(DeleteListedProgram, ChannelListBlock::kTvList, S::kDeletedProgram);
  EXPECT_TRUE(doc.Edit(AddProgram, Entry(S::kAddedTv), S::kAddedTv.type, S::kAddedTvTransponder, dbType));
  EXPECT_TRUE(doc.Edit(AddProgram, Entry(S::kAddedRadio), S::kAddedRadio.type, S::kAddedRadioTransponder, dbType));
  EXPECT_TRUE(doc.Edit(UpdateProgram, S::kInfoProgram, Entry(S::kInfo), dbType));
  ASSERT_TRUE(doc.Edit(AddFavoriteGroup, S::kNewGroup));
  EXPECT_EQ(doc.Edit(RenameFavoriteGroup, S::kRenamedGroup, S::kTakenName).code, ResultCode::NameExists);
  EXPECT_EQ(doc.Edit(RenameFavoriteGroup, S::kRenamedGroup, S::kSixteenChars).code, ResultCode::None);
  const int fullGroupProgram = doc.Working().channelLists.tvList.Entry(S::kFullGroupRow);
  EXPECT_EQ(doc.Edit(AddGroupMember, S::kRenamedGroup, fullGroupProgram).code, ResultCode::GroupFull);
  for (int program : S::kNewMembers)
    EXPECT_EQ(doc.Edit(AddGroupMember, S::kNewGroupSlot, program).code, ResultCode::None);
  EXPECT_EQ(doc.Edit(AddGroupMember, S::kNewGroupSlot, S::kNewMembers[1]).code, ResultCode::AlreadyMember);
  EXPECT_EQ(doc.Edit(MoveGroupMember, S::kNewGroupSlot, 0, 3), 2);
  EXPECT_EQ(doc.Edit(MoveGroupMember, S::kNewGroupSlot, 1, -1), 3);
  const int third = doc.Working().channelLists.favoriteGroups[S::kNewGroupSlot].Member(2);
  doc.Edit(RemoveGroupMember, S::kNewGroupSlot, third);
  doc.Edit(DeleteFavoriteGroup, S::kDeletedGroup);
}

TEST(EditScriptReplay, TheOperationsBuildTheSameBytesAsTheWindowSaves) {
  for (int dbType : S::kDbTypes) {
    SCOPED_TRACE(dbType);
    CQuelmarDoc doc;
    OpenStart(doc, dbType);
    RunScript(doc, dbType);
    S::ExpectLandmarks(doc.Working());
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    ASSERT_EQ(doc.BuildImage(image.data()), image.size());
    EXPECT_EQ(S::Digest(image), S::kDigest[dbType]) << std::hex << S::Digest(image);
  }
}

}  // namespace
