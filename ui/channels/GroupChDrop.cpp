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
#include "ui/channels/GroupChListView.h"
#include "ui/channels/RowDrag.h"

void CPageGroupCh::DropRows(bool services) {
  const RowDrag& drag = services ? *serviceDrag_ : *drag_;
  const std::vector<int> rows = drag.DragRows();
  if (!services && rows.size() == 1) {
    MoveGroupMember();
    return;
  }
  const int count = services ? state_.serviceRowCount : state_.groupRowCount;
  if (rows.empty() || rows.back() >= count) return;
  const auto order =
      services ? dbops::ChannelOrder::List(kind_->currentIndex()) : dbops::ChannelOrder::Group(state_.CurrentGroup());
  const std::vector<int> moved = doc_.Apply(MoveAction(services, rows), dbops::MoveRowsTo, order, rows,
                                            dbops::BlockDropPosition(count, rows, drag.DropRow()));
  if (!moved.empty()) ShowArranged(services, moved);
}

void CPageGroupCh::MoveGroupMember() {
  const int dragRow = drag_->DragRow();
  const QListWidgetItem* dragged = groupList_->item(dragRow);
  if (!dragged) return;
  const QString text = dragged->text();
  if (groupList_->SingleSelectedRow() < 0) return;
  const int group = state_.CurrentGroup();
  if (group < 0 || dragRow >= state_.groupRowCount) return;

  const int dropRow = drag_->DropRow();
  doc_.Apply(Action(StepTexts::kMoveInGroup, ProgramName(state_.groupRows[std::size_t(dragRow)]), OrderName(false),
                    DocEditing::Mark::Always),
             dbops::MoveGroupMember, group, dragRow, dropRow);
  auto& rows = state_.groupRows;
  const int to = dbops::MoveEntry(
      state_.groupRowCount, dragRow, dropRow, [&rows](int i) { return rows[std::size_t(i)]; },
      [&rows](int i, int v) { rows[std::size_t(i)] = v; });

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
