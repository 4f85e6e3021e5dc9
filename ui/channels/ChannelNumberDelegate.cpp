#include "ui/channels/ChannelNumberDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kGap = 6;  // between the number and the name
}

QString ChannelNumberDelegate::NumberText(const QModelIndex& index) { return QString::number(index.row() + 1); }

int ChannelNumberDelegate::NumberWidth(const QFontMetrics& metrics, int rows) {
  // At least four digits, so the names do not shift as a list grows.
  const int digits = std::max(4, int(QString::number(std::max(rows, 1)).size()));
  return metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) + kGap;
}

void ChannelNumberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  const int width = NumberWidth(opt.fontMetrics, index.model()->rowCount(index.parent()));

  // The whole row takes the selection; the number is drawn in the row's text
  // colour.
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
  QRect numberRect = opt.rect;
  numberRect.setWidth(width - kGap);
  const bool selected = opt.state & QStyle::State_Selected;
  painter->save();
  painter->setFont(opt.font);
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter, NumberText(index));
  painter->restore();

  QStyleOptionViewItem name = option;
  name.rect.setLeft(option.rect.left() + width);
  QStyledItemDelegate::paint(painter, name, index);
}

QSize ChannelNumberDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.rwidth() += NumberWidth(option.fontMetrics, index.model()->rowCount(index.parent()));
  return size;
}
