// The "Group/Channel" page arranging its lists: moving the selected row by keys
// or to a channel number, and sorting the list the context menu was opened on.
// Each is one edit through the document, whose notice fills the list again; the
// rows the user worked on are then selected and in view.
#include <algorithm>

#include "db/operations/ChannelSearch.h"
#include "db/operations/ChannelSort.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/ChannelTableModel.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/RowMoves.h"
#include "ui/channels/ServiceListPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QItemSelection>

std::vector<int> CPageGroupCh::MoveRows(GroupChListView* list, int move, bool tellPlace) {
  const bool services = list == serviceList_;
  const std::vector<int> rows = list->SelectedRows();
  // Moves to a place are well defined on rows a search hides; one place up or down is not.
  const bool onePlace = RowMove(move) == RowMove::Up || RowMove(move) == RowMove::Down;
  if (rows.empty() || Dragging() || (onePlace && Panel(services).RefuseMoveWhileFiltered())) return {};
  const auto order =
      services ? dbops::ChannelOrder::List(services_->Kind()) : dbops::ChannelOrder::Group(groups_->CurrentGroup());
  const DocEditing::Action action = MoveAction(services, rows);
  ChannelListPanel& panel = Panel(services);
  const int kept = panel.HoldSelection();
  const std::vector<int> moved = moves_->Move(RowMove(move), order, rows, panel.NextPlace(), action);
  // Placing goes on after the block just placed.
  if (!moved.empty() && (RowMove(move) == RowMove::Next || RowMove(move) == RowMove::To))
    panel.SetNextPlace(moved.back() + 1, tellPlace);
  ShowArranged(services, moved, kept);
  return moved;
}

void CPageGroupCh::PlaceFromSearch(bool services) {
  EnsureInitialised();
  ChannelListPanel& panel = Panel(services);
  GroupChListView* list = panel.List();
  // The rows above the next place are placed already; of those the search shows below
  // them, the one named as typed goes before "Kino 10" and the like.
  std::vector<int> shown;
  std::vector<const channelrows::Row*> rows;
  for (int row = std::max(0, panel.NextPlace()); row < list->RowCount(); ++row) {
    if (list->isRowHidden(row)) continue;
    shown.push_back(row);
    rows.push_back(&panel.Model().RowAt(row));
  }
  const channelsearch::Pick pick = channelsearch::Best(ListFilter::QueryOf(panel.Filter().Current()), rows);
  if (pick.index < 0) return;
  const int row = shown[std::size_t(pick.index)];
  if (!MayLeaveRow(list, row)) return;
  // A copy: the list is filled again when the row moves.
  const channelrows::Row placed = *rows[std::size_t(pick.index)];
  list->SetCurrentRow(row);
  const std::vector<int> moved = MoveRows(list, int(RowMove::Next), false);
  if (!moved.empty()) panel.TellPlaced(placed, moved.front(), pick.alike);
  // The next name typed replaces the one just found.
  panel.Search()->selectAll();
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
  static constexpr const char* kSelectedStepOfKey[] = {StepTexts::kSortSelectedByName,
                                                       StepTexts::kSortSelectedBySatellite,
                                                       StepTexts::kSortSelectedByServiceId, StepTexts::kReverseSelected};
  ChannelListPanel& panel = Panel(services);
  const int kept = panel.HoldSelection();
  // With several rows selected only they are sorted, among the places they hold: a block
  // placed by hand above them stays where it is. They stay selected.
  if (const std::vector<int> rows = panel.List()->SelectedRows(); rows.size() > 1) {
    const int sorted = doc_.Apply(Action(kSelectedStepOfKey[key], QString::number(rows.size()), QString()),
                                  dbops::SortRows, order, rows, dbops::SortKey(key));
    ShowArranged(services, sorted > 0 ? rows : std::vector<int>{}, kept);
    return;
  }
  // The selection follows the selected program to its new place.
  const int row = panel.List()->SingleSelectedRow();
  const bool sorted =
      doc_.Apply(Action(kStepOfKey[key], OrderName(services)), dbops::SortOrder, order, dbops::SortKey(key));
  const std::vector<std::uint16_t> after = dbops::OrderEntries(Db(), order);
  if (!sorted || after == before) {
    panel.SetSelection(kept);
    return;
  }
  int to = -1;
  if (row >= 0 && row < int(before.size())) {
    // Among equal slots (a damaged list) the same occurrence is kept.
    const auto at = before.begin() + row;
    const auto nth = std::count(before.begin(), at, *at);
    for (std::size_t i = 0, seen = 0; i < after.size() && to < 0; ++i)
      if (after[i] == *at && std::ptrdiff_t(seen++) == nth) to = int(i);
  }
  if (to >= 0) return ShowArranged(services, {to}, kept);
  // No single row to follow: the list shows its remembered row, as any refill does.
  panel.SetSelection(kept);
  panel.ShowSelection();
}

void CPageGroupCh::LockSelected(bool locked) { LockRows(activeList_ == ActiveList::Services, locked); }

bool CPageGroupCh::LockRows(bool services, bool locked) {
  EnsureInitialised();
  ChannelListPanel& panel = Panel(services);
  std::vector<int> programs;
  for (int row : panel.List()->SelectedRows())
    if (const int program = panel.ProgramAt(row); program >= 0) programs.push_back(program);
  if (programs.empty()) return false;
  const DocEditing::Action action =
      programs.size() == 1
          ? Action(locked ? StepTexts::kLockProgram : StepTexts::kUnlockProgram, ProgramName(programs.front()))
          : Action(locked ? StepTexts::kLockPrograms : StepTexts::kUnlockPrograms, QString::number(programs.size()));
  const int kept = panel.HoldSelection();
  doc_.Apply(action, dbops::SetProgramsLocked, programs, locked);
  // The rows stay as they were; the Info area shows the lock of the current one.
  panel.SetSelection(kept);
  return true;
}

DocEditing::Action CPageGroupCh::MoveAction(bool services, const std::vector<int>& rows) {
  const ChannelListPanel& panel = Panel(services);
  if (rows.size() == 1 && rows.front() < panel.Count())
    return Action(StepTexts::kMoveInGroup, ProgramName(panel.ProgramAt(rows.front())), OrderName(services));
  return Action(StepTexts::kMoveSeveral, QString::number(rows.size()), OrderName(services));
}

void CPageGroupCh::ShowArranged(bool services, const std::vector<int>& rows, int kept) {
  ChannelListPanel& panel = Panel(services);
  if (rows.empty()) {
    // Nothing moved and nothing was filled again: the list is as it was.
    panel.SetSelection(kept);
    return;
  }
  GroupChListView* list = panel.List();
  panel.SetSelection(rows.front());
  list->SetCurrentRow(rows.front());
  // One selection change for the whole block: a change per row would have the
  // selection handler read the growing selection a thousand times over.
  QItemSelection block;
  for (std::size_t i = 0; i < rows.size();) {
    std::size_t end = i + 1;
    while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
    block.select(list->model()->index(rows[i], 0), list->model()->index(rows[end - 1], 0));
    i = end;
  }
  list->selectionModel()->select(block, QItemSelectionModel::Select | QItemSelectionModel::Rows);
  list->ScrollToRow(rows.front());
}
