// The rows of the "Group/Channel" page in the window: the Groups column follows every
// change of a group, undo and redo included; a name is typed over its cell (F2 or a
// double-click) as one step, refused as the Info area refuses it; Ctrl+F reaches the
// search from the page's tab.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QUndoStack>
#include <QtTest/QTest>
#include <array>

#include "AppTestSupport.h"
#include "support/DbBuilders.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/ChannelTableModel.h"
#include "ui/channels/GroupChListView.h"

using testkit::Child;

namespace {

class ChannelRowsWindowTest : public apptest::WindowTest {
 protected:
  // TV: One, Two, Three; group 0 "News" holding Two, group 1 "Kids" empty. The window
  // is active on "Group/Channel", as keys need it.
  void SetUp() override {
    WindowTest::SetUp();
    using namespace testkit;
    auto db = EmptyDb();
    PutSatellite(*db, 0, "Astra");
    PutTransponder(*db, 0, 0, 11494);
    for (int i = 0; i < 3; ++i) PutProgram(*db, i, std::array{"One", "Two", "Three"}[i]).SetServiceId(std::uint16_t(i + 1));
    PutList(db->channelLists.tvList, {0, 1, 2});
    PutGroup(*db, 0, "News", {1});
    PutGroup(*db, 1, "Kids");
    CMainFrame& frame = StartWith(*db);
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    Sheet().setCurrentWidget(Sheet().GroupChPage());
  }
  CPageGroupCh& Page() { return *Sheet().GroupChPage(); }
  GroupChListView* Services() { return Child<GroupChListView>(Page(), "serviceList"); }
  GroupChListView* Favourites() { return Child<GroupChListView>(Page(), "groupList"); }
  QString Groups(int row) { return Services()->model()->index(row, ChannelTableModel::kGroups).data().toString(); }
  QStringList AllGroups() { return {Groups(0), Groups(1), Groups(2)}; }
};

TEST_F(ChannelRowsWindowTest, TheGroupsColumnFollowsEveryChangeUndoAndRedoIncluded) {
  ASSERT_EQ(AllGroups(), (QStringList{"", "News", ""}));
  Services()->SetCurrentRow(0);
  Child<QPushButton>(Page(), "copyRight")->click();  // "-->": One joins News
  EXPECT_EQ(AllGroups(), (QStringList{"News", "News", ""}));
  Favourites()->SetCurrentRow(0);  // Two, in News
  Child<QPushButton>(Page(), "copyLeft")->click();  // "<--": Two leaves it
  EXPECT_EQ(AllGroups(), (QStringList{"News", "", ""}));

  const QStringList steps[] = {{"News", "News", ""}, {"", "News", ""}};
  for (const QStringList& shown : steps) {
    Stack().undo();
    EXPECT_EQ(AllGroups(), shown);
  }
  Stack().redo();
  EXPECT_EQ(AllGroups(), steps[0]);
  Stack().redo();
  EXPECT_EQ(AllGroups(), (QStringList{"News", "", ""}));
}

TEST_F(ChannelRowsWindowTest, ANameIsTypedOverItsCellAsOneStep) {
  const auto editor = [this] { return Services()->findChild<QLineEdit*>(QStringLiteral("nameEditor")); };
  const auto typeOver = [&](const QString& text) {
    QLineEdit* edit = editor();
    if (!edit) return;
    edit->selectAll();
    edit->insert(text);
    QTest::keyClick(edit, Qt::Key_Return);
    // The editor hands its text over once Enter has been handled, and the rename follows.
    QApplication::processEvents();
    QApplication::processEvents();
  };
  Services()->setFocus();
  Services()->SetCurrentRow(1);
  QTest::keyClick(Services(), Qt::Key_F2);
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->text(), QStringLiteral("Two")) << "the name, without the row's brackets";
  typeOver(QStringLiteral("Zwei"));
  EXPECT_EQ(Doc().Working().programs[1].Name(), "Zwei");
  ASSERT_EQ(Stack().count(), 1);
  EXPECT_EQ(Stack().text(0), QStringLiteral("Rename Program [Two] to [Zwei]"));
  EXPECT_EQ(Services()->RowText(1), QStringLiteral("[Zwei]"));

  // A double-click on the name cell; a character the receiver cannot store is refused
  // with the Info area's message, and nothing changes.
  const QRect cell = Services()->visualRect(Services()->model()->index(2, ChannelTableModel::kName));
  QTest::mouseClick(Services()->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(Services()->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_NE(editor(), nullptr);
  typeOver(QString::fromUtf8("Dr\u03A9i"));
  EXPECT_EQ(Doc().Working().programs[2].Name(), "Three");
  EXPECT_EQ(Stack().count(), 1);
  const QStringList said = Prompt::TakeMessages();
  ASSERT_EQ(said.size(), 1);
  EXPECT_EQ(said[0], QStringLiteral("The name contains characters the receiver cannot store."));

  Stack().undo();
  EXPECT_EQ(Doc().Working().programs[1].Name(), "Two");
}

TEST_F(ChannelRowsWindowTest, CtrlFReachesTheSearchFromThePagesTab) {
  Sheet().tabBar()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), Sheet().tabBar());
  QTest::keyClick(Sheet().tabBar(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(Page(), "serviceSearch"));
}

}  // namespace
