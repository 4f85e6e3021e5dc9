#include "ui/channels/GroupChListView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/channels/ChannelTableModel.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/channels/NameCellDelegate.h"
#include "ui/channels/RowMoves.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace {
constexpr int kDropLineWidth = 2;
}

GroupChListView::GroupChListView(QWidget* parent) : QTableView(parent) {
  // The receiver's order is the list's order, one row under the other, never sorted.
  // A row is one thing to select, drag and drop, whichever cell the mouse is on.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSortingEnabled(false);
  setDragEnabled(false);
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  // Only a name cell opens, on a double-click or F2 (keyPressEvent).
  setEditTriggers(QAbstractItemView::DoubleClicked);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setSectionsMovable(false);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QHeaderView::customContextMenuRequested, this, &GroupChListView::HeaderMenu);
  // A column made wider or narrower, shown or hidden, changes what the last one fills.
  connect(header, &QHeaderView::sectionResized, this, [this] { FillWidth(); });
  connect(this, &GroupChListView::ColumnsChanged, this, [this] { FillWidth(); });
}

void GroupChListView::SetTableModel(ChannelTableModel* model) {
  model_ = model;
  setModel(model);
  setItemDelegateForColumn(ChannelTableModel::kName, new NameCellDelegate(this, [this](int row, const QString& text) {
    emit RenameRequested(row, text);
  }));
  // Each column as wide as what it holds, or as its title where that is wider, in
  // whatever language it is shown: four-digit channel numbers, names of 14 characters
  // in brackets, satellite names, "12345 H", five-digit service IDs, the marks, a group
  // name. The user's widths replace these.
  const QFontMetrics fm = fontMetrics();
  const int chars = fm.averageCharWidth();
  // A cell's text keeps the focus frame's margin and a little air on each side.
  const int pad = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + chars / 2;
  const int content[ChannelTableModel::kColumns] = {
      fm.horizontalAdvance(QStringLiteral("4000")),
      fm.horizontalAdvance(QStringLiteral("[]")) + 14 * chars,
      14 * chars,
      fm.horizontalAdvance(QStringLiteral("12345 H")),
      fm.horizontalAdvance(QStringLiteral("65535")),
      0,
      12 * chars,
      0};
  for (int column = 0; column < ChannelTableModel::kColumns; ++column) {
    natural_[std::size_t(column)] = std::max(content[column] + pad, horizontalHeader()->sectionSizeHint(column));
    setColumnWidth(column, natural_[std::size_t(column)]);
  }
  FillWidth();
}

int GroupChListView::LastShownColumn() const {
  for (int column = ChannelTableModel::kColumns - 1; column >= 0; --column)
    if (!isColumnHidden(column)) return column;
  return -1;
}

void GroupChListView::FillWidth() {
  const int last = LastShownColumn();
  if (!model_ || last < 0 || filling_) return;
  int others = 0;
  for (int column = 0; column < last; ++column)
    if (!isColumnHidden(column)) others += columnWidth(column);
  // The last column takes the width the others leave, but never less than it needs: a
  // narrow list scrolls sideways rather than cut it.
  const int width = std::max(natural_[std::size_t(last)], viewport()->width() - others);
  if (columnWidth(last) == width) return;
  filling_ = true;
  setColumnWidth(last, width);
  filling_ = false;
}

QSize GroupChListView::sizeHint() const {
  // Every column shown at its width, and the rows of a long list.
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < ChannelTableModel::kColumns; ++column)
    if (!isColumnHidden(column)) width += natural_[std::size_t(column)];
  const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                     kPreferredRows * verticalHeader()->defaultSectionSize();
  return {width, height};
}

void GroupChListView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FillWidth();
}

int GroupChListView::RowCount() const { return model_ ? model_->rowCount() : 0; }

int GroupChListView::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

void GroupChListView::SetCurrentRow(int row, QItemSelectionModel::SelectionFlags flags) {
  if (!model_ || row < 0 || row >= RowCount()) return;
  const int column = currentIndex().isValid() ? currentIndex().column() : int(ChannelTableModel::kName);
  selectionModel()->setCurrentIndex(model_->index(row, column), flags | QItemSelectionModel::Rows);
}

