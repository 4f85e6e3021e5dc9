#include "ui/channels/CPageGroupCh.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

#include "db/document/DbTexts.h"
#include "db/operations/ChannelSort.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/channels/ChannelRowItem.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ProgramInfoArea.h"
#include "ui/channels/RowDrag.h"
#include "ui/channels/RowMoves.h"
#include "widgets/AccessibleTree.h"
#include "widgets/CommandAction.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LeaveGuard.h"
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

CPageGroupCh::CPageGroupCh(DocEditing& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageGroupCh"));
  // First: the context menus are listed for a screen reader before anything asks about
  // the page.
  CreateActions();
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 366, 312);
  // Made with the page: controls made later, while the page is on screen, would stay
  // hidden.
  CreateControls();
  ConnectControls();
  // Left box, the copy buttons, right box, then the program's fields row by row.
  SetTabOrder({kind_, serviceSearch_, serviceList_, copyRight_, copyLeft_, groupCombo_, addGroup_, renameGroup_,
               deleteGroup_, groupSearch_, groupList_});
  info_->ChainTabOrder(groupList_);
  doc_.Listen(this);
}

// The commands, and the lists' context menus built from them.
void CPageGroupCh::CreateActions() {
  using CommandAction::Make;
  GroupChActions& a = actions_;
  a.addProgram = Make(*this, "addProgram", Q(T::kAddProgram), [this] {
    EnsureInitialised();
    AddProgram();
  });
  a.deleteProgram = Make(*this, "deleteProgram", Q(T::kDeleteProgram), [this] {
    EnsureInitialised();
    DeleteSelectedProgram();
  });
  a.moveTo = Make(*this, "moveTo", QString::fromUtf8(T::kMoveTo), [this] {
    EnsureInitialised();
    MoveRows(state_.activeList == ActiveList::Services ? serviceList_ : groupList_, int(RowMove::To));
  });
  const auto sort = [this](const char* name, const char* text, dbops::SortKey key) {
    return Make(*this, name, Q(text), [this, key] { SortRows(int(key)); });
  };
  a.sortByName = sort("sortByName", T::kSortByName, dbops::SortKey::Name);
  a.sortBySatellite = sort("sortBySatellite", T::kSortBySatellite, dbops::SortKey::SatelliteAndFrequency);
  a.sortByServiceId = sort("sortByServiceId", T::kSortByServiceId, dbops::SortKey::ServiceId);
  a.reverseOrder = sort("reverseOrder", T::kReverseOrder, dbops::SortKey::Reverse);

  a.popMenu = CommandAction::Menu(*this, T::kPopMenu, {a.addProgram, a.deleteProgram, a.moveTo});
  QMenu* sortMenu = CommandAction::Menu(*a.popMenu, T::kSortMenu,
                                        {a.sortByName, a.sortBySatellite, a.sortByServiceId, a.reverseOrder});
  a.popMenu->addMenu(sortMenu);
  // A popup menu is no child of any window for a screen reader: the page lists it.
  AccessibleTree::ListMenus(*this, {a.popMenu});
}

CPageGroupCh::~CPageGroupCh() { doc_.Unlisten(this); }

bool CPageGroupCh::Concerns(const DocChange& change, const ChannelDatabase& now) {
  using Kind = StepSubject::Kind;
  if (change.Touched(Kind::Program) || change.Touched(Kind::Group) || change.Touched(Kind::TvList) ||
      change.Touched(Kind::RadioList))
    return true;
  const StepSubject& s = change.subject;
  return s.kind == Kind::Satellite && s.slot >= 0 && s.slot < int(ChannelDatabase::kSatelliteCount) &&
         !now.satellites[std::size_t(s.slot)].IsUsed();
}

void CPageGroupCh::OnDocChanged(const DocChange& change) {
  if (change.by == this) return;
  if (change.cause == DocChange::Cause::Edit && !Concerns(change, Db())) return;
  RefreshPage();
}

QString CPageGroupCh::Title() { return Q(T::kPageTitle); }

void CPageGroupCh::Activate() { EnsureInitialised(); }

void CPageGroupCh::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_ = GroupChPageState();
  info_->Reset();
  ShowActiveList();
}

const ChannelDatabase& CPageGroupCh::Db() const { return doc_.Working(); }

QString CPageGroupCh::ProgramName(int program) const {
  if (program < 0 || program >= kProgramSlots) return QStringLiteral("?");
  return DataExchange::NameFromField(Db().programs[std::size_t(program)].NameField(), ProgramRecord::kNameWidth);
}

