#include "ui/channels/ProgramInfoArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/operations/ChannelRows.h"
#include "db/operations/ProgramOperations.h"
#include "db/records/ProgramRecord.h"
#include "db/records/TableAt.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/EnterKey.h"
#include "widgets/Prompt.h"
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

bool SameValues(const ProgramFieldControls::Values& a, const ProgramFieldControls::Values& b) {
  const dbops::ProgramNumbers& x = a.numbers;
  const dbops::ProgramNumbers& y = b.numbers;
  return a.name == b.name && a.type == b.type && a.locked == b.locked && x.videoPid == y.videoPid &&
         x.audioPid == y.audioPid && x.pcrPid == y.pcrPid && x.ttextPid == y.ttextPid && x.pmtPid == y.pmtPid &&
         x.serviceId == y.serviceId;
}

}  // namespace

ProgramInfoArea::ProgramInfoArea(DocEditing& doc, PageHost& host, QWidget& page)
    : QObject(&page), doc_(doc), host_(host), page_(page) {
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

void ProgramInfoArea::Reset() {
  valid_ = false;
  program_ = -1;
  stored_ = ProgramFieldControls::Values();
  storedSatellite_.clear();
  ShowStored();
}

void ProgramInfoArea::ShowStored() const {
  fields_.Show(stored_);
  satellite_->setText(storedSatellite_);
  update_->setEnabled(true);
}

void ProgramInfoArea::ShowProgram(int program) {
  const ChannelDatabase& db = doc_.Working();
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) {
    // A row naming no program slot (a damaged image's "?"): the area must not go on
    // showing the program before it, and there is nothing for "Update" to write.
    valid_ = false;
    ShowNone();
    return;
  }
  const int satellite = channelrows::SatelliteOfProgram(db, program);
  storedSatellite_ =
      satellite < 0 ? QStringLiteral("?") : DataExchange::NameText(channelrows::SatelliteName(db, satellite));
  const dbops::ProgramEntry entry = dbops::ProgramEntryOf(db, program, host_.DbType());
  ProgramFieldControls::Values shown;
  shown.locked = entry.locked;
  shown.name = DataExchange::NameFromBytes(entry.name);
  if (const ProgramRecord* record = TableAt(db.programs, program)) shown.type = int(record->ServiceType());
  shown.numbers = entry.numbers;
  // The same program shown again unchanged (the focus coming back to its list, a list
  // refilled around it) keeps what was typed over it.
  const bool keepTyped = valid_ && program == program_ && SameValues(shown, stored_);
  stored_ = shown;
  program_ = program;
  if (!keepTyped) ShowStored();
  valid_ = true;
}

bool ProgramInfoArea::Resolve() {
  if (!valid_ || !fields_.Differ(stored_)) return true;
  // A program deleted meanwhile takes nothing.
  const ChannelDatabase& db = doc_.Working();
  if (!channelrows::ProgramUsed(db, program_)) return true;
  switch (Prompt::Message(&page_, Q(Texts::kApplyChanges).arg(stored_.name),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
                          QMessageBox::Yes)) {
    case QMessageBox::Yes: return Apply(true, -1);
    case QMessageBox::No: ShowStored(); return true;
    default: return false;
  }
}

bool ProgramInfoArea::Apply(bool whole, int selected) {
  // Read into a copy: the area keeps the stored values the typed ones are compared with.
  ProgramFieldControls::Values typed = stored_;
  const bool complete = Read(typed);
  if (!valid_) return true;
  if (whole && !complete) return false;
  // Settling typed values writes them to the program they were typed over, even when a
  // refill has moved the selection since.
  const int program = whole ? program_ : selected;
  const DocEditing::Action action{Q(StepTexts::kUpdateProgram).arg(typed.name).toStdString(),
                                  DocEditing::Mark::IfDone};
  if (!doc_.Apply(action, dbops::UpdateProgram, program, ProgramFieldControls::Entry(typed), host_.DbType())) {
    // No program to write to: nothing typed can be kept for it.
    if (whole) ShowStored();
    return true;
  }
  // The area shows what is stored: a refused field shows its stored value again.
  ShowProgram(program);
  ShowStored();
  return true;
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

bool ProgramInfoArea::Read(ProgramFieldControls::Values& v) const {
  QWidget* parent = &page_;
  const int dbType = host_.DbType();
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
