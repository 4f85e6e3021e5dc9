#include "ui/channels/CProgramEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "db/operations/ChannelRows.h"
#include "db/records/TableAt.h"
#include "db/records/ChannelDatabase.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LabelledControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

constexpr ProgramFieldControls::Layout kLayout = {
    .name = {10, 54, 50, 62, 52, 72, 12},
    .type = {144, 54, 30, 176, 52, 72, 14},
    .videoPid = {10, 93, 50, 62, 91, 60, 12},
    .audioPid = {136, 93, 40, 188, 91, 60, 12},
    .pcrPid = {10, 112, 50, 62, 110, 60, 12},
    .serviceId = {136, 112, 48, 188, 110, 60, 12},
    .ttextPid = {10, 131, 50, 62, 129, 60, 12},
    .pmt = {136, 131, 40, 188, 129, 60, 12},
    .lockX = 62,
    .lockY = 71,
    .lockWidth = 60,
};

}  // namespace

CProgramEditDlg::CProgramEditDlg(const ChannelDatabase& db, int dbType, QWidget* parent)
    : QDialog(parent), db_(db), dbType_(dbType) {
  setObjectName(QStringLiteral("CProgramEditDlg"));
  setWindowTitle(Q(T::kProgramInfoCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 259, 207);
  setFixedSize(size());
  BuildControls();
}

void CProgramEditDlg::BuildControls() {
  satellite_ = LabelledControl<QComboBox>(this, T::kSatellite, "satellite", 10, 12, 50, 62, 10, 186, 14);
  transponder_ =
      LabelledControl<QComboBox>(this, T::kTransponder, "transponder", 10, 31, 50, 62, 29, 186, 14);
  fields_ = ProgramFieldControls::Create(this, kLayout);

  ok_ = new QPushButton(Q(T::kOk), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  DialogUnits::Place(ok_, 72, 184, 50, 14);
  auto* cancel = new QPushButton(Q(T::kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  DialogUnits::Place(cancel, 136, 184, 50, 14);
  connect(ok_, &QPushButton::clicked, this, &CProgramEditDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CProgramEditDlg::reject);
  connect(satellite_, &QComboBox::currentIndexChanged, this, [this] { FillTransponders(); });
}

int CProgramEditDlg::SatelliteChoice(int row) const {
  return ValueAt(satelliteChoices_, row, -1);
}

int CProgramEditDlg::TransponderRow(int row) const {
  return ValueAt(transponders_.rows, row, -1, transponders_.count);
}

ProgramFieldControls::Values CProgramEditDlg::Entered() const {
  ProgramFieldControls::Values v;
  v.name = progName;
  v.type = progType;
  v.locked = (progLocked & 1) != 0;
  v.numbers = {progVideoPid, progAudioPid, progPcrPid, progTtextPid, progPmtPid, progServiceId};
  return v;
}

void CProgramEditDlg::showEvent(QShowEvent* event) {
  // The lists are filled once, when the dialog first opens, from the presets.
  if (!shown_) {
    shown_ = true;
    ShowValues();
    FillSatellites();
    PreselectSatellite();
    FillTransponders();
  }
  QDialog::showEvent(event);
}

void CProgramEditDlg::ShowValues() {
  ProgramFieldControls::Values shown = Entered();
  shown.locked = progLocked != 0;
  fields_.Show(shown);
}

void CProgramEditDlg::FillSatellites() {
  const QSignalBlocker block(satellite_);
  satellite_->clear();
  satelliteChoices_ = channelrows::UsedSatellites(db_);
  for (int s : satelliteChoices_) satellite_->addItem(DataExchange::NameText(channelrows::SatelliteName(db_, s)));
  satellite_->setCurrentIndex(-1);
}

void CProgramEditDlg::PreselectSatellite() {
  // The satellite of the lowest used transponder, hidden or not, is where a new
  // program most likely belongs.
  for (const TransponderRecord& tp : db_.transponders) {
    if (!tp.IsUsed()) continue;
    const int sat = int(tp.SatelliteIndex());
    const auto found = std::find(satelliteChoices_.begin(), satelliteChoices_.end(), sat);
    if (found != satelliteChoices_.end()) {
      const QSignalBlocker block(satellite_);
      satellite_->setCurrentIndex(int(found - satelliteChoices_.begin()));
    }
    return;
  }
}

void CProgramEditDlg::FillTransponders() {
  const int sat = SatelliteChoice(satellite_->currentIndex());
  transponders_ = sat >= 0 ? dbops::ListTransponders(db_, sat) : ListedTransponders();
  const QSignalBlocker block(transponder_);
  transponder_->clear();
  for (int row = 0; row < transponders_.count; ++row) {
    const TransponderRecord* record = TableAt(db_.transponders, TransponderRow(row));
    if (!record) continue;
    const TransponderRecord& tp = *record;
    transponder_->addItem(Q(T::kTransponderRow)
                              .arg(tp.Frequency())
                              .arg(tp.SymbolRate())
                              .arg(Q(tp.Polarization() ? T::kPolHorizontal : T::kPolVertical)));
  }
  transponder_->setCurrentIndex(transponders_.count > 0 ? 0 : -1);
  // Without a transponder the program would be stored on one the user was never shown.
  ok_->setEnabled(transponders_.count > 0);
}

bool CProgramEditDlg::ReadControls() {
  using DataExchange::ExchangeUnsigned;
  // The hidden CAS, Age Limit and Audio Lang controls are read by nothing.
  progLocked = fields_.lock->isChecked() ? 1 : 0;
  progType = fields_.type->currentIndex();
  const std::uint32_t pid = ProgramFieldControls::MaxPid(dbType_);
  return ExchangeUnsigned(this, fields_.audioPid, progAudioPid, pid) &&
         DataExchange::ExchangeName(this, fields_.name, ProgramRecord::kNameWidth, progName) &&
         ExchangeUnsigned(this, fields_.pcrPid, progPcrPid, pid) && ExchangeUnsigned(this, fields_.pmt, progPmtPid, pid) &&
         ExchangeUnsigned(this, fields_.serviceId, progServiceId, ProgramFieldControls::kMaxServiceId) &&
         ExchangeUnsigned(this, fields_.ttextPid, progTtextPid, pid) &&
         ExchangeUnsigned(this, fields_.videoPid, progVideoPid, pid);
}

void CProgramEditDlg::accept() {
  if (!ReadControls()) return;
  const int slot = TransponderRow(transponder_->currentIndex());
  if (slot < 0) return;  // OK is disabled while no transponder is offered
  chosenTransponder = slot;
  QDialog::accept();
}
