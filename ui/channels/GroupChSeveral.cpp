// The "Group/Channel" page acting on several selected rows at once: "Delete Program"
// after one confirmation that gives the count, "<--" and "-->". Each is one edit through
// the document. With one row selected the page's own single-row handling applies.
#include <QComboBox>

#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ServiceListPanel.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

bool CPageGroupCh::ActOnSeveral(bool copy) {
  const bool services = copy || activeList_ == ActiveList::Services;
  const std::vector<int> rows = (services ? serviceList_ : groupList_)->SelectedRows();
  if (rows.size() < 2) return false;
  const ChannelListPanel& panel = Panel(services);
  std::vector<int> programs;
  for (int row : rows)
    if (row < panel.Count()) programs.push_back(panel.ProgramAt(row));
  const int group = groups_->CurrentGroup();
  const QString many = QString::number(programs.size());
  if (copy) {
    if (group < 0) return true;
    // Named after the programs that joined, not those selected.
    const QString order = OrderName(false);
    const dbops::AddMembersResult added = doc_.ApplyNamed(
        Action(StepTexts::kAddSeveralToGroup, many, order),
        [order](const dbops::AddMembersResult& r) {
          return StepText(StepTexts::kAddSeveralToGroup, QString::number(r.added), order);
        },
        dbops::AddGroupMembers, group, programs);
    if (added.alreadyMembers > 0)
      Prompt::Message(this, Q(T::kAlreadyMembers).arg(added.alreadyMembers), QMessageBox::Ok, QMessageBox::Information);
    return true;
  }
  if (services) {
    if (Prompt::Message(this, Q(T::kDeleteSeveral).arg(programs.size()), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Question, QMessageBox::No) != QMessageBox::Yes)
      return true;
    // The first selected row stays selected when the notice fills the list again.
    services_->SetSelection(rows.front());
    doc_.Apply(Action(StepTexts::kDeleteSeveral, many, QString(), DocEditing::Mark::Always),
               dbops::DeleteListedPrograms, services_->Kind(), programs);
  } else {
    groups_->SetSelection(rows.front());
    doc_.Apply(Action(StepTexts::kRemoveSeveralFromGroup, many, OrderName(false), DocEditing::Mark::Always),
               dbops::RemoveGroupMembers, group, programs);
  }
  return true;
}
