// The end of a drag on the "Group/Channel" page: the dragged rows move within their
// list to where they were dropped.
#include <QComboBox>
#include <QSignalBlocker>

#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/RowDrag.h"
#include "ui/channels/ServiceListPanel.h"

void CPageGroupCh::DropRows(bool services) {
  const RowDrag& drag = Panel(services).Drag();
  const std::vector<int> rows = drag.DragRows();
  if (!services && rows.size() == 1) {
    MoveGroupMember();
    return;
  }
  const int count = Panel(services).Count();
  if (rows.empty() || rows.back() >= count) return;
  const auto order =
      services ? dbops::ChannelOrder::List(services_->Kind()) : dbops::ChannelOrder::Group(groups_->CurrentGroup());
  const DocEditing::Action action = MoveAction(services, rows);
  const int kept = Panel(services).HoldSelection();
  ShowArranged(services,
               doc_.Apply(action, dbops::MoveRowsTo, order, rows, dbops::BlockDropPosition(count, rows, drag.DropRow())),
               kept);
}

void CPageGroupCh::MoveGroupMember() {
  const int dragRow = groups_->Drag().DragRow();
  if (dragRow < 0 || dragRow >= groupList_->RowCount()) return;
  if (groupList_->SingleSelectedRow() < 0) return;
  const int group = groups_->CurrentGroup();
  if (group < 0 || dragRow >= groups_->Count()) return;

  const int dropRow = groups_->Drag().DropRow();
  const DocEditing::Action action = Action(StepTexts::kMoveInGroup, ProgramName(groups_->ProgramAt(dragRow)),
                                           OrderName(false), DocEditing::Mark::Always);
  const int kept = groups_->HoldSelection();
  const int to = doc_.Apply(action, dbops::MoveGroupMember, group, dragRow, dropRow);
  if (to < 0) {
    groups_->SetSelection(kept);
    return;
  }
  // The notice filled the list with no row selected; the selection handler then shows
  // the moved row.
  groups_->SetSelection(to);
  {
    const QSignalBlocker block(groupList_);
    groupList_->clearSelection();
  }
  groupList_->SetCurrentRow(to);
}
