#include "ui/satellites/CTPEditDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "ui/satellites/SatTPTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LabelledControl.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

// A label with its field at the left edge of the dialog.
void Label(QWidget* parent, const char* text, QWidget* field, int y) { AttachLabel(parent, text, field, 7, y + 2, 58); }

}  // namespace

CTPEditDlg::CTPEditDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CTPEditDlg"));
  setWindowTitle(Q(T::kTpDialogCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 154, 118);
  setFixedSize(size());

  satellite_ = new QLineEdit(this);
  satellite_->setObjectName(QStringLiteral("satellite"));
  satellite_->setReadOnly(true);
  Label(this, T::kTpSatellite, satellite_, 10);
  DialogUnits::Place(satellite_, 70, 10, 74, 12);

  frequency_ = new QLineEdit(this);
  frequency_->setObjectName(QStringLiteral("frequency"));
  Label(this, T::kTpFrequency, frequency_, 29);
  DialogUnits::Place(frequency_, 70, 29, 74, 12);

  symbolRate_ = new QLineEdit(this);
  symbolRate_->setObjectName(QStringLiteral("symbolRate"));
  Label(this, T::kTpSymbolRate, symbolRate_, 48);
  DialogUnits::Place(symbolRate_, 70, 48, 74, 12);

  polarization_ = new QComboBox(this);
  polarization_->setObjectName(QStringLiteral("polarization"));
  for (const char* row : T::kPolarizationRows) polarization_->addItem(Q(row));
  Label(this, T::kTpPolarization, polarization_, 67);
  DialogUnits::Place(polarization_, 70, 67, 74, 13);

  ok_ = new QPushButton(Q(T::kOk), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  DialogUnits::Place(ok_, 20, 94, 50, 14);
  auto* cancel = new QPushButton(Q(T::kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  DialogUnits::Place(cancel, 84, 94, 50, 14);

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
