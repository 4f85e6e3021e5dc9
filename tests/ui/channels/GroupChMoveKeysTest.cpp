// Moving rows of the TV/Radio list and the favourite list with Alt+Up,
// Alt+Down, Alt+Home, Alt+End and "Move To…" (Ctrl+M): the stored order
// changes, the moved row stays selected and shown, and a move that goes nowhere
// is no edit.
#include <QLineEdit>
#include <QTest>

#include "GroupChFixture.h"
#include "ui/channels/CMoveToDlg.h"

namespace {

class GroupChMoveKeysTest : public GroupChPageTest {
 protected:
  // Programs A..E in slots 10..14 in the TV list, F and G in the radio list,
  // and group 1 "Order" with A, C, E.
  void SetUp() override {
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    for (int i = 0; i < 7; ++i)
      PutProgram(*db, 10 + i, std::string(1, char('A' + i)), 0, i < 5 ? ProgramRecord::kTv : ProgramRecord::kRadio);
    PutList(db->channelLists.tvList, {10, 11, 12, 13, 14});
    PutList(db->channelLists.radioList, {15, 16});
    PutGroup(*db, 1, "Order", {10, 12, 14});
    Load(*db);
  }
  // Alt moves; Ctrl+M asks for the number.
  void Key(GroupChListView* list, int key) {
    QTest::keyClick(list, Qt::Key(key), key == Qt::Key_M ? Qt::ControlModifier : Qt::AltModifier);
  }
  static void AnswerMoveTo(int number) {
    testkit::AnswerDialog<CMoveToDlg>([number](CMoveToDlg& dlg) { dlg.NumberBox()->setText(QString::number(number)); });
  }
};

TEST_F(GroupChMoveKeysTest, AltArrowsMoveTheTvRowAndKeepItSelected) {
  ServiceList()->SetCurrentRow(1);
  Key(ServiceList(), Qt::Key_Down);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 12, 11, 13, 14}));
  EXPECT_EQ(Rows(ServiceList()), (QStringList{"[A]", "[C]", "[B]", "[D]", "[E]"}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 2);
  EXPECT_EQ(Text("name"), "B");
  EXPECT_TRUE(doc.IsModified());

  Key(ServiceList(), Qt::Key_Up);
  Key(ServiceList(), Qt::Key_Up);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 10, 12, 13, 14}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 0) << "row 0 is selected too";
  EXPECT_EQ(Text("name"), "B");
}

// Ctrl with the arrows, Home and End is the list's own navigation: the cursor goes, no
// row moves; the menu's move items move as the Alt keys do.
TEST_F(GroupChMoveKeysTest, CtrlKeysNavigateAndTheMenuMovesAsAltDoes) {
  const struct {
    Qt::Key key;
    int current;
  } keys[] = {{Qt::Key_End, 4}, {Qt::Key_Home, 0}};
  ServiceList()->SetCurrentRow(2);
  for (const auto& k : keys) {
    QTest::keyClick(ServiceList(), k.key, Qt::ControlModifier);
    EXPECT_EQ(ServiceList()->CurrentRow(), k.current);
  }
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 12, 13, 14}));
  EXPECT_FALSE(doc.IsModified());

  ServiceList()->SetCurrentRow(0);
  page->Actions().moveToBottom->trigger();
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 12, 13, 14, 10}));
  page->Actions().moveUp->trigger();
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 12, 13, 10, 14}));
  EXPECT_EQ(page->Actions().moveToTop->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Home));
}

TEST_F(GroupChMoveKeysTest, AMoveAtAnEndIsNoEdit) {
  ServiceList()->SetCurrentRow(0);
  Key(ServiceList(), Qt::Key_Up);
  Key(ServiceList(), Qt::Key_Home);
  EXPECT_FALSE(doc.IsModified());
  ServiceList()->SetCurrentRow(4);
  Key(ServiceList(), Qt::Key_Down);
  Key(ServiceList(), Qt::Key_End);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 12, 13, 14}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 4);
}

TEST_F(GroupChMoveKeysTest, HomeAndEndWorkInTheRadioAndFavouriteLists) {
  Kind()->setCurrentIndex(1);
  ServiceList()->SetCurrentRow(1);
  Key(ServiceList(), Qt::Key_Home);
  EXPECT_EQ(Entries(Db().channelLists.radioList), (std::vector<int>{16, 15}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 0);

  GroupList()->SetCurrentRow(0);
  Key(GroupList(), Qt::Key_End);
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{12, 14, 10}));
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[C]", "[E]", "[A]"}));
  EXPECT_EQ(GroupList()->SingleSelectedRow(), 2);
  EXPECT_EQ(Text("name"), "A");
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 12, 13, 14})) << "the TV list stays";
}

