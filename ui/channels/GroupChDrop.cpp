// The end of a drag on the "Group/Channel" page: the dragged rows move within their
// list to where they were dropped.
#include <QComboBox>
#include <QSignalBlocker>

#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/ChannelRowItem.h"
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
  const std::vector<int> moved = doc_.Apply(MoveAction(services, rows), dbops::MoveRowsTo, order, rows,
                                            dbops::BlockDropPosition(count, rows, drag.DropRow()));
  if (!moved.empty()) ShowArranged(services, moved);
}

void CPageGroupCh::MoveGroupMember() {
  const int dragRow = groups_->Drag().DragRow();
  const QListWidgetItem* dragged = groupList_->item(dragRow);
  if (!dragged) return;
  const QString text = dragged->text();
  if (groupList_->SingleSelectedRow() < 0) return;
  const int group = groups_->CurrentGroup();
  if (group < 0 || dragRow >= groups_->Count()) return;

  const int dropRow = groups_->Drag().DropRow();
  doc_.Apply(Action(StepTexts::kMoveInGroup, ProgramName(groups_->ProgramAt(dragRow)), OrderName(false),
                    DocEditing::Mark::Always),
             dbops::MoveGroupMember, group, dragRow, dropRow);
  const int to = groups_->MoveRow(dragRow, dropRow);

  // The list is patched rather than refilled; the selection handler stays out until the
  // moved row is in place, then shows it.
  {
    const QSignalBlocker block(groupList_);
    delete groupList_->takeItem(dragRow);
    groupList_->insertItem(to, new ChannelRowItem(text));
    groupList_->clearSelection();
  }
  groupList_->setCurrentRow(to);
}
