#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/satellites/CTPEditDlg.h"
#include "widgets/Prompt.h"

namespace {

class TpEditDialog : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override { Prompt::Reset(); }

  // Shows the dialog with the given presets, types the two numbers and presses OK.
  // Returns whether the dialog closed with OK.
  bool TypeAndOk(CTPEditDlg& dlg, const QString& freq, const QString& symbol) {
    dlg.show();
    dlg.FrequencyEdit()->setText(freq);
    dlg.SymbolRateEdit()->setText(symbol);
    dlg.OkButton()->click();
    const bool accepted = dlg.result() == QDialog::Accepted && !dlg.isVisible();
    dlg.hide();
    return accepted;
  }
};

TEST_F(TpEditDialog, ShowsPresetsInTheirFields) {
  CTPEditDlg dlg;
  dlg.tpSatellite = QStringLiteral("Hotbird");
  dlg.tpFrequency = 11747;
  dlg.tpSymbolRate = 27500;
  dlg.tpPolarization = 1;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Transponder Info.");
  EXPECT_EQ(dlg.SatelliteEdit()->text(), "Hotbird");
  EXPECT_TRUE(dlg.SatelliteEdit()->isReadOnly());
  EXPECT_EQ(dlg.FrequencyEdit()->text(), "11747");
  EXPECT_EQ(dlg.SymbolRateEdit()->text(), "27500");
  EXPECT_EQ(dlg.PolarizationList()->currentText(), "Horizontal");
  EXPECT_EQ(dlg.PolarizationList()->itemText(0), "Vertical");
  dlg.hide();
}

TEST_F(TpEditDialog, AcceptsTheWholeSixteenBitRangeAndTrailingText) {
  CTPEditDlg dlg;
  dlg.tpPolarization = 0;
  EXPECT_TRUE(TypeAndOk(dlg, "65535", "0"));
  EXPECT_EQ(dlg.tpFrequency, 65535u);
  EXPECT_EQ(dlg.tpSymbolRate, 0u);
  EXPECT_EQ(dlg.tpPolarization, 0);

  CTPEditDlg dlg2;
  dlg2.tpPolarization = 0;
  EXPECT_TRUE(TypeAndOk(dlg2, "  12380MHz", "27500 kS/s"));
  EXPECT_EQ(dlg2.tpFrequency, 12380u);
  EXPECT_EQ(dlg2.tpSymbolRate, 27500u);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST_F(TpEditDialog, RefusesBadNumbersAndStaysOpenOnTheField) {
  struct Case {
    QString freq, symbol, message;
    bool frequencyFocused;
  };
  const QString range = "Please enter an integer between 0 and 65535.";
  const QString positive = "Please enter a positive integer.";
  const Case cases[] = {
      {"65536", "1", range, true},
      {"-1", "1", range, true},
      {"", "1", positive, true},
      {"MHz", "1", positive, true},
      {"100", "70000", range, false},
      {"100", "x", positive, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.freq.toStdString() + " / " + c.symbol.toStdString());
    CTPEditDlg dlg;
    dlg.tpPolarization = 0;
    dlg.tpFrequency = 7;
    dlg.tpSymbolRate = 8;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    dlg.FrequencyEdit()->setText(c.freq);
    dlg.SymbolRateEdit()->setText(c.symbol);
    dlg.OkButton()->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{c.message});
    QWidget* field = c.frequencyFocused ? static_cast<QWidget*>(dlg.FrequencyEdit())
                                        : static_cast<QWidget*>(dlg.SymbolRateEdit());
    EXPECT_EQ(dlg.focusWidget(), field);
    // What the user typed stays for correction.
    EXPECT_EQ(dlg.FrequencyEdit()->text(), c.freq);
    dlg.hide();
  }
}

TEST_F(TpEditDialog, CancelReadsNothing) {
  CTPEditDlg dlg;
  dlg.tpPolarization = 1;
  dlg.tpFrequency = 10000;
  dlg.show();
  dlg.FrequencyEdit()->setText("abc");
  dlg.PolarizationList()->setCurrentIndex(0);
  dlg.findChild<QPushButton*>("cancel")->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(dlg.tpFrequency, 10000u);
  EXPECT_EQ(dlg.tpPolarization, 1);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST_F(TpEditDialog, OkWaitsForAPolarizationRow) {
  CTPEditDlg dlg;  // no preset: no row
  dlg.show();
  EXPECT_EQ(dlg.PolarizationList()->currentIndex(), -1);
  EXPECT_FALSE(dlg.OkButton()->isEnabled());
  dlg.PolarizationList()->setCurrentIndex(1);
  EXPECT_TRUE(dlg.OkButton()->isEnabled());
  dlg.OkButton()->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.tpPolarization, 1);
}

TEST_F(TpEditDialog, FieldsCarryTheirLabelsForScreenReaders) {
  CTPEditDlg dlg;
  EXPECT_EQ(dlg.SatelliteEdit()->accessibleName(), "Satellite");
  EXPECT_EQ(dlg.FrequencyEdit()->accessibleName(), "Frequency(Mhz)");
  EXPECT_EQ(dlg.SymbolRateEdit()->accessibleName(), "Symbol Rate");
  EXPECT_EQ(dlg.PolarizationList()->accessibleName(), "Polarization");
  int buddies = 0;
  for (QLabel* label : dlg.findChildren<QLabel*>()) buddies += label->buddy() != nullptr;
  EXPECT_EQ(buddies, 4);
}

}  // namespace
