#include "app/KeptPort.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include "app/AppTexts.h"
#include "widgets/Texts.h"

using Texts::Q;

namespace KeptPort {

void Keep(const LinkSettings& link) {
  QSettings store(Q(AppTexts::kSettingsOrganization), Q(AppTexts::kSettingsApplication));
  store.beginGroup(Q(AppTexts::kLinkSection));
  store.setValue(Q(AppTexts::kPortKey), link.PortName());
  store.setValue(Q(AppTexts::kBaudRateKey), link.BaudRate());
}

LinkSettings Restore(const LinkSettings& start, QString& missing) {
  missing.clear();
  QSettings store(Q(AppTexts::kSettingsOrganization), Q(AppTexts::kSettingsApplication));
  store.beginGroup(Q(AppTexts::kLinkSection));
  LinkSettings link = start;
  const QString port = store.value(Q(AppTexts::kPortKey)).toString();
  static const QRegularExpression comRow(QStringLiteral("^COM([1-4])$"));
  if (const auto m = comRow.match(port); m.hasMatch()) {
    link.comPortIndex = m.captured(1).toInt() - 1;
    link.portDevice.clear();
  } else if (!port.isEmpty()) {
    // Not one of the four rows: the dialog finds it among the devices or lists it as typed.
    link.comPortIndex = LinkRows::kComPorts;
    link.portDevice = port;
    // A link to an adapter that is unplugged leads nowhere.
    if (!QFileInfo::exists(port)) missing = Q(AppTexts::kPortMissing).arg(port);
  }
  bool ok = false;
  const int baud = store.value(Q(AppTexts::kBaudRateKey)).toInt(&ok);
  for (int row = 0; ok && row < LinkRows::BaudRates().size(); ++row)
    if (LinkRows::BaudRateAt(row) == baud) link.baudRateIndex = row;
  return link;
}

}  // namespace KeptPort
