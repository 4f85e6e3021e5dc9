// The "Find Duplicates" dialog on a document: the sets and where each program sits,
// the one kept per set, deleting the others as one step, the same-name list, and what a
// screen reader reads from it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>
#include <vector>

#include "AppTestSupport.h"
#include "app/EditSteps.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "support/DuplicateDb.h"
#include "support/PageTest.h"
#include "ui/tools/CFindDuplicatesDlg.h"

namespace {

using V = std::vector<int>;
QStringList Cells(const QTreeWidgetItem* item) {
  QStringList out;
  for (int c = 0; c < item->columnCount(); ++c) out << item->text(c);
  return out;
}

class FindDuplicatesDlgTest : public apptest::AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *testkit::DuplicateDb());
    steps.Clear();
    doc.Listen(&notices);
    dlg = std::make_unique<CFindDuplicatesDlg>(doc, nullptr);
  }
  void TearDown() override {
    doc.Unlisten(&notices);
    AppTest::TearDown();
  }
  QTreeWidgetItem* Entry(int set, int entry) { return dlg->DuplicateList()->topLevelItem(set)->child(entry); }
  V Kept() {
    V out;
    for (int s = 0; s < dlg->DuplicateList()->topLevelItemCount(); ++s) out.push_back(dlg->Kept(s));
    return out;
  }
  // The check marks as shown, set by set.
  std::vector<V> Checks() {
    std::vector<V> out;
    for (int s = 0; s < dlg->DuplicateList()->topLevelItemCount(); ++s) {
      V marks;
      for (int e = 0; e < dlg->DuplicateList()->topLevelItem(s)->childCount(); ++e)
        marks.push_back(Entry(s, e)->checkState(0) == Qt::Checked);
      out.push_back(marks);
    }
    return out;
  }

  CQuelmarDoc doc;
  EditSteps steps{doc};
  std::unique_ptr<CFindDuplicatesDlg> dlg;
  // Whoever shows the document hears of the delete once.
  struct Notices : DocListener {
    void OnDocChanged(const DocChange&) override { ++count; }
    int count = 0;
  } notices;
};

}  // namespace

