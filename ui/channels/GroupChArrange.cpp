// The "Group/Channel" page arranging its lists: moving the selected row by keys
// or to a channel number, and sorting the list the context menu was opened on.
// Each is one edit through the document; the list is then refilled and the row
// the user worked on stays selected and in view.
#include <algorithm>

#include "db/operations/ChannelSort.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/RowMoves.h"
#include "ui/channels/ServiceListPanel.h"

#include <QComboBox>
#include <QItemSelection>

void CPageGroupCh::MoveRows(GroupChListView* list, int move) {
  const bool services = list == serviceList_;
  const std::vector<int> rows = list->SelectedRows();
  if (rows.empty() || Dragging() || Panel(services).RefuseMoveWhileFiltered()) return;
  const auto order =
      services ? dbops::ChannelOrder::List(services_->Kind()) : dbops::ChannelOrder::Group(groups_->CurrentGroup());
  const std::vector<int> moved = moves_->Move(RowMove(move), order, rows, MoveAction(services, rows));
  if (moved.empty()) return;
  ShowArranged(services, moved);
}

void CPageGroupCh::SortRows(int key) {
  EnsureInitialised();
  const bool services = activeList_ == ActiveList::Services;
  const auto order =
      services ? dbops::ChannelOrder::List(services_->Kind()) : dbops::ChannelOrder::Group(groups_->CurrentGroup());
  const std::vector<std::uint16_t> before = dbops::OrderEntries(Db(), order);
  if (before.empty()) return;
  static constexpr const char* kStepOfKey[] = {StepTexts::kSortByName, StepTexts::kSortBySatellite,
                                               StepTexts::kSortByServiceId, StepTexts::kReverseOrder};
  if (!doc_.Apply(Action(kStepOfKey[key], OrderName(services)), dbops::SortOrder, order, dbops::SortKey(key))) return;
  const std::vector<std::uint16_t> after = dbops::OrderEntries(Db(), order);
  if (after == before) return;
  // The selection follows the selected program to its new place.
  GroupChListView* list = services ? serviceList_ : groupList_;
  const int row = list->SingleSelectedRow();
  int to = -1;
  if (row >= 0 && row < int(before.size())) {
    // Among equal slots (a damaged list) the same occurrence is kept.
    const auto nth = std::count(before.begin(), before.begin() + row, before[std::size_t(row)]);
    for (std::size_t i = 0, seen = 0; i < after.size() && to < 0; ++i)
      if (after[i] == before[std::size_t(row)] && std::ptrdiff_t(seen++) == nth) to = int(i);
  }
  ShowArranged(services, to < 0 ? std::vector<int>() : std::vector<int>{to});
}

DocEditing::Action CPageGroupCh::MoveAction(bool services, const std::vector<int>& rows) {
  const ChannelListPanel& panel = Panel(services);
  if (rows.size() == 1 && rows.front() < panel.Count())
    return Action(StepTexts::kMoveInGroup, ProgramName(panel.ProgramRows()[std::size_t(rows.front())]),
                  OrderName(services));
  return Action(StepTexts::kMoveSeveral, QString::number(rows.size()), OrderName(services));
}

// Refills the arranged list with `rows` selected, the first current and in view.
void CPageGroupCh::ShowArranged(bool services, const std::vector<int>& rows) {
  GroupChListView* list = services ? serviceList_ : groupList_;
  // The refill selects the first row again; it leaves row 0 to the caller.
  if (!rows.empty()) Panel(services).SetSelection(rows.front());
  services ? FillServiceList(services_->Kind()) : FillGroupList(groups_->CurrentGroup());
  if (!rows.empty()) {
    list->setCurrentRow(rows.front());
    // One selection change for the whole block: a change per row would have the
    // selection handler read the growing selection a thousand times over.
    QItemSelection block;
    for (std::size_t i = 0; i < rows.size();) {
      std::size_t end = i + 1;
      while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
      block.select(list->model()->index(rows[i], 0), list->model()->index(rows[end - 1], 0));
      i = end;
    }
    list->selectionModel()->select(block, QItemSelectionModel::Select);
    list->scrollToItem(list->item(rows.front()));
  }
}
