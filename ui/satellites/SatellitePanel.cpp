#include "ui/satellites/SatellitePanel.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SatelliteOperations.h"
#include "db/records/TableAt.h"
#include "ui/StepTexts.h"
#include "ui/satellites/SatInfoArea.h"
#include "ui/satellites/SatTPListView.h"
#include "ui/satellites/SatTPTexts.h"
#include "widgets/CInputName.h"
#include "widgets/ColumnShares.h"
#include "widgets/CommandAction.h"
#include "widgets/DataExchange.h"
#include "widgets/LeaveGuard.h"
#include "widgets/NamedControl.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

QString NameOf(const ChannelDatabase& db, int satellite) {
  return DataExchange::NameText(channelrows::SatelliteName(db, satellite));
}

QString SatelliteRowText(const ChannelDatabase& db, int satellite) {
  return Q(T::kSatelliteRow).arg(NameOf(db, satellite));
}

bool SameInfo(const SatellitePanelState& a, const SatellitePanelState& b) {
  return a.infoTone22k == b.infoTone22k && a.infoMotor == b.infoMotor && a.infoSelected == b.infoSelected &&
         a.infoLnbPower == b.infoLnbPower && a.infoDiseqcPort == b.infoDiseqcPort && a.infoLnbType == b.infoLnbType &&
         a.infoName == b.infoName && a.infoLnbFreqHigh == b.infoLnbFreqHigh && a.infoLnbFreqLow == b.infoLnbFreqLow;
}

// The text of an undo step: the action and the satellite's name.
std::string SatelliteStep(const char* text, const QString& name) { return Q(text).arg(name).toStdString(); }

}  // namespace

SatellitePanel::SatellitePanel(DocEditing& doc, QWidget& page)
    : QGroupBox(Q(T::kSatelliteGroup), &page), doc_(doc), page_(page) {
  setObjectName(QStringLiteral("satelliteGroup"));
  using CommandAction::Make;
  add_ = Make(*this, "addSatellite", Q(T::kAddSatellite), [this] { NewSatellite(); });
  delete_ = Make(*this, "deleteSatellite", Q(T::kDeleteSatellite), [this] { DeleteCurrentSatellite(); });
  menu_ = CommandAction::Menu(page_, T::kSatMenu, {add_, delete_});

  list_ = NamedControl<SatTPListView>(this, "satelliteList", T::kSatelliteGroup);
  list_->setHeaderLabels({Q(T::kColumnAntName)});
  // "Ant Name" takes nine tenths of the list's width.
  columns_ = new ColumnShares(list_, [](int w) { return std::vector<int>{9 * (w / 10)}; });
  // Names of 16 characters in brackets show whole.
  list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 22);
  auto* box = new QVBoxLayout(this);
  box->addWidget(list_);

  // Another satellite row leaves "Sat. Info": its typed values are settled first.
  LeaveGuard::Attach(list_, [this](int row) {
    if (row >= 0 && row == list_->SingleSelectedRow()) return true;
    return ResolveInfoEdits();
  });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &SatellitePanel::OnSelectionChanged);
  connect(list_, &SatTPListView::commandKey, this,
          [this](int key) { (key == Qt::Key_Insert ? add_ : delete_)->trigger(); });
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { Prompt::Popup(*menu_, list_->viewport()->mapToGlobal(pos)); });

  info_ = new SatInfoArea(page_);
  connect(info_->UpdateButton(), &QPushButton::clicked, this, &SatellitePanel::UpdateSatellite);
  info_->OnEnter(this, [this] { UpdateSatellite(); });
}

SatellitePanel::~SatellitePanel() = default;

void SatellitePanel::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_.satelliteRowCount = 0;
  state_.currentSatelliteRow = 0;
  columns_->Apply();
  // No satellite is listed yet: the settings area has nothing to show.
  info_->Clear();
}

const ChannelDatabase& SatellitePanel::Db() const { return doc_.Working(); }

QString SatellitePanel::CurrentName() const { return NameOf(Db(), state_.CurrentSatellite()); }

// ---- the list ------------------------------------------------------------------

void SatellitePanel::Refresh() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  const ChannelDatabase& db = Db();

  rebuilding_ = true;
  list_->clear();
  state_.satelliteRows.fill(0);
  QList<QTreeWidgetItem*> items;
  const std::vector<int> used = channelrows::UsedSatellites(db);
  static_assert(SatellitePanelState::kMaxSatelliteRows >= int(ChannelDatabase::kSatelliteCount));
  std::copy(used.begin(), used.end(), state_.satelliteRows.begin());
  for (int slot : used) items.append(new QTreeWidgetItem(QStringList{SatelliteRowText(db, slot)}));
  const int rows = int(used.size());
  state_.satelliteRowCount = rows;
  if (rows == 0) {
    state_.currentSatelliteRow = 0;
    emit currentSatelliteChanged(-1);
    rebuilding_ = false;
    info_->Clear();
    return;
  }
  list_->addTopLevelItems(items);
  if (state_.currentSatelliteRow >= rows) state_.currentSatelliteRow = rows - 1;
  // Row 0 is the page's default and is left unmarked.
  if (state_.currentSatelliteRow != 0) list_->MarkRow(state_.currentSatelliteRow);
  rebuilding_ = false;

  const int satellite = state_.CurrentSatellite();
  emit currentSatelliteChanged(satellite);
  ShowInfo(satellite);
}

