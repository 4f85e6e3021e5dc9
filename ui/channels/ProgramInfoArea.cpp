#include "ui/channels/ProgramInfoArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/records/ProgramRecord.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/EnterKey.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

constexpr ProgramFieldControls::Layout kLayout = {
    .name = {14, 226, 34, 50, 224, 80, 12},
    .type = {140, 226, 26, 170, 224, 70, 14},
    .videoPid = {14, 244, 34, 50, 242, 50, 12},
    .audioPid = {14, 262, 34, 50, 260, 50, 12},
    .pcrPid = {110, 244, 38, 150, 242, 50, 12},
    .serviceId = {110, 262, 38, 150, 260, 50, 12},
    .ttextPid = {210, 244, 38, 250, 242, 50, 12},
    .pmt = {210, 262, 38, 250, 260, 50, 12},
    .lockX = 50,
    .lockY = 281,
    .lockWidth = 50,
};

}  // namespace

ProgramInfoArea::ProgramInfoArea(QWidget& page) : page_(page) {
  auto* box = new QGroupBox(Q(T::kInfoBox), &page);
  box->setObjectName(QStringLiteral("infoBox"));
  DialogUnits::Place(box, 7, 212, 352, 94);
  fields_ = ProgramFieldControls::Create(&page, kLayout);
  // The Type list only shows the stored type; "Update" does not write it.
  fields_.type->setEnabled(false);
  auto* satLabel = new QLabel(Q(T::kSatellite), &page);
  DialogUnits::Place(satLabel, 250, 226, 34, 8);
  satellite_ = new QLabel(&page);
  satellite_->setObjectName(QStringLiteral("satellite"));
  satellite_->setAccessibleName(Q(T::kSatellite));
  DialogUnits::Place(satellite_, 286, 226, 66, 8);
  update_ = new QPushButton(Q(T::kUpdate), &page);
  update_->setObjectName(QStringLiteral("update"));
  update_->setAccessibleName(Q(T::kUpdate));
  DialogUnits::Place(update_, 300, 280, 50, 14);
}

void ProgramInfoArea::ChainTabOrder(QWidget* before) const {
  const ProgramFieldControls& f = fields_;
  SetTabOrder({before, f.name, f.type, f.videoPid, f.pcrPid, f.ttextPid, f.audioPid, f.serviceId, f.pmt, f.lock,
               update_});
}

void ProgramInfoArea::Show(const ProgramFieldControls::Values& values, const QString& satellite) const {
  fields_.Show(values);
  satellite_->setText(satellite);
  update_->setEnabled(true);
}

void ProgramInfoArea::ShowNone() const {
  fields_.type->setCurrentIndex(-1);
  fields_.lock->setChecked(false);
  for (QLineEdit* edit : {fields_.name, fields_.videoPid, fields_.audioPid, fields_.pcrPid, fields_.serviceId,
                          fields_.ttextPid, fields_.pmt})
    edit->clear();
  satellite_->clear();
  update_->setEnabled(false);
}

void ProgramInfoArea::OnEnter(QObject* owner, std::function<void()> act) const {
  const ProgramFieldControls& f = fields_;
  EnterKey::Attach(owner, {f.name, f.videoPid, f.pcrPid, f.ttextPid, f.audioPid, f.serviceId, f.pmt, f.lock},
                   std::move(act));
}

bool ProgramInfoArea::Read(ProgramFieldControls::Values& v, int dbType) const {
  QWidget* parent = &page_;
  v.type = fields_.type->currentIndex();
  if (!DataExchange::ExchangeName(parent, fields_.name, ProgramRecord::kNameWidth, v.name)) return false;
  dbops::ProgramNumbers& n = v.numbers;
  const std::uint32_t pid = ProgramFieldControls::MaxPid(dbType);
  const struct {
    QLineEdit* edit;
    std::uint32_t* value;
    std::uint32_t max;
  } numbers[] = {{fields_.videoPid, &n.videoPid, pid},
                 {fields_.audioPid, &n.audioPid, pid},
                 {fields_.pcrPid, &n.pcrPid, pid},
                 {fields_.pmt, &n.pmtPid, pid},
                 {fields_.serviceId, &n.serviceId, ProgramFieldControls::kMaxServiceId},
                 {fields_.ttextPid, &n.ttextPid, pid}};
  for (const auto& f : numbers)
    if (!DataExchange::ExchangeUnsigned(parent, f.edit, *f.value, f.max)) return false;
  v.locked = fields_.lock->isChecked();
  return true;
}
