// Edits reach the page by the document's notice, whoever made them: the list an edit
// changed is filled again, a list it left alone keeps its rows, and the kind, the group
// and the remembered row stay where they still exist.
#include <QSignalSpy>

#include "GroupChFixture.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"

namespace {

std::unique_ptr<ChannelDatabase> TvAndRadio() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11000);
  for (int p = 0; p < 10; ++p) PutProgram(*db, p, "P" + std::to_string(p));
  PutList(db->channelLists.tvList, {0, 1, 2, 3, 4, 5});
  PutList(db->channelLists.radioList, {6, 7, 8, 9});
  PutGroup(*db, 0, "A", {1, 2});
  PutGroup(*db, 3, "B", {4});
  return db;
}

using GroupChNoticeTest = GroupChPageTest;

TEST_F(GroupChNoticeTest, AnEditMadeElsewhereRenewsWhatItChanged) {
  struct Case {
    const char* what;
    std::function<void(ChannelDatabase&)> edit;
    QStringList radioRows, groupRows, groups;
    int groupRow;
    bool radioFilled;
  } const cases[] = {
      {"a member joins the group shown", [](ChannelDatabase& db) { dbops::AddGroupMember(db, 3, 7); },
       {"[P6]", "[P7]", "[P8]", "[P9]"}, {"[P4]", "[P7]"}, {"A", "B"}, 1, false},
      {"a program renamed", [](ChannelDatabase& db) { db.programs[4].SetName("Neu"); },
       {"[P6]", "[P7]", "[P8]", "[P9]"}, {"[Neu]"}, {"A", "B"}, 1, false},
      {"the TV list arranged while the radio list shows",
       [](ChannelDatabase& db) { dbops::MoveRowsTo(db, dbops::ChannelOrder::List(0), std::vector<int>{0}, 5); },
       {"[P6]", "[P7]", "[P8]", "[P9]"}, {"[P4]"}, {"A", "B"}, 1, false},
      {"the radio list arranged",
       [](ChannelDatabase& db) { dbops::MoveRowsTo(db, dbops::ChannelOrder::List(1), std::vector<int>{0}, 3); },
       {"[P7]", "[P8]", "[P9]", "[P6]"}, {"[P4]"}, {"A", "B"}, 1, true},
      {"another group renamed", [](ChannelDatabase& db) { dbops::RenameFavoriteGroup(db, 0, "C"); },
       {"[P6]", "[P7]", "[P8]", "[P9]"}, {"[P4]"}, {"C", "B"}, 1, false},
      {"the group shown deleted", [](ChannelDatabase& db) { dbops::DeleteFavoriteGroup(db, 3); },
       {"[P6]", "[P7]", "[P8]", "[P9]"}, {"[P1]", "[P2]"}, {"A"}, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load(*TvAndRadio());
    Kind()->setCurrentIndex(1);
    GroupCombo()->setCurrentIndex(1);
    ServiceList()->SetCurrentRow(2);
    QSignalSpy refills(ServiceList()->model(), &QAbstractItemModel::modelReset);
    doc.Apply({"Elsewhere"}, c.edit);
    EXPECT_EQ(Kind()->currentIndex(), 1);
    EXPECT_EQ(Rows(ServiceList()), c.radioRows);
    EXPECT_EQ(Rows(GroupList()), c.groupRows);
    EXPECT_EQ(ComboRows(GroupCombo()), c.groups);
    EXPECT_EQ(GroupCombo()->currentIndex(), c.groupRow);
    EXPECT_EQ(page->State().currentGroupRow, c.groupRow);
    EXPECT_EQ(refills.count() > 0, c.radioFilled);
    EXPECT_EQ(ServiceList()->CurrentRow(), 2) << "the remembered row";
  }
}

}  // namespace
