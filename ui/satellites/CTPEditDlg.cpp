#include "ui/satellites/CTPEditDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

#include "ui/satellites/SatTPTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

CTPEditDlg::CTPEditDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CTPEditDlg"));
  setWindowTitle(Q(T::kTpDialogCaption));
  setFont(DialogUnits::DialogFont());

  satellite_ = NamedControl<QLineEdit>(this, "satellite");
  satellite_->setReadOnly(true);
  frequency_ = NamedControl<QLineEdit>(this, "frequency");
  symbolRate_ = NamedControl<QLineEdit>(this, "symbolRate");
  polarization_ = NamedControl<QComboBox>(this, "polarization");
  for (const char* row : T::kPolarizationRows) polarization_->addItem(Q(row));

  ok_ = NamedTextControl<QPushButton>(this, T::kOk, "ok");
  ok_->setDefault(true);
  auto* cancel = NamedTextControl<QPushButton>(this, T::kCancel, "cancel");

  // The four fields one under the other, each with its label in front; OK and Cancel
  // side by side under them.
  auto* grid = new QGridLayout(this);
  const std::pair<const char*, QWidget*> rows[] = {{T::kTpSatellite, satellite_},
                                                   {T::kTpFrequency, frequency_},
                                                   {T::kTpSymbolRate, symbolRate_},
                                                   {T::kTpPolarization, polarization_}};
  int row = 0;
  for (const auto& [label, field] : rows) {
    grid->addWidget(BuddyLabel(this, label, field), row, 0);
    grid->addWidget(field, row++, 1);
  }
  grid->setRowStretch(row++, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, row, 0, 1, 2);
  DialogUnits::SizeTo(this, 154, 118, true);

  connect(ok_, &QPushButton::clicked, this, &CTPEditDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CTPEditDlg::reject);
  // The caller is promised a polarization of 0 or 1 after OK, so OK waits for a row.
  connect(polarization_, &QComboBox::currentIndexChanged, this,
          [this](int row) { ok_->setEnabled(row >= 0); });
  setTabOrder(frequency_, symbolRate_);
  setTabOrder(symbolRate_, polarization_);
  setTabOrder(polarization_, ok_);
  setTabOrder(ok_, cancel);
}

void CTPEditDlg::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) ShowValues();
  QDialog::showEvent(event);
}

void CTPEditDlg::ShowValues() {
  const bool hasRow = tpPolarization >= 0 && tpPolarization < polarization_->count();
  polarization_->setCurrentIndex(hasRow ? tpPolarization : -1);
  ok_->setEnabled(hasRow);
  satellite_->setText(tpSatellite);
  frequency_->setText(QString::number(tpFrequency));
  symbolRate_->setText(QString::number(tpSymbolRate));
  frequency_->setFocus();
  frequency_->selectAll();
}

bool CTPEditDlg::ReadNumber(QLineEdit* edit, std::uint32_t& value) {
  if (DataExchange::ExchangeUnsigned(this, edit, value, kMaxValue)) return true;
  edit->selectAll();
  return false;
}

void CTPEditDlg::accept() {
  tpPolarization = polarization_->currentIndex();
  if (tpPolarization < 0) {
    polarization_->setFocus();
    return;
  }
  tpSatellite = satellite_->text();
  if (!ReadNumber(frequency_, tpFrequency)) return;
  if (!ReadNumber(symbolRate_, tpSymbolRate)) return;
  QDialog::accept();
}
