#include "ui/satellites/TransponderPanel.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/DatabaseOperations.h"
#include "db/records/ListedTransponders.h"
#include "db/records/TableAt.h"
#include "ui/StepTexts.h"
#include "ui/satellites/CTPEditDlg.h"
#include "ui/satellites/SatTPListView.h"
#include "ui/satellites/SatTPTexts.h"
#include "widgets/ColumnShares.h"
#include "widgets/CommandAction.h"
#include "widgets/DataExchange.h"
#include "widgets/NamedControl.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = SatTPTexts;
using Texts::Q;

namespace {

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

TransponderPanel::TransponderPanel(DocEditing& doc, QWidget& page)
    : QGroupBox(Q(T::kTransponderGroup), &page), doc_(doc), page_(page) {
  setObjectName(QStringLiteral("transponderGroup"));
  using CommandAction::Make;
  add_ = Make(*this, "addTransponder", Q(T::kAddTransponder), [this] { EditTransponder(EditMode::Add); });
  delete_ = Make(*this, "deleteTransponder", Q(T::kDeleteTransponder), [this] { DeleteSelectedTransponder(); });
  edit_ = Make(*this, "editTransponder", Q(T::kEditTransponder), [this] { EditTransponder(EditMode::Edit); });
  menu_ = CommandAction::Menu(page_, T::kTpMenu, {add_, delete_, edit_});

  list_ = NamedControl<SatTPListView>(this, "transponderList", T::kTransponderGroup);
  list_->setFrameShape(QFrame::NoFrame);
  list_->setHeaderLabels({Q(T::kColumnFreq), Q(T::kColumnSymbol), Q(T::kColumnPolar)});
  // Two fifths of the width for the frequency, two for the symbol rate, the rest for
  // the polarization.
  columns_ = new ColumnShares(list_, [](int w) { return std::vector<int>{2 * (w / 5), 2 * (w / 5), w - 4 * (w / 5)}; });
  auto* box = new QVBoxLayout(this);
  box->addWidget(list_);

  connect(list_, &SatTPListView::commandKey, this,
          [this](int key) { (key == Qt::Key_Insert ? add_ : delete_)->trigger(); });
  connect(list_, &SatTPListView::doubleClickedAnywhere, this, [this] { edit_->trigger(); });
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { Prompt::Popup(*menu_, list_->viewport()->mapToGlobal(pos)); });
}

void TransponderPanel::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_.transponderRowCount = 0;
  state_.currentTransponderRow = 0;
  columns_->Apply();
}

const ChannelDatabase& TransponderPanel::Db() const { return doc_.Working(); }

int TransponderPanel::SlotAt(int row) const {
  return ValueAt(state_.transponderRows, row, -1, state_.transponderRowCount);
}

const TransponderRecord* TransponderPanel::RecordAt(int row) const { return TableAt(Db().transponders, SlotAt(row)); }

void TransponderPanel::Refresh(int satellite) {
  EnsureInitialised();
  satellite_ = satellite;
  if (satellite < 0) {
    list_->clear();
    state_.transponderRowCount = 0;
    return;
  }
  if (!doc_.HasData()) return;
  const ChannelDatabase& db = Db();

  const ListedTransponders listed = dbops::ListTransponders(db, satellite);
  state_.transponderRows = listed.rows;
  state_.transponderRowCount = listed.count;
  list_->clear();
  if (listed.count > 0) {
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < listed.count; ++row)
      if (const TransponderRecord* tp = RecordAt(row)) items.append(TransponderRow(*tp));
    list_->addTopLevelItems(items);
    if (state_.currentTransponderRow >= listed.count) state_.currentTransponderRow = listed.count - 1;
    if (state_.currentTransponderRow != 0) list_->MarkRow(state_.currentTransponderRow);
  }
}

bool TransponderPanel::Select(int transponder) {
  const auto listed = state_.transponderRows.begin();
  const auto end = listed + state_.transponderRowCount;
  const auto found = std::find(listed, end, transponder);
  if (found == end) return false;
  state_.currentTransponderRow = int(found - listed);
  list_->MarkRow(state_.currentTransponderRow);
  return true;
}

void TransponderPanel::EditTransponder(EditMode mode) {
  EnsureInitialised();
  const int satellite = satellite_;
  if (satellite < 0) return;
  const ChannelDatabase& db = Db();

  CTPEditDlg dialog(&page_);
  dialog.tpSatellite = DataExchange::NameText(channelrows::SatelliteName(db, satellite));
  int slot = -1;
  if (mode == EditMode::Add) {
    dialog.tpFrequency = 0;
    dialog.tpSymbolRate = 0;
    dialog.tpPolarization = 0;
  } else {
    const int row = list_->SingleSelectedRow();
    const TransponderRecord* tp = RecordAt(row);
    if (!tp) return;
    state_.currentTransponderRow = row;
    slot = SlotAt(row);
    dialog.tpFrequency = tp->Frequency();
    dialog.tpSymbolRate = tp->SymbolRate();
    dialog.tpPolarization = int(tp->Polarization());
  }
  if (Prompt::Exec(dialog) != QDialog::Accepted) return;

  // A full transponder table is not reported. The document's notice lists what changed.
  const std::string text =
      TransponderStep(mode == EditMode::Add ? StepTexts::kAddTransponder : StepTexts::kEditTransponder,
                      std::uint16_t(dialog.tpFrequency), std::uint32_t(dialog.tpPolarization) & 1);
  doc_.Apply({text, DocEditing::Mark::Always}, dbops::SaveTransponder, std::uint16_t(dialog.tpFrequency),
             std::uint16_t(dialog.tpSymbolRate), std::uint32_t(dialog.tpPolarization) & 1, satellite, slot);
}

void TransponderPanel::DeleteSelectedTransponder() {
  EnsureInitialised();
  const int satellite = satellite_;
  if (satellite < 0) return;
  const int row = list_->SingleSelectedRow();
  const TransponderRecord* tp = RecordAt(row);
  if (!tp) return;
  // The row stays marked when the notice lists the transponders again: the next one.
  state_.currentTransponderRow = row;
  doc_.Apply({TransponderStep(StepTexts::kDeleteTransponder, tp->Frequency(), tp->Polarization()),
              DocEditing::Mark::Always},
             dbops::DeleteTransponder, SlotAt(row));
}
