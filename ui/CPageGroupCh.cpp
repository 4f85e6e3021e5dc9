#include "ui/CPageGroupCh.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "db/CQuelmarDoc.h"
#include "db/DatabaseOperations.h"
#include "db/GroupOperations.h"
#include "db/ProgramOperations.h"
#include "db/StepSubject.h"
#include "ui/CProgramEditDlg.h"
#include "ui/FavoriteDrag.h"
#include "ui/GroupChListView.h"
#include "ui/GroupChTexts.h"
#include "ui/PageHost.h"
#include "ui/ProgramInfoArea.h"
#include "ui/RowMoves.h"
#include "ui/StepTexts.h"
#include "widgets/CInputName.h"
#include "widgets/CommandIds.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/PlacedControl.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

constexpr int kProgramSlots = int(ChannelDatabase::kProgramCount);
constexpr int kGroupSlots = int(ChannelListBlock::kGroupCount);

}  // namespace

CPageGroupCh::CPageGroupCh(CQuelmarDoc& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageGroupCh"));
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 366, 312);
  // Made with the page: controls made later, while the page is on screen, would stay
  // hidden.
  CreateControls();
  ConnectControls();
  // Left box, the copy buttons, right box, then the program's fields row by row.
  SetTabOrder({kind_, serviceList_, copyRight_, copyLeft_, groupCombo_, addGroup_, renameGroup_, deleteGroup_,
               groupList_});
  info_->ChainTabOrder(groupList_);
}

CPageGroupCh::~CPageGroupCh() = default;

QString CPageGroupCh::Title() { return Q(T::kPageTitle); }

void CPageGroupCh::Activate() { EnsureInitialised(); }

void CPageGroupCh::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_ = GroupChPageState();
  ShowActiveList();
  ShowInfo();
}

const ChannelDatabase& CPageGroupCh::Db() const { return doc_.Working(); }

void CPageGroupCh::MarkModified() { doc_.MarkEdited(); }

QString CPageGroupCh::ProgramName(int program) const {
  if (program < 0 || program >= kProgramSlots) return QStringLiteral("?");
  return DataExchange::NameFromField(Db().programs[std::size_t(program)].NameField(), ProgramRecord::kNameWidth);
}

QString CPageGroupCh::GroupName(int group) const {
  if (group < 0 || group >= kGroupSlots) return QStringLiteral("?");
  return DataExchange::NameFromField(Db().channelLists.favoriteGroups[std::size_t(group)].NameField(),
                                     FavoriteGroupRecord::kNameWidth);
}

CQuelmarDoc::Step CPageGroupCh::BeginStep(const char* text, const QString& a1, const QString& a2) {
  QString named = Q(text).arg(a1);
  if (!a2.isNull()) named = named.arg(a2);
  return doc_.BeginStep(named.toStdString());
}

bool CPageGroupCh::Dragging() const { return drag_->Dragging(); }
int CPageGroupCh::DropRow() const { return drag_->DropRow(); }

// ---- controls -----------------------------------------------------------------------

void CPageGroupCh::CreateControls() {
  PlacedTextControl<QGroupBox>(this, T::kTvRadioBox, "tvRadioBox", 7, 4, 150, 204);
  kind_ = PlacedControl<QComboBox>(this, "kind", T::kTvRadioBox, 14, 16, 136, 14);
  serviceList_ = PlacedControl<GroupChListView>(this, "serviceList", T::kTvRadioBox, 14, 34, 136, 167);

  copyRight_ = PlacedTextControl<QPushButton>(this, T::kCopyRight, "copyRight", 163, 84, 36, 14);
  copyLeft_ = PlacedTextControl<QPushButton>(this, T::kCopyLeft, "copyLeft", 163, 104, 36, 14);

  PlacedTextControl<QGroupBox>(this, T::kFavoriteBox, "favoriteBox", 205, 4, 154, 204);
  groupCombo_ = PlacedControl<QComboBox>(this, "groupCombo", T::kFavoriteBox, 212, 16, 140, 14);
  addGroup_ = PlacedTextControl<QPushButton>(this, T::kAdd, "addGroup", 212, 33, 44, 14);
  renameGroup_ = PlacedTextControl<QPushButton>(this, T::kRename, "renameGroup", 260, 33, 44, 14);
  deleteGroup_ = PlacedTextControl<QPushButton>(this, T::kDelete, "deleteGroup", 308, 33, 44, 14);
  groupList_ = PlacedControl<GroupChListView>(this, "groupList", T::kFavoriteBox, 212, 51, 140, 150);
  groupList_->SetDragSource(true);

  info_ = std::make_unique<ProgramInfoArea>(*this);
  drag_ = std::make_unique<FavoriteDrag>(*this, *groupList_, [this] { MoveGroupMember(); });
  moves_ = std::make_unique<RowMoves>(doc_, *this);
}

