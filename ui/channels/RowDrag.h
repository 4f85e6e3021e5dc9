#pragma once
// A drag of rows within one list of the "Group/Channel" page (the TV/Radio list or the
// favourite list), from the press that starts it to the release of the button: the drag
// image follows the cursor (the row, or the count of a block), a line shows where the rows
// would land (before the row beneath the cursor), and the
// cursor says whether a drop would be taken. Held within a row of the list's top or
// bottom edge, the cursor scrolls the list a row at a time, so rows can be moved further
// than the rows in view. A press on one of several selected rows drags them all. Only
// the list the drag began in takes the drop, on the row under the cursor at the
// release. The page holds the mouse meanwhile; its moves and the release of the left
// button are handled here.
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <vector>

class GroupChListView;
class QLabel;
class QWidget;

class RowDrag : public QObject {
 public:
  // `drop` runs when a drag ends over the list, with DragRows and DropRow set.
  RowDrag(QWidget& page, GroupChListView& list, std::function<void()> drop);
  ~RowDrag() override;

  bool Dragging() const { return dragging_; }
  // The row the drag began on, every dragged row (ascending), and the row under the
  // cursor (-1 none or below the last).
  int DragRow() const { return dragRow_; }
  const std::vector<int>& DragRows() const { return dragRows_; }
  int DropRow() const { return dropRow_; }

  void Begin(int row);

  // The list scrolls a row this often while the cursor is held at its edge.
  static constexpr int kEdgeScrollMs = 50;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Move(const QPoint& globalPos);
  // Ends the drag and clears the drop line; true when the button came up over the
  // list, so DragRows are to be dropped on DropRow.
  bool Release(const QPoint& globalPos);
  void End();
  bool OverList(const QPoint& globalPos) const;
  // The drop line where the block would land.
  void ShowLine();
  // -1 within a row of the list's top edge, +1 of its bottom edge, else 0.
  int EdgeAt(const QPoint& globalPos) const;
  void ScrollAtEdge();

  QWidget& page_;
  GroupChListView& list_;
  std::function<void()> drop_;
  bool dragging_ = false;
  QLabel* image_ = nullptr;
  int dragRow_ = 0;
  std::vector<int> dragRows_;
  int dropRow_ = -1;
  QPoint cursor_;
  int edge_ = 0;
  QTimer edgeTimer_;
};
