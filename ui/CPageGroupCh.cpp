#include "ui/CPageGroupCh.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "widgets/CInputName.h"
#include "widgets/CommandIds.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/LabelledControl.h"
#include "ui/ProgramHiddenControls.h"
#include "ui/PageHost.h"
#include "widgets/Prompt.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"
#include "db/CQuelmarDoc.h"
#include "ui/CProgramEditDlg.h"
#include "ui/GroupChListView.h"
#include "ui/GroupChMove.h"
#include "ui/GroupChTexts.h"

namespace T = GroupChTexts;

namespace {

constexpr int kProgramSlots = int(ChannelDatabase::kProgramCount);
constexpr int kGroupSlots = int(ChannelListBlock::kGroupCount);
// The drag image is drawn this far right of and below the cursor.
const QPoint kDragImageOffset(10, 14);

QString L(const char* text) { return QString::fromLatin1(text); }


QPushButton* Button(QWidget* parent, const char* text, const char* objectName, int x, int y,
                    int w, int h) {
  auto* b = new QPushButton(L(text), parent);
  b->setObjectName(QString::fromLatin1(objectName));
  b->setAccessibleName(L(text));
  DialogUnits::Place(b, x, y, w, h);
  return b;
}

QGroupBox* Box(QWidget* parent, const char* title, const char* objectName, int x, int y, int w,
               int h) {
  auto* g = new QGroupBox(L(title), parent);
  g->setObjectName(QString::fromLatin1(objectName));
  DialogUnits::Place(g, x, y, w, h);
  return g;
}

// A name typed by the user as record bytes, cut to the field so nothing past it is written.
std::string FieldBytes(const QString& text, std::size_t width) {
  std::string bytes = DataExchange::NameToBytes(text).value_or(std::string());
  if (bytes.size() > width) bytes.resize(width);
  return bytes;
}

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
               groupList_, name_, type_, videoPid_, pcrPid_, ttextPid_, audioPid_, serviceId_, pmt_, lock_,
               update_});
}

CPageGroupCh::~CPageGroupCh() {
  if (dragging_) EndDrag();
}

QString CPageGroupCh::Title() { return L(T::kPageTitle); }

void CPageGroupCh::Activate() { EnsureInitialised(); }

void CPageGroupCh::EnsureInitialised() {
  if (initialised_) return;
  initialised_ = true;
  state_ = GroupChPageState();
  PushInfoValues();
}

ChannelDatabase& CPageGroupCh::Db() { return doc_.Working(); }
const ChannelDatabase& CPageGroupCh::Db() const { return doc_.Working(); }

void CPageGroupCh::MarkModified() { doc_.SetModifiedFlag(true); }

// ---- controls -----------------------------------------------------------------------

