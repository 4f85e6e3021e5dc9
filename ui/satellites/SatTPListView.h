#pragma once
// The report-style list both halves of the "Satellite/Transponder" page use: whole
// rows selected one at a time, grid lines, a tool tip with a cell's full text, and
// the Insert and Delete keys and double clicks handed to the page as commands.
#include <QTreeWidget>

class SatTPListView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit SatTPListView(QWidget* parent = nullptr);

  // Width of the area the columns share (the list without its frame).
  int ClientWidth() const;

  // The row marked as selected, or -1 unless exactly one row is.
  int SingleSelectedRow() const;

  // Marks one row as the selection and scrolls it into view.
  void MarkRow(int row);

 signals:
  // Insert or Delete pressed in the list (Qt::Key_Insert or Qt::Key_Delete).
  void commandKey(int key);
  // A double click anywhere in the rows area, on a row or not.
  void doubleClickedAnywhere();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
  bool viewportEvent(QEvent* event) override;
};
