#include "ui/channels/ProgramInfoArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
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
#include "widgets/EnterKey.h"
#include "widgets/NamedControl.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

// Three rows of labelled fields, the name, type and satellite first; LOCK under the
// first column's fields, "Update" under the last, at their right edge.
constexpr ProgramFieldControls::Arrangement kArrangement = {
    .name = {0, 0},
    .type = {0, 2},
    .videoPid = {1, 0},
    .audioPid = {2, 0},
    .pcrPid = {1, 2},
    .serviceId = {2, 2},
    .ttextPid = {1, 4},
    .pmt = {2, 4},
    .lock = {3, 1},
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
    : QGroupBox(Q(T::kInfoBox), &page), doc_(doc), host_(host), page_(page) {
  setObjectName(QStringLiteral("infoBox"));
  auto* grid = new QGridLayout(this);
  fields_ = ProgramFieldControls::Create(*grid, kArrangement);
  // The Type list only shows the stored type; "Update" does not write it.
  fields_.type->setEnabled(false);
  satellite_ = NamedControl<QLabel>(this, "satellite", T::kSatellite);
  // Room for a satellite's 16 characters whichever program is shown, so that another
  // program's satellite never moves the fields.
  satellite_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  satellite_->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
  grid->addWidget(new QLabel(Q(T::kSatellite), this), 0, 4);
  grid->addWidget(satellite_, 0, 5);
  update_ = NamedTextControl<QPushButton>(this, T::kUpdate, "update");
  grid->addWidget(update_, 3, 5, Qt::AlignRight);
  // The fields keep their width; the box's beyond them is left empty at the right.
  grid->setColumnStretch(6, 1);
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
