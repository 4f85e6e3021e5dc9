// The "Group/Channel" page's program actions: wiring the Info area to the active list's
// row, "Add Program", "Delete Program" on the active list, "-->"
// and "<--". Several selected rows go to GroupChSeveral.cpp. The document's notice
// fills the lists again before Apply returns; the remembered row is set before it.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/OperationTexts.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/ProgramOperations.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/CProgramEditDlg.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ProgramInfoArea.h"
#include "ui/channels/ServiceListPanel.h"
#include "widgets/CoreMessages.h"
#include "widgets/DataExchange.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {
constexpr int kProgramSlots = int(ChannelDatabase::kProgramCount);
}  // namespace

void CPageGroupCh::ShowProgramInfo(int program) { info_->ShowProgram(program); }

void CPageGroupCh::UpdateProgram() {
  EnsureInitialised();
  // "Update" writes to the program of the active list's selected row.
  const ChannelListPanel& panel = Panel(activeList_ == ActiveList::Services);
  info_->Update(panel.ProgramAt(panel.Selection()));
}

bool CPageGroupCh::ResolveInfoEdits() { return !initialised_ || info_->Resolve(); }

bool CPageGroupCh::MayLeaveRow(GroupChListView* list, int row) {
  const bool active = (list == serviceList_) == (activeList_ == ActiveList::Services);
  // A press on the row the Info area shows stays on it.
  if (active && row >= 0 && row == list->SingleSelectedRow()) return true;
  return ResolveInfoEdits();
}

bool CPageGroupCh::MaySearch(bool services, const ListFilter::Criteria& next) {
  if (services != (activeList_ == ActiveList::Services)) return true;
  const ChannelListPanel& panel = Panel(services);
  const int row = panel.Selection();
  // A search that still shows the Info area's row does not leave it.
  if (row >= 0 && row < panel.Count() && ListFilter::Matches(next, panel.SearchKeys(row))) return true;
  return ResolveInfoEdits();
}

void CPageGroupCh::AddProgram() {
  // With every slot in use there is nowhere to put the program: say so before asking.
  if (dbops::FindFreeProgramSlot(Db()) >= kProgramSlots) {
    Prompt::Message(this, Q(OperationTexts::kProgramTableFull));
    return;
  }
  CProgramEditDlg dlg(Db(), host_.DbType());
  dlg.progType = int(ProgramRecord::kUnknown);
  dlg.progLocked = 0;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;

  const ProgramFieldControls::Values entered = dlg.Entered();
  const Result added =
      doc_.Apply(Action(StepTexts::kAddProgram, entered.name), dbops::AddProgram, ProgramFieldControls::Entry(entered),
                 entered.type, dlg.chosenTransponder, host_.DbType());
  if (!added) {
    Prompt::Message(this, CoreMessages::Said(added.message));
    return;
  }
  ShowFirstLists();
}

void CPageGroupCh::DeleteSelectedProgram() {
  EnsureInitialised();
  if (ActOnSeveral(false)) return;
  if (activeList_ == ActiveList::Services) {
    const int row = serviceList_->SingleSelectedRow();
    if (row < 0 || row >= services_->Count()) return;
    services_->SetSelection(row);
    const int kind = services_->Kind();
    const int program = services_->ProgramAt(row);
    doc_.Apply(Action(StepTexts::kDeleteProgram, ProgramName(program), QString(), DocEditing::Mark::Always),
               dbops::DeleteListedProgram, kind, program);
  } else {
    const int row = groupList_->SingleSelectedRow();
    if (row < 0 || row >= groups_->Count()) return;
    groups_->SetSelection(row);
    const int program = groups_->ProgramAt(row);
    doc_.Apply(Action(StepTexts::kRemoveFromGroup, ProgramName(program), OrderName(false), DocEditing::Mark::Always),
               dbops::RemoveGroupMember, groups_->CurrentGroup(), program);
  }
}


void CPageGroupCh::RenameRow(bool services, int row, const QString& text) {
  const int program = Panel(services).ProgramAt(row);
  if (!channelrows::ProgramUsed(Db(), program)) return;
  const QString old = ProgramName(program);
  if (text == old) return;
  // Typed values waiting in the Info area are settled first: the rename would drop them.
  if (!ResolveInfoEdits()) return;
  if (std::size_t(text.toUcs4().size()) > ProgramRecord::kNameWidth) {
    Prompt::Message(this, Q(Texts::kNoMoreThan).arg(ProgramRecord::kNameWidth));
    return;
  }
  const std::optional<std::string> bytes = DataExchange::NameToBytes(text);
  if (!bytes) {
    Prompt::Message(this, Q(Texts::kNameNotStorable));
    return;
  }
  doc_.Apply(Action(StepTexts::kRenameProgram, old, text), dbops::RenameProgram, program, *bytes);
}

void CPageGroupCh::CopyToGroup() {
  if (ActOnSeveral(true)) return;
  const int row = serviceList_->SingleSelectedRow();
  if (row < 0 || row >= services_->Count()) {
    Prompt::Message(this, Q(T::kSelectLeft));
    return;
  }
  const int group = groups_->CurrentGroup();
  if (group < 0) return;
  const int program = services_->ProgramAt(row);
  doc_.Apply(Action(StepTexts::kAddToGroup, ProgramName(program), OrderName(false)), dbops::AddGroupMember, group,
             program);
}

void CPageGroupCh::RemoveFromGroup() { actions_.deleteProgram->trigger(); }
