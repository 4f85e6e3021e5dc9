#include "ui/channels/CPageGroupCh.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "db/document/DbTexts.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/ChannelSort.h"
#include "db/records/TableAt.h"
#include "ui/PageHost.h"
#include "ui/StepTexts.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/ProgramInfoArea.h"
#include "ui/channels/RowDrag.h"
#include "ui/channels/RowMoves.h"
#include "ui/channels/ServiceListPanel.h"
#include "widgets/AccessibleTree.h"
#include "widgets/CommandAction.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LeaveGuard.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

constexpr int kGroupSlots = int(ChannelListBlock::kGroupCount);
static_assert(GroupChPageState::kMaxRows == ChannelListPanel::kMaxRows);
static_assert(GroupChPageState::kGroupSlots == FavoriteGroupPanel::kGroupSlots);
static_assert(kGroupSlots == FavoriteGroupPanel::kGroupSlots);

}  // namespace

CPageGroupCh::CPageGroupCh(DocEditing& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageGroupCh"));
  // First: the context menus are listed for a screen reader before anything asks about
  // the page.
  CreateActions();
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  // Made with the page: controls made later, while the page is on screen, would stay
  // hidden.
  CreateControls();
  ConnectControls();
  LayOut();
  // Left box, the copy buttons, right box, then the program's fields row by row.
  SetTabOrder({services_->KindCombo(), services_->Search(), services_->SatelliteFilter(), services_->StateFilter(),
               serviceList_, services_->CopyRight(), groups_->CopyLeft(), groups_->Combo(), groups_->AddButton(),
               groups_->RenameButton(), groups_->DeleteButton(), groups_->Search(), groups_->SatelliteFilter(),
               groups_->StateFilter(), groupList_});
  info_->ChainTabOrder(groupList_);
  doc_.Listen(this);
}

void CPageGroupCh::LayOut() {
  // The TV/Radio box and the favourite box side by side, with "-->" and "<--" between
  // them halfway down; the Info. box under all three. The lists take the height the
  // Info. box leaves. The arrows need little room, the lists all they can get: both
  // buttons are as wide as the wider arrow with its margins.
  int arrows = 0;
  for (QPushButton* button : {services_->CopyRight(), groups_->CopyLeft()}) {
    const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                             button->fontMetrics().averageCharWidth());
    arrows = std::max(arrows, button->fontMetrics().horizontalAdvance(button->text()) + margins);
  }
  auto* copy = new QVBoxLayout;
  copy->addStretch();
  copy->addWidget(services_->CopyRight());
  copy->addWidget(groups_->CopyLeft());
  copy->addStretch();
  services_->CopyRight()->setFixedWidth(arrows);
  groups_->CopyLeft()->setFixedWidth(arrows);
  auto* grid = new QGridLayout(this);
  // Both channel lists side by side take most of a 1280-pixel screen: the page and its
  // boxes keep narrow margins.
  grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  grid->setHorizontalSpacing(kMargin);
  grid->addWidget(services_, 0, 0);
  grid->addLayout(copy, 0, 1);
  grid->addWidget(groups_, 0, 2);
  grid->addWidget(info_, 1, 0, 1, 3);
  // No stretch factors across: each list first gets the width its columns need, and
  // what the window has beyond that is shared between them.
  grid->setRowStretch(0, 1);
}

