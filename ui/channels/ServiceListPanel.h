#pragma once
// The left box of the "Group/Channel" page: the TV/Radio choice, its search, the list of
// the chosen kind's channels in the receiver's order; and "-->", which the page puts
// beside the box. It owns which kind it shows.
#include <functional>

#include "ui/channels/ChannelListPanel.h"

class QComboBox;
class QPushButton;

class ServiceListPanel : public ChannelListPanel {
  Q_OBJECT
 public:
  ServiceListPanel(DocEditing& doc, QWidget& page);

  // The TV/Radio row shown (ServiceKind).
  int Kind() const;
  // Empties the TV/Radio choice; with `offer`, TV and Radio are offered again, TV shown.
  void ResetKinds(bool offer);
  // Shows a kind as choosing it does, which fills the list through OnKind's `show`.
  void ChooseKind(int kind);
  // Another kind chosen: `mayLeave` is asked first (false puts the choice back), then
  // `show` fills the list.
  void OnKind(std::function<bool()> mayLeave, std::function<void(int kind)> show);

  QComboBox* KindCombo() const { return kind_; }
  QPushButton* CopyRight() const { return copyRight_; }

 private:
  QComboBox* kind_ = nullptr;
  QPushButton* copyRight_ = nullptr;
  int shownKind_ = 0;
};