TEST_F(FindDuplicatesDlgTest, ListsEachSetWithPositionsAndGroupsAndKeepsTheFirst) {
  QTreeWidget* list = dlg->DuplicateList();
  EXPECT_EQ(testkit::Rows(list), (QStringList{"Set 1: 2 programs", "Set 2: 3 programs", "Set 3: 2 programs"}));
  EXPECT_EQ(dlg->Summary()->text(),
            QStringLiteral("3 sets of programs share satellite, frequency, polarization and service ID. "
                           "Check the one to keep in each set; the other 4 are deleted."));
  EXPECT_EQ(Cells(list->headerItem()),
            (QStringList{"Name", "Satellite", "Frequency", "Service ID", "TV No.", "Radio No.", "Groups"}));
  EXPECT_EQ(Cells(Entry(0, 0)), (QStringList{"News", "Astra", "11494 Hor", "101", "1", "", "Fav"}));
  EXPECT_EQ(Cells(Entry(0, 1)), (QStringList{"News", "Astra", "11494 Hor", "101", "3", "", ""}));
  EXPECT_EQ(Cells(Entry(1, 0)), (QStringList{"Kino 1", "Astra", "11494 Hor", "100", "2", "", "Films"}));
  EXPECT_EQ(Cells(Entry(1, 1)), (QStringList{"Kino 1", "Astra", "11494 Hor", "100", "4", "", "Fav"}));
  EXPECT_EQ(Cells(Entry(1, 2)), (QStringList{"Kino 1", "Astra", "11494 Hor", "100", "6", "", "Films"}));
  EXPECT_EQ(Cells(Entry(2, 0)), (QStringList{"Radio X", "Astra", "11494 Hor", "200", "", "1", ""}));
  EXPECT_EQ(Cells(Entry(2, 1)), (QStringList{"Radio X", "Astra", "11494 Hor", "200", "", "2", ""}));

  EXPECT_EQ(Kept(), (V{0, 0, 0}));
  EXPECT_EQ(Checks(), (std::vector<V>{{1, 0}, {1, 0, 0}, {1, 0}}));
  EXPECT_EQ(dlg->ProgramsToDelete(), (V{1, 2, 7, 4}));
  EXPECT_TRUE(dlg->DeleteButton()->isEnabled());
  // Headings are not programs: they take no check mark and no selection.
  EXPECT_FALSE(list->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(list->topLevelItem(0)->flags() & Qt::ItemIsSelectable);
}

TEST_F(FindDuplicatesDlgTest, TheUserMovesTheKeptMarkWithinASet) {
  // Checking another program of a set keeps it instead.
  Entry(1, 2)->setCheckState(0, Qt::Checked);
  EXPECT_EQ(Kept(), (V{0, 2, 0}));
  EXPECT_EQ(Checks(), (std::vector<V>{{1, 0}, {0, 0, 1}, {1, 0}}));
  // Unchecking the kept one leaves it kept: a set always keeps one.
  Entry(1, 2)->setCheckState(0, Qt::Unchecked);
  EXPECT_EQ(Kept(), (V{0, 2, 0}));
  EXPECT_EQ(Entry(1, 2)->checkState(0), Qt::Checked);
  // Activating a row (double-click, Enter) keeps it too.
  emit dlg->DuplicateList()->itemActivated(Entry(0, 1), 0);
  EXPECT_EQ(Kept(), (V{1, 2, 0}));
  EXPECT_EQ(Checks(), (std::vector<V>{{0, 1}, {0, 0, 1}, {1, 0}}));
  // A heading or a place that is not there changes nothing.
  emit dlg->DuplicateList()->itemActivated(dlg->DuplicateList()->topLevelItem(2), 0);
  dlg->SetKept(2, 5);
  dlg->SetKept(7, 0);
  EXPECT_EQ(Kept(), (V{1, 2, 0}));
  EXPECT_EQ(dlg->Kept(3), -1);
  EXPECT_EQ(dlg->ProgramsToDelete(), (V{3, 0, 2, 4}));
}

// Without a mouse: Space on a program keeps it, Enter keeps it too, and neither reaches
// a button of the dialog.
TEST_F(FindDuplicatesDlgTest, TheKeyboardMovesTheKeptMark) {
  dlg->show();
  QTreeWidget* list = dlg->DuplicateList();
  list->setFocus();
  list->setCurrentItem(Entry(1, 1));
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(Kept(), (V{0, 1, 0}));
  list->setCurrentItem(Entry(2, 1));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(Kept(), (V{0, 1, 1}));
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(steps.Stack().count(), 0);
}

// The delete takes exactly the programs not kept: where they leave the lists and groups
// is the operation's rule (DuplicateReportTest), undo and redo the document's (UndoTest).
TEST_F(FindDuplicatesDlgTest, DeleteRemovesExactlyTheOthersAsOneStepAndShowsWhatIsLeft) {
  dlg->SetKept(1, 1);  // keep program 2, which is in "Fav"
  EXPECT_EQ(dlg->DeleteOthers(), 4);

  const ChannelDatabase& db = doc.Working();
  for (int p : {1, 0, 7, 4}) EXPECT_EQ(db.programs[std::size_t(p)].State(), SlotState::Deleted) << p;
  for (int p : {2, 3, 5, 6, 8}) EXPECT_EQ(db.programs[std::size_t(p)].State(), SlotState::Used) << p;
  EXPECT_EQ(testkit::Entries(db.channelLists.tvList), (V{3, 2, 6, 8}));

  // One step, named with the count; the document is modified and its views told once.
  ASSERT_EQ(steps.Stack().count(), 1);
  EXPECT_EQ(steps.Stack().undoText(), QStringLiteral("Delete 4 Duplicate Programs"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(notices.count, 1);

  // The dialog now shows the database as it is: no sets, nothing to delete, and the
  // name that is still on two satellites.
  EXPECT_EQ(dlg->DuplicateList()->topLevelItemCount(), 0);
  EXPECT_EQ(dlg->Summary()->text(), QStringLiteral("No duplicate programs found."));
  EXPECT_FALSE(dlg->DeleteButton()->isEnabled());
  EXPECT_EQ(testkit::Rows(dlg->SameNameList()), QStringList{"News: 2 programs"});
  EXPECT_TRUE(dlg->ProgramsToDelete().empty());
  EXPECT_EQ(dlg->DeleteOthers(), 0);
  EXPECT_EQ(steps.Stack().count(), 1) << "nothing to delete makes no step";
}

TEST_F(FindDuplicatesDlgTest, SameNameOnOtherTranspondersIsListedForInformationOnly) {
  QTreeWidget* names = dlg->SameNameList();
  ASSERT_EQ(testkit::Rows(names), QStringList{"News: 3 programs"});
  QTreeWidgetItem* set = names->topLevelItem(0);
  ASSERT_EQ(set->childCount(), 3);
  EXPECT_EQ(Cells(set->child(0)), (QStringList{"News", "Astra", "11494 Hor", "101", "1", "", "Fav"}));
  EXPECT_EQ(Cells(set->child(1)), (QStringList{"News", "Astra", "11494 Hor", "101", "3", "", ""}));
  EXPECT_EQ(Cells(set->child(2)), (QStringList{"News", "Hotbird", "12000 Ver", "101", "5", "", ""}));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(set->child(i)->flags() & Qt::ItemIsUserCheckable);
  EXPECT_EQ(dlg->ProgramsToDelete(), (V{1, 2, 7, 4})) << "the same-name list decides nothing";
}

TEST_F(FindDuplicatesDlgTest, EveryControlIsNamedByItsLabelAndTheListsAreReadable) {
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Find Duplicates"));
  EXPECT_EQ(dlg->DuplicateList()->accessibleName(), QStringLiteral("Duplicate programs"));
  EXPECT_EQ(dlg->Summary()->buddy(), dlg->DuplicateList());
  auto* sameNameLabel = dlg->findChild<QLabel*>(QStringLiteral("sameNameLabel"));
  ASSERT_NE(sameNameLabel, nullptr);
  EXPECT_EQ(sameNameLabel->buddy(), dlg->SameNameList());
  EXPECT_EQ(dlg->SameNameList()->accessibleName(), sameNameLabel->text());
  EXPECT_EQ(dlg->DeleteButton()->text(), QStringLiteral("Delete Others"));
  EXPECT_EQ(testkit::Child<QPushButton>(*dlg, "close")->text(), QStringLiteral("Close"));
  // Enter in a list keeps a row; no button may take it as well.
  for (QPushButton* b : dlg->findChildren<QPushButton*>()) EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();

  // A screen reader finds the list by its name, its column headers and its cells, and
  // a program's check mark as a state.
  dlg->show();
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(dlg->DuplicateList());
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->role(), QAccessible::Tree);
  EXPECT_EQ(tree->text(QAccessible::Name), QStringLiteral("Duplicate programs"));
  QAccessibleTableInterface* table = tree->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->columnCount(), 7);
  EXPECT_EQ(table->columnDescription(4), QStringLiteral("TV No."));
  // Rows in tree order: set 1's heading, then its two programs.
  QAccessibleInterface* cell = table->cellAt(1, 0);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("News"));
  EXPECT_TRUE(cell->state().checkable);
  EXPECT_TRUE(cell->state().checked);
  QAccessibleInterface* other = table->cellAt(2, 0);
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(other->state().checked);
  EXPECT_EQ(table->cellAt(2, 4)->text(QAccessible::Name), QStringLiteral("3"));
}

