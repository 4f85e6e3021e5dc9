#include "ui/CPageSatTP.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/CInputName.h"
#include "widgets/CommandIds.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "ui/PageHost.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"
#include "db/CQuelmarDoc.h"
#include "ui/CPageGroupCh.h"
#include "ui/CTPEditDlg.h"
#include "ui/SatTPListView.h"
#include "ui/SatTPTexts.h"

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

QString SatelliteRowText(const SatelliteRecord& sat) {
  return L(SatTPTexts::kSatelliteRow)
      .arg(DataExchange::NameFromField(sat.NameField(), SatelliteRecord::kNameWidth));
}

QTreeWidgetItem* TransponderRow(const TransponderRecord& tp) {
  return new QTreeWidgetItem(QStringList{
      QString::number(tp.Frequency()), QString::number(tp.SymbolRate()),
      L(tp.Polarization() == TransponderRecord::kHorizontal ? SatTPTexts::kPolarHor
                                                            : SatTPTexts::kPolarVer)});
}

// A label beside its field; the field takes the label's text as its accessible name.
void Labelled(QWidget* parent, const char* text, QWidget* field, int x, int y, int labelWidth) {
  auto* label = new QLabel(L(text), parent);
  label->setBuddy(field);
  field->setAccessibleName(L(text));
  DialogUnits::Place(label, x, y + 2, labelWidth, 8);
}

template <std::size_t N>
QComboBox* DropDown(QWidget* parent, const char* objectName, const char* const (&rows)[N]) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(L(objectName));
  for (const char* row : rows) combo->addItem(L(row));
  return combo;
}

// A combo's row for a stored value, or -1 when the list has no row for it.
int RowOrNone(const QComboBox* combo, int value) {
  return value >= 0 && value < combo->count() ? value : -1;
}

}  // namespace

CPageSatTP::CPageSatTP(CQuelmarDoc& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageSatTP"));
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 366, 312);
  CreateControls();
  // The lists, then the settings: down the left column, down the right, then Update.
  SetTabOrder({satelliteList_, transponderList_, name_, lnbType_, lnbFreqHigh_, lnbFreqLow_, selected_,
               diseqcPort_, tone22k_, lnbPower_, motor_, update_});
}

QString CPageSatTP::Title() { return L(SatTPTexts::kPageTitle); }

