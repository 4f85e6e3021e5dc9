#include "ui/GroupChListView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "ui/ChannelNumberDelegate.h"
#include "ui/RowMoves.h"

GroupChListView::GroupChListView(QWidget* parent) : QListWidget(parent) {
  // The receiver's order is the list's order, one row under the other, never sorted.
  // Rows span the width, so a drop anywhere beside a name lands on that row.
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(false);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSortingEnabled(false);
  setDragEnabled(false);
  setItemDelegate(new ChannelNumberDelegate(this));
}

int GroupChListView::RowAt(const QPoint& viewportPos) const {
  if (!viewport()->rect().contains(viewportPos)) return -1;
  const QModelIndex index = indexAt(viewportPos);
  return index.isValid() ? index.row() : -1;
}

void GroupChListView::SetDropHighlight(int row, bool on) {
  QListWidgetItem* it = item(row);
  if (!it) return;
  if (on) {
    it->setData(kDropHighlightRole, true);
    it->setBackground(palette().highlight());
    it->setForeground(palette().highlightedText());
  } else {
    it->setData(kDropHighlightRole, QVariant());
    it->setBackground(QBrush());
    it->setForeground(QBrush());
  }
}

bool GroupChListView::IsDropHighlighted(int row) const {
  const QListWidgetItem* it = item(row);
  return it && it->data(kDropHighlightRole).toBool();
}

int GroupChListView::SingleSelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedIndexes();
  return rows.size() == 1 ? rows.front().row() : -1;
}

std::vector<int> GroupChListView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void GroupChListView::keyPressEvent(QKeyEvent* event) {
  if (const RowMove move = RowMoveOfKey(*event); move != RowMove::None) {
    emit MoveKey(int(move));
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
    emit KeyCommand(event->key());
    event->accept();
    return;
  }
  // Shift+F10, the context-menu key of keyboards without a Menu key: the menu opens at
  // the current row.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    event->accept();
    const QRect row = visualItemRect(currentItem());
    emit ContextMenuAt(viewport()->mapToGlobal(row.isValid() ? row.center() : QPoint(0, 0)));
    return;
  }
  QListWidget::keyPressEvent(event);
}

void GroupChListView::contextMenuEvent(QContextMenuEvent* event) {
  emit ContextMenuAt(event->globalPos());
  event->accept();
}

void GroupChListView::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  pressRow_ = -1;
  if (dragSource_ && event->button() == Qt::LeftButton) {
    pressRow_ = RowAt(event->position().toPoint());
    pressPos_ = event->position().toPoint();
  }
}

void GroupChListView::mouseMoveEvent(QMouseEvent* event) {
  if (pressRow_ >= 0 && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - pressPos_).manhattanLength() >=
          QApplication::startDragDistance()) {
    // The page takes over the mouse from here until the button comes up.
    const int row = pressRow_;
    pressRow_ = -1;
    emit BeginDrag(row);
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

void GroupChListView::mouseReleaseEvent(QMouseEvent* event) {
  pressRow_ = -1;
  QListWidget::mouseReleaseEvent(event);
}
