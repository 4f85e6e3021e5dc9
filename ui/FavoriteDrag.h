#pragma once
// A drag of one row of the favourite list, from the press that starts it to the release
// of the button: the drag image follows the cursor, the row beneath it is highlighted
// as the drop place, and the cursor says whether a drop would be taken. Held within a
// row of the list's top or bottom edge, the cursor scrolls the list a row at a time, so
// a member can be moved further than the rows in view. Only the favourite list starts a
// drag and only it takes the drop, on the row under the cursor at the release. The page
// holds the mouse meanwhile; its moves and the release of the left button are handled
// here.
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class GroupChListView;
class QLabel;
class QWidget;

class FavoriteDrag : public QObject {
 public:
  // `drop` runs when a drag ends over the favourite list, with DragRow and DropRow set.
  FavoriteDrag(QWidget& page, GroupChListView& list, std::function<void()> drop);
  ~FavoriteDrag() override;

  bool Dragging() const { return dragging_; }
  // The row the drag began on, and the row under the cursor (-1 none or below the last).
  int DragRow() const { return dragRow_; }
  int DropRow() const { return dropRow_; }

  void Begin(int row);

  // The list scrolls a row this often while the cursor is held at its edge.
  static constexpr int kEdgeScrollMs = 50;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Move(const QPoint& globalPos);
  // Ends the drag and clears the drop highlight; true when the button came up over the
  // favourite list, so DragRow is to be dropped on DropRow.
  bool Release(const QPoint& globalPos);
  void End();
  bool OverList(const QPoint& globalPos) const;
  void SetHighlight(bool on);
  // -1 within a row of the list's top edge, +1 of its bottom edge, else 0.
  int EdgeAt(const QPoint& globalPos) const;
  void ScrollAtEdge();

  QWidget& page_;
  GroupChListView& list_;
  std::function<void()> drop_;
  bool dragging_ = false;
  QLabel* image_ = nullptr;
  int dragRow_ = 0;
  int dropRow_ = -1;
  QPoint cursor_;
  int edge_ = 0;
  QTimer edgeTimer_;
};
