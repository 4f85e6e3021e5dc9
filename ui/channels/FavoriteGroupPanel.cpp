#include "ui/channels/FavoriteGroupPanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/operations/ChannelRows.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/PlacedControl.h"

namespace T = GroupChTexts;

FavoriteGroupPanel::FavoriteGroupPanel(DocEditing& doc, QWidget& page) : ChannelListPanel(doc, page) {
  copyLeft_ = PlacedTextControl<QPushButton>(&page, T::kCopyLeft, "copyLeft", 163, 104, 36, 14);
  PlacedTextControl<QGroupBox>(&page, T::kFavoriteBox, "favoriteBox", 205, 4, 154, 204);
  combo_ = PlacedControl<QComboBox>(&page, "groupCombo", T::kFavoriteBox, 212, 16, 140, 14);
  add_ = PlacedTextControl<QPushButton>(&page, T::kAdd, "addGroup", 212, 33, 44, 14);
  rename_ = PlacedTextControl<QPushButton>(&page, T::kRename, "renameGroup", 260, 33, 44, 14);
  delete_ = PlacedTextControl<QPushButton>(&page, T::kDelete, "deleteGroup", 308, 33, 44, 14);
  MakeList("groupList", T::kFavoriteBox, "groupSearch", T::kSearchFavorites, 50, 212, 140, 66, 135);
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
  comboRows_ = 0;
  const auto& groups = db.channelLists.favoriteGroups;
  for (int g = 0; g < kGroupSlots && g < int(groups.size()); ++g) {
    if (!groups[std::size_t(g)].IsUsed()) continue;
    combo_->addItem(DataExchange::NameText(channelrows::GroupName(db, g)));
    map_[std::size_t(comboRows_++)] = g;
  }
}

void FavoriteGroupPanel::SelectRow(int row) {
  const QSignalBlocker block(combo_);
  combo_->setCurrentIndex(row);
}

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

int FavoriteGroupPanel::CurrentGroup() const {
  return currentRow_ >= 0 && currentRow_ < comboRows_ ? map_[std::size_t(currentRow_)] : -1;
}

int FavoriteGroupPanel::ComboRowOf(int group) const {
  int comboRow = -1;
  for (int row = 0; row < comboRows_; ++row)
    if (map_[std::size_t(row)] == group) comboRow = row;
  return comboRow;
}
