// The satellite and transponder commands against the working database.
#include <cstring>
#include <functional>

#include "SatTPFixture.h"

namespace {

using Commands = SatTPPageTest;

// Which fields a namesake's reset clears, and that a new name never takes a deleted slot:
// Ops.AddSatelliteNamedLikeUsedOneResetsIt, Ops.AddSatelliteFailsWhenOnlyDeletedSlotsRemain.
// Here: the command reaches the operation and the list shows what it did.
TEST_F(Commands, AddSatelliteWithAnExistingNameResetsItInPlace) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Hotbird").SetDiseqcPort(2);
  Load(*db);

  AnswerName("Hotbird");
  page->Actions().addSatellite->trigger();
  EXPECT_EQ(Rows(SatList()), (QStringList{"[Astra]", "[Hotbird]"}));
  EXPECT_EQ(Working().satellites[1].DiseqcPort(), 0u);
  EXPECT_TRUE(doc.IsModified());
  // The page stays on the satellite it was on.
  EXPECT_EQ(S().currentSatelliteRow, 0);
  EXPECT_EQ(otherPage.count, 0);
}

TEST_F(Commands, AddSatelliteRevivesADeletedNameButNeverReusesDeletedSlotsForNewOnes) {
  auto db = EmptyDb();
  for (int s = 0; s < 160; ++s)
    PutSatellite(*db, s, "Sat" + std::to_string(s), s % 2 ? SlotState::Deleted : SlotState::Used);
  Load(*db);
  ASSERT_EQ(S().satelliteRowCount, 80);

  AnswerName("Brand new");
  page->Actions().addSatellite->trigger();
  EXPECT_EQ(S().satelliteRowCount, 80);
  EXPECT_FALSE(doc.IsModified());

  AnswerName("Sat7");
  page->Actions().addSatellite->trigger();
  EXPECT_EQ(S().satelliteRowCount, 81);
  EXPECT_EQ(S().satelliteRows[4], 7);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(Commands, CancelledDialogsChangeNothing) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutTransponder(*db, 0, 0, 11000);
  Load(*db);
  const auto before = std::make_unique<ChannelDatabase>(Working());

  page->Actions().addSatellite->trigger();    // Name dialog cancelled
  page->Actions().addTransponder->trigger();  // Transponder Info. cancelled
  SelectRow(TpList(), 0);
  page->Actions().editTransponder->trigger();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(std::memcmp(before.get(), &Working(), sizeof(ChannelDatabase)), 0);
}

// Which transponders and programs go with a satellite: Ops.DeleteSatelliteDeletesExactlyItsUsedTransponders.
TEST_F(Commands, DeleteSatelliteTakesItsTranspondersOffTheLists) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutSatellite(*db, 5, "B");
  PutTransponder(*db, 0, 5, 11000);
  PutTransponder(*db, 2, 0, 11200);
  Load(*db);

  SelectRow(SatList(), 1);
  page->Actions().deleteSatellite->trigger();
  EXPECT_EQ(Working().satellites[5].State(), SlotState::Deleted);
  EXPECT_EQ(Rows(SatList()), QStringList{"[A]"});
  EXPECT_EQ(Rows(TpList()), QStringList{"11200"});
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(otherPage.count, 1);
}

