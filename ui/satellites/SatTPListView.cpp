#include "ui/satellites/SatTPListView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

SatTPListView::SatTPListView(QWidget* parent) : QTreeWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
}

int SatTPListView::ClientWidth() const { return width() - 2 * frameWidth(); }

int SatTPListView::SingleSelectedRow() const {
  const QList<QTreeWidgetItem*> items = selectedItems();
  return items.size() == 1 ? indexOfTopLevelItem(items.front()) : -1;
}

void SatTPListView::MarkRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return;
  // Also the keyboard's starting point, as a click on the row would make it.
  setCurrentItem(item);
  item->setSelected(true);
  scrollToItem(item);
}

void SatTPListView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
    event->accept();
    emit commandKey(event->key());
    return;
  }
  // Shift+F10 is the context-menu key of keyboards without a Menu key (which the
  // window system already turns into a context-menu request); the menu opens at the
  // current row.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    event->accept();
    const QRect row = visualItemRect(currentItem());
    emit customContextMenuRequested(row.isValid() ? row.center() : QPoint(0, 0));
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void SatTPListView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The list first takes the clicks for its selection, then the page acts on it.
  QTreeWidget::mouseDoubleClickEvent(event);
  emit doubleClickedAnywhere();
}

void SatTPListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QTreeWidget::drawRow(painter, option, index);
  painter->save();
  painter->setPen(palette().color(QPalette::Midlight));
  const QRect r = option.rect;
  painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  for (int c = 0; c < columnCount(); ++c) {
    const int x = header()->sectionViewportPosition(c) + header()->sectionSize(c) - 1;
    painter->drawLine(x, r.top(), x, r.bottom());
  }
  painter->restore();
}

bool SatTPListView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (index.isValid() && !text.isEmpty())
      QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    else
      QToolTip::hideText();
    return true;
  }
  return QTreeWidget::viewportEvent(event);
}
