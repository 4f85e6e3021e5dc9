#include "ui/satellites/SatInfoArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "db/records/SatelliteRecord.h"
#include "ui/satellites/SatTPPageState.h"
#include "ui/satellites/SatTPTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/EnterKey.h"
#include "widgets/NameLimit.h"
#include "widgets/NamedControl.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

template <std::size_t N>
QComboBox* DropDown(QWidget* parent, const char* objectName, const char* const (&rows)[N]) {
  auto* combo = NamedControl<QComboBox>(parent, objectName);
  for (const char* row : rows) combo->addItem(Q(row));
  return combo;
}

// A combo's row for a stored value, or -1 when the list has no row for it.
int RowOrNone(const QComboBox* combo, int value) {
  return value >= 0 && value < combo->count() ? value : -1;
}

}  // namespace

SatInfoArea::SatInfoArea(QWidget& page) : QGroupBox(Q(T::kSatInfoGroup), &page), page_(page) {
  setObjectName(QStringLiteral("satInfo"));
  name_ = NamedControl<QLineEdit>(this, "name");
  // The record holds 16 bytes; typing and pasting stop there.
  NameLimit::Attach(name_, SatelliteRecord::kNameWidth);
  lnbType_ = DropDown(this, "lnbType", T::kLnbTypeRows);
  lnbFreqHigh_ = NamedControl<QLineEdit>(this, "lnbFreqHigh");
  lnbFreqLow_ = NamedControl<QLineEdit>(this, "lnbFreqLow");
  selected_ = NamedTextControl<QCheckBox>(this, T::kSelected, "selected");
  diseqcPort_ = DropDown(this, "diseqcPort", T::kDiseqcPortRows);
  tone22k_ = NamedControl<QCheckBox>(this, "tone22k");
  tone22k_->setText(Q(T::kOn));
  lnbPower_ = DropDown(this, "lnbPower", T::kLnbPowerRows);
  motor_ = NamedControl<QCheckBox>(this, "motor");
  motor_->setText(Q(T::kOn));
  // A stored motor value the box cannot show as on or off is shown half-ticked and
  // kept; the first click makes the box an ordinary on/off box again.
  QObject::connect(motor_, &QCheckBox::clicked, motor_, [motor = motor_] {
    if (motor->isTristate()) motor->setTristate(false);
  });
  update_ = NamedTextControl<QPushButton>(this, T::kUpdate, "update");

  // Two columns of labelled fields: the name and the LNB on the left, the switches on
  // the right ("Selected" heading them, without a label); "Update" under the left
  // column's fields.
  auto* grid = new QGridLayout(this);
  const auto put = [&](const char* label, QWidget* field, int row, int column) {
    grid->addWidget(BuddyLabel(this, label, field), row, column);
    grid->addWidget(field, row, column + 1);
  };
  put(T::kName, name_, 0, 0);
  put(T::kLnbType, lnbType_, 1, 0);
  put(T::kLnbFreqHigh, lnbFreqHigh_, 2, 0);
  put(T::kLnbFreqLow, lnbFreqLow_, 3, 0);
  grid->addWidget(selected_, 0, 3, 1, 2);
  put(T::kDiseqcPort, diseqcPort_, 1, 3);
  put(T::kTone22k, tone22k_, 2, 3);
  put(T::kLnbPower, lnbPower_, 3, 3);
  put(T::kMotor, motor_, 4, 3);
  grid->addWidget(update_, 5, 1);
  // A gap between the columns; the fields keep their width, the box's beyond them is
  // left empty at the right.
  grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 2);
  grid->setColumnStretch(5, 1);
}

void SatInfoArea::ChainTabOrder(QWidget* before) const {
  SetTabOrder({before, name_, lnbType_, lnbFreqHigh_, lnbFreqLow_, selected_, diseqcPort_, tone22k_, lnbPower_,
               motor_, update_});
}

