// "Add Program": where the new program is filed, how its fields are fitted into the
// record, and what is refused.
#include "GroupChFixture.h"
#include "widgets/CommandIds.h"

namespace {

std::unique_ptr<ChannelDatabase> Small() {
  auto db = EmptyDb();
  PutSatellite(*db, 2, "Hotbird").SetSelected(false);
  PutTransponder(*db, 6, 2, 11500);
  PutProgram(*db, 0, "First", 6);
  PutList(db->channelLists.tvList, {0});
  PutGroup(*db, 0, "Fav");
  return db;
}

class GroupChAddProgramTest : public GroupChPageTest {
 protected:
  // Adds a program through the dialog with these field texts.
  void Add(const QString& name, int type, const QString& video, const QString& other = "7") {
    AnswerProgram([=](CProgramEditDlg& d) {
      SetField(d, "name", name);
      Child<QComboBox>(d, "type")->setCurrentIndex(type);
      SetField(d, "videoPid", video);
      for (const char* f : {"audioPid", "pcrPid", "ttextPid", "pmt", "serviceId"}) SetField(d, f, other);
    });
    host.SendCommand(CommandId::kAddProgram);
  }
};

TEST_F(GroupChAddProgramTest, UnknownTypeIsFiledByVideoPid) {
  Load(*Small());
  Add("Radio X", 0, "0");
  EXPECT_EQ(Entries(Db().channelLists.radioList), std::vector<int>{1});
  EXPECT_EQ(Db().programs[1].ServiceType(), ProgramRecord::kRadio);

  Add("TV X", 0, "8191");
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{0, 2}));
  EXPECT_EQ(Db().programs[2].ServiceType(), ProgramRecord::kTv);

  // In TypeC 8192 is stored as PID 0, so it is a radio program.
  Add("Masked", 0, "8192");
  EXPECT_EQ(Entries(Db().channelLists.radioList), (std::vector<int>{1, 3}));
  EXPECT_EQ(Db().programs[3].RawPid(PidField::Video), 0);

  // An explicit type wins over the video PID.
  Add("Talk", 1, "0");
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(Db().programs[4].ServiceType(), ProgramRecord::kTv);
}

TEST_F(GroupChAddProgramTest, FieldsAreWrittenByTheWidthRules) {
  Load(*Small(), 3);
  Add("Fourteen chars", 1, "8191", "8192");
  const ProgramRecord& p = Db().programs[1];
  EXPECT_EQ(p.State(), SlotState::Used);
  EXPECT_EQ(p.Name(), "Fourteen chars");
  EXPECT_EQ(p.TransponderIndex(), 6u);
  EXPECT_EQ(p.RawPid(PidField::Video), 8191);
  EXPECT_EQ(p.RawPid(PidField::Audio), 0);
  EXPECT_EQ(p.RawPid(PidField::Pmt), 0);
  EXPECT_EQ(p.ServiceId(), 8192);  // never masked
  EXPECT_EQ(p.PresetWord(), 0xE000);
  EXPECT_TRUE(Db().satellites[2].Selected());
  EXPECT_TRUE(doc.IsModified());

  Load(*Small(), 0);
  Add("Wide", 1, "65535", "65536");
  EXPECT_EQ(Db().programs[1].RawPid(PidField::Video), 65535);
  EXPECT_EQ(Db().programs[1].RawPid(PidField::Audio), 0);
  EXPECT_EQ(Db().programs[1].ServiceId(), 0);
}

TEST_F(GroupChAddProgramTest, AReusedSlotKeepsTheDeletedRecordsOtherBits) {
  auto db = Small();
  ProgramRecord& old = PutProgram(*db, 1, "Old", 6, ProgramRecord::kRadio);
  old.SetFlags(old.Flags() | 0xFFFC0000u);
  old.SetAttributes(0xABCD0000u | 2u);
  old.Bytes()[32] = 0x5A;
  old.Bytes()[38] = 0xA5;
  old.SetState(SlotState::Deleted);
  old.SetReserved36(0);
  Load(*db);
  Add("New", 1, "100");
  const ProgramRecord& p = Db().programs[1];
  EXPECT_EQ(p.State(), SlotState::Used);
  EXPECT_EQ(p.Flags() & 0xFFFC0000u, 0xFFFC0000u);
  EXPECT_EQ(p.Attributes(), 0xABCD0000u | 1u);
  EXPECT_EQ(p.Bytes()[32], 0x5A);
  EXPECT_EQ(p.Bytes()[38], 0xA5);
  EXPECT_EQ(p.Name(), "New");
}

TEST_F(GroupChAddProgramTest, AddingSwitchesBackToTvAndCancelChangesNothing) {
  Load(*Small());
  Kind()->setCurrentIndex(1);
  GroupCombo()->setCurrentIndex(0);
  host.SendCommand(CommandId::kAddProgram);  // no answer queued: Cancel
  EXPECT_EQ(Kind()->currentIndex(), 1);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Db().programs[1].State(), SlotState::Empty);

  Add("Radio", 2, "0");
  EXPECT_EQ(Kind()->currentIndex(), 0);
  EXPECT_EQ(Rows(ServiceList()), QStringList{"[First]"});
}

TEST_F(GroupChAddProgramTest, AFullProgramTableIsRefusedBeforeAsking) {
  auto db = Small();
  for (int p = 0; p < 4000; ++p) db->programs[std::size_t(p)].SetState(SlotState::Used);
  Load(*db);
  bool asked = false;
  Prompt::QueueDialog([&asked](QDialog& d) {
    asked = true;
    return d.result();
  });
  host.SendCommand(CommandId::kAddProgram);
  EXPECT_FALSE(asked);
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(GroupChAddProgramTest, AFullListIsRefusedAndTheSlotLeftAlone) {
  auto db = Small();
  db->channelLists.radioList.SetCount(4000);
  Load(*db);
  Add("Radio", 2, "0");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(Db().programs[1].State(), SlotState::Empty);
  EXPECT_EQ(Db().programs[1].Name(), "");
  EXPECT_EQ(Db().channelLists.radioList.Count(), 4000);
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
