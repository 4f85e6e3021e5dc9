#include "ui/channels/ChannelListPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
#include "ui/channels/ChannelTableModel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/RowDrag.h"
#include "widgets/DataExchange.h"
#include "widgets/NamedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

ChannelListPanel::ChannelListPanel(DocEditing& doc, QWidget& page, const char* title, const char* objectName)
    : QGroupBox(Q(title), &page), doc_(doc), page_(page) {
  setObjectName(QString::fromLatin1(objectName));
  setAccessibleName(Q(title));
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
}

ChannelListPanel::~ChannelListPanel() = default;

void ChannelListPanel::MakeList(const char* name, const char* listLabel, const char* searchLabel) {
  const auto objectName = [name](const char* what) { return QByteArray(name) + what; };
  search_ = NamedControl<QLineEdit>(this, objectName("Search").constData(), searchLabel);
  satellites_ = NamedControl<QComboBox>(this, objectName("Satellites").constData(), T::kSatelliteFilter);
  states_ = NamedControl<QComboBox>(this, objectName("States").constData(), T::kStateFilter);
  list_ = NamedControl<GroupChListView>(this, objectName("List").constData(), listLabel);
  // The satellites take three fifths of the filter row, the program states the rest.
  auto* filters = new QHBoxLayout;
  filters->addWidget(satellites_, 3);
  filters->addWidget(states_, 2);
  column_->addWidget(search_);
  column_->addLayout(filters);
  column_->addWidget(list_, 1);
  model_ = new ChannelTableModel(doc_, list_);
  list_->SetTableModel(model_);
  list_->SetDragSource(true);
  search_->setPlaceholderText(Q(T::kSearchPlaceholder));
  filter_ = new ListFilter(*search_, *satellites_, *states_, *list_, [this](int row) { return SearchKeys(row); });
  drag_ = std::make_unique<RowDrag>(page_, *list_, [this] {
    if (drop_) drop_();
  });
  connect(list_, &GroupChListView::BeginDrag, this, [this](int row) {
    if (!RefuseMoveWhileFiltered()) drag_->Begin(row);
  });
  connect(list_, &GroupChListView::CopyKey, this, &ChannelListPanel::CopySelected);
}

void ChannelListPanel::Reset() {
  rows_.fill(0);
  count_ = 0;
  selection_ = 0;
}

void ChannelListPanel::Fill(std::span<const std::uint16_t> programs) {
  rows_.fill(0);
  const auto shown = programs.first(std::min(programs.size(), rows_.size()));
  std::copy(shown.begin(), shown.end(), rows_.begin());
  count_ = int(shown.size());
  model_->Reset(shown);
  if (count_ <= 0) return;
  ShowSelection();
}

void ChannelListPanel::ShowSelection() {
  if (selection_ >= count_) selection_ = count_ - 1;
  // Row 0 is never selected by a refill.
  if (selection_ > 0) {
    list_->SetCurrentRow(selection_);
    list_->ScrollToRow(selection_);
  }
}

bool ChannelListPanel::Shows(std::span<const std::uint16_t> programs) const {
  return std::equal(programs.begin(), programs.end(), rows_.begin(), rows_.begin() + count_);
}

void ChannelListPanel::RenewRowTexts() { model_->Renew(); }

void ChannelListPanel::ApplyFilter() { filter_->Apply(); }

void ChannelListPanel::RenewSatellites() {
  std::vector<std::pair<int, QString>> satellites;
  for (const int slot : channelrows::UsedSatellites(doc_.Working()))
    satellites.emplace_back(slot, DataExchange::NameText(channelrows::SatelliteName(doc_.Working(), slot)));
  filter_->SetSatellites(satellites);
}

int ChannelListPanel::RowOf(int program) const {
  const auto end = rows_.begin() + count_;
  const auto found = std::find(rows_.begin(), end, program);
  return found == end ? -1 : int(found - rows_.begin());
}

ListFilter::RowKeys ChannelListPanel::SearchKeys(int row) const {
  // A damaged list may name a slot past the program table: its row has its number only.
  const channelrows::Row& r = model_->RowAt(row);
  return {&r, doc_.Marks().Has(r.program)};
}

QString ChannelListPanel::SelectedText() const {
  const std::vector<int> rows = list_->SelectedRows();
  if (rows.empty()) return {};
  // A spreadsheet takes the first line as the column titles, and a name as it is, not
  // in the brackets the rows show it in.
  std::vector<int> columns;
  for (int column = 0; column < ChannelTableModel::kColumns; ++column)
    if (!list_->isColumnHidden(column)) columns.push_back(column);
  QStringList lines;
  QStringList titles;
  for (const int column : columns) titles << ChannelTableModel::HeaderText(column);
  lines << titles.join(QLatin1Char('\t'));
  for (const int row : rows) {
    QStringList cells;
    for (const int column : columns) {
      const channelrows::Row& r = model_->RowAt(row);
      const bool name = column == ChannelTableModel::kName && r.program >= 0;
      cells << (name ? DataExchange::NameText(r.name) : model_->CellText(row, column));
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ChannelListPanel::CopySelected() const {
  const QString text = SelectedText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

QByteArray ChannelListPanel::ColumnState() const { return list_->horizontalHeader()->saveState(); }

void ChannelListPanel::RestoreColumnState(const QByteArray& state) {
  if (state.isEmpty()) return;
  if (!list_->horizontalHeader()->restoreState(state)) return;
  // Columns this list does not offer stay hidden whatever was kept.
  for (int column = 0; column < ChannelTableModel::kColumns; ++column)
    if (!list_->ColumnOffered(column)) list_->setColumnHidden(column, true);
  list_->horizontalHeader()->setSectionsClickable(false);
  list_->FillWidth();
}

void ChannelListPanel::FocusSearch() const {
  search_->setFocus(Qt::ShortcutFocusReason);
  search_->selectAll();
}

void ChannelListPanel::Tell(const QString& text) const {
  // The main window shows a status tip in its status bar.
  QStatusTipEvent tip(text);
  QApplication::sendEvent(page_.window(), &tip);
}

void ChannelListPanel::SetNextPlace(int row, bool tell) {
  nextPlace_ = std::max(0, row);
  if (tell) Tell(Q(T::kNextPlace).arg(nextPlace_ + 1));
}

void ChannelListPanel::TellPlaced(const channelrows::Row& placed, int at, int alike) const {
  const QString name = DataExchange::NameText(placed.name);
  const QString satellite = placed.satellite < 0 ? QStringLiteral("?") : DataExchange::NameText(placed.satelliteName);
  const QString frequency =
      placed.frequency < 0 ? QStringLiteral("?") : QString::fromStdString(channelrows::FrequencyText(placed));
  const QString serviceId = placed.serviceId < 0 ? QStringLiteral("?") : QString::number(placed.serviceId);
  const QString no = QString::number(at + 1), next = QString::number(nextPlace_ + 1);
  if (alike > 1)
    Tell(Q(T::kPlacedFirstOf).arg(name, satellite, frequency, serviceId, no, QString::number(alike), next));
  else
    Tell(Q(T::kPlaced).arg(name, satellite, frequency, serviceId, no, next));
}

bool ChannelListPanel::RefuseMoveWhileFiltered() const {
  if (!Filtered()) return false;
  Tell(Q(T::kMovingOffFiltered));
  return true;
}