QString CPageGroupCh::GroupName(int group) const {
  if (group < 0 || group >= kGroupSlots) return QStringLiteral("?");
  return DataExchange::NameFromField(Db().channelLists.favoriteGroups[std::size_t(group)].NameField(),
                                     FavoriteGroupRecord::kNameWidth);
}

std::string CPageGroupCh::StepText(const char* text, const QString& a1, const QString& a2) {
  QString named = Q(text).arg(a1);
  if (!a2.isNull()) named = named.arg(a2);
  return named.toStdString();
}

DocEditing::Action CPageGroupCh::Action(const char* text, const QString& a1, const QString& a2,
                                        DocEditing::Mark mark) const {
  return {StepText(text, a1, a2), this, mark};
}

bool CPageGroupCh::Dragging() const { return drag_->Dragging() || serviceDrag_->Dragging(); }
int CPageGroupCh::DropRow() const { return (serviceDrag_->Dragging() ? serviceDrag_ : drag_)->DropRow(); }

QString CPageGroupCh::OrderName(bool services) const {
  if (!services) return Q(StepTexts::kGroupList).arg(GroupName(state_.CurrentGroup()));
  return Q(kind_->currentIndex() == int(ServiceKind::Radio) ? DbTexts::kRadioListNoun : DbTexts::kTvListNoun);
}

// ---- controls -----------------------------------------------------------------------

void CPageGroupCh::CreateControls() {
  PlacedTextControl<QGroupBox>(this, T::kTvRadioBox, "tvRadioBox", 7, 4, 150, 204);
  kind_ = PlacedControl<QComboBox>(this, "kind", T::kTvRadioBox, 14, 16, 136, 14);
  serviceSearch_ = PlacedControl<QLineEdit>(this, "serviceSearch", T::kSearchServices, 14, 33, 136, 13);
  serviceList_ = PlacedControl<GroupChListView>(this, "serviceList", T::kTvRadioBox, 14, 49, 136, 152);
  serviceList_->SetDragSource(true);

  copyRight_ = PlacedTextControl<QPushButton>(this, T::kCopyRight, "copyRight", 163, 84, 36, 14);
  copyLeft_ = PlacedTextControl<QPushButton>(this, T::kCopyLeft, "copyLeft", 163, 104, 36, 14);

  PlacedTextControl<QGroupBox>(this, T::kFavoriteBox, "favoriteBox", 205, 4, 154, 204);
  groupCombo_ = PlacedControl<QComboBox>(this, "groupCombo", T::kFavoriteBox, 212, 16, 140, 14);
  addGroup_ = PlacedTextControl<QPushButton>(this, T::kAdd, "addGroup", 212, 33, 44, 14);
  renameGroup_ = PlacedTextControl<QPushButton>(this, T::kRename, "renameGroup", 260, 33, 44, 14);
  deleteGroup_ = PlacedTextControl<QPushButton>(this, T::kDelete, "deleteGroup", 308, 33, 44, 14);
  groupSearch_ = PlacedControl<QLineEdit>(this, "groupSearch", T::kSearchFavorites, 212, 50, 140, 13);
  groupList_ = PlacedControl<GroupChListView>(this, "groupList", T::kFavoriteBox, 212, 66, 140, 135);
  groupList_->SetDragSource(true);
  for (QLineEdit* search : {serviceSearch_, groupSearch_}) search->setPlaceholderText(Q(T::kSearchPlaceholder));
  serviceFilter_ = new ListFilter(*serviceSearch_, *serviceList_, [this](int row) { return SearchKeys(true, row); });
  groupFilter_ = new ListFilter(*groupSearch_, *groupList_, [this](int row) { return SearchKeys(false, row); });

  info_ = new ProgramInfoArea(doc_, host_, this, *this);
  info_->OnWritten([this](int program) { SetRowTextEverywhere(program, RowText(program)); });
  drag_ = std::make_unique<RowDrag>(*this, *groupList_, [this] { DropRows(false); });
  serviceDrag_ = std::make_unique<RowDrag>(*this, *serviceList_, [this] { DropRows(true); });
  moves_ = std::make_unique<RowMoves>(doc_, *this);
}