void CPageSatTP::CreateControls() {
  // Everything is placed in dialog units of the page font, on the page itself, so the
  // group boxes only frame their controls.
  auto* satGroup = new QGroupBox(L(SatTPTexts::kSatelliteGroup), this);
  satGroup->setObjectName(QStringLiteral("satelliteGroup"));
  DialogUnits::Place(satGroup, 7, 7, 112, 298);
  satelliteList_ = new SatTPListView(this);
  satelliteList_->setObjectName(QStringLiteral("satelliteList"));
  satelliteList_->setAccessibleName(L(SatTPTexts::kSatelliteGroup));
  satelliteList_->setHeaderLabels({L(SatTPTexts::kColumnAntName)});
  DialogUnits::Place(satelliteList_, 13, 18, 100, 281);

  auto* tpGroup = new QGroupBox(L(SatTPTexts::kTransponderGroup), this);
  tpGroup->setObjectName(QStringLiteral("transponderGroup"));
  DialogUnits::Place(tpGroup, 126, 7, 233, 158);
  transponderList_ = new SatTPListView(this);
  transponderList_->setObjectName(QStringLiteral("transponderList"));
  transponderList_->setAccessibleName(L(SatTPTexts::kTransponderGroup));
  transponderList_->setFrameShape(QFrame::NoFrame);
  transponderList_->setHeaderLabels({L(SatTPTexts::kColumnFreq), L(SatTPTexts::kColumnSymbol),
                                     L(SatTPTexts::kColumnPolar)});
  DialogUnits::Place(transponderList_, 132, 18, 221, 141);

  satInfo_ = new QGroupBox(L(SatTPTexts::kSatInfoGroup), this);
  satInfo_->setObjectName(QStringLiteral("satInfo"));
  DialogUnits::Place(satInfo_, 126, 170, 233, 135);
  QWidget* info = satInfo_;
  // Positions inside the group box, in the same units.
  constexpr int kLabelX = 7, kFieldX = 64, kFieldW = 58, kRightLabelX = 134, kRightFieldX = 178,
                kRightFieldW = 46;

  name_ = new QLineEdit(info);
  name_->setObjectName(QStringLiteral("name"));
  // The record holds 16 bytes; the edit cannot take more characters than that.
  name_->setMaxLength(int(SatelliteRecord::kNameWidth));
  Labelled(info, SatTPTexts::kName, name_, kLabelX, 13, 56);
  DialogUnits::Place(name_, kFieldX, 13, kFieldW, 12);

  lnbType_ = DropDown(info, "lnbType", SatTPTexts::kLnbTypeRows);
  Labelled(info, SatTPTexts::kLnbType, lnbType_, kLabelX, 31, 56);
  DialogUnits::Place(lnbType_, kFieldX, 31, kFieldW, 13);

  lnbFreqHigh_ = new QLineEdit(info);
  lnbFreqHigh_->setObjectName(QStringLiteral("lnbFreqHigh"));
  Labelled(info, SatTPTexts::kLnbFreqHigh, lnbFreqHigh_, kLabelX, 49, 56);
  DialogUnits::Place(lnbFreqHigh_, kFieldX, 49, kFieldW, 12);

  lnbFreqLow_ = new QLineEdit(info);
  lnbFreqLow_->setObjectName(QStringLiteral("lnbFreqLow"));
  Labelled(info, SatTPTexts::kLnbFreqLow, lnbFreqLow_, kLabelX, 67, 56);
  DialogUnits::Place(lnbFreqLow_, kFieldX, 67, kFieldW, 12);

  selected_ = new QCheckBox(L(SatTPTexts::kSelected), info);
  selected_->setObjectName(QStringLiteral("selected"));
  selected_->setAccessibleName(L(SatTPTexts::kSelected));
  DialogUnits::Place(selected_, kRightLabelX, 14, 90, 10);

  diseqcPort_ = DropDown(info, "diseqcPort", SatTPTexts::kDiseqcPortRows);
  Labelled(info, SatTPTexts::kDiseqcPort, diseqcPort_, kRightLabelX, 31, 42);
  DialogUnits::Place(diseqcPort_, kRightFieldX, 31, kRightFieldW, 13);

  tone22k_ = new QCheckBox(L(SatTPTexts::kOn), info);
  tone22k_->setObjectName(QStringLiteral("tone22k"));
  Labelled(info, SatTPTexts::kTone22k, tone22k_, kRightLabelX, 49, 42);
  DialogUnits::Place(tone22k_, kRightFieldX, 50, kRightFieldW, 10);

  lnbPower_ = DropDown(info, "lnbPower", SatTPTexts::kLnbPowerRows);
  Labelled(info, SatTPTexts::kLnbPower, lnbPower_, kRightLabelX, 67, 42);
  DialogUnits::Place(lnbPower_, kRightFieldX, 67, kRightFieldW, 13);

  motor_ = new QCheckBox(L(SatTPTexts::kOn), info);
  motor_->setObjectName(QStringLiteral("motor"));
  Labelled(info, SatTPTexts::kMotor, motor_, kRightLabelX, 85, 42);
  DialogUnits::Place(motor_, kRightFieldX, 86, kRightFieldW, 10);
  // A stored motor value the box cannot show as on or off is shown half-ticked and
  // kept; the first click makes the box an ordinary on/off box again.
  connect(motor_, &QCheckBox::clicked, this, [this] {
    if (motor_->isTristate()) motor_->setTristate(false);
  });

  update_ = new QPushButton(L(SatTPTexts::kUpdate), info);
  update_->setObjectName(QStringLiteral("update"));
  DialogUnits::Place(update_, kFieldX, 110, kFieldW, 14);

  connect(update_, &QPushButton::clicked, this, &CPageSatTP::UpdateSatellite);
  connect(satelliteList_, &QTreeWidget::itemSelectionChanged, this,
          &CPageSatTP::OnSatelliteSelectionChanged);
  connect(satelliteList_, &SatTPListView::commandKey, this, [this](int key) {
    OnListKey(key, CommandId::kAddSatellite, CommandId::kDeleteSatellite);
  });
  connect(transponderList_, &SatTPListView::commandKey, this, [this](int key) {
    OnListKey(key, CommandId::kAddTransponder, CommandId::kDeleteTransponder);
  });
  connect(transponderList_, &SatTPListView::doubleClickedAnywhere, this,
          [this] { host_.SendCommand(CommandId::kEditTransponder); });
  connect(satelliteList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    host_.PopupContextMenu(ContextMenu::SatMenu, satelliteList_->viewport()->mapToGlobal(pos));
  });
  connect(transponderList_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) {
            host_.PopupContextMenu(ContextMenu::TpMenu,
                                   transponderList_->viewport()->mapToGlobal(pos));
          });
}

