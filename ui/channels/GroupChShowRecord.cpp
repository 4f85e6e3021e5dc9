// The "Group/Channel" page after an undo or redo: the program, list position, group
// or member the step changed is shown, selected and in view.
#include <QComboBox>
#include <algorithm>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/document/DocEditing.h"
#include "db/document/StepSubject.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/Texts.h"

bool CPageGroupCh::ShowRecord(const StepSubject& subject) {
  EnsureInitialised();
  if (!doc_.HasData() || doc_.ImageValid() == 0) return false;
  using Kind = StepSubject::Kind;
  const ChannelDatabase& db = Db();
  const auto rowOf = [](const std::array<int, GroupChPageState::kMaxRows>& rows, int count, int slot) {
    for (int row = 0; row < count; ++row)
      if (rows[std::size_t(row)] == slot) return row;
    return -1;
  };
  const auto select = [this](GroupChListView* list, int row) {
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
  };
  // Shows one of the channel lists, as choosing it in "Type" does (which fills it); the
  // list shown already was filled by the refresh before, and 4000 rows are not filled
  // twice.
  const auto showKind = [this](int kind) {
    if (kind_->currentIndex() != kind) kind_->setCurrentIndex(kind);
    return kind_->currentIndex() == kind;
  };

  switch (subject.kind) {
    case Kind::Program: {
      if (!db.programs[std::size_t(subject.slot)].IsUsed()) return false;
      for (int kind : {kind_->currentIndex(), 1 - kind_->currentIndex()}) {
        const ServiceList* list = db.channelLists.List(kind);
        bool listed = false;
        for (std::size_t i = 0; list && i < list->ValidCount() && !listed; ++i) listed = list->Entry(i) == subject.slot;
        if (!listed || !showKind(kind)) continue;
        const int row = rowOf(state_.serviceRows, state_.serviceRowCount, subject.slot);
        if (row >= 0) select(serviceList_, row);
        return row >= 0;
      }
      return false;
    }
    case Kind::TvList:
    case Kind::RadioList: {
      const int kind = subject.kind == Kind::TvList ? int(ServiceKind::Tv) : int(ServiceKind::Radio);
      if (!showKind(kind) || state_.serviceRowCount == 0) return false;
      select(serviceList_, std::clamp(subject.position, 0, state_.serviceRowCount - 1));
      return true;
    }
    case Kind::Group: {
      int comboRow = -1;
      for (int row = 0; row < state_.groupComboRows; ++row)
        if (state_.groupMap[std::size_t(row)] == subject.slot) comboRow = row;
      if (comboRow < 0) return false;
      state_.currentGroupRow = comboRow;
      SelectGroupRow(comboRow);
      FillGroupList(subject.slot);
      if (subject.position >= 0 && state_.groupRowCount > 0)
        select(groupList_, std::clamp(subject.position, 0, state_.groupRowCount - 1));
      return true;
    }
    default: return false;
  }
}
