// The "Group/Channel" page's program actions: the Info area showing and updating the
// current row's program, "Add Program", "Delete Program" on the active list, "-->"
// and "<--". Several selected rows go to GroupChSeveral.cpp.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/CProgramEditDlg.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ProgramInfoArea.h"
#include "widgets/DataExchange.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {
constexpr int kProgramSlots = int(ChannelDatabase::kProgramCount);

bool SameValues(const ProgramFieldControls::Values& a, const ProgramFieldControls::Values& b) {
  const dbops::ProgramNumbers& x = a.numbers;
  const dbops::ProgramNumbers& y = b.numbers;
  return a.name == b.name && a.type == b.type && a.locked == b.locked && x.videoPid == y.videoPid &&
         x.audioPid == y.audioPid && x.pcrPid == y.pcrPid && x.ttextPid == y.ttextPid && x.pmtPid == y.pmtPid &&
         x.serviceId == y.serviceId;
}
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
  ProgramFieldControls::Values info;
  info.locked = entry.locked;
  info.name = DataExchange::NameFromBytes(entry.name);
  info.type = int(db.programs[std::size_t(program)].ServiceType());
  info.numbers = entry.numbers;
  // The same program shown again unchanged (the focus coming back to its list, a list
  // refilled around it) keeps what was typed over it.
  const bool keepTyped = state_.infoValid && program == state_.infoProgram && SameValues(info, state_.info);
  state_.info = info;
  state_.infoProgram = program;
  if (!keepTyped) ShowInfo();
  state_.infoValid = true;
}

void CPageGroupCh::ShowInfo() { info_->Show(state_.info, state_.infoSatellite); }

void CPageGroupCh::UpdateProgram() {
  EnsureInitialised();
  ApplyInfo(false);
}

bool CPageGroupCh::ResolveInfoEdits() {
  if (!initialised_ || !state_.infoValid || !info_->Differs(state_.info)) return true;
  // A program deleted meanwhile takes nothing.
  if (state_.infoProgram < 0 || state_.infoProgram >= kProgramSlots ||
      !Db().programs[std::size_t(state_.infoProgram)].IsUsed())
    return true;
  switch (Prompt::Message(this, Q(Texts::kApplyChanges).arg(state_.info.name),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
                          QMessageBox::Yes)) {
    case QMessageBox::Yes: return ApplyInfo(true);
    case QMessageBox::No: ShowInfo(); return true;
    default: return false;
  }
}

bool CPageGroupCh::MayLeaveRow(GroupChListView* list, int row) {
  const bool active = (list == serviceList_) == (state_.activeList == ActiveList::Services);
  // A press on the row the Info area shows stays on it.
  if (active && row >= 0 && row == list->SingleSelectedRow()) return true;
  return ResolveInfoEdits();
}

bool CPageGroupCh::MaySearch(bool services, const QString& text) {
  if (services != (state_.activeList == ActiveList::Services)) return true;
  const int row = services ? state_.serviceSelection : state_.groupSelection;
  const int count = services ? state_.serviceRowCount : state_.groupRowCount;
  // A search that still shows the Info area's row does not leave it.
  if (row >= 0 && row < count && ListFilter::Matches(text.trimmed(), row, SearchKeys(services, row))) return true;
  return ResolveInfoEdits();
}

bool CPageGroupCh::ApplyInfo(bool whole) {
  // Read into a copy: the state keeps the stored values the typed ones are compared with.
  ProgramFieldControls::Values typed = state_.info;
  const bool complete = info_->Read(typed, host_.DbType());
  if (!state_.infoValid) return true;
  if (whole && !complete) return false;
  // Settling typed values writes them to the program they were typed over, even when a
  // refill has moved the selection since.
  int program = whole ? state_.infoProgram : -1;
  if (!whole && state_.activeList == ActiveList::Services) {
    if (state_.serviceSelection >= 0 && state_.serviceSelection < state_.serviceRowCount)
      program = state_.serviceRows[std::size_t(state_.serviceSelection)];
  } else if (!whole && state_.groupSelection >= 0 && state_.groupSelection < state_.groupRowCount) {
    program = state_.groupRows[std::size_t(state_.groupSelection)];
  }
  if (!doc_.Apply(Action(StepTexts::kUpdateProgram, typed.name, QString(), DocEditing::Mark::IfDone),
                  dbops::UpdateProgram, program, ProgramFieldControls::Entry(typed), host_.DbType())) {
    // No program to write to: nothing typed can be kept for it.
    if (whole) ShowInfo();
    return true;
  }
  SetRowTextEverywhere(program, RowText(program));
  // The area shows what is stored: a refused field shows its stored value again.
  ShowProgramInfo(program);
  ShowInfo();
  return true;
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
  const dbops::AddProgramResult added =
      doc_.Apply(Action(StepTexts::kAddProgram, entered.name), dbops::AddProgram, ProgramFieldControls::Entry(entered),
                 entered.type, dlg.chosenTransponder, host_.DbType());
  if (added == dbops::AddProgramResult::ListFull) Prompt::Message(this, Q(T::kServiceListFull));
  if (added != dbops::AddProgramResult::Added) return;
  RefreshPage();
}

void CPageGroupCh::DeleteSelectedProgram() {
  EnsureInitialised();
  if (ActOnSeveral(false)) return;
  if (state_.activeList == ActiveList::Services) {
    const int row = serviceList_->SingleSelectedRow();
    if (row < 0 || row >= state_.serviceRowCount) return;
    state_.serviceSelection = row;
    const int kind = kind_->currentIndex();
    doc_.Apply(Action(StepTexts::kDeleteProgram, ProgramName(state_.serviceRows[std::size_t(row)]), QString(),
                      DocEditing::Mark::Always),
               dbops::DeleteListedProgram, kind, state_.serviceRows[std::size_t(row)]);
    FillServiceList(kind);
    FillGroupList(state_.CurrentGroup());
  } else {
    const int row = groupList_->SingleSelectedRow();
    if (row < 0 || row >= state_.groupRowCount) return;
    state_.groupSelection = row;
    doc_.Apply(Action(StepTexts::kRemoveFromGroup, ProgramName(state_.groupRows[std::size_t(row)]), OrderName(false),
                      DocEditing::Mark::Always),
               dbops::RemoveGroupMember, state_.CurrentGroup(), state_.groupRows[std::size_t(row)]);
    FillGroupList(state_.CurrentGroup());
  }
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
  if (doc_.Apply(Action(StepTexts::kAddToGroup, ProgramName(program), OrderName(false)), dbops::AddGroupMember, group,
                 program) != dbops::AddMemberResult::Added)
    return;
  FillGroupList(group);
}

void CPageGroupCh::RemoveFromGroup() { actions_.deleteProgram->trigger(); }