void CPageSatTP::Activate() { EnsureInitialised(); }

void CPageSatTP::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_.satelliteRowCount = 0;
  state_.transponderRowCount = 0;
  state_.currentSatelliteRow = 0;
  state_.currentTransponderRow = 0;

  const int satWidth = satelliteList_->ClientWidth();
  satelliteList_->setColumnWidth(0, 9 * (satWidth / 10));
  const int tpWidth = transponderList_->ClientWidth();
  const int f = tpWidth / 5;
  transponderList_->setColumnWidth(0, 2 * f);
  transponderList_->setColumnWidth(1, 2 * f);
  transponderList_->setColumnWidth(2, tpWidth - 4 * f);

  // No satellite is listed yet: the settings area has nothing to show.
  ClearSatInfo();
}

ChannelDatabase& CPageSatTP::Db() { return doc_.Working(); }

void CPageSatTP::MarkModified() { doc_.SetModifiedFlag(true); }

bool CPageSatTP::OnCommand(int commandId) {
  switch (commandId) {
    case CommandId::kAddSatellite:
      NewSatellite();
      return true;
    case CommandId::kDeleteSatellite:
      DeleteCurrentSatellite();
      return true;
    case CommandId::kAddTransponder:
      EditTransponder(TpEditMode::Add);
      return true;
    case CommandId::kDeleteTransponder:
      DeleteSelectedTransponder();
      return true;
    case CommandId::kEditTransponder:
      EditTransponder(TpEditMode::Edit);
      return true;
    default:
      return false;
  }
}

void CPageSatTP::OnListKey(int key, int insertCommand, int deleteCommand) {
  host_.SendCommand(key == Qt::Key_Insert ? insertCommand : deleteCommand);
}

// ---- lists -------------------------------------------------------------------

void CPageSatTP::RefreshSatellites() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  const ChannelDatabase& db = Db();

  rebuilding_ = true;
  satelliteList_->clear();
  state_.satelliteRows.fill(0);
  QList<QTreeWidgetItem*> items;
  int rows = 0;
  for (int slot = 0; slot < int(ChannelDatabase::kSatelliteCount); ++slot) {
    const SatelliteRecord& sat = db.satellites[std::size_t(slot)];
    if (!sat.IsUsed()) continue;
    items.append(new QTreeWidgetItem(QStringList{SatelliteRowText(sat)}));
    state_.satelliteRows[std::size_t(rows++)] = slot;
  }
  state_.satelliteRowCount = rows;
  if (rows == 0) {
    state_.currentSatelliteRow = 0;
    transponderList_->clear();
    state_.transponderRowCount = 0;
    rebuilding_ = false;
    ClearSatInfo();
    return;
  }
  satelliteList_->addTopLevelItems(items);
  if (state_.currentSatelliteRow >= rows) state_.currentSatelliteRow = rows - 1;
  // Row 0 is the page's default and is left unmarked.
  if (state_.currentSatelliteRow != 0) satelliteList_->MarkRow(state_.currentSatelliteRow);
  rebuilding_ = false;

  const int satellite = state_.CurrentSatellite();
  RefreshTransponders(satellite);
  ShowSatelliteInfo(satellite);
}

void CPageSatTP::RefreshTransponders(int satellite) {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  const ChannelDatabase& db = Db();

  rebuilding_ = true;
  state_.transponderRowCount = 0;
  state_.transponderRows.fill(0);
  transponderList_->clear();
  QList<QTreeWidgetItem*> items;
  int rows = 0;
  for (int slot = 0; slot < int(ChannelDatabase::kTransponderCount); ++slot) {
    const TransponderRecord& tp = db.transponders[std::size_t(slot)];
    if (int(tp.SatelliteIndex()) != satellite) continue;
    if (rows == SatTPPageState::kMaxTransponderRows) break;
    if (!tp.IsListed()) continue;
    items.append(TransponderRow(tp));
    state_.transponderRows[std::size_t(rows++)] = slot;
  }
  state_.transponderRowCount = rows;
  if (rows > 0) {
    transponderList_->addTopLevelItems(items);
    if (state_.currentTransponderRow >= rows) state_.currentTransponderRow = rows - 1;
    if (state_.currentTransponderRow != 0)
      transponderList_->MarkRow(state_.currentTransponderRow);
  }
  rebuilding_ = false;
}

