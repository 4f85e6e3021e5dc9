// The "Group/Channel" page after an undo or redo: the program, list position, group
// or member the step changed is shown, selected and in view.
#include <QComboBox>
#include <algorithm>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/document/DocEditing.h"
#include "db/document/StepSubject.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ServiceListPanel.h"
#include "widgets/DataExchange.h"
#include "widgets/Texts.h"

bool CPageGroupCh::ShowRecord(const StepSubject& subject) {
  EnsureInitialised();
  if (!doc_.HasData() || doc_.ImageValid() == 0) return false;
  using Kind = StepSubject::Kind;
  const ChannelDatabase& db = Db();
  const auto select = [this](GroupChListView* list, int row) {
    list->SetCurrentRow(row);
    list->ScrollToRow(row);
  };
  // Shows one of the channel lists, as choosing it in "Type" does (which fills it); the
  // list shown already was filled by the refresh before, and 4000 rows are not filled
  // twice.
  const auto showKind = [this](int kind) {
    if (services_->Kind() != kind) services_->ChooseKind(kind);
    return services_->Kind() == kind;
  };

  switch (subject.kind) {
    case Kind::Program: {
      if (!channelrows::ProgramUsed(db, subject.slot)) return false;
      for (int kind : {services_->Kind(), 1 - services_->Kind()}) {
        const std::vector<std::uint16_t> entries = dbops::OrderEntries(db, dbops::ChannelOrder::List(kind));
        const bool listed = std::find(entries.begin(), entries.end(), subject.slot) != entries.end();
        if (!listed || !showKind(kind)) continue;
        const int row = services_->RowOf(subject.slot);
        if (row >= 0) select(serviceList_, row);
        return row >= 0;
      }
      return false;
    }
    case Kind::TvList:
    case Kind::RadioList: {
      const int kind = subject.kind == Kind::TvList ? int(ServiceKind::Tv) : int(ServiceKind::Radio);
      if (!showKind(kind) || services_->Count() == 0) return false;
      select(serviceList_, std::clamp(subject.position, 0, services_->Count() - 1));
      return true;
    }
    case Kind::Group: {
      const int comboRow = groups_->ComboRowOf(subject.slot);
      if (comboRow < 0) return false;
      groups_->SetCurrentRow(comboRow);
      groups_->SelectRow(comboRow);
      FillGroupList(subject.slot);
      if (subject.position >= 0 && groups_->Count() > 0)
        select(groupList_, std::clamp(subject.position, 0, groups_->Count() - 1));
      return true;
    }
    default: return false;
  }
}
