// Which satellites and transponders the page lists, which rows it marks, and how the
// lists answer keys, clicks and right clicks.
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTest>

#include "SatTPFixture.h"

namespace {

using Lists = SatTPPageTest;

TEST_F(Lists, ListsUsedSatellitesOnlyAndFollowsTheSelection) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Hotbird");
  for (int s = 2; s <= 4; ++s) PutSatellite(*db, s, "Gone" + std::to_string(s), SlotState::Deleted);
  SatelliteRecord& fifth = PutSatellite(*db, 5, "Thor");
  fifth.SetLnbType(1);
  fifth.SetDiseqcPort(4);
  fifth.SetTone22k(true);
  fifth.SetLnbFreqHigh(11475);
  PutTransponder(*db, 0, 0, 11000);
  PutTransponder(*db, 7, 5, 12000, 28000, 1);
  PutTransponder(*db, 9, 5, 12100, 29000, 0);
  Load(*db);

  EXPECT_EQ(Rows(SatList()), (QStringList{"[Astra]", "[Hotbird]", "[Thor]"}));
  EXPECT_EQ(SatelliteRowSlots(), (std::vector<int>{0, 1, 5}));
  // The first satellite is worked on without its row being marked.
  EXPECT_TRUE(SatList()->selectedItems().isEmpty());
  EXPECT_EQ(Rows(TpList()), QStringList{"11000"});
  EXPECT_EQ(Control<QLineEdit>("name")->text(), "Astra");

  SelectRow(SatList(), 2);
  EXPECT_EQ(S().currentSatelliteRow, 2);
  EXPECT_EQ(TransponderRowSlots(), (std::vector<int>{7, 9}));
  EXPECT_EQ(Rows(TpList(), 0), (QStringList{"12000", "12100"}));
  EXPECT_EQ(Rows(TpList(), 1), (QStringList{"28000", "29000"}));
  EXPECT_EQ(Rows(TpList(), 2), (QStringList{"Hor", "Ver"}));
  EXPECT_EQ(Control<QLineEdit>("name")->text(), "Thor");
  EXPECT_EQ(Control<QComboBox>("lnbType")->currentText(), "Universal");
  EXPECT_EQ(Control<QComboBox>("diseqcPort")->currentText(), "Port 2");
  EXPECT_TRUE(Control<QCheckBox>("tone22k")->isChecked());
  EXPECT_EQ(Control<QComboBox>("lnbPower")->currentText(), "0 V");
  EXPECT_EQ(Control<QLineEdit>("lnbFreqHigh")->text(), "11475");
  EXPECT_EQ(Control<QLineEdit>("lnbFreqLow")->text(), "9750");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(Lists, HiddenAndDeletedTranspondersAreNotListedAndRowsStillMapRight) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutTransponder(*db, 0, 0, 10700);
  PutTransponder(*db, 1, 0, 10800, 27500, 0, SlotState::Used, 2);  // hidden
  PutTransponder(*db, 2, 0, 10900);
  PutTransponder(*db, 3, 0, 11000, 27500, 0, SlotState::Deleted);
  PutTransponder(*db, 4, 0, 11100);
  Load(*db);
  EXPECT_EQ(TransponderRowSlots(), (std::vector<int>{0, 2, 4}));

  // Row 1 is slot 2, not the hidden slot 1.
  SelectRow(TpList(), 1);
  AnswerTransponder("10950", "30000", 1);
  page->Actions().editTransponder->trigger();
  EXPECT_EQ(Working().transponders[2].Frequency(), 10950);
  EXPECT_EQ(Working().transponders[1].Frequency(), 10800);

  SelectRow(TpList(), 2);
  page->Actions().deleteTransponder->trigger();
  EXPECT_EQ(Working().transponders[4].State(), SlotState::Deleted);
  EXPECT_EQ(Working().transponders[1].State(), SlotState::Used);
  EXPECT_EQ(TransponderRowSlots(), (std::vector<int>{0, 2}));
}

