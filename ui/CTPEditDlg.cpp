#include "ui/CTPEditDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"
#include "ui/SatTPTexts.h"

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

// A label with its field: the label's text becomes the field's accessible name.
QLabel* Label(QWidget* parent, const char* text, QWidget* buddy, int y) {
  auto* label = new QLabel(L(text), parent);
  label->setBuddy(buddy);
  buddy->setAccessibleName(L(text));
  DialogUnits::Place(label, 7, y + 2, 58, 8);
  return label;
}

}  // namespace

CTPEditDlg::CTPEditDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CTPEditDlg"));
  setWindowTitle(L(SatTPTexts::kTpDialogCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 154, 118);
  setFixedSize(size());

  satellite_ = new QLineEdit(this);
  satellite_->setObjectName(QStringLiteral("satellite"));
  satellite_->setReadOnly(true);
  Label(this, SatTPTexts::kTpSatellite, satellite_, 10);
  DialogUnits::Place(satellite_, 70, 10, 74, 12);

  frequency_ = new QLineEdit(this);
  frequency_->setObjectName(QStringLiteral("frequency"));
  Label(this, SatTPTexts::kTpFrequency, frequency_, 29);
  DialogUnits::Place(frequency_, 70, 29, 74, 12);

  symbolRate_ = new QLineEdit(this);
  symbolRate_->setObjectName(QStringLiteral("symbolRate"));
  Label(this, SatTPTexts::kTpSymbolRate, symbolRate_, 48);
  DialogUnits::Place(symbolRate_, 70, 48, 74, 12);

  polarization_ = new QComboBox(this);
  polarization_->setObjectName(QStringLiteral("polarization"));
  for (const char* row : SatTPTexts::kPolarizationRows) polarization_->addItem(L(row));
  Label(this, SatTPTexts::kTpPolarization, polarization_, 67);
  DialogUnits::Place(polarization_, 70, 67, 74, 13);

  ok_ = new QPushButton(L(SatTPTexts::kOk), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  DialogUnits::Place(ok_, 20, 94, 50, 14);
  auto* cancel = new QPushButton(L(SatTPTexts::kCancel), this);
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
  const auto scanned = DataExchange::ScanUnsigned(edit->text());
  if (!scanned) {
    Prompt::Message(this, L(Texts::kPositiveInteger));
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  if (*scanned > kMaxValue) {
    Prompt::Message(this, L(Texts::kIntegerBetween).arg(0).arg(kMaxValue));
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  value = *scanned;
  return true;
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
