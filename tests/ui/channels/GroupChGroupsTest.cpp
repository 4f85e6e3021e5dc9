// Favourite groups: "Add", "Rename", "Delete", "-->" and their limits.
#include "GroupChFixture.h"

namespace {

std::unique_ptr<ChannelDatabase> WithPrograms() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11000);
  std::vector<int> tv;
  for (int p = 0; p < 120; ++p) {
    PutProgram(*db, p, "P" + std::to_string(p));
    tv.push_back(p);
  }
  PutList(db->channelLists.tvList, tv);
  return db;
}

std::vector<std::string> GroupNames(const ChannelDatabase& db) {
  std::vector<std::string> out;
  for (const auto& g : db.channelLists.favoriteGroups) out.push_back(g.IsUsed() ? g.Name() : "-");
  return out;
}

using GroupChGroupsTest = GroupChPageTest;

TEST_F(GroupChGroupsTest, AddFillsFreeSlotsInSlotOrderAndANinthDoesNothing) {
  Load(*WithPrograms());
  for (int g = 0; g < 8; ++g) {
    AnswerName(QStringLiteral("G%1").arg(g));
    Button("addGroup")->click();
  }
  EXPECT_EQ(GroupCombo()->count(), 8);
  doc.SetModifiedFlag(false);
  AnswerName("Ninth");
  Button("addGroup")->click();
  EXPECT_EQ(GroupCombo()->count(), 8);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_FALSE(doc.IsModified());

  GroupCombo()->setCurrentIndex(2);
  Button("deleteGroup")->click();
  EXPECT_EQ(GroupNames(Db())[2], "-");
  AnswerName("Again");
  Button("addGroup")->click();
  EXPECT_EQ(GroupNames(Db())[2], "Again");
  EXPECT_EQ(ComboRows(GroupCombo()).mid(1, 3), (QStringList{"G1", "Again", "G3"}));
  // Adding goes back to the first group and the TV list.
  EXPECT_EQ(GroupCombo()->currentIndex(), 0);
}

TEST_F(GroupChGroupsTest, AddAcceptsDuplicateAndEmptyNamesAndCancelDoesNothing) {
  Load(*WithPrograms());
  AnswerName("Same");
  Button("addGroup")->click();
  AnswerName("Same");
  Button("addGroup")->click();
  AnswerName("");
  Button("addGroup")->click();
  EXPECT_EQ(ComboRows(GroupCombo()), (QStringList{"Same", "Same", ""}));
  Button("addGroup")->click();  // cancelled
  EXPECT_EQ(GroupCombo()->count(), 3);
}

TEST_F(GroupChGroupsTest, RenameRefusesAnotherGroupsNameCaseSensitively) {
  auto db = WithPrograms();
  PutGroup(*db, 0, "News");
  PutGroup(*db, 3, "Sport", {1, 2});
  Load(*db);
  GroupCombo()->setCurrentIndex(1);

  QString preset;
  AnswerName("News", &preset);
  Button("renameGroup")->click();
  EXPECT_EQ(preset, "Sport");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Name exists"});
  EXPECT_EQ(Db().channelLists.favoriteGroups[3].Name(), "Sport");
  EXPECT_FALSE(doc.IsModified());

  AnswerName("NEWS");
  Button("renameGroup")->click();
  EXPECT_EQ(Db().channelLists.favoriteGroups[3].Name(), "NEWS");
  EXPECT_EQ(ComboRows(GroupCombo()), (QStringList{"News", "NEWS"}));
  EXPECT_EQ(GroupCombo()->currentIndex(), 1);
  EXPECT_EQ(GroupList()->RowCount(), 2);
  EXPECT_TRUE(doc.IsModified());
  // Its own name again, a name filling the field: Groups.RenameRefusesAnotherUsedGroupsNameCaseSensitively.
}

TEST_F(GroupChGroupsTest, DeleteMovesOneRowUpOrStaysOnTheFirst) {
  auto db = WithPrograms();
  PutGroup(*db, 1, "A", {5});
  PutGroup(*db, 4, "B", {6, 7});
  PutGroup(*db, 6, "C", {8});
  Load(*db);
  Button("deleteGroup")->click();
  EXPECT_EQ(ComboRows(GroupCombo()), (QStringList{"B", "C"}));
  EXPECT_EQ(GroupCombo()->currentIndex(), 0);
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[P6]", "[P7]"}));
  EXPECT_EQ(Db().programs[5].State(), SlotState::Used);

  GroupCombo()->setCurrentIndex(1);
  Button("deleteGroup")->click();
  EXPECT_EQ(GroupCombo()->currentIndex(), 0);
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[P6]", "[P7]"}));

  Button("deleteGroup")->click();
  EXPECT_EQ(GroupCombo()->count(), 0);
  EXPECT_EQ(GroupList()->RowCount(), 0);
  // With no group left the group commands change nothing.
  doc.SetModifiedFlag(false);
  ServiceList()->SetCurrentRow(3);
  Button("copyRight")->click();
  Button("renameGroup")->click();
  Button("deleteGroup")->click();
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(GroupChGroupsTest, CopyRightAppendsAndSaysNothingWhenTheGroupRefuses) {
  auto db = WithPrograms();
  PutGroup(*db, 0, "Fav", {9});
  std::vector<int> hundred;
  for (int p = 0; p < 100; ++p) hundred.push_back(p);
  PutGroup(*db, 1, "Full", hundred);
  Load(*db);
  Button("copyRight")->click();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Select Left"});

  ServiceList()->SetCurrentRow(4);
  Button("copyRight")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{9, 4}));
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[P9]", "[P4]"}));
  EXPECT_TRUE(doc.IsModified());

  // Already a member, or a full group: nothing changes, nothing is said.
  doc.SetModifiedFlag(false);
  Button("copyRight")->click();
  GroupCombo()->setCurrentIndex(1);
  ServiceList()->SetCurrentRow(110);
  Button("copyRight")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]).size(), 2u);
  EXPECT_EQ(GroupList()->RowCount(), 100);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
