// Which list "<--", "Delete Program" and "Update" act on, and how the user sees it: a
// click or the keyboard focus on a list with one selected row makes it the active list,
// even when that row was selected already, and the other list shows its selected row in
// grey.
#include <QApplication>
#include <QImage>
#include <QTest>

#include "GroupChFixture.h"

namespace {

class GroupChActiveListTest : public GroupChPageTest {
 protected:
  // TV list: programs T0..T5 in slots 0..5; group 0 "Fav": T4, T1, T5.
  void LoadShown() {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    for (int p = 0; p < 6; ++p) PutProgram(*db, p, "T" + std::to_string(p));
    PutList(db->channelLists.tvList, {0, 1, 2, 3, 4, 5});
    PutGroup(*db, 0, "Fav", {4, 1, 5});
    Load(*db);
    page->move(30, 30);
    page->show();
    QApplication::setActiveWindow(page.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
  }
  void Click(GroupChListView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->RowRect(row).center());
  }
  // The colour the list paints a row with, a little inside its left end (clear of text).
  QColor RowColour(GroupChListView* list, int row) {
    const QImage shot = list->viewport()->grab().toImage();
    const QRect r = list->RowRect(row);
    const qreal scale = shot.devicePixelRatio();
    return shot.pixelColor(int((r.left() + 1) * scale), int(r.center().y() * scale));
  }
  // The style may shade the highlight a little.
  static bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
  }
  static bool Grey(const QColor& c) {
    return std::abs(c.red() - c.green()) < 10 && std::abs(c.green() - c.blue()) < 10 && c.value() < 250;
  }
  bool InDatabase(int program) { return Db().programs[std::size_t(program)].IsUsed(); }
};

// The repro: a TV program selected, then a click on the favourite row that is already
// highlighted, then "<--": only the member leaves the group.
TEST_F(GroupChActiveListTest, AClickOnTheAlreadySelectedFavouriteRowMakesItsListActive) {
  LoadShown();
  Click(GroupList(), 1);  // T1 in the group
  ASSERT_EQ(page->State().activeList, ActiveList::Favorites);
  Click(ServiceList(), 3);  // T3 in the TV list
  ASSERT_EQ(page->State().activeList, ActiveList::Services);
  EXPECT_EQ(Text("name"), "T3");
  ASSERT_EQ(GroupList()->SingleSelectedRow(), 1) << "the group's row stays highlighted";

  Click(GroupList(), 1);  // the same, already highlighted row
  EXPECT_EQ(page->State().activeList, ActiveList::Favorites);
  EXPECT_EQ(Text("name"), "T1");

  Button("copyLeft")->click();  // "<--"
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{4, 5}));
  EXPECT_TRUE(InDatabase(1)) << "\"<--\" deleted the program from the database";
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{0, 1, 2, 3, 4, 5}));

  // And back: a click on the highlighted TV row makes "<--" delete that program.
  Click(ServiceList(), 3);
  EXPECT_EQ(page->State().activeList, ActiveList::Services);
  Button("copyLeft")->click();
  EXPECT_FALSE(InDatabase(3));
}

TEST_F(GroupChActiveListTest, TheFocusArrivingOnAListWithOneSelectedRowMakesItActive) {
  LoadShown();
  Click(GroupList(), 2);  // T5
  Click(ServiceList(), 0);
  ASSERT_EQ(page->State().activeList, ActiveList::Services);

  GroupList()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(page->State().activeList, ActiveList::Favorites);
  EXPECT_EQ(Text("name"), "T5");
  // "Update" then writes into the favourite's program.
  Control<QLineEdit>("name")->setText("Five");
  Button("update")->click();
  EXPECT_EQ(Db().programs[5].Name(), "Five");
  EXPECT_EQ(Db().programs[0].Name(), "T0");

  ServiceList()->setFocus(Qt::BacktabFocusReason);
  EXPECT_EQ(page->State().activeList, ActiveList::Services);
  EXPECT_EQ(Text("name"), "T0");
}

TEST_F(GroupChActiveListTest, AListWithoutOneSelectedRowDoesNotBecomeActive) {
  LoadShown();
  GroupList()->clearSelection();
  Click(ServiceList(), 2);
  GroupList()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(page->State().activeList, ActiveList::Services);
  EXPECT_EQ(Text("name"), "T2");
  triggered.clear();
  Button("copyLeft")->click();
  EXPECT_FALSE(InDatabase(2)) << "the TV list stayed active";
}

TEST_F(GroupChActiveListTest, TheInactiveListShowsItsSelectedRowInGrey) {
  LoadShown();
  Click(GroupList(), 1);
  Click(ServiceList(), 3);
  const QColor highlight = ServiceList()->palette().color(QPalette::Active, QPalette::Highlight);
  const QColor active = RowColour(ServiceList(), 3);
  const QColor inactive = RowColour(GroupList(), 1);
  EXPECT_TRUE(Near(active, highlight)) << "the active list shows the highlight " << active.name().toStdString();
  EXPECT_FALSE(Near(inactive, highlight));
  EXPECT_TRUE(Grey(inactive)) << inactive.name().toStdString();
  EXPECT_NE(inactive, RowColour(GroupList(), 0)) << "the grey row must stand out from the others";

  // The focus elsewhere (on a button) does not grey the active list.
  Button("update")->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(Near(RowColour(ServiceList(), 3), highlight));

  Click(GroupList(), 1);
  EXPECT_TRUE(Near(RowColour(GroupList(), 1), highlight));
  EXPECT_TRUE(Grey(RowColour(ServiceList(), 3)));
}

}  // namespace
