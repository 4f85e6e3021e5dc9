// The channel lists as tables: what each column shows, which columns a list offers and
// keeps, Ctrl+C, and the satellite and program filters beside the search.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "GroupChFixture.h"
#include "db/operations/DatabaseOperations.h"
#include "ui/channels/ChannelTableModel.h"

namespace {

using Col = ChannelTableModel::Column;

class GroupChColumnsTest : public GroupChPageTest {
 protected:
  // Astra 11494 H and Hotbird 12111 V; TV list: ARD (locked, in News and Kids), ZDF,
  // an entry past the program table, RTL (Hotbird). Group News: ARD, RTL.
  void SetUp() override {
    GroupChPageTest::SetUp();
    auto db = EmptyDb();
    PutSatellite(*db, 0, "Astra");
    PutSatellite(*db, 1, "Hotbird");
    PutTransponder(*db, 0, 0, 11494, 27500, TransponderRecord::kHorizontal);
    PutTransponder(*db, 1, 1, 12111, 27500, TransponderRecord::kVertical);
    PutProgram(*db, 10, "ARD", 0).SetServiceId(28106);
    db->programs[10].SetLocked(true);
    PutProgram(*db, 11, "ZDF", 0).SetServiceId(28006);
    PutProgram(*db, 12, "RTL", 1).SetServiceId(12003);
    PutList(db->channelLists.tvList, {10, 11, 4000, 12});
    PutGroup(*db, 0, "News", {10, 12});
    PutGroup(*db, 1, "Kids", {10});
    Load(*db);
  }
  ChannelTableModel& Model(GroupChListView* list) { return *list->TableModel(); }
  QStringList Shown(GroupChListView* list) {
    QStringList out;
    for (int row = 0; row < list->RowCount(); ++row)
      if (!list->isRowHidden(row)) out << list->RowText(row);
    return out;
  }
};

TEST_F(GroupChColumnsTest, EachColumnShowsItsPartOfTheRow) {
  const QString lock = QString::fromUtf8("\u2713");
  struct Case {
    int row;
    QStringList cells;  // No., Name, Satellite, Frequency/Pol, Service ID, Lock, Groups, New
  };
  const Case cases[] = {
      {0, {"1", "[ARD]", "Astra", "11494 H", "28106", lock, "News, Kids", ""}},
      {1, {"2", "[ZDF]", "Astra", "11494 H", "28006", "", "", ""}},
      {2, {"3", "?", "", "", "", "", "", ""}},  // past the program table
      {3, {"4", "[RTL]", "Hotbird", "12111 V", "12003", "", "News", ""}},
  };
  for (const Case& c : cases) {
    QStringList cells;
    for (int column = 0; column < Col::kColumns; ++column) cells << Model(ServiceList()).CellText(c.row, column);
    EXPECT_EQ(cells, c.cells) << "row " << c.row;
  }
  QStringList headers;
  for (int column = 0; column < Col::kColumns; ++column)
    headers << ServiceList()->model()->headerData(column, Qt::Horizontal).toString();
  EXPECT_EQ(headers, (QStringList{"No.", "Name", "Satellite", "Frequency/Pol", "Service ID", "Lock", "Groups", "New"}));
  // A screen reader says what the mark means.
  EXPECT_EQ(ServiceList()->model()->index(0, Col::kLock).data(Qt::AccessibleTextRole).toString(), "Locked");

  // The "New" mark comes with the document's marks, and a satellite renamed elsewhere
  // shows in its rows.
  doc.Marks().Set(std::vector<int>{11});
  doc.Apply({"Rename"}, [](ChannelDatabase& db) { db.satellites[0].SetName("Astra 19.2E"); });
  EXPECT_EQ(Model(ServiceList()).CellText(1, Col::kNew), "New");
  EXPECT_EQ(Model(ServiceList()).CellText(1, Col::kSatellite), "Astra 19.2E");
  EXPECT_EQ(Model(GroupList()).CellText(0, Col::kSatellite), "Astra 19.2E");
}

TEST_F(GroupChColumnsTest, HeaderClicksDoNotSortAndTheFavouriteListNeverShowsGroups) {
  QHeaderView* header = ServiceList()->horizontalHeader();
  EXPECT_FALSE(header->sectionsClickable());
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(Col::kName) + 5, header->height() / 2));
  EXPECT_EQ(Rows(ServiceList()), (QStringList{"[ARD]", "[ZDF]", "?", "[RTL]"}));
  EXPECT_FALSE(doc.IsModified());

  // The header's menu hides a column and shows it again; the page hears of both, so the
  // window keeps them.
  QSignalSpy changed(page.get(), &CPageGroupCh::ColumnsChanged);
  const auto headerMenu = [&](GroupChListView* list, const char* item) {
    Prompt::QueueMenuChoice(QString::fromLatin1(item));
    emit list->horizontalHeader()->customContextMenuRequested(QPoint(5, 5));
  };
  headerMenu(ServiceList(), "Service ID");
  EXPECT_TRUE(ServiceList()->isColumnHidden(Col::kServiceId));
  headerMenu(ServiceList(), "Service ID");
  EXPECT_FALSE(ServiceList()->isColumnHidden(Col::kServiceId));
  EXPECT_GE(changed.count(), 2);
  // "No." and "Name" are never offered: a row must say which channel it is.
  Prompt::QueueMenuChoice(QStringLiteral("Name"));
  emit ServiceList()->horizontalHeader()->customContextMenuRequested(QPoint(5, 5));
  EXPECT_FALSE(ServiceList()->isColumnHidden(Col::kName));
  Prompt::Reset();

  EXPECT_FALSE(GroupList()->ColumnOffered(Col::kGroups));
  EXPECT_TRUE(GroupList()->isColumnHidden(Col::kGroups));
  // The kept state of a list with every column shown does not bring Groups back.
  ServiceList()->setColumnHidden(Col::kSatellite, true);
  ServiceList()->setColumnWidth(Col::kName, 210);
  const QByteArray kept = page->ColumnState(true);
  page->RestoreColumnState(false, kept);
  EXPECT_TRUE(GroupList()->isColumnHidden(Col::kGroups));
  EXPECT_TRUE(GroupList()->isColumnHidden(Col::kSatellite));
  EXPECT_EQ(GroupList()->columnWidth(Col::kName), 210);
  EXPECT_FALSE(GroupList()->horizontalHeader()->sectionsClickable()) << "restoring must not make headers sort";
}