TEST_F(GroupChMoveKeysTest, MoveToTakesAChannelNumberAndCancelMovesNothing) {
  ServiceList()->SetCurrentRow(4);
  AnswerMoveTo(2);
  Key(ServiceList(), Qt::Key_M);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 14, 11, 12, 13}));
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 1);

  doc.SetModifiedFlag(false);
  Key(ServiceList(), Qt::Key_M);  // no answer queued: the dialog is cancelled
  AnswerMoveTo(2);
  Key(ServiceList(), Qt::Key_M);  // to where it is already
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 14, 11, 12, 13}));
  EXPECT_FALSE(doc.IsModified());

  GroupList()->SetCurrentRow(0);
  AnswerMoveTo(3);
  Key(GroupList(), Qt::Key_M);
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{12, 14, 10}));
  EXPECT_EQ(GroupList()->SingleSelectedRow(), 2);
}

TEST_F(GroupChMoveKeysTest, TheMoveToDialogNamesItsNumberFieldAndShowsTheRange) {
  CMoveToDlg dlg(5, 3);
  EXPECT_EQ(dlg.NumberBox()->accessibleName(), "No.");
  EXPECT_EQ(dlg.NumberBox()->text(), "3");
  EXPECT_EQ(dlg.RangeLabel()->text(), "1 to 5");
  EXPECT_EQ(dlg.NumberBox()->accessibleDescription(), "1 to 5");
  EXPECT_EQ(dlg.Number(), 3);
}

// A number outside the list is refused with the range and moves nothing; the digits
// typed stay as typed, so the user sees what was refused.
TEST_F(GroupChMoveKeysTest, MoveToRefusesANumberOutsideTheListAndKeepsItsDigits) {
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {
      {"6", "Please enter an integer between 1 and 5."},
      {"300", "Please enter an integer between 1 and 5."},
      {"9999", "Please enter an integer between 1 and 5."},
      {"0", "Please enter an integer between 1 and 5."},
      {"", "Please enter a positive integer."},
  };
  ServiceList()->SetCurrentRow(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    QString shown;
    Prompt::TakeMessages();
    testkit::AnswerDialog<CMoveToDlg>([&](CMoveToDlg& dlg) {
      QTest::keyClick(dlg.NumberBox(), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(dlg.NumberBox(), Qt::Key_Delete);
      QTest::keyClicks(dlg.NumberBox(), QString::fromLatin1(c.typed));
      shown = dlg.NumberBox()->text();
    });
    Key(ServiceList(), Qt::Key_M);
    EXPECT_EQ(shown, QString::fromLatin1(c.typed)) << "no digit is cut while typing";
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 12, 13, 14}));
    EXPECT_FALSE(doc.IsModified());
  }
  // The last number of the list is taken.
  AnswerMoveTo(5);
  Key(ServiceList(), Qt::Key_M);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 12, 13, 14, 11}));
}

TEST_F(GroupChMoveKeysTest, SeveralRowsMoveAsABlockAndAreCopiedRemovedAndDeletedAtOnce) {
  ServiceList()->SetCurrentRow(0);
  ServiceList()->SelectRow(2);
  Key(ServiceList(), Qt::Key_Down);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 10, 13, 12, 14}));
  EXPECT_EQ(ServiceList()->SelectedRows(), (std::vector<int>{1, 3}));

  // "-->": B and D join; A and C were members already, and the user is told.
  for (int row = 0; row < 4; ++row) ServiceList()->SelectRow(row);
  Prompt::TakeMessages();
  Button("copyRight")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{10, 12, 14, 11, 13}));
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"2 of the selected programs were already in the group."});

  // "Delete Program" asks once with the count; No keeps everything.
  ServiceList()->clearSelection();
  ServiceList()->SetCurrentRow(0);
  ServiceList()->SelectRow(1);
  page->DeleteSelectedProgram();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Delete 2 programs?"});
  EXPECT_EQ(Entries(Db().channelLists.tvList).size(), 5u);
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  page->DeleteSelectedProgram();
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{13, 12, 14}));
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{12, 14, 13}));

  // "<--" with two members selected.
  GroupList()->clearSelection();
  GroupList()->SetCurrentRow(0);
  GroupList()->SelectRow(2);
  Button("copyLeft")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{14}));
}

}  // namespace
