#pragma once
// One of the two program lists of the "Group/Channel" page. It reports what the page
// acts on (Insert/Delete keys, right clicks, clicks and the focus, the start of a drag),
// shows the drop highlight while a dragged member hovers over a row, and shows whether
// it is the list the page acts on.
#include <QListWidget>
#include <QPoint>
#include <vector>

class GroupChListView : public QListWidget {
  Q_OBJECT
 public:
  // Marks a row as the place a dragged member would be dropped.
  static constexpr int kDropHighlightRole = Qt::UserRole + 1;

  explicit GroupChListView(QWidget* parent = nullptr);

  // A list whose rows can be dragged to another place in it.
  void SetDragSource(bool on) { dragSource_ = on; }

  // Row under a point of the viewport, -1 below the last row or on no row.
  int RowAt(const QPoint& viewportPos) const;
  void SetDropHighlight(int row, bool on);
  bool IsDropHighlighted(int row) const;

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

 signals:
  void KeyCommand(int key);
  // A key that moves the selected rows (a RowMove of ui/channels/RowMoves.h).
  void MoveKey(int move);
  // Ctrl+L (true) or Ctrl+Shift+L (false): lock or unlock the selected programs.
  void LockKey(bool locked);
  void ContextMenuAt(const QPoint& globalPos);
  void BeginDrag(int row);
  // A mouse button went down on the list, or the keyboard focus came to it.
  void Activated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool dragSource_ = false;
  bool activeLook_ = true;
  int pressRow_ = -1;
  int deferredRow_ = -1;  // pressed among several selected rows; selected alone at the release
  QPoint pressPos_;
};