QSize CPageGroupCh::minimumSizeHint() const {
  return QWidget::minimumSizeHint().expandedTo(DialogUnits::ToPixels(font(), kTemplateWidth, kTemplateHeight));
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
  a.moveTo = Make(*this, "moveTo", Texts::U(T::kMoveTo), [this] {
    EnsureInitialised();
    MoveRows(activeList_ == ActiveList::Services ? serviceList_ : groupList_, int(RowMove::To));
  });
  // The lists take the key themselves (RowMoveOfKey); the menu shows it.
  a.moveTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  // The lists take the move keys themselves (GroupChListView); the menu shows them.
  const auto move = [this](const char* name, const char* text, RowMove how, Qt::Key key) {
    QAction* action = Make(*this, name, Q(text), [this, how] {
      EnsureInitialised();
      MoveRows(activeList_ == ActiveList::Services ? serviceList_ : groupList_, int(how));
    });
    action->setShortcut(QKeySequence(Qt::ALT | key));
    return action;
  };
  a.moveUp = move("moveUp", T::kMoveUp, RowMove::Up, Qt::Key_Up);
  a.moveDown = move("moveDown", T::kMoveDown, RowMove::Down, Qt::Key_Down);
  a.moveToTop = move("moveToTop", T::kMoveToTop, RowMove::Top, Qt::Key_Home);
  a.moveToBottom = move("moveToBottom", T::kMoveToBottom, RowMove::Bottom, Qt::Key_End);
  a.placeNext = move("placeNext", T::kPlaceNext, RowMove::Next, Qt::Key_Return);
  a.placeNext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
  a.setNextPlace = Make(*this, "setNextPlace", Q(T::kSetNextPlace), [this] {
    EnsureInitialised();
    const bool services = activeList_ == ActiveList::Services;
    Panel(services).SetNextPlace(std::max(0, Panel(services).List()->CurrentRow()));
  });
  const auto sort = [this](const char* name, const char* text, dbops::SortKey key) {
    return Make(*this, name, Q(text), [this, key] { SortRows(int(key)); });
  };
  a.sortByName = sort("sortByName", T::kSortByName, dbops::SortKey::Name);
  a.sortBySatellite = sort("sortBySatellite", T::kSortBySatellite, dbops::SortKey::SatelliteAndFrequency);
  a.sortByServiceId = sort("sortByServiceId", T::kSortByServiceId, dbops::SortKey::ServiceId);
  a.reverseOrder = sort("reverseOrder", T::kReverseOrder, dbops::SortKey::Reverse);

  const auto lock = [this](const char* name, const char* text, bool locked, QKeySequence keys) {
    QAction* action = Make(*this, name, Q(text), [this, locked] { LockSelected(locked); });
    // The lists take the keys themselves (GroupChListView); the menu shows them.
    action->setShortcut(keys);
    return action;
  };
  a.lock = lock("lock", T::kLockSelected, true, QKeySequence(Qt::CTRL | Qt::Key_L));
  a.unlock = lock("unlock", T::kUnlockSelected, false, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));

  a.copyRows = Make(*this, "copyRows", Q(T::kCopyRows), [this] { Panel(activeList_ == ActiveList::Services).CopySelected(); });
  a.copyRows->setShortcut(QKeySequence::Copy);

  a.popMenu = CommandAction::Menu(*this, T::kPopMenu, {a.addProgram, a.deleteProgram, a.moveTo, a.moveUp, a.moveDown,
                                                       a.moveToTop, a.moveToBottom, a.placeNext, a.setNextPlace});
  QMenu* sortMenu = CommandAction::Menu(*a.popMenu, T::kSortMenu,
                                        {a.sortByName, a.sortBySatellite, a.sortByServiceId, a.reverseOrder});
  a.popMenu->addMenu(sortMenu);
  CommandAction::AddItems(*a.popMenu, {a.lock, a.unlock, a.copyRows});
  // A popup menu is no child of any window for a screen reader: the page lists it.
  AccessibleTree::ListMenus(*this, {a.popMenu});
}

CPageGroupCh::~CPageGroupCh() { doc_.Unlisten(this); }

bool CPageGroupCh::Concerns(const DocChange& change, const ChannelDatabase&) {
  using Kind = StepSubject::Kind;
  // The rows show each program's satellite and transponder too.
  for (const Kind kind : {Kind::Program, Kind::Group, Kind::TvList, Kind::RadioList, Kind::Satellite, Kind::Transponder})
    if (change.Touched(kind)) return true;
  return false;
}

bool CPageGroupCh::SatelliteDeleted(const DocChange& change, const ChannelDatabase& now) {
  const StepSubject& s = change.subject;
  const SatelliteRecord* satellite = s.kind == StepSubject::Kind::Satellite ? TableAt(now.satellites, s.slot) : nullptr;
  return satellite && !satellite->IsUsed();
}

