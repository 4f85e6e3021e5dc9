#include "ui/transfer/CCOMPortDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui/transfer/LinkDialogTexts.h"
#include "ui/transfer/LinkSettings.h"
#include "widgets/DialogUnits.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace {

QComboBox* MakeList(QWidget* parent, const char* objectName, const QStringList& rows) {
  auto* list = NamedControl<QComboBox>(parent, objectName);
  list->addItems(rows);
  return list;
}

}  // namespace

CCOMPortDlg::CCOMPortDlg(QWidget* parent, PortSource portRows) : QDialog(parent), portRows_(std::move(portRows)) {
  using namespace LinkDialogTexts;
  setObjectName(QStringLiteral("CCOMPortDlg"));
  setWindowTitle(Texts::Q(kConfigCaption));
  setFont(DialogUnits::DialogFont());

  dbType_ = MakeList(this, "dbType", LinkRows::DbTypes());
  port_ = MakeList(this, "port", {});
  // A USB adapter or a pseudo-terminal can be typed as a device path.
  port_->setEditable(true);
  port_->setInsertPolicy(QComboBox::NoInsert);
  baudRate_ = MakeList(this, "baudRate", LinkRows::BaudRates());
  auto* ok = NamedTextControl<QPushButton>(this, kOk, "ok");
  ok->setDefault(true);
  auto* cancel = NamedTextControl<QPushButton>(this, kCancel, "cancel");
  connect(ok, &QPushButton::clicked, this, &CCOMPortDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CCOMPortDlg::reject);

  // "DB Type" over its list across the dialog; "Port" and "Baud Rate" side by side,
  // each over its list; OK under the port, Cancel under the baud rate.
  auto* grid = new QGridLayout(this);
  grid->addWidget(BuddyLabel(this, kDbType, dbType_), 0, 0);
  grid->addWidget(dbType_, 1, 0, 1, 2);
  grid->setRowMinimumHeight(2, fontMetrics().height());
  grid->addWidget(BuddyLabel(this, kPort, port_), 3, 0);
  grid->addWidget(port_, 4, 0);
  grid->addWidget(BuddyLabel(this, kBaudRate, baudRate_), 3, 1);
  grid->addWidget(baudRate_, 4, 1);
  grid->setRowStretch(5, 1);
  grid->addWidget(ok, 6, 0);
  grid->addWidget(cancel, 6, 1);
  port_->lineEdit()->setAccessibleName(Texts::Q(kPort));
  DialogUnits::SizeTo(this, 149, 111, true);
}

void CCOMPortDlg::showEvent(QShowEvent* event) {
  RefreshPorts();
  ExchangeToLists();
  QDialog::showEvent(event);
}

void CCOMPortDlg::RefreshPorts() {
  port_->clear();
  for (const LinkRows::PortRow& row : portRows_()) port_->addItem(row.label, row.device);
}

int CCOMPortDlg::PortRowOf(const QString& text) const {
  const int row = port_->findText(text);
  return row >= 0 ? row : port_->findData(text);
}

void CCOMPortDlg::ExchangeToLists() {
  dbType_->setCurrentIndex(dbType);
  baudRate_->setCurrentIndex(baudRateIndex);
  if (comPortIndex >= LinkRows::kComPorts && !portDevice.isEmpty()) {
    int row = PortRowOf(portDevice);
    if (row < 0) {
      port_->addItem(portDevice, portDevice);
      row = port_->count() - 1;
    }
    port_->setCurrentIndex(row);
  } else {
    port_->setCurrentIndex(comPortIndex < port_->count() ? comPortIndex : -1);
  }
}

void CCOMPortDlg::ExchangeFromLists() {
  dbType = dbType_->currentIndex();
  baudRateIndex = baudRate_->currentIndex();
  const QString text = port_->currentText().trimmed();
  int row = PortRowOf(text);
  if (row < 0 && !text.isEmpty()) {
    port_->addItem(text, text);
    row = port_->count() - 1;
  }
  comPortIndex = row;
  portDevice = row >= LinkRows::kComPorts ? port_->itemData(row).toString() : QString();
}

void CCOMPortDlg::accept() {
  ExchangeFromLists();
  QDialog::accept();
}
