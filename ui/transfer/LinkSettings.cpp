#include "ui/transfer/LinkSettings.h"

#include <array>

#include "db/records/DbType.h"
#include "link/PortNames.h"

namespace {
constexpr std::array<int, 5> kBaudRates = {9600, 19200, 38400, 57600, 115200};
}  // namespace

QString LinkSettings::PortName() const {
  if (comPortIndex >= 0 && comPortIndex < LinkRows::kComPorts) {
    return QStringLiteral("COM%1").arg(comPortIndex + 1);
  }
  return portDevice;
}

int LinkSettings::BaudRate() const { return LinkRows::BaudRateAt(baudRateIndex); }

namespace LinkRows {

QStringList DbTypes() {
  QStringList rows;
  for (const char* name : dbtype::kNames) rows << QString::fromLatin1(name);
  return rows;
}

QStringList BaudRates() {
  QStringList rows;
  for (int rate : kBaudRates) rows << QStringLiteral("%1 bps").arg(rate);
  return rows;
}

int BaudRateAt(int row) {
  if (row < 0 || row >= static_cast<int>(kBaudRates.size())) return kBaudRates.back();
  return kBaudRates[static_cast<std::size_t>(row)];
}

QList<PortRow> Ports() {
  QList<PortRow> rows;
  for (const PortNames::Port& port : PortNames::Ports())
    rows << PortRow{QString::fromStdString(port.label), QString::fromStdString(port.name)};
  return rows;
}

}  // namespace LinkRows
