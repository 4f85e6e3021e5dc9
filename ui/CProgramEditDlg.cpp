#include "ui/CProgramEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LabelledControl.h"
#include "ui/ProgramHiddenControls.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"
#include "db/ChannelDatabase.h"
#include "ui/GroupChTexts.h"

namespace T = GroupChTexts;

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }


}  // namespace

CProgramEditDlg::CProgramEditDlg(const ChannelDatabase& db, QWidget* parent)
    : QDialog(parent), db_(db) {
  setObjectName(QStringLiteral("CProgramEditDlg"));
  setWindowTitle(L(T::kProgramInfoCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 259, 207);
  setFixedSize(size());
  BuildControls();
}

void CProgramEditDlg::BuildControls() {
  satellite_ = LabelledControl<QComboBox>(this, T::kSatellite, "satellite", 10, 12, 50, 62, 10, 186, 14);
  transponder_ =
      LabelledControl<QComboBox>(this, T::kTransponder, "transponder", 10, 31, 50, 62, 29, 186, 14);
  name_ = LabelledControl<QLineEdit>(this, T::kName, "name", 10, 54, 50, 62, 52, 72, 12);
  // The program name field holds 14 bytes; typing stops there.
  name_->setMaxLength(14);
  type_ = LabelledControl<QComboBox>(this, T::kType, "type", 144, 54, 30, 176, 52, 72, 14);
  type_->addItems({L(T::kTypeUnknown), L(T::kTypeTv), L(T::kTypeRadio)});
  lock_ = new QCheckBox(L(T::kLock), this);
  lock_->setObjectName(QStringLiteral("lock"));
  lock_->setAccessibleName(L(T::kLock));
  DialogUnits::Place(lock_, 62, 71, 60, 10);

  videoPid_ = LabelledControl<QLineEdit>(this, T::kVideoPid, "videoPid", 10, 93, 50, 62, 91, 60, 12);
  audioPid_ = LabelledControl<QLineEdit>(this, T::kAudioPid, "audioPid", 136, 93, 40, 188, 91, 60, 12);
  pcrPid_ = LabelledControl<QLineEdit>(this, T::kPcrPid, "pcrPid", 10, 112, 50, 62, 110, 60, 12);
  serviceId_ =
      LabelledControl<QLineEdit>(this, T::kServiceId, "serviceId", 136, 112, 48, 188, 110, 60, 12);
  ttextPid_ = LabelledControl<QLineEdit>(this, T::kTtextPid, "ttextPid", 10, 131, 50, 62, 129, 60, 12);
  pmt_ = LabelledControl<QLineEdit>(this, T::kPmt, "pmt", 136, 131, 40, 188, 129, 60, 12);

  CreateHiddenProgramControls(this);

  ok_ = new QPushButton(L(T::kOk), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  DialogUnits::Place(ok_, 72, 184, 50, 14);
  auto* cancel = new QPushButton(L(T::kCancel), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  DialogUnits::Place(cancel, 136, 184, 50, 14);
  connect(ok_, &QPushButton::clicked, this, &CProgramEditDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CProgramEditDlg::reject);
  connect(satellite_, &QComboBox::currentIndexChanged, this, [this] { FillTransponders(); });
}

int CProgramEditDlg::SatelliteChoice(int row) const {
  return row >= 0 && row < satelliteRowCount_ ? satelliteChoices_[std::size_t(row)] : -1;
}

int CProgramEditDlg::TransponderRow(int row) const {
  return row >= 0 && row < transponderRowCount_ ? transponderRows_[std::size_t(row)] : -1;
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
  type_->setCurrentIndex(progType >= 0 && progType < type_->count() ? progType : -1);
  lock_->setChecked(progLocked != 0);
  name_->setText(progName);
  videoPid_->setText(QString::number(progVideoPid));
  audioPid_->setText(QString::number(progAudioPid));
  pcrPid_->setText(QString::number(progPcrPid));
  serviceId_->setText(QString::number(progServiceId));
  ttextPid_->setText(QString::number(progTtextPid));
  pmt_->setText(QString::number(progPmtPid));
}

void CProgramEditDlg::FillSatellites() {
  const QSignalBlocker block(satellite_);
  satellite_->clear();
  satelliteRowCount_ = 0;
  for (std::size_t s = 0; s < ChannelDatabase::kSatelliteCount; ++s) {
    const SatelliteRecord& sat = db_.satellites[s];
    if (!sat.IsUsed()) continue;
    satellite_->addItem(DataExchange::NameFromField(sat.NameField(), SatelliteRecord::kNameWidth));
    satelliteChoices_[std::size_t(satelliteRowCount_++)] = int(s);
  }
  satellite_->setCurrentIndex(-1);
}

void CProgramEditDlg::PreselectSatellite() {
  // The satellite of the lowest used transponder, hidden or not, is where a new
  // program most likely belongs.
  for (const TransponderRecord& tp : db_.transponders) {
    if (!tp.IsUsed()) continue;
    const int sat = int(tp.SatelliteIndex());
    for (int row = 0; row < satelliteRowCount_; ++row) {
      if (satelliteChoices_[std::size_t(row)] == sat) {
        const QSignalBlocker block(satellite_);
        satellite_->setCurrentIndex(row);
        break;
      }
    }
    return;
  }
}

void CProgramEditDlg::FillTransponders() {
  transponderRows_.fill(0);
  transponderRowCount_ = 0;
  const int sat = SatelliteChoice(satellite_->currentIndex());
  if (sat >= 0) {
    for (std::size_t t = 0; t < ChannelDatabase::kTransponderCount; ++t) {
      const TransponderRecord& tp = db_.transponders[t];
      if (int(tp.SatelliteIndex()) != sat) continue;
      if (transponderRowCount_ == kMaxTransponderRows) break;
      if (tp.IsListed()) transponderRows_[std::size_t(transponderRowCount_++)] = int(t);
    }
  }
  const QSignalBlocker block(transponder_);
  transponder_->clear();
  for (int row = 0; row < transponderRowCount_; ++row) {
    const TransponderRecord& tp = db_.transponders[std::size_t(transponderRows_[std::size_t(row)])];
    transponder_->addItem(L(T::kTransponderRow)
                              .arg(tp.Frequency())
                              .arg(tp.SymbolRate())
                              .arg(L(tp.Polarization() ? T::kPolHorizontal : T::kPolVertical)));
  }
  transponder_->setCurrentIndex(transponderRowCount_ > 0 ? 0 : -1);
  // Without a transponder the program would be stored on one the user was never shown.
  ok_->setEnabled(transponderRowCount_ > 0);
}

bool CProgramEditDlg::ReadControls() {
  auto number = [this](QLineEdit* edit, std::uint32_t& value) {
    const auto v = DataExchange::ScanUnsigned(edit->text());
    if (!v) {
      Prompt::Message(this, L(Texts::kPositiveInteger));
      edit->setFocus();
      return false;
    }
    value = *v;
    return true;
  };
  progLocked = lock_->isChecked() ? 1 : 0;
  progType = type_->currentIndex();
  if (!number(audioPid_, progAudioPid)) return false;
  const QString name = name_->text();
  if (name.size() > int(ProgramRecord::kNameWidth)) {
    Prompt::Message(this, L(Texts::kNoMoreThan).arg(ProgramRecord::kNameWidth));
    name_->setFocus();
    return false;
  }
  if (!DataExchange::NameToBytes(name)) {
    Prompt::Message(this, L(Texts::kNameNotStorable));
    name_->setFocus();
    return false;
  }
  progName = name;
  return number(pcrPid_, progPcrPid) && number(pmt_, progPmtPid) &&
         number(serviceId_, progServiceId) && number(ttextPid_, progTtextPid) &&
         number(videoPid_, progVideoPid);
}

void CProgramEditDlg::accept() {
  if (!ReadControls()) return;
  const int slot = TransponderRow(transponder_->currentIndex());
  if (slot < 0) return;  // OK is disabled while no transponder is offered
  chosenTransponder = slot;
  QDialog::accept();
}
