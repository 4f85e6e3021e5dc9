// The "Sat. Info" area: what it shows and what "Update" writes.
#include <QTest>
#include <cstring>

#include "SatTPFixture.h"

namespace {

class SatInfo : public SatTPPageTest {
 protected:
  void LoadTwo() {
    auto db = EmptyDb();
    SatelliteRecord& a = PutSatellite(*db, 0, "Astra");
    a.SetLnbType(1);
    a.SetDiseqcPort(1);
    a.SetLnbPower(true);
    a.SetSelected(true);
    PutSatellite(*db, 1, "Hotbird");
    Load(*db);
  }
  void Update() { Control<QPushButton>("update")->click(); }
  QLineEdit* High() { return Control<QLineEdit>("lnbFreqHigh"); }
  QLineEdit* Low() { return Control<QLineEdit>("lnbFreqLow"); }
  const SatelliteRecord& Sat(int slot) { return Working().satellites[std::size_t(slot)]; }
};

TEST_F(SatInfo, SelectedIsWrittenAndShownAgainLater) {
  LoadTwo();
  EXPECT_TRUE(Control<QCheckBox>("selected")->isChecked());
  Control<QCheckBox>("selected")->setChecked(false);
  Update();
  EXPECT_FALSE(Sat(0).Selected());
  EXPECT_TRUE(doc.IsModified());
  SelectRow(SatList(), 1);
  SelectRow(SatList(), 0);
  EXPECT_FALSE(Control<QCheckBox>("selected")->isChecked());
  EXPECT_EQ(Control<QComboBox>("lnbPower")->currentText(), "12 V");
}

TEST_F(SatInfo, RenamingChangesTheRowAtOnceAndNothingElse) {
  LoadTwo();
  SelectRow(SatList(), 1);
  const SatelliteRecord before = Sat(1);
  Control<QLineEdit>("name")->setText("Hot Bird 13E");
  Update();
  EXPECT_EQ(Rows(SatList()), (QStringList{"[Astra]", "[Hot Bird 13E]"}));
  EXPECT_EQ(Sat(1).Name(), "Hot Bird 13E");
  EXPECT_EQ(Sat(1).Flags(), before.Flags());
  EXPECT_EQ(Sat(1).LnbWord(), before.LnbWord());
  EXPECT_EQ(Sat(1).MotorWord(), before.MotorWord());
  EXPECT_EQ(Sat(1).LnbFreqHigh(), before.LnbFreqHigh());
  EXPECT_EQ(Sat(1).LnbFreqLow(), before.LnbFreqLow());
  EXPECT_EQ(otherPage.count, 0);

  // A name filling the field's sixteen bytes shows whole (how it is stored:
  // SatelliteBits.AnUnchangedNameIsNotRewrittenAndAFullOneStaysInItsField).
  Control<QLineEdit>("name")->setText("ABCDEFGHIJKLMNOP");
  Update();
  EXPECT_EQ(SatList()->topLevelItem(1)->text(0), "[ABCDEFGHIJKLMNOP]");
}

TEST_F(SatInfo, TwoSatellitesMayShareAName) {
  LoadTwo();
  SelectRow(SatList(), 1);
  Control<QLineEdit>("name")->setText("Astra");
  Update();
  EXPECT_EQ(Rows(SatList()), (QStringList{"[Astra]", "[Astra]"}));
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

// A frequency the 16-bit field cannot hold is refused, never stored as its low bits:
// the range message, the reading stops there (a failing "LNB Freq. High" keeps "LNB Freq.
// Low" too), the rest is written, and the area then shows what is stored.
TEST_F(SatInfo, FrequenciesAboveSixteenBitsAreRefusedAndTheRestIsWritten) {
  LoadTwo();
  High()->setText("65535");
  Low()->setText("0");
  Update();
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 65535);
  EXPECT_EQ(Sat(0).LnbFreqLow(), 0);

  Control<QLineEdit>("name")->setText("Astra 2");
  Control<QCheckBox>("tone22k")->setChecked(true);
  High()->setText("70000");
  Low()->setText("5000");
  Update();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter an integer between 0 and 65535."});
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 65535);
  EXPECT_EQ(Sat(0).LnbFreqLow(), 0);
  EXPECT_EQ(Sat(0).Name(), "Astra 2");
  EXPECT_TRUE(Sat(0).Tone22k());
  EXPECT_EQ(High()->text(), "65535");
  EXPECT_EQ(Low()->text(), "0");

  High()->setText("11000");
  Low()->setText("65536 MHz");
  Update();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter an integer between 0 and 65535."});
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 11000);
  EXPECT_EQ(Sat(0).LnbFreqLow(), 0);
  EXPECT_EQ(Low()->text(), "0");

  // A minus sign wraps to a large number, which is refused as well.
  High()->setText("-1");
  Update();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter an integer between 0 and 65535."});
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 11000);
  EXPECT_EQ(High()->text(), "11000");
}

