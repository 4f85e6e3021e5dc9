// "Program Info": which satellites and transponders it offers, what OK returns, and the
// field checks that keep it open.
#include "GroupChFixture.h"

namespace {

constexpr int kTypeA = dbtype::Index(DbType::TypeA);
constexpr int kTypeB7 = dbtype::Index(DbType::TypeB7);
constexpr int kTypeB6 = dbtype::Index(DbType::TypeB6);
constexpr int kTypeC = dbtype::Index(DbType::TypeC);

class ProgramEditDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override { Prompt::Reset(); }

  // Opens the dialog as the page does and returns it shown.
  std::unique_ptr<CProgramEditDlg> Open(int dbType = dbtype::kDefault) {
    auto dlg = std::make_unique<CProgramEditDlg>(*db, dbType);
    dlg->progType = 0;
    dlg->progLocked = 0;
    dlg->show();
    return dlg;
  }
  static QComboBox* Combo(CProgramEditDlg& d, const char* name) { return Child<QComboBox>(d, name); }
  static QPushButton* Ok(CProgramEditDlg& d) { return Child<QPushButton>(d, "ok"); }

  std::unique_ptr<ChannelDatabase> db = EmptyDb();
};

TEST_F(ProgramEditDlgTest, OffersUsedSatellitesAndTheirVisibleTransponders) {
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Gone", SlotState::Deleted);
  PutSatellite(*db, 2, "Gone2", SlotState::Deleted);
  PutSatellite(*db, 3, "Hotbird");
  PutSatellite(*db, 4, "Thor");
  PutTransponder(*db, 0, 0, 11000);
  PutTransponder(*db, 5, 3, 12000, 27500, 1);
  PutTransponder(*db, 6, 3, 12100, 22000, 0, SlotState::Used, 2);  // hidden
  PutTransponder(*db, 7, 3, 12200, 30000, 0, SlotState::Deleted);
  PutTransponder(*db, 9, 3, 12300, 29900, 0);

  auto dlg = Open();
  QComboBox* sat = Combo(*dlg, "satellite");
  EXPECT_EQ(sat->count(), 3);
  EXPECT_EQ(sat->itemText(1), "Hotbird");
  EXPECT_EQ(sat->currentIndex(), 0);

  sat->setCurrentIndex(1);
  QComboBox* tp = Combo(*dlg, "transponder");
  ASSERT_EQ(tp->count(), 2);
  EXPECT_EQ(tp->itemText(0), "Freq : 12000 Mhz, Sym : 27500, Polor : Hor");
  EXPECT_EQ(tp->itemText(1), "Freq : 12300 Mhz, Sym : 29900, Polor : Ver");
  EXPECT_EQ(tp->currentIndex(), 0);
  tp->setCurrentIndex(1);
  Ok(*dlg)->click();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(dlg->chosenTransponder, 9);
}

TEST_F(ProgramEditDlgTest, PreselectsTheSatelliteOfTheLowestUsedTransponderEvenWhenHidden) {
  PutSatellite(*db, 0, "A");
  PutSatellite(*db, 1, "B");
  PutTransponder(*db, 2, 0, 10000, 27500, 0, SlotState::Deleted);
  PutTransponder(*db, 3, 1, 11000, 27500, 0, SlotState::Used, 1);  // hidden, decides
  PutTransponder(*db, 4, 0, 12000);
  PutTransponder(*db, 8, 1, 12500);

  auto dlg = Open();
  EXPECT_EQ(Combo(*dlg, "satellite")->currentIndex(), 1);
  EXPECT_EQ(dlg->TransponderRowCount(), 1);
  Ok(*dlg)->click();
  EXPECT_EQ(dlg->chosenTransponder, 8);
  // The presets are shown as the page set them.
  EXPECT_EQ(Combo(*dlg, "type")->currentText(), "UNKNOWN");
  EXPECT_EQ(Child<QLineEdit>(*dlg, "videoPid")->text(), "0");
}

TEST_F(ProgramEditDlgTest, OffersAtMost150TransponderSlots) {
  PutSatellite(*db, 0, "Full");
  // Slot 10 is hidden: skipped, it takes none of the 150 rows.
  for (int t = 0; t < 200; ++t) PutTransponder(*db, t, 0, std::uint16_t(10000 + t), 27500, 0,
                                               SlotState::Used, t == 10 ? 1 : 0);
  auto dlg = Open();
  EXPECT_EQ(dlg->TransponderRowCount(), 150);
  EXPECT_EQ(Combo(*dlg, "transponder")->count(), 150);
  EXPECT_EQ(dlg->TransponderRow(10), 11);
  EXPECT_EQ(dlg->TransponderRow(149), 150);
}

