// The "Group/Channel" page's edits of the favourite groups: "Add", "Rename" and "Delete"
// of a group; the group panel then shows the groups as they are.

#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/CInputName.h"
#include "widgets/DataExchange.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

void CPageGroupCh::AddGroup() {
  CInputName dlg(this);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  if (!doc_.Apply(Action(StepTexts::kAddGroup, dlg.name, QString(), DocEditing::Mark::IfDone),
                  dbops::AddFavoriteGroup, DataExchange::NameBytes(dlg.name)))
    return;
  RefreshPage();
}

void CPageGroupCh::RenameGroup() {
  const int group = groups_->CurrentGroup();
  if (group < 0) return;
  CInputName dlg(this);
  dlg.name = GroupName(group);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const auto renamed = doc_.Apply(Action(StepTexts::kRenameGroup, GroupName(group), dlg.name, DocEditing::Mark::IfDone),
                                  dbops::RenameFavoriteGroup, group, DataExchange::NameBytes(dlg.name));
  if (!renamed) {
    if (!renamed.message.empty()) Prompt::Message(this, Q(renamed.message.c_str()));
    return;
  }
  groups_->RefillCombo(Db());
  groups_->SelectRow(groups_->CurrentRow());
}

void CPageGroupCh::DeleteGroup() {
  const int group = groups_->CurrentGroup();
  if (group < 0) return;
  doc_.Apply(Action(StepTexts::kDeleteGroup, GroupName(group), QString(), DocEditing::Mark::Always),
             dbops::DeleteFavoriteGroup, group);
  groups_->RefillCombo(Db());
  groups_->SetCurrentRow(groups_->CurrentRow() > 0 ? groups_->CurrentRow() - 1 : 0);
  FillGroupList(groups_->CurrentGroup());
  groups_->SelectRow(groups_->ComboRows() > 0 ? groups_->CurrentRow() : -1);
}