void CPageGroupCh::CreateControls() {
  Box(this, T::kTvRadioBox, "tvRadioBox", 7, 4, 150, 204);
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("kind"));
  kind_->setAccessibleName(L(T::kTvRadioBox));
  DialogUnits::Place(kind_, 14, 16, 136, 14);
  serviceList_ = new GroupChListView(this);
  serviceList_->setObjectName(QStringLiteral("serviceList"));
  serviceList_->setAccessibleName(L(T::kTvRadioBox));
  DialogUnits::Place(serviceList_, 14, 34, 136, 167);

  copyRight_ = Button(this, T::kCopyRight, "copyRight", 163, 84, 36, 14);
  copyLeft_ = Button(this, T::kCopyLeft, "copyLeft", 163, 104, 36, 14);

  Box(this, T::kFavoriteBox, "favoriteBox", 205, 4, 154, 204);
  groupCombo_ = new QComboBox(this);
  groupCombo_->setObjectName(QStringLiteral("groupCombo"));
  groupCombo_->setAccessibleName(L(T::kFavoriteBox));
  DialogUnits::Place(groupCombo_, 212, 16, 140, 14);
  addGroup_ = Button(this, T::kAdd, "addGroup", 212, 33, 44, 14);
  renameGroup_ = Button(this, T::kRename, "renameGroup", 260, 33, 44, 14);
  deleteGroup_ = Button(this, T::kDelete, "deleteGroup", 308, 33, 44, 14);
  groupList_ = new GroupChListView(this);
  groupList_->setObjectName(QStringLiteral("groupList"));
  groupList_->setAccessibleName(L(T::kFavoriteBox));
  groupList_->SetDragSource(true);
  DialogUnits::Place(groupList_, 212, 51, 140, 150);

  Box(this, T::kInfoBox, "infoBox", 7, 212, 352, 94);
  name_ = LabelledControl<QLineEdit>(this, T::kName, "name", 14, 226, 34, 50, 224, 80, 12);
  // The program name field holds 14 bytes; typing stops there.
  name_->setMaxLength(int(ProgramRecord::kNameWidth));
  type_ = LabelledControl<QComboBox>(this, T::kType, "type", 140, 226, 26, 170, 224, 70, 14);
  type_->addItems({L(T::kTypeUnknown), L(T::kTypeTv), L(T::kTypeRadio)});
  type_->setEnabled(false);
  auto* satLabel = new QLabel(L(T::kSatellite), this);
  DialogUnits::Place(satLabel, 250, 226, 34, 8);
  satellite_ = new QLabel(this);
  satellite_->setObjectName(QStringLiteral("satellite"));
  satellite_->setAccessibleName(L(T::kSatellite));
  DialogUnits::Place(satellite_, 286, 226, 66, 8);

  videoPid_ = LabelledControl<QLineEdit>(this, T::kVideoPid, "videoPid", 14, 244, 34, 50, 242, 50, 12);
  pcrPid_ = LabelledControl<QLineEdit>(this, T::kPcrPid, "pcrPid", 110, 244, 38, 150, 242, 50, 12);
  ttextPid_ = LabelledControl<QLineEdit>(this, T::kTtextPid, "ttextPid", 210, 244, 38, 250, 242, 50, 12);
  audioPid_ = LabelledControl<QLineEdit>(this, T::kAudioPid, "audioPid", 14, 262, 34, 50, 260, 50, 12);
  serviceId_ =
      LabelledControl<QLineEdit>(this, T::kServiceId, "serviceId", 110, 262, 38, 150, 260, 50, 12);
  pmt_ = LabelledControl<QLineEdit>(this, T::kPmt, "pmt", 210, 262, 38, 250, 260, 50, 12);
  lock_ = new QCheckBox(L(T::kLock), this);
  lock_->setObjectName(QStringLiteral("lock"));
  lock_->setAccessibleName(L(T::kLock));
  DialogUnits::Place(lock_, 50, 281, 50, 10);
  update_ = Button(this, T::kUpdate, "update", 300, 280, 50, 14);

  CreateHiddenProgramControls(this);
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
    connect(list, &GroupChListView::KeyCommand, this, [this](int key) { OnListKey(key); });
    connect(list, &GroupChListView::ContextMenuAt, this, [this](const QPoint& globalPos) {
      host_.PopupContextMenu(ContextMenu::PopMenu, globalPos);
    });
  }
  connect(groupList_, &GroupChListView::BeginDrag, this, [this](int row) { BeginDrag(row); });
  connect(addGroup_, &QPushButton::clicked, this, [this] { AddGroup(); });
  connect(renameGroup_, &QPushButton::clicked, this, [this] { RenameGroup(); });
  connect(deleteGroup_, &QPushButton::clicked, this, [this] { DeleteGroup(); });
  connect(copyRight_, &QPushButton::clicked, this, [this] { CopyToGroup(); });
  connect(copyLeft_, &QPushButton::clicked, this, [this] { RemoveFromGroup(); });
  connect(update_, &QPushButton::clicked, this, [this] { UpdateProgram(); });
}

