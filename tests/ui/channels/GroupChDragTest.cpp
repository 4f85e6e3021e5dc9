// Reordering a favourite group and the TV/Radio list by dragging, driven with real mouse
// events through the page's window: press on a row, move past the drag distance, move,
// release.
#include <QApplication>
#include <QLabel>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
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

  // Programs M00..M39 in slots 100..139, all in the TV list and, in that order, in group 2.
  void LoadForty() {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    std::vector<int> members;
    for (int i = 0; i < 40; ++i) {
      PutProgram(*db, 100 + i, (i < 10 ? "M0" : "M") + std::to_string(i));
      members.push_back(100 + i);
    }
    PutList(db->channelLists.tvList, members);
    PutGroup(*db, 2, "Many", members);
    Load(*db);
    page->move(40, 40);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  }
  // Turns the mouse wheel over the favourite list by whole notches (negative: down).
  void Wheel(int notches) {
    QWidget* vp = GroupList()->viewport();
    const QPoint at = vp->rect().center();
    for (int i = 0; i < std::abs(notches); ++i) {
      QWheelEvent wheel(at, vp->mapToGlobal(at), QPoint(), QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(vp, &wheel);
    }
  }
  int TopRow() { return GroupList()->indexAt(QPoint(4, 1)).row(); }
  int RowHeight() { return GroupList()->RowRect(0).height(); }
  // Window position in the favourite list, `y` pixels below its rows' area's top.
  QPoint ListPoint(int y) { return GroupList()->viewport()->mapTo(page.get(), QPoint(20, y)); }
  int RowUnder(const QPoint& windowPos) {
    return GroupList()->RowAt(GroupList()->viewport()->mapFrom(page.get(), windowPos));
  }
  // Member slots of group 2, as their numbers 0..39.
  std::vector<int> Members40() {
    std::vector<int> out;
    for (int m : Members(Db().channelLists.favoriteGroups[2])) out.push_back(m - 100);
    return out;
  }
  // Pumps events for `ms` and gives the top row, then every top row the list scrolled to
  // meanwhile, one entry per scroll (rows scroll one at a time: the bar counts rows).
  std::vector<int> TopRowsDuring(int ms) {
    std::vector<int> seen{TopRow()};
    QScrollBar* bar = GroupList()->verticalScrollBar();
    const auto watch = QObject::connect(bar, &QScrollBar::valueChanged, [&seen](int row) { seen.push_back(row); });
    QTest::qWait(ms);
    QObject::disconnect(watch);
    return seen;
  }

  QWindow* Window() { return page->windowHandle(); }
  // Window position of the middle of a row of a list.
  QPoint RowPoint(GroupChListView* list, int row) {
    const QRect r = list->RowRect(row);
    return list->viewport()->mapTo(page.get(), r.center());
  }
  QPoint BelowLastRow(GroupChListView* list) {
    const QRect r = list->RowRect(list->RowCount() - 1);
    return list->viewport()->mapTo(page.get(), QPoint(r.center().x(), r.bottom() + 20));
  }

  void Press(const QPoint& at) { QTest::mousePress(Window(), Qt::LeftButton, {}, at); }
  void Move(const QPoint& to) { QTest::mouseMove(Window(), to); }
  void Release(const QPoint& at) { QTest::mouseRelease(Window(), Qt::LeftButton, {}, at); }

  // Presses on `row` of a list (the favourite list unless named) and pulls it far
  // enough to start a drag.
  void StartDrag(int row, GroupChListView* list = nullptr) {
    const QPoint from = RowPoint(list ? list : GroupList(), row);
    Press(from);
    Move(from + QPoint(QApplication::startDragDistance() + 4, 0));
    ASSERT_TRUE(page->Dragging());
  }
  void Drag(int row, const QPoint& to, GroupChListView* list = nullptr) {
    StartDrag(row, list);
    Move(to);
    Release(to);
  }
  std::string TvOrder() {
    std::string out;
    for (int m : Entries(Db().channelLists.tvList)) out += char('A' + m - 10);
    return out;
  }

  // The drag image follows the cursor in a window of its own while a drag lasts.
  static int DragImages() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "dragImage" && w->isVisible()) ++n;
    return n;
  }
  // What the drag image says: a block's count, empty for one row shown as it looks.
  static QString DragImageText() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* label = qobject_cast<QLabel*>(w); label && w->objectName() == "dragImage" && w->isVisible())
        return label->text();
    return QStringLiteral("(none)");
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

  // Where other rows land: Groups.ADropPlacesTheMemberBeforeTheRowDroppedOn. Here the
  // place below the last row, which only the list's geometry tells.
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
  EXPECT_EQ(ServiceList()->RowCount(), 4);
}

