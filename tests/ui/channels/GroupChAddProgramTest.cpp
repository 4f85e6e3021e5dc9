// "Add Program": where the new program is filed, how its fields are fitted into the
// record, and what is refused.
#include "GroupChFixture.h"

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
    page->Actions().addProgram->trigger();
  }
};

TEST_F(GroupChAddProgramTest, AddingSwitchesBackToTvAndCancelChangesNothing) {
  Load(*Small());
  Kind()->setCurrentIndex(1);
  GroupCombo()->setCurrentIndex(0);
  page->Actions().addProgram->trigger();  // no answer queued: Cancel
  EXPECT_EQ(Kind()->currentIndex(), 1);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Db().programs[1].State(), SlotState::Empty);

  Add("Radio", 2, "0", "8191");
  EXPECT_EQ(Kind()->currentIndex(), 0);
  EXPECT_EQ(Rows(ServiceList()), QStringList{"[First]"});
  // The dialog's values reach the record, under the page's DbType.
  EXPECT_EQ(Entries(Db().channelLists.radioList), std::vector<int>{1});
  EXPECT_EQ(Db().programs[1].Name(), "Radio");
  EXPECT_EQ(Db().programs[1].TransponderIndex(), 6u);
  EXPECT_EQ(Db().programs[1].AudioPid(dbtype::kDefault), 8191);
  EXPECT_TRUE(doc.IsModified());
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
  page->Actions().addProgram->trigger();
  EXPECT_FALSE(asked);
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(GroupChAddProgramTest, AFullListIsRefusedAndTheSlotLeftAlone) {
  auto db = Small();
  db->channelLists.radioList.SetCount(4000);
  Load(*db);
  Add("Radio", 2, "0");
  // That nothing is written: Programs.AFullTableOrAFullListChangesNothing.
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(Db().programs[1].State(), SlotState::Empty);
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
