#include "ui/channels/CProgramEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "db/operations/ChannelRows.h"
#include "db/records/TableAt.h"
#include "db/records/ChannelDatabase.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

// Under the satellite and the transponder: the name beside the type, LOCK under the
// name, then the PIDs and the service id in two columns.
constexpr ProgramFieldControls::Arrangement kArrangement = {
    .name = {2, 0},
    .type = {2, 2},
    .videoPid = {4, 0},
    .audioPid = {4, 2},
    .pcrPid = {5, 0},
    .serviceId = {5, 2},
    .ttextPid = {6, 0},
    .pmt = {6, 2},
    .lock = {3, 1},
};

}  // namespace

CProgramEditDlg::CProgramEditDlg(const ChannelDatabase& db, int dbType, QWidget* parent)
    : QDialog(parent), db_(db), dbType_(dbType) {
  setObjectName(QStringLiteral("CProgramEditDlg"));
  setWindowTitle(Q(T::kProgramInfoCaption));
  setFont(DialogUnits::DialogFont());
  BuildControls();
  DialogUnits::SizeTo(this, 259, 207, true);
}

void CProgramEditDlg::BuildControls() {
  auto* grid = new QGridLayout(this);
  satellite_ = NamedControl<QComboBox>(this, "satellite");
  grid->addWidget(BuddyLabel(this, T::kSatellite, satellite_), 0, 0);
  grid->addWidget(satellite_, 0, 1, 1, 3);
  transponder_ = NamedControl<QComboBox>(this, "transponder");
  grid->addWidget(BuddyLabel(this, T::kTransponder, transponder_), 1, 0);
  grid->addWidget(transponder_, 1, 1, 1, 3);
  fields_ = ProgramFieldControls::Create(*grid, kArrangement);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(7, 1);

  ok_ = new QPushButton(Q(T::kOk), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(Q(T::kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 8, 0, 1, 4);
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
