#include "ui/channels/GroupChListView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "ui/channels/ChannelNumberDelegate.h"
#include "ui/channels/RowMoves.h"

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
  const std::vector<int> rows = SelectedRows();
  return rows.size() == 1 ? rows.front() : -1;
}

std::vector<int> GroupChListView::SelectedRows() const {
  // A row a search hides is not acted on, even if it was selected before.
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes())
    if (!isRowHidden(index.row())) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void GroupChListView::SetActiveLook(bool active) {
  activeLook_ = active;
  // Start from the palette the list would have, then fix both colour groups, so that the
  // look follows the page's active list rather than the keyboard focus.
  QPalette p = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
  const QColor highlight = p.color(QPalette::Active, QPalette::Highlight);
  const QColor highlightedText = p.color(QPalette::Active, QPalette::HighlightedText);
  QColor grey = p.color(QPalette::Inactive, QPalette::Highlight);
  QColor greyText = p.color(QPalette::Inactive, QPalette::HighlightedText);
  if (grey == highlight) {
    // A style that keeps the highlight without the focus has no grey of its own: the
    // face of a button, as lists without the focus show their selection.
    grey = p.color(QPalette::Active, QPalette::Button).darker(112);
    greyText = p.color(QPalette::Active, QPalette::ButtonText);
  }
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, QPalette::Highlight, active ? highlight : grey);
    p.setColor(g, QPalette::HighlightedText, active ? highlightedText : greyText);
  }
  setPalette(p);
}

bool GroupChListView::ScrollOneRow(int direction) {
  QScrollBar* bar = verticalScrollBar();
  const int before = bar->value();
  const QModelIndex top = indexAt(QPoint(1, 1));
  if (!top.isValid()) return false;
  const int row = top.row() + direction;
  if (row < 0 || row >= count()) return false;
  scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
  return bar->value() != before;
}

void GroupChListView::keyPressEvent(QKeyEvent* event) {
  if (const RowMove move = RowMoveOfKey(*event); move != RowMove::None) {
    emit MoveKey(int(move));
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_L && (event->modifiers() & ~Qt::ShiftModifier) == Qt::ControlModifier) {
    emit LockKey(!(event->modifiers() & Qt::ShiftModifier));
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
  pressRow_ = -1;
  deferredRow_ = -1;
  const int row = RowAt(event->position().toPoint());
  const bool plainLeft = event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
  if (dragSource_ && plainLeft && row >= 0 && item(row)->isSelected() && SelectedRows().size() > 1) {
    // A press on one of several selected rows may start a drag of them all: the
    // selection narrows to the row only when the button comes up without a drag.
    deferredRow_ = row;
  } else {
    QListWidget::mousePressEvent(event);
  }
  if (dragSource_ && event->button() == Qt::LeftButton) {
    pressRow_ = row;
    pressPos_ = event->position().toPoint();
  }
  emit Activated();
}

void GroupChListView::mouseMoveEvent(QMouseEvent* event) {
  if (pressRow_ >= 0 && (event->buttons() & Qt::LeftButton)) {
    // A press on a row of the favourite list is the start of a drag, never a selection
    // dragged along the rows: the list's own drag selection would scroll by itself near
    // an edge and, once the page holds the mouse, never see the release that stops it.
    if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
    // The page takes over the mouse from here until the button comes up.
    const int row = pressRow_;
    pressRow_ = -1;
    deferredRow_ = -1;
    stopAutoScroll();
    setState(QAbstractItemView::NoState);
    emit BeginDrag(row);
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

void GroupChListView::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  // The focus coming back with the window or after a popup is not the user turning to
  // this list.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) emit Activated();
}

void GroupChListView::mouseReleaseEvent(QMouseEvent* event) {
  pressRow_ = -1;
  if (deferredRow_ >= 0) {
    const int row = deferredRow_;
    deferredRow_ = -1;
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    event->accept();
    return;
  }
  QListWidget::mouseReleaseEvent(event);
}
