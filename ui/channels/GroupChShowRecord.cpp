// The "Group/Channel" page after an undo or redo: the program, list position, group
// or member the step changed is shown, selected and in view; and the record a check or
// a comparison points at, selected as a click would select it.
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

bool CPageGroupCh::Reveal(const StepSubject& record) {
  EnsureInitialised();
  if (!doc_.HasData() || doc_.ImageValid() == 0) return false;
  using Kind = StepSubject::Kind;
  const ChannelDatabase& db = Db();
  // The focus makes the list the active one, as a click does.
  const auto pick = [](GroupChListView* list, int row) {
    if (row < 0 || row >= list->RowCount()) return false;
    list->setFocus();
    list->clearSelection();
    list->SetCurrentRow(row);
    list->ScrollToRow(row);
    return true;
  };
  switch (record.kind) {
    case Kind::Program: {
      for (int kind : {int(ServiceKind::Tv), int(ServiceKind::Radio)}) {
        const std::vector<std::uint16_t> entries = dbops::OrderEntries(db, dbops::ChannelOrder::List(kind));
        const auto found = std::find(entries.begin(), entries.end(), record.slot);
        if (found != entries.end())
          return Reveal({kind == int(ServiceKind::Tv) ? Kind::TvList : Kind::RadioList, -1, int(found - entries.begin())});
      }
      for (const int group : channelrows::UsedGroups(db)) {
        const std::vector<std::uint16_t> members = dbops::OrderEntries(db, dbops::ChannelOrder::Group(group));
        const auto found = std::find(members.begin(), members.end(), record.slot);
        if (found != members.end()) return Reveal({Kind::Group, group, int(found - members.begin())});
      }
      return false;
    }
    case Kind::TvList:
    case Kind::RadioList: {
      const int kind = record.kind == Kind::TvList ? int(ServiceKind::Tv) : int(ServiceKind::Radio);
      // Chosen as a person chooses it, who may keep typed values there (the choice then
      // stays); shown again when it is shown already, the search over it applied anew.
      if (services_->Kind() != kind) {
        services_->ChooseKind(kind);
      } else {
        FillServiceList(kind);
      }
      if (services_->Kind() != kind) return false;
      return record.position < 0 || pick(serviceList_, record.position);
    }
    case Kind::Group: {
      const int comboRow = groups_->ComboRowOf(record.slot);
      if (comboRow < 0) return false;
      if (groups_->CurrentRow() != comboRow) {
        groups_->ChooseRow(comboRow);
      } else {
        FillGroupList(record.slot);
      }
      if (groups_->CurrentRow() != comboRow) return false;
      return record.position < 0 || pick(groupList_, record.position);
    }
    default: return false;
  }
}