void CPageSatTP::OnSatelliteSelectionChanged() {
  if (rebuilding_) return;
  const int row = satelliteList_->SingleSelectedRow();
  if (row < 0 || row >= state_.satelliteRowCount) return;
  state_.currentSatelliteRow = row;
  const int satellite = state_.CurrentSatellite();
  RefreshTransponders(satellite);
  ShowSatelliteInfo(satellite);
}

// ---- Sat. Info ---------------------------------------------------------------

void CPageSatTP::ShowSatelliteInfo(int satellite) {
  EnsureInitialised();
  if (!doc_.HasData() || satellite < 0 || satellite >= int(ChannelDatabase::kSatelliteCount))
    return;
  const SatelliteRecord& sat = Db().satellites[std::size_t(satellite)];
  state_.infoTone22k = sat.Tone22k() ? 1 : 0;
  state_.infoMotor = int(sat.Motor());
  state_.infoSelected = sat.Selected() ? 1 : 0;
  state_.infoLnbPower = sat.LnbPower() ? 1 : 0;
  state_.infoDiseqcPort = int(sat.DiseqcPort());
  state_.infoLnbType = int(sat.LnbType());
  state_.infoName = DataExchange::NameFromField(sat.NameField(), SatelliteRecord::kNameWidth);
  state_.infoLnbFreqHigh = sat.LnbFreqHigh();
  state_.infoLnbFreqLow = sat.LnbFreqLow();
  ShowInfoValues();
}

void CPageSatTP::ShowInfoValues() {
  satInfo_->setEnabled(true);
  tone22k_->setChecked(state_.infoTone22k != 0);
  if (state_.infoMotor == 0 || state_.infoMotor == 1) {
    motor_->setTristate(false);
    motor_->setChecked(state_.infoMotor == 1);
  } else {
    motor_->setTristate(true);
    motor_->setCheckState(Qt::PartiallyChecked);
  }
  selected_->setChecked(state_.infoSelected != 0);
  lnbPower_->setCurrentIndex(RowOrNone(lnbPower_, state_.infoLnbPower));
  diseqcPort_->setCurrentIndex(RowOrNone(diseqcPort_, state_.infoDiseqcPort));
  lnbType_->setCurrentIndex(RowOrNone(lnbType_, state_.infoLnbType));
  name_->setText(state_.infoName);
  lnbFreqHigh_->setText(QString::number(state_.infoLnbFreqHigh));
  lnbFreqLow_->setText(QString::number(state_.infoLnbFreqLow));
}

void CPageSatTP::ClearSatInfo() {
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
  satInfo_->setEnabled(false);
}

bool CPageSatTP::ReadInfoValues() {
  state_.infoTone22k = tone22k_->isChecked() ? 1 : 0;
  if (motor_->checkState() != Qt::PartiallyChecked) state_.infoMotor = motor_->isChecked() ? 1 : 0;
  state_.infoSelected = selected_->isChecked() ? 1 : 0;
  state_.infoLnbPower = lnbPower_->currentIndex();
  state_.infoDiseqcPort = diseqcPort_->currentIndex();
  state_.infoLnbType = lnbType_->currentIndex();

  const QString name = name_->text();
  const auto bytes = DataExchange::NameToBytes(name);
  if (!bytes) {
    Prompt::Message(this, L(Texts::kNameNotStorable));
    name_->setFocus();
    return false;
  }
  if (bytes->size() > SatelliteRecord::kNameWidth) {
    Prompt::Message(this, L(Texts::kNoMoreThan).arg(SatelliteRecord::kNameWidth));
    name_->setFocus();
    return false;
  }
  state_.infoName = name;

  // A frequency without a number ends the reading there; what follows keeps its value.
  for (auto [edit, value] : {std::pair{lnbFreqHigh_, &state_.infoLnbFreqHigh},
                             std::pair{lnbFreqLow_, &state_.infoLnbFreqLow}}) {
    const auto scanned = DataExchange::ScanUnsigned(edit->text());
    if (!scanned) {
      Prompt::Message(this, L(Texts::kPositiveInteger));
      edit->setFocus();
      break;
    }
    *value = *scanned;
  }
  return true;
}

