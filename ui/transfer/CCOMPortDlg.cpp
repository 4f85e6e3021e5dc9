#include "ui/transfer/CCOMPortDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui/transfer/LinkDialogTexts.h"
#include "ui/transfer/LinkSettings.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

namespace {

QComboBox* MakeList(QWidget* parent, const char* objectName, const char* label,
                    const QStringList& rows, int x, int y, int width) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  list->setAccessibleName(Texts::Q(label));
  list->addItems(rows);
  // Closed drop-down lists take their natural height; the template's height is the
  // height of the open list.
  const QRect r = DialogUnits::ToPixels(parent->font(), x, y, width, 12);
  list->setGeometry(r.x(), r.y(), r.width(), list->sizeHint().height());
  return list;
}

}  // namespace

CCOMPortDlg::CCOMPortDlg(QWidget* parent, PortSource portRows) : QDialog(parent), portRows_(std::move(portRows)) {
  using namespace LinkDialogTexts;
  setObjectName(QStringLiteral("CCOMPortDlg"));
  setWindowTitle(Texts::Q(kConfigCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 149, 111);
  setFixedSize(size());

  auto* dbLabel = new QLabel(Texts::Q(kDbType), this);
  DialogUnits::Place(dbLabel, 7, 7, 28, 8);
  dbType_ = MakeList(this, "dbType", kDbType, LinkRows::DbTypes(), 7, 20, 112);
  dbLabel->setBuddy(dbType_);

  auto* portLabel = new QLabel(Texts::Q(kPort), this);
  DialogUnits::Place(portLabel, 11, 53, 36, 11);
  port_ = MakeList(this, "port", kPort, {}, 7, 66, 59);
  portLabel->setBuddy(port_);
  // A USB adapter or a pseudo-terminal can be typed as a device path.
  port_->setEditable(true);
  port_->setInsertPolicy(QComboBox::NoInsert);
  port_->lineEdit()->setAccessibleName(Texts::Q(kPort));

  auto* baudLabel = new QLabel(Texts::Q(kBaudRate), this);
  DialogUnits::Place(baudLabel, 85, 53, 41, 12);
  baudRate_ = MakeList(this, "baudRate", kBaudRate, LinkRows::BaudRates(), 83, 66, 59);
  baudLabel->setBuddy(baudRate_);

  auto* ok = new QPushButton(Texts::Q(kOk), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  DialogUnits::Place(ok, 7, 90, 55, 14);
  auto* cancel = new QPushButton(Texts::Q(kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  DialogUnits::Place(cancel, 88, 90, 54, 14);
  connect(ok, &QPushButton::clicked, this, &CCOMPortDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CCOMPortDlg::reject);
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
