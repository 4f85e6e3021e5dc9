// Arranging the channel lists in the window, as a user does it: rows picked with clicks,
// Ctrl clicks and Shift+arrows, moved with Alt+Up/Down/Home/End and Ctrl+M, sorted and
// moved from the lists' context menu, deleted, copied and removed several at a time.
// Each action is one undo step; undoing it gives back the working database byte for byte
// and redoing it gives the bytes the action left.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QLineEdit>
#include <QUndoStack>
#include <QWindow>
#include <QtTest/QTest>
#include <cstring>
#include <functional>

#include "AppTestSupport.h"
#include "support/DbBuilders.h"
#include "support/PageTest.h"
#include "ui/channels/CMoveToDlg.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"

using testkit::Child;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const ChannelDatabase& db) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&db);
  return Bytes(p, p + sizeof(ChannelDatabase));
}

// Where two images first differ, for a failure message that says more than "not equal".
std::string FirstDifference(const Bytes& a, const Bytes& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) return "first difference at byte " + std::to_string(i);
  return a.size() == b.size() ? "equal" : "sizes differ";
}

// Two satellites, three transponders; TV programs in slots 0..8 whose names, satellites,
// frequencies and service ids all give different orders (slots 2 and 6 share a name but
// for its case); radio programs in slots 20..24; group 0 "News" and group 2 "Kids".
std::unique_ptr<ChannelDatabase> ArrangeDb() {
  using namespace testkit;
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Hotbird");
  PutTransponder(*db, 0, 1, 12000, 27500, 0);
  PutTransponder(*db, 1, 0, 11700, 27500, 1);
  PutTransponder(*db, 2, 0, 10800, 27500, 0);
  struct P {
    int slot;
    const char* name;
    int transponder;
    std::uint16_t sid;
  };
  const std::uint32_t tv = ProgramRecord::kTv, radio = ProgramRecord::kRadio;
  for (const P& p : {P{0, "Kino 10", 0, 40}, P{1, "arte", 1, 7}, P{2, "Kino 2", 2, 12}, P{3, "ZDF", 1, 3},
                     P{4, "bravo", 0, 25}, P{5, "Das Erste", 2, 9}, P{6, "kino 2", 1, 31}, P{7, "Sport 1", 0, 18},
                     P{8, "ARD", 2, 1}})
    PutProgram(*db, p.slot, p.name, p.transponder, tv).SetServiceId(p.sid);
  for (const P& p : {P{20, "Radio 7", 1, 70}, P{21, "Antenne", 0, 60}, P{22, "Bayern 3", 2, 50},
                     P{23, "radio 10", 1, 40}, P{24, "Klassik", 0, 80}})
    PutProgram(*db, p.slot, p.name, p.transponder, radio).SetServiceId(p.sid);
  PutList(db->channelLists.tvList, {0, 1, 2, 3, 4, 5, 6, 7, 8});
  PutList(db->channelLists.radioList, {20, 21, 22, 23, 24});
  PutGroup(*db, 0, "News", {3, 8, 21, 5, 1});
  PutGroup(*db, 2, "Kids", {4, 7, 0, 23});
  return db;
}

// Which list a case works in: the TV or radio list, or the favourite list showing the
// group in that row of the group combo ("News", "Kids").
enum class In { Tv, Radio, News, Kids };

// A row picked with the mouse, with Ctrl or Shift held or neither; row -1 is the Down key
// pressed with Shift instead.
struct Pick {
  int row;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
const Pick kShiftDown{-1, Qt::ShiftModifier};
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

class ArrangeUndoTest : public apptest::WindowTest {
 protected:
  // One arranging action: the list it works in, the rows picked there, what the user then
  // does, what the Edit menu calls the step and what the window says on the way.
  struct Action {
    const char* what;
    In in;
    std::vector<Pick> picks;
    std::function<void(ArrangeUndoTest&, GroupChListView*)> act;
    const char* stepText;
    QStringList messages = {};
  };