TEST_F(GroupChDragTest, HoverDrawsTheDropLineAndRefusesOtherPlaces) {
  LoadAbcd();
  StartDrag(0);
  EXPECT_EQ(DragImages(), 1);
  EXPECT_EQ(DragImageText(), "");
  Move(RowPoint(GroupList(), 2));
  EXPECT_EQ(page->DropRow(), 2);
  EXPECT_EQ(GroupList()->DropLine(), 2);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);

  Move(RowPoint(GroupList(), 3));
  EXPECT_EQ(GroupList()->DropLine(), 3);
  // Below the last row the line lies under it: the member would go last.
  Move(BelowLastRow(GroupList()));
  EXPECT_EQ(GroupList()->DropLine(), GroupList()->RowCount());

  Move(RowPoint(ServiceList(), 1));
  EXPECT_EQ(page->DropRow(), -1);
  EXPECT_EQ(GroupList()->DropLine(), -1);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);

  Release(RowPoint(ServiceList(), 1));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(GroupList()->DropLine(), -1);
  EXPECT_EQ(Order(), "ABCD");
  EXPECT_EQ(DragImages(), 0);
}

TEST_F(GroupChDragTest, TheTvListReordersByDragWithTheFavouritesDropRule) {
  LoadAbcd();
  Drag(0, RowPoint(ServiceList(), 2), ServiceList());  // A onto C
  EXPECT_EQ(TvOrder(), "BACD");
  EXPECT_EQ(ServiceList()->SelectedRows(), (std::vector<int>{1}));
  EXPECT_EQ(Text("name"), "A");
  Drag(3, RowPoint(ServiceList(), 0), ServiceList());  // D onto B
  EXPECT_EQ(TvOrder(), "DBAC");
  Drag(0, BelowLastRow(ServiceList()), ServiceList());  // D below the last row
  EXPECT_EQ(TvOrder(), "BACD");
  EXPECT_EQ(Order(), "ABCD") << "the favourite group is another order";
  EXPECT_EQ(DragImages(), 0);

  // A drop on the favourite list moves nothing: a drag stays within its list.
  Drag(0, RowPoint(GroupList(), 3), ServiceList());
  EXPECT_EQ(TvOrder(), "BACD");
  EXPECT_EQ(Order(), "ABCD");
}

TEST_F(GroupChDragTest, SeveralSelectedRowsDragAsOneBlockInTheirOrder) {
  LoadAbcd();
  // A and C selected; a press on C drags both, below the last row.
  ServiceList()->SetCurrentRow(0);
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::ControlModifier, RowPoint(ServiceList(), 2));
  ASSERT_EQ(ServiceList()->SelectedRows(), (std::vector<int>{0, 2}));
  StartDrag(2, ServiceList());
  EXPECT_EQ(DragImageText(), "2 programs");
  Move(BelowLastRow(ServiceList()));
  Release(BelowLastRow(ServiceList()));
  EXPECT_EQ(TvOrder(), "BDAC");
  EXPECT_EQ(ServiceList()->SelectedRows(), (std::vector<int>{2, 3}));

  // The same in the favourite list: B and D dropped on A.
  GroupList()->SetCurrentRow(1);
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::ControlModifier, RowPoint(GroupList(), 3));
  Drag(1, RowPoint(GroupList(), 0));
  EXPECT_EQ(Order(), "BDAC");
  EXPECT_EQ(GroupList()->SelectedRows(), (std::vector<int>{0, 1}));

  // A press on one of several selected rows that is not dragged selects it alone.
  QTest::mouseClick(Window(), Qt::LeftButton, {}, RowPoint(GroupList(), 1));
  EXPECT_EQ(GroupList()->SelectedRows(), (std::vector<int>{1}));
  EXPECT_EQ(Text("name"), "D");
}

