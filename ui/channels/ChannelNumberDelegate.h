#pragma once
// Paints a row of the TV/Radio list or the favourite list with its position,
// counted from 1, in a column of its own before the name: the channel number
// the receiver shows for it. The row's text stays the name alone.
#include <QStyledItemDelegate>

class ChannelNumberDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The number shown for a row.
  static QString NumberText(const QModelIndex& index);
  // The column's width: room for the largest number a list of `rows` rows
  // shows.
  static int NumberWidth(const QFontMetrics& metrics, int rows);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