// Which 150 and in what order: Listed.StopsAtTheSatellitesNextTransponderAfter150Rows.
TEST_F(Lists, ShowsTheFirst150TranspondersOfASatellite) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutSatellite(*db, 1, "B");
  for (int i = 0; i < 170; ++i) PutTransponder(*db, i, 1, std::uint16_t(10000 + i));
  Load(*db);
  SelectRow(SatList(), 1);
  ASSERT_EQ(S().transponderRowCount, 150);
  EXPECT_EQ(TpList()->topLevelItemCount(), 150);
  EXPECT_EQ(TpList()->topLevelItem(149)->text(0), "10149");
}

TEST_F(Lists, MarkedRowsSurviveRefreshesAndAreClamped) {
  auto db = EmptyDb();
  for (int s = 0; s < 3; ++s) PutSatellite(*db, s, "S" + std::to_string(s));
  for (int i = 0; i < 4; ++i) PutTransponder(*db, i, 0, std::uint16_t(11000 + i));
  PutTransponder(*db, 10, 1, 12000);
  PutTransponder(*db, 11, 1, 12100);
  Load(*db);

  SelectRow(TpList(), 3);
  page->Actions().deleteTransponder->trigger();
  // The last row went; the new last one is marked.
  EXPECT_EQ(S().currentTransponderRow, 2);
  EXPECT_EQ(TpList()->SingleSelectedRow(), 2);

  // The transponder row number carries over to another satellite, clamped to its list.
  SelectRow(SatList(), 1);
  EXPECT_EQ(S().currentTransponderRow, 1);
  EXPECT_EQ(TpList()->SingleSelectedRow(), 1);

  // Deleting the middle satellite makes the one after it current.
  page->Actions().deleteSatellite->trigger();
  EXPECT_EQ(S().currentSatelliteRow, 1);
  EXPECT_EQ(S().CurrentSatellite(), 2);
  EXPECT_EQ(SatList()->SingleSelectedRow(), 1);
  // Deleting the last listed one moves to the new last row.
  page->Actions().deleteSatellite->trigger();
  EXPECT_EQ(S().CurrentSatellite(), 0);
  EXPECT_EQ(Rows(SatList()), QStringList{"[S0]"});
}

TEST_F(Lists, DeletingTheLastSatelliteEmptiesBothListsAndDisablesSatInfo) {
  auto db = EmptyDb();
  PutSatellite(*db, 3, "Only");
  PutTransponder(*db, 0, 3, 11000);
  Load(*db);
  EXPECT_TRUE(Control<QWidget>("satInfo")->isEnabled());
  page->Actions().deleteSatellite->trigger();
  EXPECT_EQ(SatList()->topLevelItemCount(), 0);
  EXPECT_EQ(TpList()->topLevelItemCount(), 0);
  EXPECT_EQ(S().satelliteRowCount, 0);
  EXPECT_FALSE(Control<QWidget>("satInfo")->isEnabled());
  EXPECT_TRUE(Control<QLineEdit>("name")->text().isEmpty());
  EXPECT_TRUE(Control<QLineEdit>("lnbFreqHigh")->text().isEmpty());

  // With nothing listed the satellite and transponder commands do nothing at all.
  doc.SetModifiedFlag(false);
  const SatTPActions& a = page->Actions();
  for (QAction* command : {a.deleteSatellite, a.addTransponder, a.editTransponder, a.deleteTransponder})
    command->trigger();
  page->UpdateSatellite();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(otherPage.count, 1);  // only from the delete that emptied the list
}

