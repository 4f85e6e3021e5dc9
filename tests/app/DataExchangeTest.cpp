#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "widgets/CInputName.h"
#include "widgets/DataExchange.h"
#include "widgets/NameLimit.h"
#include "widgets/Prompt.h"

using DataExchange::ScanUnsigned;

TEST(ScanUnsigned, ReadsLikePercentU) {
  EXPECT_EQ(ScanUnsigned("65535"), 65535u);
  EXPECT_EQ(ScanUnsigned("  \t12000MHz"), 12000u);
  EXPECT_EQ(ScanUnsigned("+7"), 7u);
  EXPECT_EQ(ScanUnsigned("0"), 0u);
  EXPECT_EQ(ScanUnsigned("-1"), 0xFFFFFFFFu);
  EXPECT_EQ(ScanUnsigned("-5"), 0xFFFFFFFBu);
  EXPECT_FALSE(ScanUnsigned(""));
  EXPECT_FALSE(ScanUnsigned("abc"));
  EXPECT_FALSE(ScanUnsigned("- 5"));
  EXPECT_FALSE(ScanUnsigned("+"));
}

TEST(ScanUnsigned, HugeNumbersNeverPassARangeCheck) {
  EXPECT_EQ(ScanUnsigned("4294967296"), 0xFFFFFFFFu);
  EXPECT_EQ(ScanUnsigned("99999999999999999999999"), 0xFFFFFFFFu);
  EXPECT_EQ(ScanUnsigned("4294967295"), 0xFFFFFFFFu);
}

TEST(ScanUnsigned, ReadsAtMostSixtyThreeCharacters) {
  const QString blanks(62, QChar(u' '));
  EXPECT_EQ(ScanUnsigned(blanks + "9"), 9u);
  EXPECT_FALSE(ScanUnsigned(blanks + " 9"));
}

TEST(NameCodec, RoundTripsTheWesternCodePage) {
  const std::uint8_t field[16] = {'A', 's', 't', 'r', 'a', ' ', 0xE9, 0x80, 0x9F, 0, 'x'};
  const QString text = DataExchange::NameFromField(field, 16);
  EXPECT_EQ(text, QString::fromUtf8("Astra \u00e9\u20ac\u0178"));
  auto bytes = DataExchange::NameToBytes(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, std::string("Astra \xE9\x80\x9F"));
  EXPECT_FALSE(DataExchange::NameToBytes(QString::fromUtf8("\u4e2d")));
}

TEST(NameCodec, FullFieldHasNoTerminator) {
  std::uint8_t field[17];
  for (int i = 0; i < 16; ++i) field[i] = std::uint8_t('a' + i);
  field[16] = 'Z';  // the byte after the field is never read
  EXPECT_EQ(DataExchange::NameFromField(field, 16), QString("abcdefghijklmnop"));
}

TEST(CInputNameTest, ReturnsTextAndRefusesWhatTheReceiverCannotStore) {
  Prompt::Reset();
  CInputName dlg;
  dlg.name = "Old";
  dlg.show();
  EXPECT_EQ(dlg.Edit()->text(), "Old");
  // The edit holds the 16 bytes of the satellite and group records, no more.
  dlg.Edit()->end(false);
  QTest::keyClicks(dlg.Edit(), QStringLiteral("0123456789abcdef"));
  EXPECT_EQ(dlg.Edit()->text(), "Old0123456789abc");
  dlg.Edit()->setText("Old");
  EXPECT_EQ(dlg.Edit()->accessibleName(), "Name");
  dlg.Edit()->setText(QString::fromUtf8("\u4e2d"));
  dlg.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(dlg.name, "Old");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  dlg.Edit()->setText("");
  dlg.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.name, "");
}

// A name field cuts what is entered past its record's bytes, never what it held, and a
// character outside the first plane counts once (the exchange then refuses it).
TEST(NameLimitTest, CutsWhatWasEnteredAndKeepsWhatTheFieldHeld) {
  const struct {
    const char* held;
    int cursor;
    QString entered;
    QString kept;
  } cases[] = {
      {"", 0, "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMN"},
      {"Kino 1", 4, "XXXXXXXXXXXX", "KinoXXXXXXXX 1"},
      {"ABCDEFGHIJKLMN", 14, "Z", "ABCDEFGHIJKLMN"},
      {"ABCDEFGHIJKLMN", 0, "Z", "ABCDEFGHIJKLMN"},
      {"", 0, QString::fromUtf8("ABCDEFGHIJKLM\U0001F600XY"), QString::fromUtf8("ABCDEFGHIJKLM\U0001F600")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entered.toStdString());
    QLineEdit edit;
    NameLimit::Attach(&edit, 14);
    edit.setText(QString::fromLatin1(c.held));
    edit.setCursorPosition(c.cursor);
    edit.insert(c.entered);
    EXPECT_EQ(edit.text(), c.kept);
  }
}