void CPageGroupCh::OnDocChanged(const DocChange& change) {
  const bool edit = change.cause == DocChange::Cause::Edit;
  if (edit && !Concerns(change, Db())) return;
  // An undo or a redo rebuilds the page (the window then shows what the step changed),
  // as does a satellite deleted, which may take any program with it, and any edit
  // before the page has shown the database.
  if (!edit || !initialised_ || !doc_.HasData() || doc_.ImageValid() == 0 || services_->Kind() < 0 ||
      SatelliteDeleted(change, Db())) {
    RefreshPage();
    return;
  }
  RefreshChanged(change);
}

void CPageGroupCh::RefreshChanged(const DocChange& change) {
  using Kind = StepSubject::Kind;
  const ChannelDatabase& db = Db();
  // The combo first: a group gone leaves another current.
  const bool groups = change.Touched(Kind::Group);
  const bool otherGroup = groups && groups_->SyncCombo(db);
  const Kind shown = services_->Kind() == int(ServiceKind::Radio) ? Kind::RadioList : Kind::TvList;
  const bool services = change.Touched(shown);
  if (services) FillServiceList(services_->Kind());
  const int group = groups_->CurrentGroup();
  const bool members =
      otherGroup || (groups && !groups_->Shows(dbops::OrderEntries(db, dbops::ChannelOrder::Group(group))));
  if (members) FillGroupList(group);
  // A satellite renamed or added is listed by the satellite filters.
  if (change.Touched(Kind::Satellite)) {
    services_->RenewSatellites();
    groups_->RenewSatellites();
  }
  // A program renamed shows its new name in the rows not filled again, and the Info
  // area its new values (what was typed over unchanged values stays); a satellite or
  // transponder changed shows in the rows' columns.
  const bool program = change.Touched(Kind::Program);
  if (program || change.Touched(Kind::Satellite) || change.Touched(Kind::Transponder)) {
    if (!services) services_->RenewRowTexts();
    if (!members) groups_->RenewRowTexts();
    // What the filters compare may have changed with it.
    if (!services) services_->ApplyFilter();
    if (!members) groups_->ApplyFilter();
  } else if (groups && !services) {
    // The TV/Radio rows name the groups that hold each program.
    services_->RenewRowTexts();
  }
  if (program && info_->Valid()) info_->ShowProgram(info_->Program());
}

void CPageGroupCh::ShowFirstLists() {
  if (services_->Kind() != int(ServiceKind::Tv)) {
    services_->ResetKinds(true);
    FillServiceList(int(ServiceKind::Tv));
  }
  if (groups_->CurrentRow() != 0) {
    groups_->SetCurrentRow(0);
    groups_->SelectRow(groups_->ComboRows() > 0 ? 0 : -1);
    FillGroupList(groups_->CurrentGroup());
  }
}

QString CPageGroupCh::Title() { return Q(T::kPageTitle); }

QByteArray CPageGroupCh::ColumnState(bool services) const { return Panel(services).ColumnState(); }

void CPageGroupCh::RestoreColumnState(bool services, const QByteArray& state) {
  Panel(services).RestoreColumnState(state);
}

void CPageGroupCh::Activate() { EnsureInitialised(); }

void CPageGroupCh::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  activeList_ = ActiveList::Services;
  services_->Reset();
  groups_->Reset();
  groups_->SetCurrentRow(0);
  info_->Reset();
  ShowActiveList();
}

const ChannelDatabase& CPageGroupCh::Db() const { return doc_.Working(); }

GroupChPageState CPageGroupCh::State() const {
  return {services_->ProgramRows(), services_->Count(),     groups_->ProgramRows(),
          groups_->Count(),         groups_->Map(),         groups_->ComboRows(),
          groups_->CurrentRow(),    services_->Selection(), groups_->Selection(),
          activeList_};
}

bool CPageGroupCh::Filtered(bool services) const { return Panel(services).Filtered(); }

ChannelListPanel& CPageGroupCh::Panel(bool services) const {
  if (services) return *services_;
  return *groups_;
}

QString CPageGroupCh::ProgramName(int program) const {
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return QStringLiteral("?");
  return DataExchange::NameText(channelrows::ProgramName(Db(), program));
}

QString CPageGroupCh::GroupName(int group) const {
  if (group < 0 || group >= kGroupSlots) return QStringLiteral("?");
  return DataExchange::NameText(channelrows::GroupName(Db(), group));
}