void GroupChListView::SelectRow(int row) {
  if (!model_ || row < 0 || row >= RowCount()) return;
  selectionModel()->select(model_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool GroupChListView::IsRowSelected(int row) const {
  return model_ && selectionModel()->isRowSelected(row, QModelIndex());
}

QString GroupChListView::RowText(int row) const {
  return model_ ? model_->CellText(row, ChannelTableModel::kName) : QString();
}

QRect GroupChListView::RowRect(int row) const {
  if (!model_ || row < 0 || row >= RowCount() || isRowHidden(row)) return {};
  return QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
}

void GroupChListView::ScrollToRow(int row) {
  if (!model_ || row < 0 || row >= RowCount()) return;
  const int column = currentIndex().isValid() ? currentIndex().column() : int(ChannelTableModel::kName);
  scrollTo(model_->index(row, column));
}

int GroupChListView::RowAt(const QPoint& viewportPos) const {
  if (!viewport()->rect().contains(viewportPos)) return -1;
  const int row = rowAt(viewportPos.y());
  return row >= 0 && row < RowCount() ? row : -1;
}

void GroupChListView::SetDropLine(int row) {
  if (row == dropLine_) return;
  dropLine_ = row;
  viewport()->update();
}

void GroupChListView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (dropLine_ < 0) return;
  // The line lies between the rows the block would land between: above the row, or
  // under the last shown row for a drop below them all.
  int y = -1;
  if (dropLine_ < RowCount() && !isRowHidden(dropLine_)) {
    y = rowViewportPosition(dropLine_);
  } else {
    for (int row = RowCount() - 1; row >= 0; --row)
      if (!isRowHidden(row)) {
        y = rowViewportPosition(row) + rowHeight(row);
        break;
      }
  }
  if (y < 0) return;
  QPainter painter(viewport());
  painter.fillRect(QRect(0, std::max(0, y - kDropLineWidth / 2), viewport()->width(), kDropLineWidth),
                   palette().color(QPalette::Active, QPalette::Highlight).darker(130));
}

void GroupChListView::HeaderMenu(const QPoint& pos) {
  // "No." and "Name" always show: a row must say which channel it is.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("columnsMenu"));
  menu.setTitle(Texts::Q(GroupChTexts::kColumnsMenu));
  menu.setAccessibleName(menu.title());
  for (int column = ChannelTableModel::kSatellite; column < ChannelTableModel::kColumns; ++column) {
    if (!offered_[std::size_t(column)]) continue;
    QAction* action = menu.addAction(ChannelTableModel::HeaderText(column));
    action->setCheckable(true);
    action->setChecked(!isColumnHidden(column));
    connect(action, &QAction::toggled, this, [this, column](bool on) {
      setColumnHidden(column, !on);
      emit ColumnsChanged();
    });
  }
  Prompt::Popup(menu, horizontalHeader()->viewport()->mapToGlobal(pos));
}

void GroupChListView::OfferColumn(int column, bool offered) {
  if (column < 0 || column >= int(offered_.size())) return;
  offered_[std::size_t(column)] = offered;
  if (!offered) setColumnHidden(column, true);
  FillWidth();
}

QModelIndex GroupChListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Home and End go to the first and last row, as in any list, not along the row.
  if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
  return QTableView::moveCursor(action, modifiers);
}

int GroupChListView::SingleSelectedRow() const {
  const std::vector<int> rows = SelectedRows();
  return rows.size() == 1 ? rows.front() : -1;
}

std::vector<int> GroupChListView::SelectedRows() const {
  // A row a search hides is not acted on, even if it was selected before. The selection
  // is read by its ranges: a whole list selected is one range, not 4000 rows of cells.
  std::vector<int> rows;
  if (!model_) return rows;
  std::vector<bool> taken(std::size_t(RowCount()), false);
  for (const QItemSelectionRange& range : selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom() && row < RowCount(); ++row)
      if (!taken[std::size_t(row)] && !isRowHidden(row)) {
        taken[std::size_t(row)] = true;
        rows.push_back(row);
      }
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
  if (row < 0 || row >= RowCount()) return false;
  scrollTo(model()->index(row, top.column()), QAbstractItemView::PositionAtTop);
  return bar->value() != before;
}

void GroupChListView::EditCurrentName() {
  if (!model_ || CurrentRow() < 0) return;
  const QModelIndex name = model_->index(CurrentRow(), ChannelTableModel::kName);
  setCurrentIndex(name);
  edit(name);
}

void GroupChListView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
    EditCurrentName();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    emit EscapeKey();
    event->accept();
    return;
  }
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
  if (event->matches(QKeySequence::Copy)) {
    emit CopyKey();
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
    const QRect row = RowRect(CurrentRow());
    emit ContextMenuAt(viewport()->mapToGlobal(row.isValid() ? row.center() : QPoint(0, 0)));
    return;
  }
  QTableView::keyPressEvent(event);
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
  if (dragSource_ && plainLeft && row >= 0 && IsRowSelected(row) && SelectedRows().size() > 1) {
    // A press on one of several selected rows may start a drag of them all: the
    // selection narrows to the row only when the button comes up without a drag.
    deferredRow_ = row;
  } else {
    QTableView::mousePressEvent(event);
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
  QTableView::mouseMoveEvent(event);
}

void GroupChListView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  // The focus coming back with the window or after a popup is not the user turning to
  // this list.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) emit Activated();
}

void GroupChListView::mouseReleaseEvent(QMouseEvent* event) {
  pressRow_ = -1;
  if (deferredRow_ >= 0) {
    const int row = deferredRow_;
    deferredRow_ = -1;
    SetCurrentRow(row);
    event->accept();
    return;
  }
  QTableView::mouseReleaseEvent(event);
}