// Each column is as wide as its texts, in both lists and on screen: a long name is not
// cut while an empty Groups column stands wide.
TEST(FindDuplicatesColumns, EveryColumnFitsItsTexts) {
  Prompt::Reset();
  auto db = testkit::DuplicateDb();
  for (int slot : {0, 2, 7}) db->programs[std::size_t(slot)].SetName("Terra Nostra HD");
  for (auto& group : db->channelLists.favoriteGroups) group.Clear();
  CQuelmarDoc doc;
  doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *db);
  CFindDuplicatesDlg dlg(doc, nullptr);
  dlg.show();
  QApplication::processEvents();
  for (QTreeWidget* list : {dlg.DuplicateList(), dlg.SameNameList()}) {
    SCOPED_TRACE(list->objectName().toStdString());
    QHeaderView* header = list->header();
    for (int c = 0; c < list->columnCount(); ++c) {
      // What the style needs for the widest cell and for the header.
      const int needed = std::max(static_cast<QAbstractItemView*>(list)->sizeHintForColumn(c), header->sectionSizeHint(c));
      EXPECT_GE(header->sectionSize(c), needed) << c;
      EXPECT_LE(header->sectionSize(c), needed + 2 * list->fontMetrics().averageCharWidth()) << c;
    }
  }
}