void CPageGroupCh::ConnectControls() {
  // Another list in either combo leaves the Info area's row: its typed values are settled
  // first, or the combo goes back.
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int row) {
    if (row != shownKind_ && !ResolveInfoEdits()) {
      const QSignalBlocker block(kind_);
      kind_->setCurrentIndex(shownKind_);
      return;
    }
    shownKind_ = row;
    FillServiceList(row);
  });
  connect(groupCombo_, &QComboBox::currentIndexChanged, this, [this](int row) {
    if (row != state_.currentGroupRow && !ResolveInfoEdits()) {
      const QSignalBlocker block(groupCombo_);
      groupCombo_->setCurrentIndex(state_.currentGroupRow);
      return;
    }
    state_.currentGroupRow = row;
    FillGroupList(state_.CurrentGroup());
  });
  serviceFilter_->SetGuard([this](const QString& text) { return MaySearch(true, text); });
  groupFilter_->SetGuard([this](const QString& text) { return MaySearch(false, text); });
  info_->OnEnter(this, [this] { UpdateProgram(); });
  for (GroupChListView* list : {serviceList_, groupList_}) {
    LeaveGuard::Attach(list, [this, list](int row) { return MayLeaveRow(list, row); });
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { OnListSelectionChanged(list); });
    // A click or the focus on a list makes it the one "<--" acts on, also when its
    // selected row was selected already and no selection change says so.
    connect(list, &GroupChListView::Activated, this, [this, list] { OnListSelectionChanged(list); });
    connect(list, &GroupChListView::KeyCommand, this, [this](int key) { OnListKey(key); });
    connect(list, &GroupChListView::MoveKey, this, [this, list](int move) { MoveRows(list, move); });
    connect(list, &GroupChListView::ContextMenuAt, this, [this](const QPoint& globalPos) {
      Prompt::Popup(*actions_.popMenu, globalPos);
    });
  }
  connect(serviceList_, &GroupChListView::BeginDrag, this, [this](int row) {
    if (!RefuseMoveWhileFiltered(true)) serviceDrag_->Begin(row);
  });
  connect(groupList_, &GroupChListView::BeginDrag, this, [this](int row) {
    if (!RefuseMoveWhileFiltered(false)) drag_->Begin(row);
  });
  auto* findKey = new QShortcut(QKeySequence::Find, this, [this] { FocusSearch(); });
  findKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(addGroup_, &QPushButton::clicked, this, [this] { AddGroup(); });
  connect(renameGroup_, &QPushButton::clicked, this, [this] { RenameGroup(); });
  connect(deleteGroup_, &QPushButton::clicked, this, [this] { DeleteGroup(); });
  connect(copyRight_, &QPushButton::clicked, this, [this] { CopyToGroup(); });
  connect(copyLeft_, &QPushButton::clicked, this, [this] { RemoveFromGroup(); });
  connect(info_->UpdateButton(), &QPushButton::clicked, this, [this] { UpdateProgram(); });
}

void CPageGroupCh::OnListKey(int key) {
  if (key == Qt::Key_Insert) actions_.addProgram->trigger();
  if (key == Qt::Key_Delete) actions_.deleteProgram->trigger();
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
    shownKind_ = int(ServiceKind::Tv);
  }
  RefillGroupCombo();
  state_.currentGroupRow = 0;
  SelectGroupRow(state_.groupComboRows > 0 ? 0 : -1);
  FillServiceList(int(ServiceKind::Tv));
  FillGroupList(state_.CurrentGroup());
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
  serviceFilter_->Apply();
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
  groupFilter_->Apply();
}

void CPageGroupCh::FillRows(GroupChListView* list, const std::array<int, GroupChPageState::kMaxRows>& rows,
                            int count, int& rowCount, int& selection, ActiveList which) {
  rowCount = count;
  list->clear();
  if (count > 0) {
    list->setUpdatesEnabled(false);
    for (int row = 0; row < count; ++row) new ChannelRowItem(RowText(rows[std::size_t(row)]), list);
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
  if (state_.activeList == which && list->SingleSelectedRow() < 0) info_->Invalidate();
}

void CPageGroupCh::OnListSelectionChanged(GroupChListView* list) {
  int row = list->SingleSelectedRow();
  if (row < 0) {
    // Several selected rows: their list is the one acted on, and the Info area shows
    // the current row, the one its "Update" writes.
    const std::vector<int> rows = list->SelectedRows();
    if (!std::binary_search(rows.begin(), rows.end(), list->currentRow())) return;
    row = list->currentRow();
  }
  const bool services = list == serviceList_;
  if (row >= (services ? state_.serviceRowCount : state_.groupRowCount)) return;
  const int program = (services ? state_.serviceRows : state_.groupRows)[std::size_t(row)];
  // Whatever else takes the Info area to another program (the focus coming to the other
  // list, a refill) settles its typed values first; kept, the area stays where it was.
  const ActiveList which = services ? ActiveList::Services : ActiveList::Favorites;
  if ((which != state_.activeList || program != info_->Program()) && !ResolveInfoEdits()) return;
  state_.activeList = which;
  (services ? state_.serviceSelection : state_.groupSelection) = row;
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