  void SetUp() override {
    WindowTest::SetUp();
    file_ = Path("arrange.qdb");
    apptest::WriteDatabase(file_, *ArrangeDb());
    frame_ = &Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
  }

  // Opens the file again (a fresh page, an empty stack, no answers left over) and shows
  // the Group/Channel page.
  void Reopen() {
    Prompt::Reset();
    ASSERT_TRUE(frame_->OpenDocumentFile(file_));
    Sheet().setCurrentWidget(Page());
    ASSERT_EQ(Stack().count(), 0);
    ASSERT_FALSE(Doc().IsModified());
  }

  CPageGroupCh* Page() { return Sheet().GroupChPage(); }
  const ChannelDatabase& Db() { return Doc().Working(); }
  GroupChListView* Services() { return Child<GroupChListView>(*Page(), "serviceList"); }
  GroupChListView* Favourites() { return Child<GroupChListView>(*Page(), "groupList"); }
  GroupChListView* ListOf(In in) { return in == In::Tv || in == In::Radio ? Services() : Favourites(); }
  void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(*Page(), button), Qt::LeftButton); }

  // Shows the list, as choosing it in its combo does.
  void Show(In in) {
    if (in == In::Tv || in == In::Radio)
      Child<QComboBox>(*Page(), "kind")->setCurrentIndex(in == In::Tv ? 0 : 1);
    else
      Child<QComboBox>(*Page(), "groupCombo")->setCurrentIndex(in == In::News ? 0 : 1);
  }

  static QPoint RowCentre(GroupChListView* list, int row) {
    list->ScrollToRow(row);
    return list->RowRect(row).center();
  }

  static void PickRows(GroupChListView* list, const std::vector<Pick>& picks) {
    for (const Pick& p : picks) {
      if (p.row < 0)
        QTest::keyClick(list, Qt::Key_Down, p.modifiers);
      else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, p.modifiers, RowCentre(list, p.row));
    }
  }

  // A right click on a row of the list, the popup answered with `item`.
  static void ContextMenu(GroupChListView* list, int row, const QString& item) {
    const QPoint at = RowCentre(list, row);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
    Prompt::QueueMenuChoice(item);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
  }

  static void AnswerMoveTo(int number) {
    testkit::AnswerDialog<CMoveToDlg>([number](CMoveToDlg& dlg) { dlg.NumberBox()->setText(QString::number(number)); });
  }

  // ---- the actions of the table ----------------------------------------------------
  static auto CtrlKey(Qt::Key key) {
    return [key](ArrangeUndoTest&, GroupChListView* list) { QTest::keyClick(list, key, Qt::ControlModifier); };
  }
  static auto AltKey(Qt::Key key) {
    return [key](ArrangeUndoTest&, GroupChListView* list) { QTest::keyClick(list, key, Qt::AltModifier); };
  }
  static auto CtrlM(int number) {
    return [number](ArrangeUndoTest&, GroupChListView* list) {
      AnswerMoveTo(number);
      QTest::keyClick(list, Qt::Key_M, Qt::ControlModifier);
    };
  }
  // The context menu opened on `row`; "Move To…" answered with `moveTo`, a question
  // with Yes when `confirm`.
  static auto Menu(const char* item, int row, int moveTo = 0, bool confirm = false) {
    return [item, row, moveTo, confirm](ArrangeUndoTest&, GroupChListView* list) {
      if (moveTo > 0) AnswerMoveTo(moveTo);
      if (confirm) Prompt::QueueMessageAnswer(QMessageBox::Yes);
      ContextMenu(list, row, QString::fromUtf8(item));
    };
  }
  static auto DeleteKey() {
    return [](ArrangeUndoTest&, GroupChListView* list) {
      Prompt::QueueMessageAnswer(QMessageBox::Yes);
      QTest::keyClick(list, Qt::Key_Delete);
    };
  }
  static auto Press(const char* button, bool confirm = false) {
    return [button, confirm](ArrangeUndoTest& t, GroupChListView*) {
      if (confirm) Prompt::QueueMessageAnswer(QMessageBox::Yes);
      t.Click(button);
    };
  }
  // Place Next (Ctrl+Enter) with the next place set on `place` from the menu first.
  static auto PlaceNext(int place, std::vector<Pick> picks) {
    return [place, picks](ArrangeUndoTest&, GroupChListView* list) {
      ContextMenu(list, place, QStringLiteral("Set Next Place Here"));
      PickRows(list, picks);
      QTest::keyClick(list, Qt::Key_Return, Qt::ControlModifier);
    };
  }
  // The name typed in the list's search field and Ctrl+Enter there; the field is then
  // cleared for the next case.
  static auto PlaceFromSearch(int place, const char* name) {
    return [place, name](ArrangeUndoTest& t, GroupChListView* list) {
      ContextMenu(list, place, QStringLiteral("Set Next Place Here"));
      auto* search = Child<QLineEdit>(*t.Page(), list == t.Services() ? "serviceSearch" : "groupSearch");
      QTest::keyClicks(search, QString::fromUtf8(name));
      QTest::keyClick(search, Qt::Key_Return, Qt::ControlModifier);
      EXPECT_EQ(search->selectedText(), QString::fromUtf8(name)) << "the next name typed replaces it";
      QTest::keyClick(search, Qt::Key_Escape);
    };
  }

  // "-->" with these rows picked in the TV list, the favourite list showing the group.
  static auto CopyRight(std::vector<Pick> tvRows) {
    return [tvRows](ArrangeUndoTest& t, GroupChListView*) {
      PickRows(t.Services(), tvRows);
      t.Click("copyRight");
    };
  }

  // Row `from` pulled with the mouse through the window and let go on row `to` (-1: below
  // the last row). A press on one of several picked rows drags them all.
  static auto DragTo(int from, int to) {
    return [from, to](ArrangeUndoTest& t, GroupChListView* list) {
      QWindow* window = t.frame_->windowHandle();
      const auto inWindow = [&](QPoint p) { return list->viewport()->mapTo(t.frame_, p); };
      const QPoint start = inWindow(RowCentre(list, from));
      const QRect last = list->RowRect(list->RowCount() - 1);
      const QPoint end = inWindow(to < 0 ? QPoint(last.center().x(), last.bottom() + 6) : RowCentre(list, to));
      QTest::mousePress(window, Qt::LeftButton, {}, start);
      QTest::mouseMove(window, start + QPoint(QApplication::startDragDistance() + 4, 0));
      ASSERT_TRUE(t.Page()->Dragging());
      QTest::mouseMove(window, end);
      QTest::mouseRelease(window, Qt::LeftButton, {}, end);
    };
  }

  // File > "Apply Order From Database…" with the database as it was before the lists were
  // arranged: another TV order, "Sport 1" in no list yet, the groups swapped.
  static auto ApplyOrderFromReference() {
    return [](ArrangeUndoTest& t, GroupChListView*) {
      auto reference = ArrangeDb();
      testkit::PutList(reference->channelLists.tvList, {8, 5, 3, 1, 0, 2, 4, 6});
      testkit::PutList(reference->channelLists.radioList, {22, 20, 21, 23, 24});
      testkit::PutGroup(*reference, 0, "Kids", {4, 7, 0, 23});
      testkit::PutGroup(*reference, 2, "News", {3, 8, 21, 5, 1});
      const QString path = t.Path("reference.qdb");
      apptest::WriteDatabase(path, *reference);
      Prompt::QueueFileName(path);
      // What the programs take besides their places: as offered (the locks).
      Prompt::QueueDialog([](QDialog& d) {
        d.accept();
        return d.result();
      });
      apptest::Trigger(*t.frame_, "applyOrder");
    };
  }

  static std::vector<Action> Actions() {
    const char* moveTo = "Move To\u2026";
    return {
        // One row, in the middle and at both ends.
        {"TV row down", In::Tv, {{2}}, AltKey(Qt::Key_Down), "Move [Kino 2] in TV List"},
        {"TV last row up", In::Tv, {{8}}, AltKey(Qt::Key_Up), "Move [ARD] in TV List"},
        {"TV last row to the top", In::Tv, {{8}}, AltKey(Qt::Key_Home), "Move [ARD] in TV List"},
        {"TV first row to the bottom", In::Tv, {{0}}, AltKey(Qt::Key_End), "Move [Kino 10] in TV List"},
        {"TV first row by Ctrl+M to the last number", In::Tv, {{0}}, CtrlM(9), "Move [Kino 10] in TV List"},
        {"TV row by Move To from the menu", In::Tv, {{5}}, Menu(moveTo, 5, 1), "Move [Das Erste] in TV List"},
        {"Radio first row to the bottom", In::Radio, {{0}}, AltKey(Qt::Key_End), "Move [Radio 7] in Radio List"},
        {"News last row to the top", In::News, {{4}}, AltKey(Qt::Key_Home), "Move [arte] in Group [News]"},
        {"News last row up", In::News, {{4}}, AltKey(Qt::Key_Up), "Move [arte] in Group [News]"},
        {"Kids row by Ctrl+M", In::Kids, {{3}}, CtrlM(2), "Move [radio 10] in Group [Kids]"},
        // Drags of one row and of several, in both kinds of list.
        {"TV row dragged down", In::Tv, {{2}}, DragTo(2, 6), "Move [Kino 2] in TV List"},
        {"TV scattered rows dragged below the last", In::Tv, {{0}, {5, kCtrl}}, DragTo(5, -1),
         "Move 2 Programs in TV List"},
        {"News last member dragged to the top", In::News, {{4}}, DragTo(4, 0), "Move [arte] in Group [News]"},
        {"News two members dragged", In::News, {{0}, {3, kCtrl}}, DragTo(3, 2), "Move 2 Programs in Group [News]"},
        // Blocks, most of them not contiguous: each key and way of picking once. How a
        // block moves at an end, in a group or the radio list is the order's rule
        // (ChannelOrderTest).
        {"TV scattered block down", In::Tv, {{1}, {4, kCtrl}, {6, kCtrl}}, AltKey(Qt::Key_Down),
         "Move 3 Programs in TV List"},
        {"TV block at the bottom up", In::Tv, {{3}, {5, kCtrl}, {8, kCtrl}}, AltKey(Qt::Key_Up),
         "Move 3 Programs in TV List"},
        {"TV block from the top to the bottom", In::Tv, {{0}, {2, kCtrl}, {7, kCtrl}}, AltKey(Qt::Key_End),
         "Move 3 Programs in TV List"},
        {"TV block from the bottom to the top", In::Tv, {{1}, {8, kCtrl}}, AltKey(Qt::Key_Home),
         "Move 2 Programs in TV List"},
        {"TV Shift+Down range to the top", In::Tv, {{4}, kShiftDown, kShiftDown}, AltKey(Qt::Key_Home),
         "Move 3 Programs in TV List"},
        {"TV Shift click range by Ctrl+M", In::Tv, {{5}, {7, kShift}}, CtrlM(1), "Move 3 Programs in TV List"},
        {"TV scattered block by Move To from the menu", In::Tv, {{0}, {6, kCtrl}}, Menu(moveTo, 6, 4),
         "Move 2 Programs in TV List"},
        {"News scattered block to the bottom", In::News, {{0}, {2, kCtrl}, {4, kCtrl}}, AltKey(Qt::Key_End),
         "Move 3 Programs in Group [News]"},
        {"Kids scattered block by Move To from the menu", In::Kids, {{0}, {3, kCtrl}}, Menu(moveTo, 3, 2),
         "Move 2 Programs in Group [Kids]"},
        // The sorts, each item of the context menu in both kinds of list (the orders
        // themselves: ChannelSortTest).
        {"TV sort by name", In::Tv, {{3}}, Menu("Sort by Name", 3), "Sort TV List by Name"},
        {"TV sort by satellite", In::Tv, {}, Menu("Sort by Satellite and Frequency", 0),
         "Sort TV List by Satellite and Frequency"},
        {"TV sort by service id", In::Tv, {{8}}, Menu("Sort by Service ID", 8), "Sort TV List by Service ID"},
        {"TV reverse", In::Tv, {{1}}, Menu("Reverse Order", 1), "Reverse Order of TV List"},
        {"Radio sort by name", In::Radio, {{2}}, Menu("Sort by Name", 2), "Sort Radio List by Name"},
        {"News sort by name", In::News, {{1}}, Menu("Sort by Name", 1), "Sort Group [News] by Name"},
        {"News sort by satellite", In::News, {{0}}, Menu("Sort by Satellite and Frequency", 0),
         "Sort Group [News] by Satellite and Frequency"},
        {"Kids sort by service id", In::Kids, {{2}}, Menu("Sort by Service ID", 2), "Sort Group [Kids] by Service ID"},
        {"Kids reverse", In::Kids, {{3}}, Menu("Reverse Order", 3), "Reverse Order of Group [Kids]"},
        // With several rows selected only they are sorted (among which places: ChannelSortTest).
        {"TV sort three selected by name", In::Tv, {{2}, {4, kShift}}, Menu("Sort by Name", 3),
         "Sort 3 Programs by Name"},
        {"Kids reverse two selected", In::Kids, {{1}, {3, kCtrl}}, Menu("Reverse Order", 3),
         "Reverse Order of 2 Programs"},
        // The lock of the selected programs (which bits: ProgramOperationsTest).
        {"TV lock three by Ctrl+L", In::Tv, {{1}, {3, kCtrl}, {5, kCtrl}}, CtrlKey(Qt::Key_L), "Lock 3 Programs"},
        {"News lock one from the menu", In::News, {{2}}, Menu("Lock", 2), "Lock [Antenne]"},
        // Place Next: from the list and from its search field (where the next place
        // goes: RowMovesTest).
        {"TV two placed next by Ctrl+Enter", In::Tv, {}, PlaceNext(1, {{5}, {7, kCtrl}}), "Move 2 Programs in TV List"},
        {"TV placed next from the search", In::Tv, {}, PlaceFromSearch(0, "ZDF"), "Move [ZDF] in TV List"},
        {"Kids placed next from the search", In::Kids, {}, PlaceFromSearch(1, "radio"), "Move [radio 10] in Group [Kids]"},
        // Several programs at once.
        {"TV delete three by the Delete key", In::Tv, {{1}, {4, kCtrl}, {8, kCtrl}}, DeleteKey(), "Delete 3 Programs",
         {"Delete 3 programs?"}},
        {"Radio delete two from the menu", In::Radio, {{0}, {1, kShift}}, Menu("Delete Program", 1, 0, true),
         "Delete 2 Programs", {"Delete 2 programs?"}},
        {"TV <-- deletes three", In::Tv, {{0}, {5, kCtrl}, {6, kCtrl}}, Press("copyLeft", true), "Delete 3 Programs",
         {"Delete 3 programs?"}},
        {"--> three new members", In::Kids, {}, CopyRight({{1}, {2, kCtrl}, {3, kCtrl}}),
         "Add 3 Programs to Group [Kids]"},
        {"--> two new and two members", In::News, {}, CopyRight({{2}, {3, kCtrl}, {4, kCtrl}, {8, kCtrl}}),
         "Add 2 Programs to Group [News]",
         {"2 of the selected programs were already in the group."}},
        {"News <-- removes three", In::News, {{0}, {2, kCtrl}, {3, kCtrl}}, Press("copyLeft"),
         "Remove 3 Programs from Group [News]"},
        // A reference database for the order of both lists and the groups, with its report.
        {"Apply a reference database", In::Tv, {}, ApplyOrderFromReference(), "Apply Order From [reference.qdb]",
         {"TV list: 8 of 8 reference programs matched\n"
          "radio list: 5 of 5 reference programs matched\n"
          "taken from the reference: 0 locks; the names kept\n"
          "TV list: program 7 \"Sport 1\" is not in the reference, now No. 9\n"
          "favourite group 1 [Kids]: 3 of 4 members matched\n"
          "favourite group 1 [Kids]: 1 members not in the reference kept after them\n"
          "favourite group 3 [News]: 5 of 5 members matched"}},
    };
  }

  // Opens the file afresh and does the action; `opened` receives the working database
  // as opened.
  void Run(const Action& a, Bytes* opened = nullptr) {
    Reopen();
    if (opened) *opened = BytesOf(Db());
    Show(a.in);
    PickRows(ListOf(a.in), a.picks);
    a.act(*this, ListOf(a.in));
  }

  // Both lists show what the database holds now, row for row.
  void ExpectListsShowTheDatabase() {
    auto names = [this](const std::vector<int>& programs) {
      QStringList out;
      for (int slot : programs) out << "[" + QString::fromStdString(Db().programs[std::size_t(slot)].Name()) + "]";
      return out;
    };
    const int kind = Child<QComboBox>(*Page(), "kind")->currentIndex();
    const ServiceList& list = kind == 0 ? Db().channelLists.tvList : Db().channelLists.radioList;
    EXPECT_EQ(testkit::Rows(Services()), names(testkit::Entries(list)));
    const int group = Page()->State().CurrentGroup();
    if (group >= 0) {
      EXPECT_EQ(testkit::Rows(Favourites()),
                names(testkit::Members(Db().channelLists.favoriteGroups[std::size_t(group)])));
    }
  }

  QString file_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace

// For every action: one step named after what it did and the list it did it in; undo
// gives back the opened bytes and the lists show them; redo gives the bytes the action
// left and the lists show those.
TEST_F(ArrangeUndoTest, EachActionIsOneNamedStepUndoneAndRedoneByteForByte) {
  for (const Action& a : Actions()) {
    SCOPED_TRACE(a.what);
    Bytes opened;
    Run(a, &opened);
    EXPECT_EQ(Prompt::TakeMessages(), a.messages);
    const Bytes done = BytesOf(Db());
    ASSERT_FALSE(done == opened) << "the action changed nothing";
    ASSERT_EQ(Stack().count(), 1) << "one step per action";
    EXPECT_EQ(Stack().text(0), QString::fromUtf8(a.stepText));
    EXPECT_EQ(apptest::Action(*frame_, "editUndo")->text(), "&Undo " + QString::fromUtf8(a.stepText));
    EXPECT_TRUE(Doc().IsModified());
    ExpectListsShowTheDatabase();

    apptest::Trigger(*frame_, "editUndo");
    const Bytes undone = BytesOf(Db());
    EXPECT_TRUE(undone == opened) << FirstDifference(undone, opened);
    EXPECT_FALSE(Doc().IsModified());
    ExpectListsShowTheDatabase();

    apptest::Trigger(*frame_, "editRedo");
    const Bytes redone = BytesOf(Db());
    EXPECT_TRUE(redone == done) << FirstDifference(redone, done);
    EXPECT_TRUE(Doc().IsModified());
    ExpectListsShowTheDatabase();
    EXPECT_EQ(Stack().count(), 1);
  }
}

