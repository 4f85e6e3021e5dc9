#pragma once
// A row of the TV/Radio list or the favourite list. Its text is the program's name;
// a screen reader reads its channel number, the "No." painted before the name, as the
// row's description, counted from 1 whatever a search hides.
#include <QListWidgetItem>

class ChannelRowItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  QVariant data(int role) const override;
};