void CPageGroupCh::ConnectControls() {
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int row) { FillServiceList(row); });
  connect(groupCombo_, &QComboBox::currentIndexChanged, this, [this](int row) {
    state_.currentGroupRow = row;
    FillGroupList(state_.CurrentGroup());
  });
  for (GroupChListView* list : {serviceList_, groupList_}) {
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { OnListSelectionChanged(list); });
    // A click or the focus on a list makes it the one "<--" acts on, also when its
    // selected row was selected already and no selection change says so.
    connect(list, &GroupChListView::Activated, this, [this, list] { OnListSelectionChanged(list); });
    connect(list, &GroupChListView::KeyCommand, this, [this](int key) { OnListKey(key); });
    connect(list, &GroupChListView::MoveKey, this, [this, list](int move) { MoveRows(list, move); });
    connect(list, &GroupChListView::ContextMenuAt, this, [this](const QPoint& globalPos) {
      host_.PopupContextMenu(ContextMenu::PopMenu, globalPos);
    });
  }
  connect(groupList_, &GroupChListView::BeginDrag, this, [this](int row) { drag_->Begin(row); });
  connect(addGroup_, &QPushButton::clicked, this, [this] { AddGroup(); });
  connect(renameGroup_, &QPushButton::clicked, this, [this] { RenameGroup(); });
  connect(deleteGroup_, &QPushButton::clicked, this, [this] { DeleteGroup(); });
  connect(copyRight_, &QPushButton::clicked, this, [this] { CopyToGroup(); });
  connect(copyLeft_, &QPushButton::clicked, this, [this] { RemoveFromGroup(); });
  connect(info_->UpdateButton(), &QPushButton::clicked, this, [this] { UpdateProgram(); });
}

bool CPageGroupCh::OnCommand(int commandId) {
  if (commandId == CommandId::kAddProgram) {
    EnsureInitialised();
    AddProgram();
    return true;
  }
  if (ArrangeCommand(commandId)) return true;
  if (commandId == CommandId::kDeleteProgram) {
    EnsureInitialised();
    DeleteSelectedProgram();
    return true;
  }
  return false;
}

void CPageGroupCh::OnListKey(int key) {
  if (key == Qt::Key_Insert) host_.SendCommand(CommandId::kAddProgram);
  if (key == Qt::Key_Delete) host_.SendCommand(CommandId::kDeleteProgram);
}

// ---- lists --------------------------------------------------------------------------

QString CPageGroupCh::RowText(int program) const {
  // A damaged list may name a slot past the program table.
  if (program < 0 || program >= kProgramSlots) return QStringLiteral("?");
  const ProgramRecord& p = Db().programs[std::size_t(program)];
  return Q(T::kRowFormat).arg(DataExchange::NameFromField(p.NameField(), ProgramRecord::kNameWidth));
}

void CPageGroupCh::RefreshPage() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  {
    const QSignalBlocker blockGroups(groupCombo_);
    const QSignalBlocker blockKind(kind_);
    groupCombo_->clear();
    state_.groupComboRows = 0;
    kind_->clear();
    if (doc_.ImageValid() == 0) return;
    kind_->addItems({Q(T::kKindTv), Q(T::kKindRadio)});
    kind_->setCurrentIndex(int(ServiceKind::Tv));
  }
  RefillGroupCombo();
  state_.currentGroupRow = 0;
  SelectGroupRow(state_.groupComboRows > 0 ? 0 : -1);
  FillServiceList(int(ServiceKind::Tv));
  FillGroupList(state_.CurrentGroup());
}

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