bool CPageGroupCh::OnCommand(int commandId) {
  if (commandId == CommandId::kAddProgram) {
    EnsureInitialised();
    AddProgram();
    return true;
  }
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
  return L(T::kRowFormat).arg(DataExchange::NameFromField(p.NameField(), ProgramRecord::kNameWidth));
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
    kind_->addItems({L(T::kKindTv), L(T::kKindRadio)});
    kind_->setCurrentIndex(int(ServiceKind::Tv));
  }
  RefillGroupCombo();
  state_.currentGroupRow = 0;
  {
    const QSignalBlocker block(groupCombo_);
    groupCombo_->setCurrentIndex(state_.groupComboRows > 0 ? 0 : -1);
  }
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

void CPageGroupCh::FillServiceList(int kind) {
  state_.serviceRows.fill(0);
  state_.serviceRowCount = 0;
  serviceList_->clear();
  const ServiceList* list = Db().channelLists.List(kind);
  if (list) {
    // A loaded count may claim more entries than the list holds.
    const int count = int(list->ValidCount());
    for (int row = 0; row < count; ++row) state_.serviceRows[std::size_t(row)] = list->Entry(std::size_t(row));
    state_.serviceRowCount = count;
    if (count > 0) {
      serviceList_->setUpdatesEnabled(false);
      for (int row = 0; row < count; ++row)
        new QListWidgetItem(RowText(state_.serviceRows[std::size_t(row)]), serviceList_);
      serviceList_->setUpdatesEnabled(true);
      if (state_.serviceSelection >= count) state_.serviceSelection = count - 1;
      if (state_.serviceSelection != 0) {
        serviceList_->setCurrentRow(state_.serviceSelection);
        serviceList_->scrollToItem(serviceList_->item(state_.serviceSelection));
      }
    }
  }
  // An empty list leaves nothing selected either: "Update" must then not write into
  // whatever slot the cleared row map holds.
  if (state_.activeList == ActiveList::Services && serviceList_->SingleSelectedRow() < 0)
    state_.infoValid = false;
}

void CPageGroupCh::FillGroupList(int group) {
  state_.groupRows.fill(0);
  state_.groupRowCount = 0;
  groupList_->clear();
  if (group >= 0 && group < kGroupSlots) {
    const FavoriteGroupRecord& rec = Db().channelLists.favoriteGroups[std::size_t(group)];
    // A loaded group may claim more members than the record holds.
    const int count = rec.IsUsed() ? int(rec.ValidMemberCount()) : 0;
    for (int row = 0; row < count; ++row) state_.groupRows[std::size_t(row)] = rec.Member(std::size_t(row));
    state_.groupRowCount = count;
    if (count > 0) {
      for (int row = 0; row < count; ++row)
        new QListWidgetItem(RowText(state_.groupRows[std::size_t(row)]), groupList_);
      if (state_.groupSelection >= count) state_.groupSelection = count - 1;
      if (state_.groupSelection != 0) {
        groupList_->setCurrentRow(state_.groupSelection);
        groupList_->scrollToItem(groupList_->item(state_.groupSelection));
      }
    }
  }
  if (state_.activeList == ActiveList::Favorites && groupList_->SingleSelectedRow() < 0)
    state_.infoValid = false;
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
  ShowProgramInfo(program);
}

// ---- Info area ----------------------------------------------------------------------

