#pragma once
// The port and speed a transfer opens, and the rows of the lists of "Config Setting"
// that show them and the DbType.
#include <QString>
#include <QList>
#include <QStringList>

struct LinkSettings {
  int comPortIndex = 0;   // row of the "Port" list
  int baudRateIndex = 4;  // row of the "Baud Rate" list
  // The device behind comPortIndex when it is not one of "COM1".."COM4" (a serial
  // device found on the machine or a path the user typed); empty otherwise.
  QString portDevice;

  // The name the transfer dialogs open: "COM%d" for rows 0-3, else the device.
  QString PortName() const;
  int BaudRate() const;
};

namespace LinkRows {

inline constexpr int kComPorts = 4;

QStringList DbTypes();
QStringList BaudRates();  // "9600 bps" .. "115200 bps"
int BaudRateAt(int row);  // 9600 .. 115200; 115200 for a row out of range
// A row of the "Port" list: what it shows and the port it opens.
struct PortRow {
  QString label;   // "COM1", "/dev/ttyUSB0 (FT232R USB UART)"
  QString device;  // "COM1", "/dev/ttyUSB0"
};
// "COM1".."COM4", then the serial devices present on the machine now.
QList<PortRow> Ports();

}  // namespace LinkRows