void SatInfoArea::Show(const SatellitePanelState& s) {
  setEnabled(true);
  tone22k_->setChecked(s.infoTone22k != 0);
  if (s.infoMotor == 0 || s.infoMotor == 1) {
    motor_->setTristate(false);
    motor_->setChecked(s.infoMotor == 1);
  } else {
    motor_->setTristate(true);
    motor_->setCheckState(Qt::PartiallyChecked);
  }
  selected_->setChecked(s.infoSelected != 0);
  lnbPower_->setCurrentIndex(RowOrNone(lnbPower_, s.infoLnbPower));
  diseqcPort_->setCurrentIndex(RowOrNone(diseqcPort_, s.infoDiseqcPort));
  lnbType_->setCurrentIndex(RowOrNone(lnbType_, s.infoLnbType));
  name_->setText(s.infoName);
  lnbFreqHigh_->setText(QString::number(s.infoLnbFreqHigh));
  lnbFreqLow_->setText(QString::number(s.infoLnbFreqLow));
}

void SatInfoArea::Clear() {
  tone22k_->setChecked(false);
  motor_->setTristate(false);
  motor_->setChecked(false);
  selected_->setChecked(false);
  lnbPower_->setCurrentIndex(-1);
  diseqcPort_->setCurrentIndex(-1);
  lnbType_->setCurrentIndex(-1);
  name_->clear();
  lnbFreqHigh_->clear();
  lnbFreqLow_->clear();
  setEnabled(false);
}

bool SatInfoArea::Read(SatellitePanelState& s, bool* complete) const {
  s.infoTone22k = tone22k_->isChecked() ? 1 : 0;
  if (motor_->checkState() != Qt::PartiallyChecked) s.infoMotor = motor_->isChecked() ? 1 : 0;
  s.infoSelected = selected_->isChecked() ? 1 : 0;
  s.infoLnbPower = lnbPower_->currentIndex();
  s.infoDiseqcPort = diseqcPort_->currentIndex();
  s.infoLnbType = lnbType_->currentIndex();
  if (!DataExchange::ExchangeName(&page_, name_, SatelliteRecord::kNameWidth, s.infoName)) return false;
  // A frequency without a number, or one the 16-bit field cannot hold, ends the reading
  // there; what follows keeps its value.
  const bool frequencies =
      DataExchange::ExchangeUnsigned(&page_, lnbFreqHigh_, s.infoLnbFreqHigh, SatelliteFields::kLnbFreqHigh.MaxValue()) &&
      DataExchange::ExchangeUnsigned(&page_, lnbFreqLow_, s.infoLnbFreqLow, SatelliteFields::kLnbFreqLow.MaxValue());
  if (complete) *complete = frequencies;
  return true;
}

bool SatInfoArea::Differs(const SatellitePanelState& s) const {
  if (!isEnabled()) return false;
  // A half-ticked motor box still shows the stored value.
  const bool motorChanged =
      motor_->checkState() != Qt::PartiallyChecked && (motor_->isChecked() ? 1 : 0) != s.infoMotor;
  return motorChanged || tone22k_->isChecked() != (s.infoTone22k != 0) ||
         selected_->isChecked() != (s.infoSelected != 0) ||
         lnbPower_->currentIndex() != RowOrNone(lnbPower_, s.infoLnbPower) ||
         diseqcPort_->currentIndex() != RowOrNone(diseqcPort_, s.infoDiseqcPort) ||
         lnbType_->currentIndex() != RowOrNone(lnbType_, s.infoLnbType) || name_->text() != s.infoName ||
         lnbFreqHigh_->text() != QString::number(s.infoLnbFreqHigh) ||
         lnbFreqLow_->text() != QString::number(s.infoLnbFreqLow);
}

void SatInfoArea::OnEnter(QObject* owner, std::function<void()> act) const {
  EnterKey::Attach(owner, {name_, lnbType_, lnbFreqHigh_, lnbFreqLow_, selected_, diseqcPort_, tone22k_, lnbPower_, motor_},
                   std::move(act));
}