void CPageGroupCh::ShowProgramInfo(int program) {
  if (program < 0 || program >= kProgramSlots) {
    // Nothing to show or update for a row naming no program slot.
    state_.infoValid = false;
    return;
  }
  const ChannelDatabase& db = Db();
  const ProgramRecord& p = db.programs[std::size_t(program)];
  state_.infoSatellite = QStringLiteral("?");
  const std::size_t tp = p.TransponderIndex();
  if (tp < ChannelDatabase::kTransponderCount) {
    const std::size_t sat = db.transponders[tp].SatelliteIndex();
    if (sat < ChannelDatabase::kSatelliteCount)
      state_.infoSatellite =
          DataExchange::NameFromField(db.satellites[sat].NameField(), SatelliteRecord::kNameWidth);
  }
  const int dbType = host_.DbType();
  state_.infoLocked = p.Locked();
  state_.infoName = DataExchange::NameFromField(p.NameField(), ProgramRecord::kNameWidth);
  state_.infoType = int(p.ServiceType());
  state_.infoVideoPid = p.VideoPid(dbType);
  state_.infoAudioPid = p.AudioPid(dbType);
  state_.infoPcrPid = p.PcrPid(dbType);
  state_.infoTtextPid = p.TtextPid(dbType);
  state_.infoPmtPid = p.PmtPid(dbType);
  state_.infoServiceId = p.ServiceId();
  PushInfoValues();
  state_.infoValid = true;
}

void CPageGroupCh::PushInfoValues() {
  type_->setCurrentIndex(state_.infoType >= 0 && state_.infoType < type_->count() ? state_.infoType
                                                                                  : -1);
  name_->setText(state_.infoName);
  videoPid_->setText(QString::number(state_.infoVideoPid));
  audioPid_->setText(QString::number(state_.infoAudioPid));
  pcrPid_->setText(QString::number(state_.infoPcrPid));
  pmt_->setText(QString::number(state_.infoPmtPid));
  serviceId_->setText(QString::number(state_.infoServiceId));
  ttextPid_->setText(QString::number(state_.infoTtextPid));
  satellite_->setText(state_.infoSatellite);
  lock_->setChecked(state_.infoLocked);
}

void CPageGroupCh::ReadInfoValues() {
  auto number = [this](QLineEdit* edit, std::uint32_t& value) {
    const auto v = DataExchange::ScanUnsigned(edit->text());
    if (!v) {
      Prompt::Message(this, L(Texts::kPositiveInteger));
      edit->setFocus();
      return false;
    }
    value = *v;
    return true;
  };
  state_.infoType = type_->currentIndex();
  const QString name = name_->text();
  if (name.size() > int(ProgramRecord::kNameWidth)) {
    Prompt::Message(this, L(Texts::kNoMoreThan).arg(ProgramRecord::kNameWidth));
    name_->setFocus();
    return;
  }
  if (!DataExchange::NameToBytes(name)) {
    Prompt::Message(this, L(Texts::kNameNotStorable));
    name_->setFocus();
    return;
  }
  state_.infoName = name;
  if (!number(videoPid_, state_.infoVideoPid) || !number(audioPid_, state_.infoAudioPid) ||
      !number(pcrPid_, state_.infoPcrPid) || !number(pmt_, state_.infoPmtPid) ||
      !number(serviceId_, state_.infoServiceId) || !number(ttextPid_, state_.infoTtextPid))
    return;
  // The satellite label is display only.
  state_.infoLocked = lock_->isChecked();
}

