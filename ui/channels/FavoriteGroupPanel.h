#pragma once
// The right box of the "Group/Channel" page: the favourite group chosen in its combo,
// "Add", "Rename" and "Delete" of a group, the search over its members, the member list;
// and "<--", which the page puts beside the box. It owns which combo row names which group slot, the group shown, and the
// edits of the groups themselves.
#include <array>
#include <functional>
#include <vector>

#include "ui/channels/ChannelListPanel.h"

struct ChannelDatabase;
class QComboBox;
class QPushButton;

class FavoriteGroupPanel : public ChannelListPanel {
  Q_OBJECT
 public:
  static constexpr int kGroupSlots = 8;
  using GroupMap = std::array<int, kGroupSlots>;

  FavoriteGroupPanel(DocEditing& doc, QWidget& page);

  // Lists the used groups in the combo by name, without the selection handler.
  void RefillCombo(const ChannelDatabase& db);
  // After an edit of the groups: lists them again when a group came, went or was
  // renamed, keeping the current group, or when it went the row above it (the first
  // row when it was the first). True when the current group is another one now.
  bool SyncCombo(const ChannelDatabase& db);
  // Empties the combo without the selection handler.
  void ClearCombo();
  // Shows a combo row without the selection handler: the caller fills the list itself.
  void SelectRow(int row);
  // Shows a group as choosing it in the combo does, which fills the list through
  // OnGroup's `show`.
  void ChooseRow(int row);
  // Another group chosen: `mayLeave` is asked first (false puts the combo back), then
  // `show` fills the member list with the group's slot.
  void OnGroup(std::function<bool()> mayLeave, std::function<void(int group)> show);

  // "Add", "Rename" and "Delete" of a group, one action each through the document, whose
  // notice brings the combo up to date. After a group is added `added` runs.
  void AddGroup();
  void RenameGroup();
  void DeleteGroup();
  void OnAdded(std::function<void()> added) { added_ = std::move(added); }

  // The slot of the current group, -1 while the combo is empty.
  int CurrentGroup() const;
  // The slot a combo row names, -1 past the rows listed.
  int GroupAt(int row) const;
  // The combo row of a group slot, -1 when the combo does not list it.
  int ComboRowOf(int group) const;
  const int& CurrentRow() const { return currentRow_; }
  void SetCurrentRow(int row) { currentRow_ = row; }
  const int& ComboRows() const { return comboRows_; }
  const GroupMap& Map() const { return map_; }

  QComboBox* Combo() const { return combo_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* RenameButton() const { return rename_; }
  QPushButton* DeleteButton() const { return delete_; }
  QPushButton* CopyLeft() const { return copyLeft_; }

 private:
  // Whether the combo lists exactly these groups with these names.
  bool Lists(const ChannelDatabase& db, const std::vector<int>& used) const;

  std::function<void()> added_;
  QPushButton* copyLeft_ = nullptr;
  QComboBox* combo_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* delete_ = nullptr;
  GroupMap map_{};
  int comboRows_ = 0;
  int currentRow_ = 0;
};
