#include "ui/channels/ListFilter.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/channels/GroupChListView.h"

ListFilter::ListFilter(QLineEdit& field, GroupChListView& list, KeysOfRow keys)
    : QObject(&field), field_(field), list_(list), keys_(std::move(keys)) {
  field.setClearButtonEnabled(true);
  field.installEventFilter(this);
  connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (guard_ && text != applied_ && !guard_(text)) {
      const QSignalBlocker block(&field_);
      field_.setText(applied_);
      return;
    }
    applied_ = text;
    Apply();
  });
}

bool ListFilter::Active() const { return !field_.text().trimmed().isEmpty(); }

bool ListFilter::Matches(const QString& text, int row, const RowKeys& keys) {
  if (keys.name.contains(text, Qt::CaseInsensitive)) return true;
  bool isNumber = false;
  const int number = text.toInt(&isNumber);
  return isNumber && (number == row + 1 || number == keys.serviceId);
}

void ListFilter::Apply() {
  const QString text = field_.text().trimmed();
  const int rows = list_.count();
  // A hidden row leaves the selection, in one change: what is acted on is what is shown.
  QItemSelection leaving;
  list_.setUpdatesEnabled(false);
  for (int row = 0; row < rows; ++row) {
    const bool hide = !text.isEmpty() && !Matches(text, row, keys_(row));
    if (list_.isRowHidden(row) == hide) continue;
    list_.setRowHidden(row, hide);
    if (hide && list_.item(row)->isSelected()) {
      const QModelIndex index = list_.model()->index(row, 0);
      leaving.select(index, index);
    }
  }
  list_.setUpdatesEnabled(true);
  if (!leaving.isEmpty()) list_.selectionModel()->select(leaving, QItemSelectionModel::Deselect);
  if (QListWidgetItem* current = list_.currentItem(); current && !current->isHidden()) list_.scrollToItem(current);
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &field_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !field_.text().isEmpty()) {
    field_.clear();
    return true;
  }
  return false;
}