void CPageGroupCh::FillServiceList(int kind) {
  state_.serviceRows.fill(0);
  int count = 0;
  if (const ServiceList* list = Db().channelLists.List(kind)) {
    // A loaded count may claim more entries than the list holds.
    count = int(list->ValidCount());
    for (int row = 0; row < count; ++row) state_.serviceRows[std::size_t(row)] = list->Entry(std::size_t(row));
  }
  FillRows(serviceList_, state_.serviceRows, count, state_.serviceRowCount, state_.serviceSelection,
           ActiveList::Services);
}

void CPageGroupCh::FillGroupList(int group) {
  state_.groupRows.fill(0);
  int count = 0;
  if (group >= 0 && group < kGroupSlots) {
    const FavoriteGroupRecord& rec = Db().channelLists.favoriteGroups[std::size_t(group)];
    // A loaded group may claim more members than the record holds.
    count = rec.IsUsed() ? int(rec.ValidMemberCount()) : 0;
    for (int row = 0; row < count; ++row) state_.groupRows[std::size_t(row)] = rec.Member(std::size_t(row));
  }
  FillRows(groupList_, state_.groupRows, count, state_.groupRowCount, state_.groupSelection, ActiveList::Favorites);
}

void CPageGroupCh::FillRows(GroupChListView* list, const std::array<int, GroupChPageState::kMaxRows>& rows,
                            int count, int& rowCount, int& selection, ActiveList which) {
  rowCount = count;
  list->clear();
  if (count > 0) {
    list->setUpdatesEnabled(false);
    for (int row = 0; row < count; ++row) new QListWidgetItem(RowText(rows[std::size_t(row)]), list);
    list->setUpdatesEnabled(true);
    if (selection >= count) selection = count - 1;
    // Row 0 is never selected by a refill.
    if (selection != 0) {
      list->setCurrentRow(selection);
      list->scrollToItem(list->item(selection));
    }
  }
  // An empty list leaves nothing selected either: "Update" must then not write into
  // whatever slot the cleared row map holds.
  if (state_.activeList == which && list->SingleSelectedRow() < 0) state_.infoValid = false;
}

void CPageGroupCh::OnListSelectionChanged(GroupChListView* list) {
  const int row = list->SingleSelectedRow();
  if (row < 0) return;
  int program;
  if (list == serviceList_) {
    if (row >= state_.serviceRowCount) return;
    state_.activeList = ActiveList::Services;
    state_.serviceSelection = row;
    program = state_.serviceRows[std::size_t(row)];
  } else {
    if (row >= state_.groupRowCount) return;
    state_.activeList = ActiveList::Favorites;
    state_.groupSelection = row;
    program = state_.groupRows[std::size_t(row)];
  }
  ShowActiveList();
  ShowProgramInfo(program);
}

void CPageGroupCh::ShowActiveList() {
  serviceList_->SetActiveLook(state_.activeList == ActiveList::Services);
  groupList_->SetActiveLook(state_.activeList == ActiveList::Favorites);
}

void CPageGroupCh::SetRowTextEverywhere(int program, const QString& text) {
  auto first = [program](const std::array<int, GroupChPageState::kMaxRows>& rows, int count) {
    for (int row = 0; row < count; ++row)
      if (rows[std::size_t(row)] == program) return row;
    return -1;
  };
  if (const int row = first(state_.serviceRows, state_.serviceRowCount); row >= 0)
    if (QListWidgetItem* it = serviceList_->item(row)) it->setText(text);
  if (const int row = first(state_.groupRows, state_.groupRowCount); row >= 0)
    if (QListWidgetItem* it = groupList_->item(row)) it->setText(text);
}

// ---- Info area ----------------------------------------------------------------------

