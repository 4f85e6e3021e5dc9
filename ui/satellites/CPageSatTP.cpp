#include "ui/satellites/CPageSatTP.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <string>

#include "db/document/DocEditing.h"
#include "db/document/StepSubject.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SatelliteOperations.h"
#include "db/records/ListedTransponders.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/satellites/CTPEditDlg.h"
#include "ui/satellites/SatInfoArea.h"
#include "ui/satellites/SatTPListView.h"
#include "ui/satellites/SatTPTexts.h"
#include "widgets/AccessibleTree.h"
#include "widgets/CInputName.h"
#include "widgets/CommandAction.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LeaveGuard.h"
#include "widgets/PlacedControl.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

QString SatelliteRowText(const SatelliteRecord& sat) {
  return Q(T::kSatelliteRow).arg(DataExchange::NameFromField(sat.NameField(), SatelliteRecord::kNameWidth));
}

bool SameInfo(const SatTPPageState& a, const SatTPPageState& b) {
  return a.infoTone22k == b.infoTone22k && a.infoMotor == b.infoMotor && a.infoSelected == b.infoSelected &&
         a.infoLnbPower == b.infoLnbPower && a.infoDiseqcPort == b.infoDiseqcPort && a.infoLnbType == b.infoLnbType &&
         a.infoName == b.infoName && a.infoLnbFreqHigh == b.infoLnbFreqHigh && a.infoLnbFreqLow == b.infoLnbFreqLow;
}

// The text of an undo step: the action and the satellite's name.
std::string SatelliteStep(const char* text, const QString& name) { return Q(text).arg(name).toStdString(); }

std::string TransponderStep(const char* text, std::uint16_t frequency, std::uint32_t polarization) {
  const QString name = Q(StepTexts::kTransponderName)
                           .arg(frequency)
                           .arg(Q(polarization == TransponderRecord::kHorizontal ? T::kPolarHor : T::kPolarVer));
  return Q(text).arg(name).toStdString();
}

QTreeWidgetItem* TransponderRow(const TransponderRecord& tp) {
  return new QTreeWidgetItem(
      QStringList{QString::number(tp.Frequency()), QString::number(tp.SymbolRate()),
                  Q(tp.Polarization() == TransponderRecord::kHorizontal ? T::kPolarHor : T::kPolarVer)});
}

}  // namespace

CPageSatTP::CPageSatTP(DocEditing& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageSatTP"));
  // First: the context menus are listed for a screen reader before anything asks about
  // the page.
  CreateActions();
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 366, 312);
  CreateControls();
  // The lists, then the settings: down the left column, down the right, then Update.
  SetTabOrder({satelliteList_, transponderList_});
  satInfo_->ChainTabOrder(transponderList_);
  doc_.Listen(this);
}

// The commands, and the lists' context menus built from them.
void CPageSatTP::CreateActions() {
  using CommandAction::Make;
  SatTPActions& a = actions_;
  a.addSatellite = Make(*this, "addSatellite", Q(T::kAddSatellite), [this] { NewSatellite(); });
  a.deleteSatellite = Make(*this, "deleteSatellite", Q(T::kDeleteSatellite), [this] { DeleteCurrentSatellite(); });
  a.addTransponder = Make(*this, "addTransponder", Q(T::kAddTransponder), [this] { EditTransponder(TpEditMode::Add); });
  a.deleteTransponder =
      Make(*this, "deleteTransponder", Q(T::kDeleteTransponder), [this] { DeleteSelectedTransponder(); });
  a.editTransponder =
      Make(*this, "editTransponder", Q(T::kEditTransponder), [this] { EditTransponder(TpEditMode::Edit); });
  a.satMenu = CommandAction::Menu(*this, T::kSatMenu, {a.addSatellite, a.deleteSatellite});
  a.tpMenu = CommandAction::Menu(*this, T::kTpMenu, {a.addTransponder, a.deleteTransponder, a.editTransponder});
  // A popup menu is no child of any window for a screen reader: the page lists them.
  AccessibleTree::ListMenus(*this, {a.satMenu, a.tpMenu});
}

QString CPageSatTP::Title() { return Q(T::kPageTitle); }

CPageSatTP::~CPageSatTP() { doc_.Unlisten(this); }

void CPageSatTP::OnDocChanged(const DocChange& change) {
  if (change.by == this) return;
  using Kind = StepSubject::Kind;
  if (change.cause == DocChange::Cause::Edit && !change.Touched(Kind::Satellite) && !change.Touched(Kind::Transponder))
    return;
  RefreshSatellites();
}

