// The "Group/Channel" page's program actions: the Info area showing and updating the
// current row's program, "Add Program", "Delete Program" on the active list, "-->"
// and "<--". Several selected rows go to GroupChSeveral.cpp.
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/CQuelmarDoc.h"
#include "db/DatabaseOperations.h"
#include "db/GroupOperations.h"
#include "db/ProgramOperations.h"
#include "ui/CPageGroupCh.h"
#include "ui/GroupChListView.h"
#include "ui/GroupChTexts.h"
#include "ui/PageHost.h"
#include "ui/ProgramInfoArea.h"
#include "ui/CProgramEditDlg.h"
#include "ui/StepTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/CommandIds.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {
constexpr int kProgramSlots = int(ChannelDatabase::kProgramCount);
}  // namespace

void CPageGroupCh::ShowProgramInfo(int program) {
  if (program < 0 || program >= kProgramSlots) {
    // A row naming no program slot (a damaged image's "?"): the area must not go on
    // showing the program before it, and there is nothing for "Update" to write.
    state_.infoValid = false;
    info_->ShowNone();
    return;
  }
  const ChannelDatabase& db = Db();
  const int satellite = dbops::SatelliteOfProgram(db, program);
  state_.infoSatellite =
      satellite < 0 ? QStringLiteral("?")
                    : DataExchange::NameFromField(db.satellites[std::size_t(satellite)].NameField(),
                                                  SatelliteRecord::kNameWidth);
  const dbops::ProgramEntry entry = dbops::ProgramEntryOf(db, program, host_.DbType());
  ProgramFieldControls::Values& info = state_.info;
  info.locked = entry.locked;
  info.name = DataExchange::NameFromBytes(entry.name);
  info.type = int(db.programs[std::size_t(program)].ServiceType());
  info.numbers = entry.numbers;
  ShowInfo();
  state_.infoValid = true;
}

void CPageGroupCh::ShowInfo() { info_->Show(state_.info, state_.infoSatellite); }

void CPageGroupCh::UpdateProgram() {
  EnsureInitialised();
  info_->Read(state_.info, host_.DbType());
  if (!state_.infoValid) return;
  int program = -1;
  if (state_.activeList == ActiveList::Services) {
    if (state_.serviceSelection >= 0 && state_.serviceSelection < state_.serviceRowCount)
      program = state_.serviceRows[std::size_t(state_.serviceSelection)];
  } else if (state_.groupSelection >= 0 && state_.groupSelection < state_.groupRowCount) {
    program = state_.groupRows[std::size_t(state_.groupSelection)];
  }
  const auto step = BeginStep(StepTexts::kUpdateProgram, state_.info.name);
  if (!doc_.Edit(dbops::UpdateProgram, program, ProgramFieldControls::Entry(state_.info), host_.DbType()))
    return;
  SetRowTextEverywhere(program, RowText(program));
  // The area shows what is stored: a refused field shows its stored value again.
  ShowProgramInfo(program);
  MarkModified();
}


void CPageGroupCh::AddProgram() {
  // With every slot in use there is nowhere to put the program: say so before asking.
  if (dbops::FindFreeProgramSlot(Db()) >= kProgramSlots) {
    Prompt::Message(this, Q(T::kProgramTableFull));
    return;
  }
  CProgramEditDlg dlg(Db(), host_.DbType());
  dlg.progType = int(ProgramRecord::kUnknown);
  dlg.progLocked = 0;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;

  const ProgramFieldControls::Values entered = dlg.Entered();
  const auto step = BeginStep(StepTexts::kAddProgram, entered.name);
  const dbops::AddProgramResult added = doc_.Edit(dbops::AddProgram, ProgramFieldControls::Entry(entered),
                                                  entered.type, dlg.chosenTransponder, host_.DbType());
  if (added == dbops::AddProgramResult::ListFull) Prompt::Message(this, Q(T::kServiceListFull));
  if (added != dbops::AddProgramResult::Added) return;
  RefreshPage();
  MarkModified();
}

void CPageGroupCh::DeleteSelectedProgram() {
  EnsureInitialised();
  if (ActOnSeveral(false)) return;
  if (state_.activeList == ActiveList::Services) {
    const int row = serviceList_->SingleSelectedRow();
    if (row < 0 || row >= state_.serviceRowCount) return;
    state_.serviceSelection = row;
    const int kind = kind_->currentIndex();
    const auto step = BeginStep(StepTexts::kDeleteProgram, ProgramName(state_.serviceRows[std::size_t(row)]));
    doc_.Edit(dbops::DeleteListedProgram, kind, state_.serviceRows[std::size_t(row)]);
    FillServiceList(kind);
    FillGroupList(state_.CurrentGroup());
  } else {
    const int row = groupList_->SingleSelectedRow();
    if (row < 0 || row >= state_.groupRowCount) return;
    state_.groupSelection = row;
    const auto step = BeginStep(StepTexts::kRemoveFromGroup, ProgramName(state_.groupRows[std::size_t(row)]),
                                OrderName(false));
    doc_.Edit(dbops::RemoveGroupMember, state_.CurrentGroup(), state_.groupRows[std::size_t(row)]);
    FillGroupList(state_.CurrentGroup());
  }
  MarkModified();
}


void CPageGroupCh::CopyToGroup() {
  if (ActOnSeveral(true)) return;
  const int row = serviceList_->SingleSelectedRow();
  if (row < 0 || row >= state_.serviceRowCount) {
    Prompt::Message(this, Q(T::kSelectLeft));
    return;
  }
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  const int program = state_.serviceRows[std::size_t(row)];
  const auto step = BeginStep(StepTexts::kAddToGroup, ProgramName(program), OrderName(false));
  if (doc_.Edit(dbops::AddGroupMember, group, program) != dbops::AddMemberResult::Added) return;
  FillGroupList(group);
  MarkModified();
}

void CPageGroupCh::RemoveFromGroup() {
  host_.SendCommand(CommandId::kDeleteProgram);
  MarkModified();
}