void CPageGroupCh::ShowProgramInfo(int program) {
  if (program < 0 || program >= kProgramSlots) {
    // Nothing to show or update for a row naming no program slot.
    state_.infoValid = false;
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

// ---- programs -----------------------------------------------------------------------

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
                                GroupName(state_.CurrentGroup()));
    doc_.Edit(dbops::RemoveGroupMember, state_.CurrentGroup(), state_.groupRows[std::size_t(row)]);
    FillGroupList(state_.CurrentGroup());
  }
  MarkModified();
}

// ---- favourite groups ---------------------------------------------------------------

void CPageGroupCh::AddGroup() {
  CInputName dlg(this);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const auto step = BeginStep(StepTexts::kAddGroup, dlg.name);
  if (!doc_.Edit(dbops::AddFavoriteGroup, DataExchange::NameBytes(dlg.name))) return;
  RefreshPage();
  MarkModified();
}

void CPageGroupCh::RenameGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  CInputName dlg(this);
  dlg.name = DataExchange::NameFromField(Db().channelLists.favoriteGroups[std::size_t(group)].NameField(),
                                         FavoriteGroupRecord::kNameWidth);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const auto step = BeginStep(StepTexts::kRenameGroup, GroupName(group), dlg.name);
  const auto renamed = doc_.Edit(dbops::RenameFavoriteGroup, group, DataExchange::NameBytes(dlg.name));
  if (renamed == dbops::RenameGroupResult::NameExists) Prompt::Message(this, Q(T::kNameExists));
  if (renamed != dbops::RenameGroupResult::Renamed) return;
  RefillGroupCombo();
  SelectGroupRow(state_.currentGroupRow);
  MarkModified();
}

void CPageGroupCh::DeleteGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  const auto step = BeginStep(StepTexts::kDeleteGroup, GroupName(group));
  doc_.Edit(dbops::DeleteFavoriteGroup, group);
  RefillGroupCombo();
  state_.currentGroupRow = state_.currentGroupRow > 0 ? state_.currentGroupRow - 1 : 0;
  FillGroupList(state_.CurrentGroup());
  SelectGroupRow(state_.groupComboRows > 0 ? state_.currentGroupRow : -1);
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
  const auto step = BeginStep(StepTexts::kAddToGroup, ProgramName(program), GroupName(group));
  if (doc_.Edit(dbops::AddGroupMember, group, program) != dbops::AddMemberResult::Added) return;
  FillGroupList(group);
  MarkModified();
}

void CPageGroupCh::RemoveFromGroup() {
  host_.SendCommand(CommandId::kDeleteProgram);
  MarkModified();
}

// ---- drag and drop ------------------------------------------------------------------

void CPageGroupCh::MoveGroupMember() {
  const int dragRow = drag_->DragRow();
  const QListWidgetItem* dragged = groupList_->item(dragRow);
  if (!dragged) return;
  const QString text = dragged->text();
  if (groupList_->SingleSelectedRow() < 0) return;
  const int group = state_.CurrentGroup();
  if (group < 0 || dragRow >= state_.groupRowCount) return;

  const int dropRow = drag_->DropRow();
  {
    const auto step =
        BeginStep(StepTexts::kMoveInGroup, ProgramName(state_.groupRows[std::size_t(dragRow)]), GroupName(group));
    doc_.Edit(dbops::MoveGroupMember, group, dragRow, dropRow);
  }
  auto& rows = state_.groupRows;
  const int to = dbops::MoveEntry(
      state_.groupRowCount, dragRow, dropRow, [&rows](int i) { return rows[std::size_t(i)]; },
      [&rows](int i, int v) { rows[std::size_t(i)] = v; });

  // The list is patched rather than refilled; the selection handler stays out until the
  // moved row is in place, then shows it.
  {
    const QSignalBlocker block(groupList_);
    delete groupList_->takeItem(dragRow);
    groupList_->insertItem(to, text);
    groupList_->clearSelection();
  }
  groupList_->setCurrentRow(to);
  MarkModified();
}

// ---- after an undo or redo -----------------------------------------------------------

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
  // Shows one of the channel lists, as choosing it in "Type" does.
  const auto showKind = [this](int kind) {
    if (kind_->currentIndex() != kind) kind_->setCurrentIndex(kind);
    if (kind_->currentIndex() != kind) return false;
    FillServiceList(kind);
    return true;
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