TEST_F(ProgramEditDlgTest, WithoutATransponderOkIsDisabled) {
  PutSatellite(*db, 0, "Bare");
  auto dlg = Open();
  EXPECT_EQ(Combo(*dlg, "satellite")->currentIndex(), -1);
  EXPECT_EQ(Combo(*dlg, "transponder")->count(), 0);
  EXPECT_FALSE(Ok(*dlg)->isEnabled());
  // A satellite chosen that has a transponder enables it again.
  PutTransponder(*db, 0, 0, 11000);
  Combo(*dlg, "satellite")->setCurrentIndex(0);
  EXPECT_TRUE(Ok(*dlg)->isEnabled());

  auto none = EmptyDb();
  CProgramEditDlg empty(*none, dbtype::kDefault);
  empty.show();
  EXPECT_EQ(Combo(empty, "satellite")->count(), 0);
  EXPECT_EQ(Combo(empty, "transponder")->count(), 0);
  EXPECT_FALSE(Ok(empty)->isEnabled());
}

TEST_F(ProgramEditDlgTest, ReadsFieldsLikePercentUAndRefusesNonNumbers) {
  PutSatellite(*db, 0, "S");
  PutTransponder(*db, 0, 0, 11000);
  auto dlg = Open();
  SetField(*dlg, "name", "News 24");
  SetField(*dlg, "videoPid", "  +512xyz");
  SetField(*dlg, "audioPid", "4096 Hz");
  SetField(*dlg, "pcrPid", "abc");
  Combo(*dlg, "type")->setCurrentIndex(2);
  Child<QCheckBox>(*dlg, "lock")->setChecked(true);
  Ok(*dlg)->click();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter a positive integer."});
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  EXPECT_TRUE(dlg->isVisible());

  SetField(*dlg, "pcrPid", "8191");
  Ok(*dlg)->click();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(dlg->progName, "News 24");
  EXPECT_EQ(dlg->progVideoPid, 512u);
  EXPECT_EQ(dlg->progAudioPid, 4096u);
  EXPECT_EQ(dlg->progPcrPid, 8191u);
  EXPECT_EQ(dlg->progType, 2);
  EXPECT_EQ(dlg->progLocked, 1);
}

// A number the record's field cannot hold is refused, never cut to its low bits: PIDs
// are 13 bits wide in TypeC and 16 bits otherwise, the service id always 16 bits.
TEST_F(ProgramEditDlgTest, NumbersTooWideForTheirFieldsAreRefusedAndKeepItOpen) {
  PutSatellite(*db, 0, "S");
  PutTransponder(*db, 0, 0, 11000);
  struct Case {
    int dbType;
    const char* field;
    const char* text;
    const char* message;  // nullptr: accepted
  };
  const char* const pid13 = "Please enter an integer between 0 and 8191.";
  const char* const wide = "Please enter an integer between 0 and 65535.";
  for (const Case& c : {Case{kTypeC, "videoPid", "8192", pid13}, Case{kTypeC, "videoPid", "8191", nullptr},
                        Case{kTypeC, "audioPid", "-1", pid13}, Case{kTypeC, "pcrPid", "70000", pid13},
                        Case{kTypeC, "ttextPid", "8192 x", pid13}, Case{kTypeC, "pmt", "9000", pid13},
                        Case{kTypeC, "serviceId", "65535", nullptr}, Case{kTypeC, "serviceId", "65536", wide},
                        Case{kTypeA, "videoPid", "65536", wide}, Case{kTypeA, "videoPid", "8192", nullptr},
                        Case{kTypeB7, "pmt", "65535", nullptr}, Case{kTypeB6, "pcrPid", "4294967295", wide},
                        Case{kTypeA, "serviceId", "70000", wide}}) {
    SCOPED_TRACE(std::string(c.field) + " " + c.text + " in DbType " + std::to_string(c.dbType));
    auto dlg = Open(c.dbType);
    SetField(*dlg, c.field, c.text);
    Ok(*dlg)->click();
    if (c.message) {
      EXPECT_EQ(Prompt::TakeMessages(), QStringList{QString::fromLatin1(c.message)});
      EXPECT_NE(dlg->result(), QDialog::Accepted);
      EXPECT_TRUE(dlg->isVisible());
      EXPECT_EQ(Child<QLineEdit>(*dlg, c.field)->text(), c.text) << "the entry stays as typed";
    } else {
      EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
      EXPECT_EQ(dlg->result(), QDialog::Accepted);
    }
  }
}

TEST_F(ProgramEditDlgTest, NameIsLimitedToTheFieldAndTheReceiversCodePage) {
  PutSatellite(*db, 0, "S");
  PutTransponder(*db, 0, 0, 11000);
  auto dlg = Open();
  SetField(*dlg, "name", "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(Child<QLineEdit>(*dlg, "name")->text(), "ABCDEFGHIJKLMN");
  SetField(*dlg, "name", QString::fromUtf8("\u4e2d\u6587"));
  Ok(*dlg)->click();
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  SetField(*dlg, "name", QString::fromUtf8("Caf\u00e9"));
  Ok(*dlg)->click();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

}  // namespace