TEST_F(Lists, AnEmptyDatabaseShowsEmptyListsAndAddSatelliteStillWorks) {
  auto db = EmptyDb();
  Load(*db);
  EXPECT_EQ(SatList()->topLevelItemCount(), 0);
  EXPECT_FALSE(Control<QWidget>("satInfo")->isEnabled());
  AnswerName("First");
  page->Actions().addSatellite->trigger();
  EXPECT_EQ(Rows(SatList()), QStringList{"[First]"});
  EXPECT_TRUE(Control<QWidget>("satInfo")->isEnabled());
  EXPECT_EQ(Control<QLineEdit>("lnbFreqHigh")->text(), "5150");
}

TEST_F(Lists, KeysDoubleClicksAndRightClicksTriggerThePagesCommands) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  Load(*db);
  page->show();

  QTest::keyClick(SatList(), Qt::Key_Delete);
  QTest::keyClick(TpList(), Qt::Key_Insert);
  QTest::keyClick(TpList(), Qt::Key_Delete);
  QTest::keyClick(SatList(), Qt::Key_Insert);  // Name dialog: cancelled by the script
  // A double click in an empty transponder list sends the command, which finds no row.
  QTest::mouseDClick(TpList()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(triggered, (QStringList{"deleteSatellite", "addTransponder", "deleteTransponder", "addSatellite",
                                    "editTransponder"}));

  QContextMenuEvent onSat(QContextMenuEvent::Mouse, QPoint(5, 6),
                          SatList()->viewport()->mapToGlobal(QPoint(5, 6)));
  QApplication::sendEvent(SatList()->viewport(), &onSat);
  QContextMenuEvent onTp(QContextMenuEvent::Mouse, QPoint(7, 8),
                         TpList()->viewport()->mapToGlobal(QPoint(7, 8)));
  QApplication::sendEvent(TpList()->viewport(), &onTp);
  const auto menus = Prompt::TakeMenus();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0].first, "SatMenu");
  EXPECT_EQ(menus[0].second, SatList()->viewport()->mapToGlobal(QPoint(5, 6)));
  EXPECT_EQ(menus[1].first, "TpMenu");
  page->hide();
}

// At whatever width the window gives the lists.
TEST_F(Lists, ColumnsShareTheListWidth) {
  auto db = EmptyDb();
  Load(*db);
  page->show();
  for (const QSize size : {page->minimumSizeHint(), page->minimumSizeHint() + QSize(333, 100)}) {
    page->resize(size);
    QApplication::processEvents();
    const int w = SatList()->ClientWidth();
    EXPECT_EQ(SatList()->columnWidth(0), 9 * (w / 10));
    const int tw = TpList()->ClientWidth();
    EXPECT_EQ(TpList()->columnWidth(0), 2 * (tw / 5));
    EXPECT_EQ(TpList()->columnWidth(1), 2 * (tw / 5));
    EXPECT_EQ(TpList()->columnWidth(2), tw - 4 * (tw / 5));
  }
  page->hide();
  EXPECT_EQ(TpList()->headerItem()->text(0), "Freq ");
  EXPECT_EQ(SatList()->headerItem()->text(0), "Ant Name");
  EXPECT_FALSE(SatList()->header()->sectionsClickable());
}

TEST_F(Lists, EveryControlCarriesItsLabel) {
  auto db = EmptyDb();
  Load(*db);
  const std::pair<const char*, const char*> expected[] = {
      {"satelliteList", "Satellite"}, {"transponderList", "Transponder"},
      {"name", "Name"},               {"lnbType", "LNB Type"},
      {"lnbFreqHigh", "LNB Freq. High"}, {"lnbFreqLow", "LNB Freq. Low"},
      {"selected", "Selected"},       {"diseqcPort", "Diseqc Port"},
      {"tone22k", "22 kHz"},          {"lnbPower", "0/12 V"},
      {"motor", "Motor"}};
  for (auto [object, label] : expected)
    EXPECT_EQ(Control<QWidget>(object)->accessibleName(), label) << object;
  EXPECT_EQ(Control<QPushButton>("update")->text(), "Update");
  EXPECT_EQ(Control<QCheckBox>("motor")->text(), "On");
}

}  // namespace
