#include "ui/channels/FavoriteGroupPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelRows.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "ui/StepTexts.h"
#include "ui/channels/ChannelTableModel.h"
#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/CInputName.h"
#include "widgets/CoreMessages.h"
#include "widgets/DataExchange.h"
#include "widgets/NamedControl.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

namespace {

QString NameOf(const ChannelDatabase& db, int group) {
  return DataExchange::NameText(channelrows::GroupName(db, group));
}

// The text of an undo step, filled with the names.
std::string StepText(const char* text, const QString& a1, const QString& a2 = QString()) {
  QString named = Q(text).arg(a1);
  if (!a2.isNull()) named = named.arg(a2);
  return named.toStdString();
}

}  // namespace

FavoriteGroupPanel::FavoriteGroupPanel(DocEditing& doc, QWidget& page)
    : ChannelListPanel(doc, page, T::kFavoriteBox, "favoriteBox") {
  // Beside the box: the page puts it there.
  copyLeft_ = NamedTextControl<QPushButton>(&page, T::kCopyLeft, "copyLeft");
  combo_ = NamedControl<QComboBox>(this, "groupCombo", T::kFavoriteBox);
  add_ = NamedTextControl<QPushButton>(this, T::kAdd, "addGroup");
  rename_ = NamedTextControl<QPushButton>(this, T::kRename, "renameGroup");
  delete_ = NamedTextControl<QPushButton>(this, T::kDelete, "deleteGroup");
  // The group, its three buttons in a row under it, then the search and the members.
  Column().addWidget(combo_);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {add_, rename_, delete_}) buttons->addWidget(button);
  Column().addLayout(buttons);
  MakeList("group", T::kFavoriteBox, T::kSearchFavorites);
  // A member list is one group: which groups hold a member is the TV/Radio list's to say.
  List()->OfferColumn(ChannelTableModel::kGroups, false);
  connect(add_, &QPushButton::clicked, this, [this] { AddGroup(); });
  connect(rename_, &QPushButton::clicked, this, [this] { RenameGroup(); });
  connect(delete_, &QPushButton::clicked, this, [this] { DeleteGroup(); });
}

void FavoriteGroupPanel::ClearCombo() {
  const QSignalBlocker block(combo_);
  combo_->clear();
  comboRows_ = 0;
}

void FavoriteGroupPanel::RefillCombo(const ChannelDatabase& db) {
  const QSignalBlocker block(combo_);
  combo_->clear();
  map_.fill(0);
  const std::vector<int> used = channelrows::UsedGroups(db);
  static_assert(kGroupSlots >= int(ChannelListBlock::kGroupCount));
  std::copy(used.begin(), used.end(), map_.begin());
  comboRows_ = int(used.size());
  for (int group : used) combo_->addItem(NameOf(db, group));
}

bool FavoriteGroupPanel::Lists(const ChannelDatabase& db, const std::vector<int>& used) const {
  if (!std::equal(used.begin(), used.end(), map_.begin(), map_.begin() + comboRows_)) return false;
  for (int row = 0; row < comboRows_; ++row)
    if (combo_->itemText(row) != NameOf(db, GroupAt(row))) return false;
  return true;
}

bool FavoriteGroupPanel::SyncCombo(const ChannelDatabase& db) {
  if (Lists(db, channelrows::UsedGroups(db))) return false;
  const int group = CurrentGroup();
  RefillCombo(db);
  const int kept = ComboRowOf(group);
  const int row = kept >= 0 ? kept : std::max(currentRow_ - 1, 0);
  currentRow_ = comboRows_ > 0 ? std::min(row, comboRows_ - 1) : 0;
  SelectRow(comboRows_ > 0 ? currentRow_ : -1);
  return CurrentGroup() != group;
}

void FavoriteGroupPanel::SelectRow(int row) {
  const QSignalBlocker block(combo_);
  combo_->setCurrentIndex(row);
}

void FavoriteGroupPanel::ChooseRow(int row) { combo_->setCurrentIndex(row); }

void FavoriteGroupPanel::OnGroup(std::function<bool()> mayLeave, std::function<void(int)> show) {
  // Another group leaves the Info area's row: its typed values are settled first, or the
  // combo goes back.
  connect(combo_, &QComboBox::currentIndexChanged, this, [this, mayLeave, show](int row) {
    if (row != currentRow_ && !mayLeave()) {
      const QSignalBlocker block(combo_);
      combo_->setCurrentIndex(currentRow_);
      return;
    }
    currentRow_ = row;
    show(CurrentGroup());
  });
}

int FavoriteGroupPanel::CurrentGroup() const { return GroupAt(currentRow_); }

int FavoriteGroupPanel::GroupAt(int row) const { return ValueAt(map_, row, -1, comboRows_); }

int FavoriteGroupPanel::ComboRowOf(int group) const {
  const auto end = map_.begin() + comboRows_;
  const auto found = std::find(map_.begin(), end, group);
  return found == end ? -1 : int(found - map_.begin());
}

// ---- the groups' own edits ---------------------------------------------------------

void FavoriteGroupPanel::AddGroup() {
  CInputName dlg(&Page());
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  if (!Doc().Apply({StepText(StepTexts::kAddGroup, dlg.name), DocEditing::Mark::IfDone}, dbops::AddFavoriteGroup,
                   DataExchange::NameBytes(dlg.name)))
    return;
  if (added_) added_();
}

void FavoriteGroupPanel::RenameGroup() {
  const int group = CurrentGroup();
  if (group < 0) return;
  const QString name = NameOf(Doc().Working(), group);
  CInputName dlg(&Page());
  dlg.name = name;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  const Result renamed = Doc().Apply({StepText(StepTexts::kRenameGroup, name, dlg.name), DocEditing::Mark::IfDone},
                                     dbops::RenameFavoriteGroup, group, DataExchange::NameBytes(dlg.name));
  if (!renamed && !renamed.message.empty()) Prompt::Message(&Page(), CoreMessages::Said(renamed.message));
}

void FavoriteGroupPanel::DeleteGroup() {
  const int group = CurrentGroup();
  if (group < 0) return;
  Doc().Apply({StepText(StepTexts::kDeleteGroup, NameOf(Doc().Working(), group)), DocEditing::Mark::Always},
              dbops::DeleteFavoriteGroup, group);
}