// With one row selected the page's old handlers run as before, and moves that go nowhere
// make no step.
TEST_F(ArrangeUndoTest, OneSelectedRowKeepsTheOldHandlersAndNoMoveMakesNoStep) {
  Reopen();
  const Bytes opened = BytesOf(Db());
  // "-->" with no TV row selected, then on one program that is a member already: the old
  // message, then silence; nothing changes.
  Click("copyRight");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Select Left"});
  PickRows(Services(), {{3}});
  Click("copyRight");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  // The first row up or to the top, the last two down, to the end or "Move To…" where
  // they are, and a cancelled "Move To…".
  PickRows(Services(), {{0}});
  QTest::keyClick(Services(), Qt::Key_Up, Qt::AltModifier);
  QTest::keyClick(Services(), Qt::Key_Home, Qt::AltModifier);
  PickRows(Services(), {{7}, {8, kShift}});
  QTest::keyClick(Services(), Qt::Key_Down, Qt::AltModifier);
  QTest::keyClick(Services(), Qt::Key_End, Qt::AltModifier);
  AnswerMoveTo(8);
  QTest::keyClick(Services(), Qt::Key_M, Qt::ControlModifier);
  QTest::keyClick(Services(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_TRUE(BytesOf(Db()) == opened);
  EXPECT_FALSE(Doc().IsModified());

  // One row and the Delete key: deleted at once, without the count question, under the
  // program's own name.
  PickRows(Services(), {{1}});
  QTest::keyClick(Services(), Qt::Key_Delete);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  ASSERT_EQ(Stack().count(), 1);
  EXPECT_EQ(Stack().text(0), "Delete Program [arte]");
  EXPECT_FALSE(Db().programs[1].IsUsed());

  // One member and "<--": out of the group at once; the program stays.
  Show(In::News);
  PickRows(Favourites(), {{0}});
  Click("copyLeft");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(Stack().count(), 2);
  EXPECT_EQ(testkit::Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{8, 21, 5}));
  EXPECT_TRUE(Db().programs[3].IsUsed());
}

// With several rows selected, "Update" writes the one program the Info area shows and
// nothing else.
TEST_F(ArrangeUndoTest, UpdateWithSeveralSelectedWritesOnlyTheProgramShown) {
  Reopen();
  PickRows(Services(), {{2}, {4, kCtrl}, {5, kCtrl}});
  const std::string shown = Child<QLineEdit>(*Page(), "name")->text().toStdString();
  int program = -1;
  for (int slot : {2, 4, 5})
    if (Db().programs[std::size_t(slot)].Name() == shown) program = slot;
  ASSERT_GE(program, 0) << "the Info area shows one of the selected programs, not " << shown;
  const auto before = std::make_unique<ChannelDatabase>(Db());
  testkit::SetField(*Page(), "name", QStringLiteral("Renamed"));
  Click("update");
  EXPECT_EQ(Stack().count(), 1);
  EXPECT_EQ(Db().programs[std::size_t(program)].Name(), "Renamed");
  std::vector<int> changed;
  for (std::size_t p = 0; p < ChannelDatabase::kProgramCount; ++p)
    if (std::memcmp(before->programs[p].Bytes(), Db().programs[p].Bytes(), ProgramRecord::kSize) != 0)
      changed.push_back(int(p));
  EXPECT_EQ(changed, std::vector<int>{program});
  EXPECT_EQ(std::memcmp(&before->channelLists, &Db().channelLists, sizeof(ChannelListBlock)), 0);
}

// Ctrl clicks move the current row: the Info area follows it, and "Update" writes the
// program of the current row.
TEST_F(ArrangeUndoTest, TheInfoAreaFollowsTheCurrentRowOfSeveral) {
  Reopen();
  PickRows(Services(), {{2}, {4, kCtrl}, {5, kCtrl}});
  ASSERT_EQ(Services()->CurrentRow(), 5);
  EXPECT_EQ(Child<QLineEdit>(*Page(), "name")->text(), "Das Erste");
  testkit::SetField(*Page(), "name", QStringLiteral("Renamed"));
  Click("update");
  EXPECT_EQ(Db().programs[5].Name(), "Renamed");
  EXPECT_EQ(Db().programs[2].Name(), "Kino 2");
}
