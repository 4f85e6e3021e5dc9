// Undo and redo in the window: the Edit menu's items, the record shown after each step,
// the modified flag following the clean state, and the stack's life across New, Open,
// Save and a change that changes nothing.
#include <QPushButton>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/satellites/SatTPListView.h"

using testkit::Child;

namespace {

class UndoWindowTest : public apptest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    file_ = Path("sample.qdb");
    apptest::WriteSample(file_);
    frame_ = &Start({file_});
  }
  void Command(const char* name) { apptest::Trigger(*frame_, name); }

  QString file_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace

// Where the Edit menu sits and what its items say: MainFrameTest.MenusToolbarAndShortcutsAreAsDesigned.
TEST_F(UndoWindowTest, UndoAndRedoGreyWhenEmptyAndTakeTheirKeys) {
  QAction* undo = apptest::Action(*frame_, "editUndo");
  QAction* redo = apptest::Action(*frame_, "editRedo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
  EXPECT_EQ(redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
}

// Undo brings a deleted satellite back, selected and in view on its page; undoing a
// program's deletion from the other page brings that page to the front with the program
// selected; redo deletes again and the rows are gone.
TEST_F(UndoWindowTest, AfterUndoAndRedoTheChangedRowIsSelected) {
  CPageSatTP& satTP = *Sheet().SatTPPage();
  auto* sats = Child<SatTPListView>(satTP, "satelliteList");
  const int satRows = sats->topLevelItemCount();
  ASSERT_GT(satRows, 3);
  sats->setCurrentItem(sats->topLevelItem(3));
  const int satellite = satTP.State().satelliteRows[3];
  const QString satText = sats->topLevelItem(3)->text(0);
  Command("deleteSatellite");
  ASSERT_EQ(sats->topLevelItemCount(), satRows - 1);
  sats->setCurrentItem(sats->topLevelItem(0));

  Sheet().setCurrentIndex(1);
  CPageGroupCh& groupCh = *Sheet().GroupChPage();
  auto* services = Child<GroupChListView>(groupCh, "serviceList");
  services->SetCurrentRow(7);
  const QString programText = services->RowText(7);
  Command("deleteProgram");
  ASSERT_NE(services->RowText(7), programText);
  EXPECT_EQ(Stack().text(Stack().count() - 1), "Delete Program " + programText);
  EXPECT_EQ(Stack().text(0), "Delete Satellite " + satText);

  Sheet().setCurrentIndex(0);
  Command("editUndo");
  EXPECT_EQ(Sheet().currentIndex(), 1) << "the page of the program comes to the front";
  EXPECT_EQ(services->SingleSelectedRow(), 7);
  EXPECT_EQ(services->RowText(7), programText);

  Command("editUndo");
  EXPECT_EQ(Sheet().currentIndex(), 0);
  ASSERT_EQ(sats->topLevelItemCount(), satRows);
  EXPECT_EQ(sats->SingleSelectedRow(), 3);
  EXPECT_EQ(satTP.State().CurrentSatellite(), satellite);

  Command("editRedo");
  EXPECT_EQ(sats->topLevelItemCount(), satRows - 1);
  Command("editRedo");
  EXPECT_NE(services->RowText(7), programText);
}

// The flag follows the stack: saved is clean, undoing past the save is modified, redoing
// to it is clean again; an "Update" that writes what is stored adds no step; New and Open
// start with no steps.
TEST_F(UndoWindowTest, ModifiedFlagFollowsTheCleanStateAndLoadsClearTheStack) {
  CQuelmarDoc& doc = Doc();
  CPageSatTP& satTP = *Sheet().SatTPPage();
  auto* sats = Child<SatTPListView>(satTP, "satelliteList");
  sats->setCurrentItem(sats->topLevelItem(1));
  Child<QPushButton>(satTP, "update")->click();
  EXPECT_EQ(Stack().count(), 0) << "nothing changed, no step";
  EXPECT_FALSE(doc.IsModified());

  Command("deleteSatellite");
  EXPECT_TRUE(doc.IsModified());
  Command("fileSave");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(Stack().isClean());
  Command("editUndo");
  EXPECT_TRUE(doc.IsModified()) << "the file holds the deletion";
  Command("editRedo");
  EXPECT_FALSE(doc.IsModified());
  Command("editUndo");
  EXPECT_TRUE(doc.IsModified());

  Prompt::QueueMessageAnswer(QMessageBox::No);
  Command("fileNew");
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_FALSE(doc.IsModified());

  sats->setCurrentItem(sats->topLevelItem(0));
  Command("deleteSatellite");
  ASSERT_EQ(Stack().count(), 1);
  ASSERT_TRUE(frame_->OpenDocumentFile(file_));
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_FALSE(apptest::Action(*frame_, "editUndo")->isEnabled());
}