TEST_F(GroupChDragTest, NoDragStartsWhileASearchHidesRows) {
  LoadAbcd();
  QTest::keyClicks(Control<QLineEdit>("serviceSearch"), "B");
  const QPoint from = RowPoint(ServiceList(), 1);
  Press(from);
  Move(from + QPoint(0, 40));
  EXPECT_FALSE(page->Dragging());
  Release(from + QPoint(0, 40));
  EXPECT_EQ(TvOrder(), "ABCD");
  EXPECT_FALSE(doc.IsModified());
}

// A member pressed on the top visible row and pulled quickly down lands before the row
// under the cursor when the button comes up, and the list stays where it was.
TEST_F(GroupChDragTest, AFastDragFromTheTopVisibleRowDropsOnTheRowUnderTheCursor) {
  LoadForty();
  Wheel(-3);
  ASSERT_EQ(TopRow(), 9);
  const QPoint from = RowPoint(GroupList(), 9);
  const QPoint to = from + QPoint(0, 64);
  const int target = RowUnder(to);
  ASSERT_GT(target, 10);

  Press(from);
  for (int i = 1; i <= 10; ++i) {
    QTest::qWait(25);
    Move(from + QPoint(0, 64 * i / 10));
  }
  EXPECT_EQ(TopRow(), 9) << "the list scrolled by itself during the drag";
  EXPECT_EQ(page->DropRow(), target);
  Release(to);
  EXPECT_FALSE(page->Dragging());
  const std::vector<int> afterwards = TopRowsDuring(300);
  EXPECT_EQ(afterwards, std::vector<int>{9}) << "the list kept scrolling after the drop";

  // Member 9 now stands immediately before the member it was dropped on.
  std::vector<int> expected;
  for (int i = 0; i < 40; ++i)
    if (i != 9) expected.push_back(i);
  expected.insert(expected.begin() + (target - 1), 9);
  EXPECT_EQ(Members40(), expected);
  EXPECT_EQ(GroupList()->SingleSelectedRow(), target - 1);
  EXPECT_EQ(Text("name"), "M09");
  EXPECT_EQ(page->State().activeList, ActiveList::Favorites);
}

TEST_F(GroupChDragTest, HoldingTheDragAtAnEdgeScrollsTheListOneRowAtATime) {
  LoadForty();
  ASSERT_EQ(TopRow(), 0);
  StartDrag(2);
  const int h = GroupList()->viewport()->height();
  const QPoint bottomEdge = ListPoint(h - RowHeight() / 2);
  Move(bottomEdge);
  const std::vector<int> down = TopRowsDuring(600);
  ASSERT_GE(down.size(), 3u) << "held at the bottom edge, the list did not scroll";
  for (std::size_t i = 1; i < down.size(); ++i) EXPECT_EQ(down[i], down[i - 1] + 1) << "not one row at a time";
  // The drop place follows the rows that pass under the still cursor.
  EXPECT_EQ(page->DropRow(), RowUnder(bottomEdge));
  EXPECT_EQ(GroupList()->DropLine(), page->DropRow());

  // Away from the edge the list stands still.
  const QPoint middle = ListPoint(h / 2);
  Move(middle);
  const int top = TopRow();
  EXPECT_EQ(TopRowsDuring(250), std::vector<int>{top});

  // At the top edge it scrolls back, again a row at a time.
  Move(ListPoint(RowHeight() / 2));
  const std::vector<int> up = TopRowsDuring(300);
  ASSERT_GE(up.size(), 2u) << "held at the top edge, the list did not scroll";
  for (std::size_t i = 1; i < up.size(); ++i) EXPECT_EQ(up[i], up[i - 1] - 1);

  // Released in the middle: the member goes before the row under the cursor there, by
  // the usual rules, and nothing scrolls any more.
  Move(middle);
  const int target = RowUnder(middle);
  ASSERT_GT(target, 2);
  Release(middle);
  EXPECT_EQ(TopRowsDuring(200).size(), 1u);
  std::vector<int> expected;
  for (int i = 0; i < 40; ++i)
    if (i != 2) expected.push_back(i);
  expected.insert(expected.begin() + (target - 1), 2);
  EXPECT_EQ(Members40(), expected);
}

}  // namespace
