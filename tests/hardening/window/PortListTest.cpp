// "Config Setting" finds an adapter plugged in while the program runs and shows it with
// its product name; choosing it still opens the device. A port that does not open says
// why under the " Open Error!" line.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppTestSupport.h"
#include "ui/transfer/CCOMPortDlg.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "widgets/Prompt.h"

namespace {

class PortListDialog : public apptest::AppTest {};

QStringList Rows(const QComboBox& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.itemText(i);
  return rows;
}

TEST_F(PortListDialog, RefreshesWhenItOpensAndKeepsTheDeviceBehindALabel) {
  QList<LinkRows::PortRow> present = {{"COM1", "COM1"}, {"COM2", "COM2"}, {"COM3", "COM3"}, {"COM4", "COM4"}};
  CCOMPortDlg dlg(nullptr, [&] { return present; });
  dlg.baudRateIndex = 4;
  dlg.comPortIndex = 0;
  dlg.dbType = 3;
  dlg.show();
  EXPECT_EQ(Rows(*dlg.PortList()), (QStringList{"COM1", "COM2", "COM3", "COM4"}));
  dlg.hide();

  // An adapter is plugged in; the next opening finds it.
  present << LinkRows::PortRow{"/dev/ttyUSB0 (FT232R USB UART)", "/dev/ttyUSB0"};
  dlg.show();
  EXPECT_EQ(Rows(*dlg.PortList()),
            (QStringList{"COM1", "COM2", "COM3", "COM4", "/dev/ttyUSB0 (FT232R USB UART)"}));
  dlg.PortList()->setCurrentIndex(4);
  dlg.accept();
  EXPECT_EQ(dlg.comPortIndex, 4);
  EXPECT_EQ(dlg.portDevice, QStringLiteral("/dev/ttyUSB0"));

  // Opened again with that choice, the labelled row is selected; rows 0-3 still select COM1..COM4.
  dlg.show();
  EXPECT_EQ(dlg.PortList()->currentIndex(), 4);
  dlg.PortList()->setCurrentIndex(2);
  dlg.accept();
  EXPECT_EQ(dlg.comPortIndex, 2);
  EXPECT_TRUE(dlg.portDevice.isEmpty());

  // A typed device path selects the row that opens it.
  dlg.show();
  dlg.PortList()->lineEdit()->setText(QStringLiteral("/dev/ttyUSB0"));
  dlg.accept();
  EXPECT_EQ(dlg.comPortIndex, 4);
  EXPECT_EQ(dlg.portDevice, QStringLiteral("/dev/ttyUSB0"));
}

TEST_F(PortListDialog, ReceiveDialogSaysWhyThePortDidNotOpen) {
  LinkSettings s;
  s.comPortIndex = 4;
  s.portDevice = QStringLiteral("/dev/ttyUSB-quelmar-test");
  Prompt::TakeMessages();
  {
    CFileRcvDlg dlg(s);
    dlg.show();
    dlg.reject();
  }
  const QStringList shown = Prompt::TakeMessages();
  ASSERT_FALSE(shown.isEmpty());
  const QStringList lines = shown.front().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], QStringLiteral("/dev/ttyUSB-quelmar-test Open Error!"));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("No such device: /dev/ttyUSB-quelmar-test is not there."))) << lines[1].toStdString();
}

}  // namespace