void CPageGroupCh::UpdateProgram() {
  EnsureInitialised();
  ReadInfoValues();
  if (!state_.infoValid) return;
  int program = -1;
  if (state_.activeList == ActiveList::Services) {
    if (state_.serviceSelection >= 0 && state_.serviceSelection < state_.serviceRowCount)
      program = state_.serviceRows[std::size_t(state_.serviceSelection)];
  } else if (state_.groupSelection >= 0 && state_.groupSelection < state_.groupRowCount) {
    program = state_.groupRows[std::size_t(state_.groupSelection)];
  }
  if (program < 0 || program >= kProgramSlots) return;
  const int dbType = host_.DbType();
  ProgramRecord& p = Db().programs[std::size_t(program)];
  p.SetLocked(state_.infoLocked);
  p.SetName(FieldBytes(state_.infoName, ProgramRecord::kNameWidth));
  p.SetServiceId(std::uint16_t(state_.infoServiceId));
  p.SetVideoPid(state_.infoVideoPid, dbType);
  p.SetAudioPid(state_.infoAudioPid, dbType);
  p.SetPcrPid(state_.infoPcrPid, dbType);
  p.SetTtextPid(state_.infoTtextPid, dbType);
  p.SetPmtPid(state_.infoPmtPid, dbType);
  SetRowTextEverywhere(program, RowText(program));
  MarkModified();
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

// ---- programs -----------------------------------------------------------------------

void CPageGroupCh::AddProgram() {
  // With every slot in use there is nowhere to put the program: say so before asking.
  if (doc_.FindFreeProgramSlot() >= kProgramSlots) {
    Prompt::Message(this, L(T::kProgramTableFull));
    return;
  }
  CProgramEditDlg dlg(Db());
  dlg.progType = int(ProgramRecord::kUnknown);
  dlg.progLocked = 0;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;

  ChannelDatabase& db = Db();
  const int dbType = host_.DbType();
  const int slot = doc_.FindFreeProgramSlot();
  if (slot >= kProgramSlots) return;
  const std::uint32_t type = std::uint32_t(dlg.progType) & 3u;
  // An unknown type is filed by its video PID as the receiver stores it.
  std::uint32_t storedType = type;
  if (type == ProgramRecord::kUnknown)
    storedType = dbtype::WritePid(dlg.progVideoPid, dbType) == 0 ? ProgramRecord::kRadio
                                                                 : ProgramRecord::kTv;
  ServiceList* list = storedType == ProgramRecord::kTv      ? &db.channelLists.tvList
                      : storedType == ProgramRecord::kRadio ? &db.channelLists.radioList
                                                            : nullptr;
  if (list && list->Count() >= ServiceList::kCapacity) {
    Prompt::Message(this, L(T::kServiceListFull));
    return;
  }

  // The slot is not cleared: bits the editor does not set keep what the slot held.
  ProgramRecord& p = db.programs[std::size_t(slot)];
  p.SetLocked((dlg.progLocked & 1) != 0);
  p.SetName(FieldBytes(dlg.progName, ProgramRecord::kNameWidth));
  p.SetTransponderIndex(std::uint32_t(dlg.chosenTransponder) & 0xFFFFu);
  p.SetAudioPid(dlg.progAudioPid, dbType);
  p.SetPcrPid(dlg.progPcrPid, dbType);
  p.SetTtextPid(dlg.progTtextPid, dbType);
  p.SetVideoPid(dlg.progVideoPid, dbType);
  p.SetPmtPid(dlg.progPmtPid, dbType);
  p.SetServiceType(type);
  p.SetPresetWord(ProgramRecord::kPresetOnCreate);
  p.SetServiceId(std::uint16_t(dlg.progServiceId));
  if (list) {
    list->SetEntry(list->Count(), std::uint16_t(slot));
    list->SetCount(std::uint16_t(list->Count() + 1));
  }
  if (type == ProgramRecord::kUnknown) p.SetServiceType(storedType);
  const std::size_t tp = p.TransponderIndex();
  if (tp < ChannelDatabase::kTransponderCount) {
    const std::size_t sat = db.transponders[tp].SatelliteIndex();
    if (sat < ChannelDatabase::kSatelliteCount) db.satellites[sat].SetSelected(true);
  }
  p.SetState(SlotState::Used);
  RefreshPage();
  MarkModified();
}

void CPageGroupCh::DeleteSelectedProgram() {
  EnsureInitialised();
  if (state_.activeList == ActiveList::Services) {
    const int row = serviceList_->SingleSelectedRow();
    if (row < 0 || row >= state_.serviceRowCount) return;
    state_.serviceSelection = row;
    const int program = state_.serviceRows[std::size_t(row)];
    doc_.DeleteProgram(program);
    const int kind = kind_->currentIndex();
    doc_.RemoveFromServiceList(kind, program);
    FillServiceList(kind);
    FillGroupList(state_.CurrentGroup());
  } else {
    const int row = groupList_->SingleSelectedRow();
    if (row < 0 || row >= state_.groupRowCount) return;
    state_.groupSelection = row;
    doc_.RemoveGroupMember(state_.CurrentGroup(), state_.groupRows[std::size_t(row)]);
    FillGroupList(state_.CurrentGroup());
  }
  MarkModified();
}

// ---- favourite groups ---------------------------------------------------------------

void CPageGroupCh::AddGroup() {
  CInputName dlg(this);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  if (!doc_.AddFavoriteGroup(FieldBytes(dlg.name, FavoriteGroupRecord::kNameWidth))) return;
  RefreshPage();
  MarkModified();
}

void CPageGroupCh::RenameGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  auto& groups = Db().channelLists.favoriteGroups;
  CInputName dlg(this);
  dlg.name = DataExchange::NameFromField(groups[std::size_t(group)].NameField(),
                                         FavoriteGroupRecord::kNameWidth);
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const std::string name = FieldBytes(dlg.name, FavoriteGroupRecord::kNameWidth);
  for (int g = 0; g < kGroupSlots; ++g) {
    if (g == group || !groups[std::size_t(g)].IsUsed()) continue;
    if (groups[std::size_t(g)].NameIs(name)) {
      Prompt::Message(this, L(T::kNameExists));
      return;
    }
  }
  groups[std::size_t(group)].SetName(name);
  RefillGroupCombo();
  {
    const QSignalBlocker block(groupCombo_);
    groupCombo_->setCurrentIndex(state_.currentGroupRow);
  }
  MarkModified();
}

