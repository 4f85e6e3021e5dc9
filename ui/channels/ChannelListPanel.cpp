#include "ui/channels/ChannelListPanel.h"

#include <QApplication>
#include <algorithm>
#include <QLineEdit>
#include <QStatusTipEvent>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
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

void ChannelListPanel::Fill(std::span<const std::uint16_t> programs) {
  rows_.fill(0);
  const auto shown = programs.first(std::min(programs.size(), rows_.size()));
  std::copy(shown.begin(), shown.end(), rows_.begin());
  count_ = int(shown.size());
  list_->clear();
  if (count_ <= 0) return;
  list_->setUpdatesEnabled(false);
  for (const std::uint16_t program : shown) new ChannelRowItem(RowText(program), list_);
  list_->setUpdatesEnabled(true);
  ShowSelection();
}

void ChannelListPanel::ShowSelection() {
  if (selection_ >= count_) selection_ = count_ - 1;
  // Row 0 is never selected by a refill.
  if (selection_ > 0) {
    list_->setCurrentRow(selection_);
    list_->scrollToItem(list_->item(selection_));
  }
}

bool ChannelListPanel::Shows(std::span<const std::uint16_t> programs) const {
  return std::equal(programs.begin(), programs.end(), rows_.begin(), rows_.begin() + count_);
}

void ChannelListPanel::RenewRowTexts() {
  for (int row = 0; row < count_; ++row) {
    QListWidgetItem* item = list_->item(row);
    const QString text = RowText(ProgramAt(row));
    if (item && item->text() != text) item->setText(text);
  }
}

void ChannelListPanel::ApplyFilter() { filter_->Apply(); }

int ChannelListPanel::RowOf(int program) const {
  const auto end = rows_.begin() + count_;
  const auto found = std::find(rows_.begin(), end, program);
  return found == end ? -1 : int(found - rows_.begin());
}

QString ChannelListPanel::RowText(int program) const {
  // A damaged list may name a slot past the program table.
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return QStringLiteral("?");
  return Q(T::kRowFormat).arg(DataExchange::NameText(channelrows::ProgramName(doc_.Working(), program)));
}

ListFilter::RowKeys ChannelListPanel::SearchKeys(int row) const {
  const int program = ProgramAt(row);
  // A damaged list may name a slot past the program table: it matches by number only.
  const ProgramRecord* p = TableAt(doc_.Working().programs, program);
  if (!p) return {};
  return {DataExchange::NameText(channelrows::ProgramName(doc_.Working(), program)), int(p->ServiceId())};
}

void ChannelListPanel::FocusSearch() const {
  search_->setFocus(Qt::ShortcutFocusReason);
  search_->selectAll();
}

void ChannelListPanel::SetNextPlace(int row) {
  nextPlace_ = std::max(0, row);
  QStatusTipEvent tip(Q(T::kNextPlace).arg(nextPlace_ + 1));
  QApplication::sendEvent(page_.window(), &tip);
}

bool ChannelListPanel::RefuseMoveWhileFiltered() const {
  if (!Filtered()) return false;
  // The main window shows a status tip in its status bar.
  QStatusTipEvent tip(Q(T::kMovingOffFiltered));
  QApplication::sendEvent(page_.window(), &tip);
  return true;
}