void CPageSatTP::UpdateSatellite() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  if (!ReadInfoValues()) return;

  SatelliteRecord& sat = Db().satellites[std::size_t(satellite)];
  sat.SetTone22k((state_.infoTone22k & 1) != 0);
  sat.SetMotor(std::uint32_t(state_.infoMotor) & 3);
  sat.SetSelected((state_.infoSelected & 1) != 0);
  // A list showing no row stands for a stored value it cannot show; that value stays.
  if (state_.infoLnbPower >= 0) sat.SetLnbPower((state_.infoLnbPower & 1) != 0);
  if (state_.infoDiseqcPort >= 0) sat.SetDiseqcPort(std::uint32_t(state_.infoDiseqcPort) & 7);
  if (state_.infoLnbType >= 0) sat.SetLnbType(std::uint32_t(state_.infoLnbType) & 15);

  const std::string name = *DataExchange::NameToBytes(state_.infoName);
  const bool renamed = !sat.NameIs(name);
  // Left alone when unchanged, so whatever the receiver keeps after the name survives.
  if (renamed) sat.SetName(name);

  // The fields are 16 bits wide; larger entries keep their low 16 bits.
  sat.SetLnbFreqHigh(std::uint16_t(state_.infoLnbFreqHigh));
  sat.SetLnbFreqLow(std::uint16_t(state_.infoLnbFreqLow));

  if (renamed) {
    if (QTreeWidgetItem* row = satelliteList_->topLevelItem(state_.currentSatelliteRow))
      row->setText(0, SatelliteRowText(sat));
  }
  MarkModified();
}

// ---- commands ------------------------------------------------------------------

void CPageSatTP::NewSatellite() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  CInputName dialog(this);
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;
  const auto name = DataExchange::NameToBytes(dialog.name);
  if (!name) return;
  if (!doc_.AddSatellite(*name)) return;
  RefreshSatellites();
  MarkModified();
}

void CPageSatTP::DeleteCurrentSatellite() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  doc_.DeleteSatellite(satellite);
  MarkModified();
  RefreshSatellites();
  if (CPageGroupCh* other = host_.GroupChPage()) other->RefreshPage();
}

void CPageSatTP::EditTransponder(TpEditMode mode) {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  const ChannelDatabase& db = Db();

  CTPEditDlg dialog(this);
  dialog.tpSatellite = DataExchange::NameFromField(
      db.satellites[std::size_t(satellite)].NameField(), SatelliteRecord::kNameWidth);
  int slot = -1;
  if (mode == TpEditMode::Add) {
    dialog.tpFrequency = 0;
    dialog.tpSymbolRate = 0;
    dialog.tpPolarization = 0;
  } else {
    const int row = transponderList_->SingleSelectedRow();
    if (row < 0 || row >= state_.transponderRowCount) return;
    state_.currentTransponderRow = row;
    slot = state_.transponderRows[std::size_t(row)];
    const TransponderRecord& tp = db.transponders[std::size_t(slot)];
    dialog.tpFrequency = tp.Frequency();
    dialog.tpSymbolRate = tp.SymbolRate();
    dialog.tpPolarization = int(tp.Polarization());
  }
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;

  // A full transponder table is not reported; the list is rebuilt all the same.
  doc_.SaveTransponder(std::uint16_t(dialog.tpFrequency), std::uint16_t(dialog.tpSymbolRate),
                       std::uint32_t(dialog.tpPolarization) & 1, satellite, slot);
  RefreshTransponders(satellite);
  MarkModified();
}

void CPageSatTP::DeleteSelectedTransponder() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  const int row = transponderList_->SingleSelectedRow();
  if (row < 0 || row >= state_.transponderRowCount) return;
  state_.currentTransponderRow = row;
  doc_.DeleteTransponder(state_.transponderRows[std::size_t(row)]);
  RefreshTransponders(satellite);
  MarkModified();
}
