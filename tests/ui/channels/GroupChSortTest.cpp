// The context menu's sorts on the list last worked in, and its "Move To…": the
// stored order changes, the selected program is followed to its new row, and a
// sort that changes nothing is no edit.
#include <QLineEdit>

#include "GroupChFixture.h"
#include "ui/channels/CMoveToDlg.h"

namespace {

class GroupChSortTest : public GroupChPageTest {
 protected:
  // TV list "Kino 10", "kino 2", "ARD" (slots 10..12; service ids 3, 1, 2);
  // group 0 with them in the same order.
  void SetUp() override {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    const char* names[] = {"Kino 10", "kino 2", "ARD"};
    const std::uint16_t sids[] = {3, 1, 2};
    for (int i = 0; i < 3; ++i) PutProgram(*db, 10 + i, names[i]).SetServiceId(sids[i]);
    PutList(db->channelLists.tvList, {10, 11, 12});
    PutGroup(*db, 0, "Fav", {10, 11, 12});
    Load(*db);
  }
};

TEST_F(GroupChSortTest, SortingTheTvListFollowsTheSelectedProgram) {
  ServiceList()->SetCurrentRow(1);
  page->Actions().sortByName->trigger();
  EXPECT_EQ(Rows(ServiceList()), (QStringList{"[ARD]", "[kino 2]", "[Kino 10]"}));
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{12, 11, 10}));
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{10, 11, 12})) << "the group stays";
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 1);
  EXPECT_TRUE(doc.IsModified());

  page->Actions().sortByServiceId->trigger();
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 12, 10}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 0);
  EXPECT_EQ(Text("name"), "kino 2");

  doc.SetModifiedFlag(false);
  page->Actions().sortBySatellite->trigger();  // all on one transponder: nothing moves
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(GroupChSortTest, TheFavouriteListIsSortedWhenItWasLastWorkedIn) {
  GroupList()->SetCurrentRow(0);
  page->Actions().reverseOrder->trigger();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{12, 11, 10}));
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 12}));
  EXPECT_EQ(GroupList()->SingleSelectedRow(), 2);

  testkit::AnswerDialog<CMoveToDlg>([](CMoveToDlg& dlg) { dlg.NumberBox()->setText(QStringLiteral("1")); });
  page->Actions().moveTo->trigger();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{10, 12, 11}));
  EXPECT_EQ(GroupList()->SingleSelectedRow(), 0);
}

}  // namespace