void CPageSatTP::CreateControls() {
  // Everything is placed in dialog units of the page font, on the page itself, so the
  // group boxes only frame their controls.
  auto* satGroup = new QGroupBox(Q(T::kSatelliteGroup), this);
  satGroup->setObjectName(QStringLiteral("satelliteGroup"));
  DialogUnits::Place(satGroup, 7, 7, 112, 298);
  satelliteList_ = PlacedControl<SatTPListView>(this, "satelliteList", T::kSatelliteGroup, 13, 18, 100, 281);
  satelliteList_->setHeaderLabels({Q(T::kColumnAntName)});

  auto* tpGroup = new QGroupBox(Q(T::kTransponderGroup), this);
  tpGroup->setObjectName(QStringLiteral("transponderGroup"));
  DialogUnits::Place(tpGroup, 126, 7, 233, 158);
  transponderList_ =
      PlacedControl<SatTPListView>(this, "transponderList", T::kTransponderGroup, 132, 18, 221, 141);
  transponderList_->setFrameShape(QFrame::NoFrame);
  transponderList_->setHeaderLabels({Q(T::kColumnFreq), Q(T::kColumnSymbol), Q(T::kColumnPolar)});

  satInfo_ = std::make_unique<SatInfoArea>(*this);

  connect(satInfo_->UpdateButton(), &QPushButton::clicked, this, &CPageSatTP::UpdateSatellite);
  satInfo_->OnEnter(this, [this] { UpdateSatellite(); });
  // Another satellite row leaves "Sat. Info": its typed values are settled first.
  LeaveGuard::Attach(satelliteList_, [this](int row) {
    if (row >= 0 && row == satelliteList_->SingleSelectedRow()) return true;
    return ResolveInfoEdits();
  });
  connect(satelliteList_, &QTreeWidget::itemSelectionChanged, this,
          &CPageSatTP::OnSatelliteSelectionChanged);
  connect(satelliteList_, &SatTPListView::commandKey, this, [this](int key) {
    OnListKey(key, actions_.addSatellite, actions_.deleteSatellite);
  });
  connect(transponderList_, &SatTPListView::commandKey, this, [this](int key) {
    OnListKey(key, actions_.addTransponder, actions_.deleteTransponder);
  });
  connect(transponderList_, &SatTPListView::doubleClickedAnywhere, this,
          [this] { actions_.editTransponder->trigger(); });
  connect(satelliteList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    Prompt::Popup(*actions_.satMenu, satelliteList_->viewport()->mapToGlobal(pos));
  });
  connect(transponderList_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) {
            Prompt::Popup(*actions_.tpMenu, transponderList_->viewport()->mapToGlobal(pos));
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
  satInfo_->Clear();
}

const ChannelDatabase& CPageSatTP::Db() const { return doc_.Working(); }

void CPageSatTP::OnListKey(int key, QAction* insert, QAction* remove) {
  (key == Qt::Key_Insert ? insert : remove)->trigger();
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
    satInfo_->Clear();
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
  const ListedTransponders listed = dbops::ListTransponders(db, satellite);
  state_.transponderRows = listed.rows;
  state_.transponderRowCount = listed.count;
  transponderList_->clear();
  if (listed.count > 0) {
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < listed.count; ++row)
      items.append(TransponderRow(db.transponders[std::size_t(listed.rows[std::size_t(row)])]));
    transponderList_->addTopLevelItems(items);
    if (state_.currentTransponderRow >= listed.count) state_.currentTransponderRow = listed.count - 1;
    if (state_.currentTransponderRow != 0) transponderList_->MarkRow(state_.currentTransponderRow);
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
  const SatTPPageState before = state_;
  state_.infoTone22k = sat.Tone22k() ? 1 : 0;
  state_.infoMotor = int(sat.Motor());
  state_.infoSelected = sat.Selected() ? 1 : 0;
  state_.infoLnbPower = sat.LnbPower() ? 1 : 0;
  state_.infoDiseqcPort = int(sat.DiseqcPort());
  state_.infoLnbType = int(sat.LnbType());
  state_.infoName = DataExchange::NameFromField(sat.NameField(), SatelliteRecord::kNameWidth);
  state_.infoLnbFreqHigh = sat.LnbFreqHigh();
  state_.infoLnbFreqLow = sat.LnbFreqLow();
  // The same satellite shown again unchanged (a list rebuilt around it after another
  // edit) keeps what was typed over it.
  const bool keepTyped = satellite == shownSatellite_ && SameInfo(before, state_) && satInfo_->Differs(state_);
  shownSatellite_ = satellite;
  if (!keepTyped) satInfo_->Show(state_);
}

void CPageSatTP::UpdateSatellite() {
  EnsureInitialised();
  ApplySatInfo(false);
}

bool CPageSatTP::ResolveInfoEdits() {
  const int satellite = state_.CurrentSatellite();
  if (!initialised_ || satellite < 0 || !satInfo_->Differs(state_)) return true;
  const QString name =
      DataExchange::NameFromField(Db().satellites[std::size_t(satellite)].NameField(), SatelliteRecord::kNameWidth);
  switch (Prompt::Message(this, Q(Texts::kApplyChanges).arg(name),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
                          QMessageBox::Yes)) {
    case QMessageBox::Yes: return ApplySatInfo(true);
    case QMessageBox::No: satInfo_->Show(state_); return true;
    default: return false;
  }
}

