#include "ui/channels/ChannelListPanel.h"

#include <QApplication>
#include <algorithm>
#include <QLineEdit>
#include <QStatusTipEvent>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/GroupOperations.h"
#include "ui/channels/ChannelRowItem.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/RowDrag.h"
#include "widgets/DataExchange.h"
#include "widgets/PlacedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

ChannelListPanel::ChannelListPanel(DocEditing& doc, QWidget& page) : QObject(&page), doc_(doc), page_(page) {}

ChannelListPanel::~ChannelListPanel() = default;

void ChannelListPanel::MakeList(const char* listName, const char* listLabel, const char* searchName,
                                const char* searchLabel, int searchY, int x, int width, int listY, int listHeight) {
  search_ = PlacedControl<QLineEdit>(&page_, searchName, searchLabel, x, searchY, width, 13);
  list_ = PlacedControl<GroupChListView>(&page_, listName, listLabel, x, listY, width, listHeight);
  list_->SetDragSource(true);
  search_->setPlaceholderText(Q(T::kSearchPlaceholder));
  filter_ = new ListFilter(*search_, *list_, [this](int row) { return SearchKeys(row); });
  drag_ = std::make_unique<RowDrag>(page_, *list_, [this] {
    if (drop_) drop_();
  });
  connect(list_, &GroupChListView::BeginDrag, this, [this](int row) {
    if (!RefuseMoveWhileFiltered()) drag_->Begin(row);
  });
}

void ChannelListPanel::Reset() {
  rows_.fill(0);
  count_ = 0;
  selection_ = 0;
}

void ChannelListPanel::Fill(const std::function<int(int row)>& programs, int count) {
  rows_.fill(0);
  count_ = std::min(count, kMaxRows);
  for (int row = 0; row < count_; ++row) rows_[std::size_t(row)] = programs(row);
  list_->clear();
  if (count_ <= 0) return;
  list_->setUpdatesEnabled(false);
  for (int row = 0; row < count_; ++row) new ChannelRowItem(RowText(rows_[std::size_t(row)]), list_);
  list_->setUpdatesEnabled(true);
  if (selection_ >= count_) selection_ = count_ - 1;
  // Row 0 is never selected by a refill.
  if (selection_ != 0) {
    list_->setCurrentRow(selection_);
    list_->scrollToItem(list_->item(selection_));
  }
}

void ChannelListPanel::ApplyFilter() { filter_->Apply(); }

int ChannelListPanel::RowOf(int program) const {
  for (int row = 0; row < count_; ++row)
    if (rows_[std::size_t(row)] == program) return row;
  return -1;
}

int ChannelListPanel::MoveRow(int from, int to) {
  return dbops::MoveEntry(
      count_, from, to, [this](int i) { return rows_[std::size_t(i)]; },
      [this](int i, int v) { rows_[std::size_t(i)] = v; });
}

QString ChannelListPanel::RowText(int program) const {
  // A damaged list may name a slot past the program table.
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return QStringLiteral("?");
  return Q(T::kRowFormat).arg(DataExchange::NameText(channelrows::ProgramName(doc_.Working(), program)));
}

void ChannelListPanel::SetRowText(int program, const QString& text) {
  if (const int row = RowOf(program); row >= 0)
    if (QListWidgetItem* it = list_->item(row)) it->setText(text);
}

ListFilter::RowKeys ChannelListPanel::SearchKeys(int row) const {
  const int program = ProgramAt(row);
  // A damaged list may name a slot past the program table: it matches by number only.
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return {};
  const ProgramRecord& p = doc_.Working().programs[std::size_t(program)];
  return {DataExchange::NameText(channelrows::ProgramName(doc_.Working(), program)), int(p.ServiceId())};
}

void ChannelListPanel::FocusSearch() const {
  search_->setFocus(Qt::ShortcutFocusReason);
  search_->selectAll();
}

bool ChannelListPanel::RefuseMoveWhileFiltered() const {
  if (!Filtered()) return false;
  // The main window shows a status tip in its status bar.
  QStatusTipEvent tip(Q(T::kMovingOffFiltered));
  QApplication::sendEvent(page_.window(), &tip);
  return true;
}