TEST_F(SatInfo, AFrequencyWithoutANumberStopsTheReadingButTheRestIsWritten) {
  LoadTwo();
  Control<QCheckBox>("tone22k")->setChecked(true);
  Control<QLineEdit>("name")->setText("Astra 1");
  High()->setText("abc");
  Low()->setText("9000");
  Update();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter a positive integer."});
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 10600);
  EXPECT_EQ(Sat(0).LnbFreqLow(), 9750);  // read after the failing field: kept
  EXPECT_TRUE(Sat(0).Tone22k());
  EXPECT_EQ(Sat(0).Name(), "Astra 1");
  EXPECT_EQ(SatList()->topLevelItem(0)->text(0), "[Astra 1]");
  EXPECT_TRUE(doc.IsModified());

  High()->setText("11000");
  Low()->setText("");
  Update();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Please enter a positive integer."});
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 11000);
  EXPECT_EQ(Sat(0).LnbFreqLow(), 9750);
}

TEST_F(SatInfo, ANameTheReceiverCannotStoreIsRefusedAndNothingIsWritten) {
  LoadTwo();
  const SatelliteRecord before = Sat(0);
  Control<QLineEdit>("name")->setText(QString::fromUtf8("\u03a9mega"));
  Control<QCheckBox>("tone22k")->setChecked(true);
  Update();
  EXPECT_EQ(Prompt::TakeMessages(),
            QStringList{"The name contains characters the receiver cannot store."});
  EXPECT_EQ(std::memcmp(before.Bytes(), Sat(0).Bytes(), SatelliteRecord::kSize), 0);
  EXPECT_FALSE(doc.IsModified());

  // Western characters are stored as single bytes.
  Control<QLineEdit>("name")->setText(QString::fromUtf8("T\u00fcrksat"));
  Update();
  EXPECT_EQ(Sat(0).Name(), "T\xFCrksat");
  EXPECT_EQ(SatList()->topLevelItem(0)->text(0), QString::fromUtf8("[T\u00fcrksat]"));
}

TEST_F(SatInfo, ValuesTheListsCannotShowAreKeptByUpdate) {
  auto db = EmptyDb();
  SatelliteRecord& s = PutSatellite(*db, 0, "Odd");
  s.SetLnbType(9);
  s.SetDiseqcPort(7);
  s.SetMotor(2);
  Load(*db);
  EXPECT_EQ(Control<QComboBox>("lnbType")->currentIndex(), -1);
  EXPECT_EQ(Control<QComboBox>("diseqcPort")->currentIndex(), -1);
  EXPECT_EQ(Control<QCheckBox>("motor")->checkState(), Qt::PartiallyChecked);

  Control<QLineEdit>("name")->setText("Odd2");
  Update();
  EXPECT_EQ(Sat(0).LnbType(), 9u);
  EXPECT_EQ(Sat(0).DiseqcPort(), 7u);
  EXPECT_EQ(Sat(0).Motor(), 2u);

  // Once the user picks a row or clicks the box, that choice is written.
  Control<QComboBox>("lnbType")->setCurrentIndex(0);
  Control<QComboBox>("diseqcPort")->setCurrentIndex(6);
  Control<QCheckBox>("motor")->click();
  EXPECT_FALSE(Control<QCheckBox>("motor")->isTristate());
  Update();
  EXPECT_EQ(Sat(0).LnbType(), 0u);
  EXPECT_EQ(Sat(0).DiseqcPort(), 6u);
  EXPECT_EQ(Sat(0).Motor(), 1u);
  Control<QCheckBox>("motor")->click();
  Update();
  EXPECT_EQ(Sat(0).Motor(), 0u);
}

TEST_F(SatInfo, UnsavedEditsAreDroppedWhenAnotherSatelliteIsShown) {
  LoadTwo();
  High()->setText("12345");
  Control<QLineEdit>("name")->setText("Changed");
  SelectRow(SatList(), 1);
  SelectRow(SatList(), 0);
  EXPECT_EQ(High()->text(), "10600");
  EXPECT_EQ(Control<QLineEdit>("name")->text(), "Astra");
  EXPECT_EQ(Sat(0).LnbFreqHigh(), 10600);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(SatInfo, UpdateWithNothingChangedStillMarksTheDocument) {
  LoadTwo();
  const SatelliteRecord before = Sat(0);
  Update();
  EXPECT_EQ(std::memcmp(before.Bytes(), Sat(0).Bytes(), SatelliteRecord::kSize), 0);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