bool CPageSatTP::ApplySatInfo(bool whole) {
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return true;
  // Read into a copy: the state keeps the stored values the typed ones are compared with.
  SatTPPageState typed = state_;
  bool complete = true;
  if (!satInfo_->Read(typed, &complete) || (whole && !complete)) return false;

  dbops::SatelliteSettings settings;
  settings.tone22k = typed.infoTone22k;
  settings.motor = typed.infoMotor;
  settings.selected = typed.infoSelected;
  settings.lnbPower = typed.infoLnbPower;
  settings.diseqcPort = typed.infoDiseqcPort;
  settings.lnbType = typed.infoLnbType;
  settings.name = DataExchange::NameBytes(typed.infoName);
  settings.lnbFreqHigh = typed.infoLnbFreqHigh;
  settings.lnbFreqLow = typed.infoLnbFreqLow;
  // "Update" counts as an edit even when the values were those stored.
  if (doc_.Apply({SatelliteStep(StepTexts::kUpdateSatInfo, typed.infoName), this, DocEditing::Mark::Always},
                 dbops::UpdateSatellite, satellite, settings)) {
    if (QTreeWidgetItem* row = satelliteList_->topLevelItem(state_.currentSatelliteRow))
      row->setText(0, SatelliteRowText(Db().satellites[std::size_t(satellite)]));
  }
  // The area shows what the receiver will get, not what was typed: a refused field
  // shows its stored value again.
  ShowSatelliteInfo(satellite);
  satInfo_->Show(state_);
  return true;
}

// ---- commands ------------------------------------------------------------------

void CPageSatTP::NewSatellite() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  CInputName dialog(this);
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;
  const auto name = DataExchange::NameToBytes(dialog.name);
  if (!name) return;
  if (!doc_.Apply({SatelliteStep(StepTexts::kAddSatellite, dialog.name), this, DocEditing::Mark::IfDone},
                  dbops::AddSatellite, *name))
    return;
  RefreshSatellites();
}

void CPageSatTP::DeleteCurrentSatellite() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  const std::string text = SatelliteStep(
      StepTexts::kDeleteSatellite,
      DataExchange::NameFromField(Db().satellites[std::size_t(satellite)].NameField(), SatelliteRecord::kNameWidth));
  // Its transponders and programs go with it: the other page learns of that from the
  // document's notice.
  doc_.Apply({text, this, DocEditing::Mark::Always}, dbops::DeleteSatellite, satellite);
  RefreshSatellites();
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
  const std::string text =
      TransponderStep(mode == TpEditMode::Add ? StepTexts::kAddTransponder : StepTexts::kEditTransponder,
                      std::uint16_t(dialog.tpFrequency), std::uint32_t(dialog.tpPolarization) & 1);
  doc_.Apply({text, this, DocEditing::Mark::Always}, dbops::SaveTransponder, std::uint16_t(dialog.tpFrequency),
             std::uint16_t(dialog.tpSymbolRate), std::uint32_t(dialog.tpPolarization) & 1, satellite, slot);
  RefreshTransponders(satellite);
}

void CPageSatTP::DeleteSelectedTransponder() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  const int row = transponderList_->SingleSelectedRow();
  if (row < 0 || row >= state_.transponderRowCount) return;
  state_.currentTransponderRow = row;
  const TransponderRecord& tp = Db().transponders[std::size_t(state_.transponderRows[std::size_t(row)])];
  doc_.Apply({TransponderStep(StepTexts::kDeleteTransponder, tp.Frequency(), tp.Polarization()), this,
              DocEditing::Mark::Always},
             dbops::DeleteTransponder, state_.transponderRows[std::size_t(row)]);
  RefreshTransponders(satellite);
}

// ---- after an undo or redo -----------------------------------------------------------

bool CPageSatTP::ShowRecord(const StepSubject& subject) {
  EnsureInitialised();
  if (!doc_.HasData()) return false;
  const ChannelDatabase& db = Db();
  int satellite = -1, transponder = -1;
  if (subject.kind == StepSubject::Kind::Satellite) {
    satellite = subject.slot;
  } else if (subject.kind == StepSubject::Kind::Transponder) {
    transponder = subject.slot;
    if (!db.transponders[std::size_t(transponder)].IsUsed()) return false;
    satellite = int(db.transponders[std::size_t(transponder)].SatelliteIndex());
  } else {
    return false;
  }
  const auto rowOf = [](const auto& rows, int count, int slot) {
    for (int row = 0; row < count; ++row)
      if (rows[std::size_t(row)] == slot) return row;
    return -1;
  };
  // A record that is gone (deleted, or undone before it was added) has no row.
  const int satelliteRow = rowOf(state_.satelliteRows, state_.satelliteRowCount, satellite);
  if (satelliteRow < 0) return false;
  state_.currentSatelliteRow = satelliteRow;
  rebuilding_ = true;
  satelliteList_->MarkRow(satelliteRow);
  rebuilding_ = false;
  RefreshTransponders(satellite);
  ShowSatelliteInfo(satellite);
  if (transponder >= 0) {
    const int row = rowOf(state_.transponderRows, state_.transponderRowCount, transponder);
    if (row >= 0) {
      state_.currentTransponderRow = row;
      transponderList_->MarkRow(row);
    }
  }
  return true;
}