TEST_F(Commands, AddTransponderPresetsAndListsTheNewOne) {
  auto db = EmptyDb();
  PutSatellite(*db, 2, "Eutelsat");
  PutTransponder(*db, 0, 2, 11000);
  PutTransponder(*db, 1, 2, 11100, 27500, 0, SlotState::Deleted);
  Load(*db);

  TpPresets seen;
  AnswerTransponder("12380", "27500", 1, &seen);
  page->Actions().addTransponder->trigger();
  EXPECT_EQ(seen.satellite, "Eutelsat");
  EXPECT_EQ(seen.frequency, "0");
  EXPECT_EQ(seen.symbolRate, "0");
  EXPECT_EQ(seen.polarization, 0);
  // The slot it takes: Ops.SaveTransponderCreatesInFirstEmptySlotOnly.
  EXPECT_EQ(Rows(TpList()), (QStringList{"11000", "12380"}));
  EXPECT_EQ(Rows(TpList(), 2), (QStringList{"Ver", "Hor"}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(otherPage.count, 0);
}

TEST_F(Commands, AddTransponderToAFullTableAddsNothingYetMarksTheDocument) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutSatellite(*db, 1, "B");
  for (int i = 0; i < 2100; ++i) PutTransponder(*db, i, 1, 10000, 27500, 0, SlotState::Deleted);
  Load(*db);
  AnswerTransponder("11000", "22000", 0);
  page->Actions().addTransponder->trigger();
  EXPECT_EQ(TpList()->topLevelItemCount(), 0);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(Commands, EditTransponderNeedsASelectedRowAndShowsItsValues) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutTransponder(*db, 4, 0, 10714, 22000, 1);
  PutTransponder(*db, 6, 0, 10758, 22000, 0);
  Load(*db);

  bool opened = false;
  Prompt::QueueDialog([&opened](QDialog& d) {
    opened = true;
    return d.result();
  });
  page->Actions().editTransponder->trigger();  // no row marked after the load
  EXPECT_FALSE(opened);
  Prompt::Reset();

  SelectRow(TpList(), 0);
  TpPresets seen;
  AnswerTransponder("10715", "22001", 0, &seen);
  page->Actions().editTransponder->trigger();
  EXPECT_EQ(seen.satellite, "A");
  EXPECT_EQ(seen.frequency, "10714");
  EXPECT_EQ(seen.symbolRate, "22000");
  EXPECT_EQ(seen.polarization, 1);
  const TransponderRecord& t = Working().transponders[4];
  EXPECT_EQ(t.Frequency(), 10715);
  EXPECT_EQ(t.SymbolRate(), 22001);
  EXPECT_EQ(t.Polarization(), 0u);
  EXPECT_EQ(Rows(TpList(), 2), (QStringList{"Ver", "Ver"}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(otherPage.count, 0);
}

TEST_F(Commands, DeleteTransponderNeedsASelectedRow) {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "A");
  PutTransponder(*db, 0, 0, 11000);
  PutTransponder(*db, 1, 0, 11100);
  PutTransponder(*db, 2, 0, 11200);
  Load(*db);
  page->Actions().deleteTransponder->trigger();
  EXPECT_EQ(TpList()->topLevelItemCount(), 3);
  EXPECT_FALSE(doc.IsModified());

  SelectRow(TpList(), 1);
  page->Actions().deleteTransponder->trigger();
  EXPECT_EQ(Working().transponders[1].State(), SlotState::Deleted);
  EXPECT_EQ(Rows(TpList()), (QStringList{"11000", "11200"}));
  // The row number stays, so the next transponder is marked.
  EXPECT_EQ(TpList()->SingleSelectedRow(), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(otherPage.count, 0);
}

// Every panel command is one step with one notice; the page shows it from that notice
// as it shows anyone else's edit.
TEST_F(Commands, EveryPanelCommandIsOneStepAndOneNotice) {
  struct Heard : DocListener {
    void OnDocChanged(const DocChange& change) override { causes.push_back(change.cause); }
    std::vector<DocChange::Cause> causes;
  };
  struct Case {
    const char* what;
    std::function<void()> act;
  };
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11747);
  PutTransponder(*db, 1, 0, 12000);
  Load(*db);
  Heard heard;
  doc.Listen(&heard);
  const SatTPActions& a = page->Actions();
  const Case cases[] = {
      {"add satellite", [&] { AnswerName("Hotbird"); a.addSatellite->trigger(); }},
      {"update",
       [&] {
         testkit::SetField(*page, "name", "Renamed");
         page->UpdateSatellite();
       }},
      {"add transponder", [&] { AnswerTransponder("12100", "27500", 0); a.addTransponder->trigger(); }},
      {"edit transponder",
       [&] {
         SelectRow(TpList(), 0);
         AnswerTransponder("11748", "27500", 1);
         a.editTransponder->trigger();
       }},
      {"delete transponder", [&] { SelectRow(TpList(), 1); a.deleteTransponder->trigger(); }},
      {"delete satellite", [&] { a.deleteSatellite->trigger(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    heard.causes.clear();
    c.act();
    EXPECT_EQ(heard.causes, std::vector<DocChange::Cause>{DocChange::Cause::Edit});
  }
  doc.Unlisten(&heard);
}

}  // namespace

// The "Group/Channel" page on the same document rebuilds itself from the notice of a
// satellite deleted here (its combos go back to the TV list), and not from a rename.
TEST_F(Commands, TheOtherPageHearsOfADeletedSatelliteOnly) {
  struct Case {
    const char* what;
    std::function<void(CPageSatTP&)> act;
    bool rebuilt;
  };
  const Case cases[] = {
      {"rename", [](CPageSatTP& p) {
         testkit::SetField(p, "name", "Renamed");
         p.UpdateSatellite();
       }, false},
      {"delete", [](CPageSatTP& p) { p.Actions().deleteSatellite->trigger(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto db = EmptyDb();
    PutSatellite(*db, 0, "Astra");
    PutSatellite(*db, 1, "Hot Bird");
    Load(*db);
    CPageGroupCh other(doc, host);
    other.Activate();
    other.RefreshPage();
    auto* kind = testkit::Child<QComboBox>(other, "kind");
    kind->setCurrentIndex(1);
    c.act(*page);
    EXPECT_EQ(kind->currentIndex(), c.rebuilt ? 0 : 1);
  }
}
