// Reordering a favourite group by dragging, driven with real mouse events through the
// page's window: press on a row, move past the drag distance, move, release.
#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "GroupChFixture.h"

namespace {

class GroupChDragTest : public GroupChPageTest {
 protected:
  // Programs A..D in slots 10..13, all in the TV list and in group 2 "Order".
  void LoadAbcd() {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    for (int i = 0; i < 4; ++i) PutProgram(*db, 10 + i, std::string(1, char('A' + i)));
    PutList(db->channelLists.tvList, {10, 11, 12, 13});
    PutGroup(*db, 2, "Order", {10, 11, 12, 13});
    Load(*db);
    page->move(40, 40);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  }

  QWindow* Window() { return page->windowHandle(); }
  // Window position of the middle of a row of a list.
  QPoint RowPoint(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    return list->viewport()->mapTo(page.get(), r.center());
  }
  QPoint BelowLastRow(QListWidget* list) {
    const QRect r = list->visualItemRect(list->item(list->count() - 1));
    return list->viewport()->mapTo(page.get(), QPoint(r.center().x(), r.bottom() + 20));
  }

  void Press(const QPoint& at) { QTest::mousePress(Window(), Qt::LeftButton, {}, at); }
  void Move(const QPoint& to) { QTest::mouseMove(Window(), to); }
  void Release(const QPoint& at) { QTest::mouseRelease(Window(), Qt::LeftButton, {}, at); }

  // Presses on `row` of the favourite list and pulls it far enough to start a drag.
  void StartDrag(int row) {
    const QPoint from = RowPoint(GroupList(), row);
    Press(from);
    Move(from + QPoint(QApplication::startDragDistance() + 4, 0));
    ASSERT_TRUE(page->Dragging());
  }
  void Drag(int row, const QPoint& to) {
    StartDrag(row);
    Move(to);
    Release(to);
  }

  // The drag image follows the cursor in a window of its own while a drag lasts.
  static int DragImages() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "dragImage" && w->isVisible()) ++n;
    return n;
  }

  std::string Order() {
    std::string out;
    for (int m : Members(Db().channelLists.favoriteGroups[2])) out += char('A' + m - 10);
    return out;
  }
};

TEST_F(GroupChDragTest, DroppingPlacesTheMemberBeforeTheRowDroppedOn) {
  LoadAbcd();
  Drag(0, RowPoint(GroupList(), 2));  // A onto C
  EXPECT_EQ(Order(), "BACD");
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[B]", "[A]", "[C]", "[D]"}));
  EXPECT_EQ(page->State().groupRows[1], 10);
  // The moved row is selected and shown; the favourite list is now the active one.
  EXPECT_EQ(GroupList()->SingleSelectedRow(), 1);
  EXPECT_EQ(Text("name"), "A");
  EXPECT_EQ(page->State().activeList, ActiveList::Favorites);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(page->Dragging());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  LoadAbcd();
  Drag(3, RowPoint(GroupList(), 1));  // D onto B
  EXPECT_EQ(Order(), "ADBC");

  LoadAbcd();
  Drag(0, BelowLastRow(GroupList()));  // A below the last row
  EXPECT_EQ(Order(), "BCDA");
  EXPECT_EQ(Rows(GroupList()).back(), "[A]");
}

TEST_F(GroupChDragTest, DroppingOnItselfOrTheRowBelowChangesNothing) {
  LoadAbcd();
  Drag(1, RowPoint(GroupList(), 1));
  EXPECT_EQ(Order(), "ABCD");
  Drag(1, RowPoint(GroupList(), 2));
  EXPECT_EQ(Order(), "ABCD");
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[A]", "[B]", "[C]", "[D]"}));
  // Only the record's members move; the count and what follows them stay.
  EXPECT_EQ(Db().channelLists.favoriteGroups[2].MemberCount(), 4u);
  EXPECT_EQ(Db().channelLists.favoriteGroups[2].Member(4), 0);
}

TEST_F(GroupChDragTest, ReleasingAnywhereButTheFavouriteListChangesNothing) {
  LoadAbcd();
  Drag(0, RowPoint(ServiceList(), 3));
  EXPECT_EQ(Order(), "ABCD");
  EXPECT_FALSE(page->Dragging());

  const QPoint outside = page->rect().bottomRight() + QPoint(30, 30);
  Drag(0, outside);
  EXPECT_EQ(Order(), "ABCD");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(ServiceList()->count(), 4);
}

TEST_F(GroupChDragTest, HoverHighlightsTheDropRowAndRefusesOtherPlaces) {
  LoadAbcd();
  StartDrag(0);
  EXPECT_EQ(DragImages(), 1);
  Move(RowPoint(GroupList(), 2));
  EXPECT_EQ(page->DropRow(), 2);
  EXPECT_TRUE(GroupList()->IsDropHighlighted(2));
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);

  Move(RowPoint(GroupList(), 3));
  EXPECT_FALSE(GroupList()->IsDropHighlighted(2));
  EXPECT_TRUE(GroupList()->IsDropHighlighted(3));

  Move(RowPoint(ServiceList(), 1));
  EXPECT_EQ(page->DropRow(), -1);
  EXPECT_FALSE(GroupList()->IsDropHighlighted(3));
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);

  Release(RowPoint(ServiceList(), 1));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  for (int r = 0; r < 4; ++r) EXPECT_FALSE(GroupList()->IsDropHighlighted(r));
  EXPECT_EQ(Order(), "ABCD");
  EXPECT_EQ(DragImages(), 0);
}

TEST_F(GroupChDragTest, TheTvListStartsNoDrag) {
  LoadAbcd();
  const QPoint from = RowPoint(ServiceList(), 0);
  Press(from);
  Move(from + QPoint(0, 40));
  EXPECT_FALSE(page->Dragging());
  Release(from + QPoint(0, 40));
  EXPECT_EQ(Order(), "ABCD");
}

}  // namespace