void CPageGroupCh::DeleteGroup() {
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  doc_.DeleteFavoriteGroup(group);
  RefillGroupCombo();
  state_.currentGroupRow = state_.currentGroupRow > 0 ? state_.currentGroupRow - 1 : 0;
  FillGroupList(state_.CurrentGroup());
  {
    const QSignalBlocker block(groupCombo_);
    groupCombo_->setCurrentIndex(state_.groupComboRows > 0 ? state_.currentGroupRow : -1);
  }
  MarkModified();
}

AddMemberResult CPageGroupCh::AddGroupMember(int group, int program) {
  if (group < 0 || group >= kGroupSlots) return AddMemberResult::GroupFull;
  FavoriteGroupRecord& rec = Db().channelLists.favoriteGroups[std::size_t(group)];
  const std::uint32_t n = rec.MemberCount();
  if (n >= FavoriteGroupRecord::kMaxMembers) return AddMemberResult::GroupFull;
  for (std::size_t i = 0; i < n; ++i)
    if (rec.Member(i) == program) return AddMemberResult::AlreadyMember;
  rec.SetMember(n, std::uint16_t(program));
  rec.SetMemberCount(n + 1);
  MarkModified();
  return AddMemberResult::Added;
}

void CPageGroupCh::CopyToGroup() {
  const int row = serviceList_->SingleSelectedRow();
  if (row < 0 || row >= state_.serviceRowCount) {
    Prompt::Message(this, L(T::kSelectLeft));
    return;
  }
  const int group = state_.CurrentGroup();
  if (group < 0) return;
  if (AddGroupMember(group, state_.serviceRows[std::size_t(row)]) != AddMemberResult::Added) return;
  FillGroupList(group);
  MarkModified();
}

void CPageGroupCh::RemoveFromGroup() {
  host_.SendCommand(CommandId::kDeleteProgram);
  MarkModified();
}

// ---- drag and drop ------------------------------------------------------------------

