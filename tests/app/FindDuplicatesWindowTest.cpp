// Tools > "Find Duplicates" in the window: the menu item opens the dialog, a delete
// there shows on the "Group/Channel" page at once and is one step of the Edit menu.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "support/DuplicateDb.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/tools/CFindDuplicatesDlg.h"

namespace {

class FindDuplicatesWindowTest : public apptest::WindowTest {
 protected:
  int TvRows() { return Sheet().GroupChPage()->State().serviceRowCount; }
};

}  // namespace

TEST_F(FindDuplicatesWindowTest, TheToolsMenuItemOpensTheDialogAndItsDeleteReachesThePage) {
  CMainFrame& frame = StartWith(*testkit::DuplicateDb());
  auto* tools = testkit::Child<QMenu>(frame, "toolsMenu");
  QAction* item = apptest::Action(frame, "findDuplicates");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("Find Duplicates"));
  EXPECT_TRUE(tools->actions().contains(item));
  ASSERT_EQ(TvRows(), 7);

  bool shown = false;
  int rowsAfterDelete = -1;
  Prompt::QueueDialog([&](QDialog& d) {
    auto* dlg = qobject_cast<CFindDuplicatesDlg*>(&d);
    EXPECT_NE(dlg, nullptr);
    if (!dlg) return int(QDialog::Rejected);
    shown = true;
    EXPECT_EQ(dlg->DuplicateList()->topLevelItemCount(), 3);
    dlg->DeleteButton()->click();
    rowsAfterDelete = TvRows();  // the page follows while the dialog is still open
    testkit::Child<QPushButton>(*dlg, "close")->click();
    return dlg->result();
  });
  item->trigger();
  ASSERT_TRUE(shown);
  EXPECT_EQ(rowsAfterDelete, 4) << "TV list [3, 2, 6, 8] once 0, 1 and 7 went";
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());

  EXPECT_EQ(Stack().count(), 1);
  EXPECT_EQ(apptest::Action(frame, "editUndo")->text(), QStringLiteral("&Undo Delete 4 Duplicate Programs"));
  EXPECT_TRUE(Doc().IsModified());
  apptest::Trigger(frame, "editUndo");
  EXPECT_EQ(TvRows(), 7);
  EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FindDuplicatesWindowTest, SaysSoWhenThereIsNothingToShow) {
  CMainFrame& frame = Start();
  apptest::Trigger(frame, "findDuplicates");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"There is no database to check."});

  auto db = testkit::DuplicateDb();
  for (int p : {2, 3, 5, 6, 7}) db->programs[std::size_t(p)].SetState(SlotState::Empty);
  Load(*db);
  bool shown = false;
  Prompt::QueueDialog([&](QDialog& d) {
    shown = true;
    return d.result();
  });
  apptest::Trigger(frame, "findDuplicates");
  EXPECT_FALSE(shown);
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"No duplicate programs found."});
  EXPECT_EQ(Stack().count(), 0);
}