bool SatellitePanel::RefreshChanged() {
  const std::vector<int> used = channelrows::UsedSatellites(Db());
  const auto listed = state_.satelliteRows.begin();
  if (!std::equal(used.begin(), used.end(), listed, listed + state_.satelliteRowCount)) {
    Refresh();
    return true;
  }
  int row = 0;
  for (int slot : used)
    if (QTreeWidgetItem* item = list_->topLevelItem(row++)) item->setText(0, SatelliteRowText(Db(), slot));
  if (!used.empty()) ShowInfo(state_.CurrentSatellite());
  return false;
}

void SatellitePanel::OnSelectionChanged() {
  if (rebuilding_) return;
  const int row = list_->SingleSelectedRow();
  if (row < 0 || row >= state_.satelliteRowCount) return;
  state_.currentSatelliteRow = row;
  const int satellite = state_.CurrentSatellite();
  emit currentSatelliteChanged(satellite);
  ShowInfo(satellite);
}

bool SatellitePanel::Select(int satellite) {
  EnsureInitialised();
  const auto listed = state_.satelliteRows.begin();
  const auto end = listed + state_.satelliteRowCount;
  const auto found = std::find(listed, end, satellite);
  // A satellite that is gone (deleted, or undone before it was added) has no row.
  if (found == end) return false;
  const int row = int(found - listed);
  state_.currentSatelliteRow = row;
  rebuilding_ = true;
  list_->MarkRow(row);
  rebuilding_ = false;
  emit currentSatelliteChanged(satellite);
  ShowInfo(satellite);
  return true;
}

// ---- Sat. Info ---------------------------------------------------------------

void SatellitePanel::ShowInfo(int satellite) {
  EnsureInitialised();
  const SatelliteRecord* record = TableAt(Db().satellites, satellite);
  if (!doc_.HasData() || !record) return;
  const SatelliteRecord& sat = *record;
  const SatellitePanelState before = state_;
  state_.infoTone22k = sat.Tone22k() ? 1 : 0;
  state_.infoMotor = int(sat.Motor());
  state_.infoSelected = sat.Selected() ? 1 : 0;
  state_.infoLnbPower = sat.LnbPower() ? 1 : 0;
  state_.infoDiseqcPort = int(sat.DiseqcPort());
  state_.infoLnbType = int(sat.LnbType());
  state_.infoName = NameOf(Db(), satellite);
  state_.infoLnbFreqHigh = sat.LnbFreqHigh();
  state_.infoLnbFreqLow = sat.LnbFreqLow();
  // The same satellite shown again unchanged (a list rebuilt around it after another
  // edit) keeps what was typed over it.
  const bool keepTyped = satellite == shownSatellite_ && SameInfo(before, state_) && info_->Differs(state_);
  shownSatellite_ = satellite;
  if (!keepTyped) info_->Show(state_);
}

void SatellitePanel::UpdateSatellite() {
  EnsureInitialised();
  ApplySatInfo(false);
}

bool SatellitePanel::ResolveInfoEdits() {
  if (!initialised_ || state_.CurrentSatellite() < 0 || !info_->Differs(state_)) return true;
  switch (Prompt::Message(&page_, Q(Texts::kApplyChanges).arg(CurrentName()),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
                          QMessageBox::Yes)) {
    case QMessageBox::Yes: return ApplySatInfo(true);
    case QMessageBox::No: info_->Show(state_); return true;
    default: return false;
  }
}

bool SatellitePanel::ApplySatInfo(bool whole) {
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return true;
  // Read into a copy: the state keeps the stored values the typed ones are compared with.
  SatellitePanelState typed = state_;
  bool complete = true;
  if (!info_->Read(typed, &complete) || (whole && !complete)) return false;

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
  // "Update" counts as an edit even when the values were those stored. The document's
  // notice renews the row's name.
  doc_.Apply({SatelliteStep(StepTexts::kUpdateSatInfo, typed.infoName), DocEditing::Mark::Always},
             dbops::UpdateSatellite, satellite, settings);
  // The area shows what the receiver will get, not what was typed: a refused field
  // shows its stored value again.
  ShowInfo(satellite);
  info_->Show(state_);
  return true;
}

// ---- commands ------------------------------------------------------------------

void SatellitePanel::NewSatellite() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  CInputName dialog(&page_);
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;
  const auto name = DataExchange::NameToBytes(dialog.name);
  if (!name) return;
  // The document's notice lists the new satellite.
  doc_.Apply({SatelliteStep(StepTexts::kAddSatellite, dialog.name), DocEditing::Mark::IfDone}, dbops::AddSatellite,
             *name);
}

void SatellitePanel::DeleteCurrentSatellite() {
  EnsureInitialised();
  const int satellite = state_.CurrentSatellite();
  if (satellite < 0) return;
  const std::string text = SatelliteStep(StepTexts::kDeleteSatellite, CurrentName());
  // Its transponders and programs go with it: both pages learn of that from the
  // document's notice.
  doc_.Apply({text, DocEditing::Mark::Always}, dbops::DeleteSatellite, satellite);
}
