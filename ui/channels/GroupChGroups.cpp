// The "Group/Channel" page's favourite groups: the group combo, and "Add", "Rename" and
// "Delete" of a group.
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/CInputName.h"
#include "widgets/DataExchange.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {
constexpr int kGroupSlots = int(ChannelListBlock::kGroupCount);
}  // namespace

void CPageGroupCh::RefillGroupCombo() {
  const QSignalBlocker block(groupCombo_);
  groupCombo_->clear();
  state_.groupMap.fill(0);
  state_.groupComboRows = 0;
  const auto& groups = Db().channelLists.favoriteGroups;
  for (int g = 0; g < kGroupSlots; ++g) {
    const FavoriteGroupRecord& rec = groups[std::size_t(g)];
    if (!rec.IsUsed()) continue;
    groupCombo_->addItem(DataExchange::NameFromField(rec.NameField(), FavoriteGroupRecord::kNameWidth));
    state_.groupMap[std::size_t(state_.groupComboRows++)] = g;
  }
}

// Shows a combo row without the selection handler: the caller fills the list itself.
void CPageGroupCh::SelectGroupRow(int row) {
  const QSignalBlocker block(groupCombo_);
  groupCombo_->setCurrentIndex(row);
}


void CPageGroupCh::AddGroup() {
  CInputName dlg(this);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  if (!doc_.Apply(Action(StepTexts::kAddGroup, dlg.name, QString(), DocEditing::Mark::IfDone),
                  dbops::AddFavoriteGroup, DataExchange::NameBytes(dlg.name)))
    return;
  RefreshPage();
}

void CPageGroupCh::RenameGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  CInputName dlg(this);
  dlg.name = DataExchange::NameFromField(Db().channelLists.favoriteGroups[std::size_t(group)].NameField(),
                                         FavoriteGroupRecord::kNameWidth);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const auto renamed = doc_.Apply(Action(StepTexts::kRenameGroup, GroupName(group), dlg.name, DocEditing::Mark::IfDone),
                                  dbops::RenameFavoriteGroup, group, DataExchange::NameBytes(dlg.name));
  if (renamed == dbops::RenameGroupResult::NameExists) Prompt::Message(this, Q(T::kNameExists));
  if (renamed != dbops::RenameGroupResult::Renamed) return;
  RefillGroupCombo();
  SelectGroupRow(state_.currentGroupRow);
}

void CPageGroupCh::DeleteGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  doc_.Apply(Action(StepTexts::kDeleteGroup, GroupName(group), QString(), DocEditing::Mark::Always),
             dbops::DeleteFavoriteGroup, group);
  RefillGroupCombo();
  state_.currentGroupRow = state_.currentGroupRow > 0 ? state_.currentGroupRow - 1 : 0;
  FillGroupList(state_.CurrentGroup());
  SelectGroupRow(state_.groupComboRows > 0 ? state_.currentGroupRow : -1);
}
