#pragma once
// One of the two program lists of the "Group/Channel" page, a table of whole rows
// (No., Name, Satellite, Frequency/Pol, Service ID, Lock, ...). It reports what the page
// acts on (Insert/Delete keys, right clicks, clicks and the focus, the start of a drag),
// draws the line a dragged block would land on, and shows whether it is the list the
// page acts on. The header's menu hides and shows columns; a click on the header does
// not sort, since the rows are the receiver's order.
#include <QPoint>
#include <QTableView>
#include <array>
#include <vector>

#include "ui/channels/ChannelTableModel.h"

class GroupChListView : public QTableView {
  Q_OBJECT
 public:
  explicit GroupChListView(QWidget* parent = nullptr);

  // The rows a list likes to show at once.
  static constexpr int kPreferredRows = 20;

  // Gives every column the width its content and title need.
  void SetTableModel(ChannelTableModel* model);
  ChannelTableModel* TableModel() const { return model_; }

  // A list whose rows can be dragged to another place in it.
  void SetDragSource(bool on) { dragSource_ = on; }

  int RowCount() const;
  int CurrentRow() const;
  // Makes `row` current and selects it alone (or as `flags` say).
  void SetCurrentRow(int row, QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect);
  // Adds `row` to the selection; the current row stays.
  void SelectRow(int row);
  bool IsRowSelected(int row) const;
  // What a row's Name cell shows: "[name]".
  QString RowText(int row) const;
  // The row's area in the viewport, over every column shown.
  QRect RowRect(int row) const;
  void ScrollToRow(int row);

  // Row under a point of the viewport, -1 below the last row or on no row.
  int RowAt(const QPoint& viewportPos) const;
  // The drop line over `row` (the block lands before it; RowCount: after the last row),
  // or none (-1).
  void SetDropLine(int row);
  int DropLine() const { return dropLine_; }
  // Whether the header's menu offers a column; one not offered stays hidden.
  void OfferColumn(int column, bool offered);
  bool ColumnOffered(int column) const {
    return column >= 0 && column < int(offered_.size()) && offered_[std::size_t(column)];
  }

  // The one selected row, or -1 when none or several are selected.
  int SingleSelectedRow() const;
  // Every selected row the search leaves shown (Shift and Ctrl clicks select several),
  // ascending.
  std::vector<int> SelectedRows() const;

  // The list "<--", "Delete Program" and "Update" act on shows its selected row in the
  // highlight; the other one shows it in grey, as a list without the focus does.
  void SetActiveLook(bool active);
  bool ActiveLook() const { return activeLook_; }

  // Moves the rows one row up (-1) or down (+1); false when the list is already at
  // that end.
  bool ScrollOneRow(int direction);
  // Opens the name cell of the current row for typing over (F2).
  void EditCurrentName();

  // As wide as every column shown needs, and kPreferredRows rows high.
  QSize sizeHint() const override;
  // After columns were hidden, shown or resized from outside (a kept column state): the
  // last column shown fills what the others leave of the list's width.
  void FillWidth();

 signals:
  void KeyCommand(int key);
  // A key that moves the selected rows (a RowMove of ui/channels/RowMoves.h).
  void MoveKey(int move);
  // Ctrl+L (true) or Ctrl+Shift+L (false): lock or unlock the selected programs.
  void LockKey(bool locked);
  void ContextMenuAt(const QPoint& globalPos);
  // Ctrl+C: the selected rows go to the clipboard.
  void CopyKey();
  // A column was hidden or shown from the header's menu.
  void ColumnsChanged();
  void BeginDrag(int row);
  // A mouse button went down on the list, or the keyboard focus came to it.
  void Activated();
  // Escape: the user goes back to the search above the list.
  void EscapeKey();
  // A program's name typed over its name cell (double-click or F2).
  void RenameRequested(int row, const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  void HeaderMenu(const QPoint& pos);
  int LastShownColumn() const;

  ChannelTableModel* model_ = nullptr;
  int dropLine_ = -1;
  std::array<bool, ChannelTableModel::kColumns> offered_ = AllOffered();
  static constexpr std::array<bool, ChannelTableModel::kColumns> AllOffered() {
    std::array<bool, ChannelTableModel::kColumns> all{};
    all.fill(true);
    return all;
  }
  // What each column needs (SetTableModel): the last one shown is never narrower.
  std::array<int, ChannelTableModel::kColumns> natural_{};
  bool filling_ = false;
  bool dragSource_ = false;
  bool activeLook_ = true;
  int pressRow_ = -1;
  int deferredRow_ = -1;  // pressed among several selected rows; selected alone at the release
  QPoint pressPos_;
};