std::string CPageGroupCh::StepText(const char* text, const QString& a1, const QString& a2) {
  QString named = Q(text).arg(a1);
  if (!a2.isNull()) named = named.arg(a2);
  return named.toStdString();
}

DocEditing::Action CPageGroupCh::Action(const char* text, const QString& a1, const QString& a2,
                                        DocEditing::Mark mark) const {
  return {StepText(text, a1, a2), mark};
}

bool CPageGroupCh::Dragging() const { return groups_->Drag().Dragging() || services_->Drag().Dragging(); }
int CPageGroupCh::DropRow() const { return Panel(services_->Drag().Dragging()).Drag().DropRow(); }

QString CPageGroupCh::OrderName(bool services) const {
  if (!services) return Q(StepTexts::kGroupList).arg(GroupName(groups_->CurrentGroup()));
  return Q(services_->Kind() == int(ServiceKind::Radio) ? DbTexts::kRadioListNoun : DbTexts::kTvListNoun);
}

// ---- controls -----------------------------------------------------------------------

void CPageGroupCh::CreateControls() {
  services_ = new ServiceListPanel(doc_, *this);
  groups_ = new FavoriteGroupPanel(doc_, *this);
  serviceList_ = services_->List();
  groupList_ = groups_->List();
  info_ = new ProgramInfoArea(doc_, host_, *this);
  services_->OnDrop([this] { DropRows(true); });
  groups_->OnDrop([this] { DropRows(false); });
  moves_ = std::make_unique<RowMoves>(doc_, *this);
}

void CPageGroupCh::ConnectControls() {
  // Another list in either combo leaves the Info area's row: its typed values are settled
  // first, or the combo goes back.
  services_->OnKind([this] { return ResolveInfoEdits(); }, [this](int kind) { FillServiceList(kind); });
  groups_->OnGroup([this] { return ResolveInfoEdits(); }, [this](int group) { FillGroupList(group); });
  services_->Filter().SetGuard([this](const ListFilter::Criteria& next) { return MaySearch(true, next); });
  groups_->Filter().SetGuard([this](const ListFilter::Criteria& next) { return MaySearch(false, next); });
  for (const bool services : {true, false}) {
    ChannelListPanel& panel = Panel(services);
    panel.Filter().OnPlace([this, services] { PlaceFromSearch(services); });
    // Ctrl+L in a search: what it shows selected, or a word on what it needs.
    panel.Filter().OnLock([this, services, &panel](bool locked) {
      if (!LockRows(services, locked)) panel.Tell(Q(T::kLockNeedsRows));
    });
  }
  info_->OnEnter(this, [this] { UpdateProgram(); });
  for (GroupChListView* list : {serviceList_, groupList_}) {
    LeaveGuard::Attach(list, [this, list](int row) { return MayLeaveRow(list, row); });
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, list] { OnListSelectionChanged(list); });
    // A click or the focus on a list makes it the one "<--" acts on, also when its
    // selected row was selected already and no selection change says so.
    connect(list, &GroupChListView::Activated, this, [this, list] { OnListSelectionChanged(list); });
    connect(list, &GroupChListView::KeyCommand, this, [this](int key) { OnListKey(key); });
    connect(list, &GroupChListView::MoveKey, this, [this, list](int move) { MoveRows(list, move); });
    connect(list, &GroupChListView::LockKey, this, &CPageGroupCh::LockSelected);
    connect(list, &GroupChListView::EscapeKey, this, [this, list] { Panel(list == serviceList_).FocusSearch(); });
    connect(list, &GroupChListView::RenameRequested, this,
            [this, list](int row, const QString& text) { RenameRow(list == serviceList_, row, text); });
    connect(list, &GroupChListView::ContextMenuAt, this, [this](const QPoint& globalPos) {
      Prompt::Popup(*actions_.popMenu, globalPos);
    });
  }
  for (ChannelListPanel* panel : {static_cast<ChannelListPanel*>(services_), static_cast<ChannelListPanel*>(groups_)}) {
    connect(panel->List(), &GroupChListView::ColumnsChanged, this, &CPageGroupCh::ColumnsChanged);
    connect(panel->List()->horizontalHeader(), &QHeaderView::sectionResized, this, &CPageGroupCh::ColumnsChanged);
  }
  // Ctrl+F: the search field beside the active list takes the focus, from anywhere on
  // the page and from its tab (the shortcut holds while the page is shown).
  auto* findKey =
      new QShortcut(QKeySequence::Find, this, [this] { Panel(activeList_ == ActiveList::Services).FocusSearch(); });
  findKey->setContext(Qt::WindowShortcut);
  // The group panel runs "Add", "Rename" and "Delete" of a group itself.
  groups_->OnAdded([this] { ShowFirstLists(); });
  connect(services_->CopyRight(), &QPushButton::clicked, this, [this] { CopyToGroup(); });
  connect(groups_->CopyLeft(), &QPushButton::clicked, this, [this] { RemoveFromGroup(); });
  connect(info_->UpdateButton(), &QPushButton::clicked, this, [this] { UpdateProgram(); });
}