void CPageGroupCh::BeginDrag(int row) {
  if (dragging_ || row < 0 || row >= groupList_->count()) return;
  dragRow_ = row;
  dragImage_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                       Qt::WindowTransparentForInput);
  dragImage_->setObjectName(QStringLiteral("dragImage"));
  dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
  dragImage_->setPixmap(groupList_->viewport()->grab(groupList_->visualItemRect(groupList_->item(row))));
  dragImage_->adjustSize();
  dragImage_->move(QCursor::pos() + kDragImageOffset);
  dragImage_->show();
  dragging_ = true;
  dropRow_ = -1;
  dragSource_ = groupList_;
  hoverList_ = groupList_;
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  grabMouse();
}

void CPageGroupCh::EndDrag() {
  releaseMouse();
  dragging_ = false;
  delete dragImage_;
  dragImage_ = nullptr;
  QGuiApplication::restoreOverrideCursor();
}

GroupChListView* CPageGroupCh::ListUnder(const QPoint& globalPos) const {
  QWidget* w = QApplication::widgetAt(globalPos);
  if (!w) {
    // Platforms that cannot say which window lies under a point: look inside ours.
    QWidget* top = window();
    const QPoint local = top->mapFromGlobal(globalPos);
    if (top->rect().contains(local)) w = top->childAt(local);
  }
  for (; w; w = w->parentWidget()) {
    if (w == serviceList_) return serviceList_;
    if (w == groupList_) return groupList_;
    if (w->isWindow()) break;
  }
  return nullptr;
}

void CPageGroupCh::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const QPoint global = event->globalPosition().toPoint();
  if (dragImage_) dragImage_->move(global + kDragImageOffset);
  GroupChListView* under = ListUnder(global);
  if (under != hoverList_ && dropRow_ != -1) {
    hoverList_->SetDropHighlight(dropRow_, false);
    dropRow_ = -1;
  }
  if (under && under == hoverList_) {
    QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
    hoverList_->SetDropHighlight(dropRow_, false);
    dropRow_ = hoverList_->RowAt(hoverList_->viewport()->mapFromGlobal(global));
    hoverList_->SetDropHighlight(dropRow_, true);
  } else {
    QGuiApplication::changeOverrideCursor(Qt::ForbiddenCursor);
  }
  event->accept();
}

void CPageGroupCh::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  EndDrag();
  GroupChListView* under = ListUnder(event->globalPosition().toPoint());
  if (under && under == hoverList_) {
    dropTarget_ = under;
    MoveGroupMember();
  } else if (dropRow_ != -1) {
    hoverList_->SetDropHighlight(dropRow_, false);
    dropRow_ = -1;
  }
  event->accept();
}

void CPageGroupCh::MoveGroupMember() {
  dropTarget_->SetDropHighlight(dropRow_, false);
  const QListWidgetItem* dragged = groupList_->item(dragRow_);
  if (!dragged) return;
  const QString text = dragged->text();
  if (groupList_->SingleSelectedRow() < 0 || dropTarget_ != groupList_) return;
  const int group = state_.CurrentGroup();
  if (group < 0 || dragRow_ >= state_.groupRowCount) return;

  FavoriteGroupRecord& rec = Db().channelLists.favoriteGroups[std::size_t(group)];
  const int count = state_.groupRowCount;
  auto& rows = state_.groupRows;
  groupch::MoveEntry(
      count, dragRow_, dropRow_, [&rec](int i) { return rec.Member(std::size_t(i)); },
      [&rec](int i, std::uint16_t v) { rec.SetMember(std::size_t(i), v); });
  const int to = groupch::MoveEntry(
      count, dragRow_, dropRow_, [&rows](int i) { return rows[std::size_t(i)]; },
      [&rows](int i, int v) { rows[std::size_t(i)] = v; });

  // The list is patched rather than refilled; the selection handler stays out until the
  // moved row is in place, then shows it.
  {
    const QSignalBlocker block(groupList_);
    delete groupList_->takeItem(dragRow_);
    groupList_->insertItem(to, text);
    groupList_->clearSelection();
  }
  groupList_->setCurrentRow(to);
  MarkModified();
}