TEST_F(GroupChColumnsTest, CtrlCCopiesTheSelectedRowsWithTheColumnsShown) {
  ServiceList()->setColumnHidden(Col::kSatellite, true);
  ServiceList()->setColumnHidden(Col::kNew, true);
  ServiceList()->SetCurrentRow(0);
  ServiceList()->SelectRow(3);
  QApplication::clipboard()->clear();
  QTest::keyClick(ServiceList(), Qt::Key_C, Qt::ControlModifier);
  const QString lock = QString::fromUtf8("\u2713");
  EXPECT_EQ(QApplication::clipboard()->text(), "No.\tName\tFrequency/Pol\tService ID\tLock\tGroups\n1\tARD\t11494 H\t28106\t" +
                                                  lock + "\tNews, Kids\n4\tRTL\t12111 V\t12003\t\tNews\n");
}

TEST_F(GroupChColumnsTest, SatelliteAndProgramFiltersNarrowWithTheSearch) {
  auto* satellites = Control<QComboBox>("serviceSatellites");
  auto* states = Control<QComboBox>("serviceStates");
  EXPECT_EQ(ComboRows(satellites), (QStringList{"All satellites", "Astra", "Hotbird"}));
  EXPECT_EQ(ComboRows(states), (QStringList{"All programs", "Locked only", "Unlocked only", "New only"}));

  satellites->setCurrentIndex(1);  // Astra
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"[ARD]", "[ZDF]"}));
  EXPECT_TRUE(page->Filtered(true));
  states->setCurrentIndex(2);  // unlocked only
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"[ZDF]"}));
  Control<QLineEdit>("serviceSearch")->setText("ard");
  EXPECT_EQ(Shown(ServiceList()), QStringList{});
  Control<QLineEdit>("serviceSearch")->clear();
  states->setCurrentIndex(0);

  // A satellite renamed elsewhere is listed by its new name and stays chosen; one that
  // goes takes its filter with it.
  doc.Apply({"Rename"}, [](ChannelDatabase& db) { db.satellites[0].SetName("Astra 19.2E"); });
  EXPECT_EQ(ComboRows(satellites), (QStringList{"All satellites", "Astra 19.2E", "Hotbird"}));
  EXPECT_EQ(satellites->currentIndex(), 1);
  doc.Apply({"Delete"}, dbops::DeleteSatellite, 0);
  EXPECT_EQ(ComboRows(satellites), (QStringList{"All satellites", "Hotbird"}));
  EXPECT_EQ(satellites->currentIndex(), 0);
  EXPECT_FALSE(page->Filtered(true));

  // "New only" shows what a reference did not hold.
  doc.Marks().Set(std::vector<int>{12});
  states->setCurrentIndex(3);
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"[RTL]"}));
}

}  // namespace