void CPageGroupCh::OnListKey(int key) {
  if (key == Qt::Key_Insert) actions_.addProgram->trigger();
  if (key == Qt::Key_Delete) actions_.deleteProgram->trigger();
}

// ---- lists --------------------------------------------------------------------------

void CPageGroupCh::RefreshPage() {
  EnsureInitialised();
  if (!doc_.HasData()) return;
  groups_->ClearCombo();
  const bool valid = doc_.ImageValid() != 0;
  services_->ResetKinds(valid);
  if (!valid) return;
  groups_->RefillCombo(Db());
  services_->RenewSatellites();
  groups_->RenewSatellites();
  groups_->SetCurrentRow(0);
  groups_->SelectRow(groups_->ComboRows() > 0 ? 0 : -1);
  FillServiceList(int(ServiceKind::Tv));
  FillGroupList(groups_->CurrentGroup());
}

// A loaded count may claim more entries or members than the record holds: the stored
// order is read as far as it is believable.
void CPageGroupCh::FillServiceList(int kind) {
  services_->Fill(dbops::OrderEntries(Db(), dbops::ChannelOrder::List(kind)));
  AfterFill(true);
  services_->ApplyFilter();
}

void CPageGroupCh::FillGroupList(int group) {
  groups_->Fill(dbops::OrderEntries(Db(), dbops::ChannelOrder::Group(group)));
  AfterFill(false);
  groups_->ApplyFilter();
}

void CPageGroupCh::AfterFill(bool services) {
  // An empty list leaves nothing selected either: "Update" must then not write into
  // whatever slot the cleared row map holds. A list whose rows are being arranged has
  // its selection placed by the action right after.
  const ActiveList which = services ? ActiveList::Services : ActiveList::Favorites;
  const ChannelListPanel& panel = Panel(services);
  if (activeList_ == which && panel.Selection() >= 0 && panel.List()->SingleSelectedRow() < 0) info_->Invalidate();
}

void CPageGroupCh::OnListSelectionChanged(GroupChListView* list) {
  int row = list->SingleSelectedRow();
  if (row < 0) {
    // Several selected rows: their list is the one acted on, and the Info area shows
    // the current row, the one its "Update" writes.
    const std::vector<int> rows = list->SelectedRows();
    if (!std::binary_search(rows.begin(), rows.end(), list->CurrentRow())) return;
    row = list->CurrentRow();
  }
  const bool services = list == serviceList_;
  ChannelListPanel& panel = Panel(services);
  if (row >= panel.Count()) return;
  const int program = panel.ProgramAt(row);
  // Whatever else takes the Info area to another program (the focus coming to the other
  // list, a refill) settles its typed values first; kept, the area stays where it was.
  const ActiveList which = services ? ActiveList::Services : ActiveList::Favorites;
  if ((which != activeList_ || program != info_->Program()) && !ResolveInfoEdits()) return;
  activeList_ = which;
  panel.SetSelection(row);
  ShowActiveList();
  ShowProgramInfo(program);
}

void CPageGroupCh::ShowActiveList() {
  serviceList_->SetActiveLook(activeList_ == ActiveList::Services);
  groupList_->SetActiveLook(activeList_ == ActiveList::Favorites);
}
