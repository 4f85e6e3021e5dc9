#pragma once
// The name cell of a channel list edited in place (double-click or F2): the field holds
// as many characters as the record does, and what the user typed goes to `rename` once
// the editor has closed, so the page may ask or refuse without an editor under it.
#include <QStyledItemDelegate>
#include <functional>

class NameCellDelegate : public QStyledItemDelegate {
 public:
  NameCellDelegate(QObject* parent, std::function<void(int row, const QString& text)> rename);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 private:
  std::function<void(int, const QString&)> rename_;
};
