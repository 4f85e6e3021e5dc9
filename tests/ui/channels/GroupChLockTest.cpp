// "Lock" and "Unlock" on the selected rows of the list last worked in: by the keys and
// from the list's menu, one step for all of them; the Info area shows the new state.
#include <QCheckBox>
#include <QtTest/QTest>

#include "GroupChFixture.h"

namespace {

class GroupChLockTest : public GroupChPageTest {
 protected:
  // TV list of slots 10..13, slot 11 locked; group 0 holds 12 and 13.
  void SetUp() override {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    for (int i = 0; i < 4; ++i) PutProgram(*db, 10 + i, "P" + std::to_string(i));
    db->programs[11].SetLocked(true);
    PutList(db->channelLists.tvList, {10, 11, 12, 13});
    PutGroup(*db, 0, "Fav", {12, 13});
    Load(*db);
  }
  std::vector<int> Locked() const {
    std::vector<int> locked;
    for (int slot = 10; slot < 14; ++slot)
      if (Db().programs[std::size_t(slot)].Locked()) locked.push_back(slot);
    return locked;
  }
};

TEST_F(GroupChLockTest, TheSelectedRowsOfTheListInUseAreLockedOrUnlockedAtOnce) {
  const struct {
    const char* what;
    bool favourites;
    std::vector<int> rows;
    std::function<void(GroupChListView*)> act;
    std::vector<int> locked;
  } cases[] = {
      {"Ctrl+L on three TV rows", false, {0, 1, 2},
       [](GroupChListView* l) { QTest::keyClick(l, Qt::Key_L, Qt::ControlModifier); },
       {10, 11, 12}},
      {"Ctrl+Shift+L on two TV rows", false, {1, 3},
       [](GroupChListView* l) {
         QTest::keyClick(l, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
       },
       {}},
      {"Lock from the menu on the favourite list", true, {0, 1},
       [this](GroupChListView*) { page->Actions().lock->trigger(); }, {11, 12, 13}},
  };
  for (const auto& c : cases) {
    SetUp();
    GroupChListView* list = c.favourites ? GroupList() : ServiceList();
    list->setFocus();
    list->SetCurrentRow(c.rows.front());
    for (int row : c.rows) list->SelectRow(row);
    c.act(list);
    EXPECT_EQ(Locked(), c.locked) << c.what;
    EXPECT_EQ(Control<QCheckBox>("lock")->isChecked(), !c.locked.empty()) << c.what << ": the Info area follows";
    EXPECT_EQ(list->SelectedRows(), c.rows) << c.what;
  }
}

}  // namespace
