#include "ui/satellites/SatInfoArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "db/records/SatelliteRecord.h"
#include "ui/satellites/SatTPPageState.h"
#include "ui/satellites/SatTPTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/EnterKey.h"
#include "widgets/LabelledControl.h"
#include "widgets/NameLimit.h"
#include "widgets/PlacedControl.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

template <std::size_t N>
QComboBox* DropDown(QWidget* parent, const char* objectName, const char* const (&rows)[N], int x, int y, int w) {
  auto* combo = PlacedControl<QComboBox>(parent, objectName, nullptr, x, y, w, 13);
  for (const char* row : rows) combo->addItem(Q(row));
  return combo;
}

// A combo's row for a stored value, or -1 when the list has no row for it.
int RowOrNone(const QComboBox* combo, int value) {
  return value >= 0 && value < combo->count() ? value : -1;
}

}  // namespace

SatInfoArea::SatInfoArea(QWidget& page) : page_(page) {
  box_ = new QGroupBox(Q(T::kSatInfoGroup), &page);
  box_->setObjectName(QStringLiteral("satInfo"));
  DialogUnits::Place(box_, 126, 170, 233, 135);
  QWidget* info = box_;
  // Positions inside the group box, in the page's dialog units.
  constexpr int kLabelX = 7, kFieldX = 64, kFieldW = 58, kRightLabelX = 134, kRightFieldX = 178,
                kRightFieldW = 46;

  name_ = PlacedControl<QLineEdit>(info, "name", nullptr, kFieldX, 13, kFieldW, 12);
  // The record holds 16 bytes; typing and pasting stop there.
  NameLimit::Attach(name_, SatelliteRecord::kNameWidth);
  AttachLabel(info, T::kName, name_, kLabelX, 15, 56);
  lnbType_ = DropDown(info, "lnbType", T::kLnbTypeRows, kFieldX, 31, kFieldW);
  AttachLabel(info, T::kLnbType, lnbType_, kLabelX, 33, 56);
  lnbFreqHigh_ = PlacedControl<QLineEdit>(info, "lnbFreqHigh", nullptr, kFieldX, 49, kFieldW, 12);
  AttachLabel(info, T::kLnbFreqHigh, lnbFreqHigh_, kLabelX, 51, 56);
  lnbFreqLow_ = PlacedControl<QLineEdit>(info, "lnbFreqLow", nullptr, kFieldX, 67, kFieldW, 12);
  AttachLabel(info, T::kLnbFreqLow, lnbFreqLow_, kLabelX, 69, 56);

  selected_ = PlacedTextControl<QCheckBox>(info, T::kSelected, "selected", kRightLabelX, 14, 90, 10);
  diseqcPort_ = DropDown(info, "diseqcPort", T::kDiseqcPortRows, kRightFieldX, 31, kRightFieldW);
  AttachLabel(info, T::kDiseqcPort, diseqcPort_, kRightLabelX, 33, 42);
  tone22k_ = PlacedControl<QCheckBox>(info, "tone22k", nullptr, kRightFieldX, 50, kRightFieldW, 10);
  tone22k_->setText(Q(T::kOn));
  AttachLabel(info, T::kTone22k, tone22k_, kRightLabelX, 51, 42);
  lnbPower_ = DropDown(info, "lnbPower", T::kLnbPowerRows, kRightFieldX, 67, kRightFieldW);
  AttachLabel(info, T::kLnbPower, lnbPower_, kRightLabelX, 69, 42);
  motor_ = PlacedControl<QCheckBox>(info, "motor", nullptr, kRightFieldX, 86, kRightFieldW, 10);
  motor_->setText(Q(T::kOn));
  AttachLabel(info, T::kMotor, motor_, kRightLabelX, 87, 42);
  // A stored motor value the box cannot show as on or off is shown half-ticked and
  // kept; the first click makes the box an ordinary on/off box again.
  QObject::connect(motor_, &QCheckBox::clicked, motor_, [motor = motor_] {
    if (motor->isTristate()) motor->setTristate(false);
  });

  update_ = PlacedTextControl<QPushButton>(info, T::kUpdate, "update", kFieldX, 110, kFieldW, 14);
}

void SatInfoArea::ChainTabOrder(QWidget* before) const {
  SetTabOrder({before, name_, lnbType_, lnbFreqHigh_, lnbFreqLow_, selected_, diseqcPort_, tone22k_, lnbPower_,
               motor_, update_});
}

void SatInfoArea::Show(const SatellitePanelState& s) const {
  box_->setEnabled(true);
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

void SatInfoArea::Clear() const {
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
  box_->setEnabled(false);
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
  if (!box_->isEnabled()) return false;
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
