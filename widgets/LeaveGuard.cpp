#include "widgets/LeaveGuard.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// Keys that never change a list's row: the focus, the menus and bare modifiers.
bool StaysOnRow(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Menu:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
      return true;
    default:
      return key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
  }
}

}  // namespace

LeaveGuard::LeaveGuard(QAbstractItemView* list, std::function<bool(int)> mayLeave)
    : QObject(list), list_(list), viewport_(list->viewport()), mayLeave_(std::move(mayLeave)) {}

void LeaveGuard::Attach(QAbstractItemView* list, std::function<bool(int row)> mayLeave) {
  auto* guard = new LeaveGuard(list, std::move(mayLeave));
  list->installEventFilter(guard);
  list->viewport()->installEventFilter(guard);
}

bool LeaveGuard::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
      watched == viewport_) {
    const QModelIndex index = list_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    // A press below the rows selects nothing new.
    if (!index.isValid()) return false;
    if (mayLeave_(index.row())) return false;
    event->accept();
    return true;
  }
  if (event->type() == QEvent::KeyPress && watched == list_) {
    if (StaysOnRow(*static_cast<QKeyEvent*>(event)) || mayLeave_(-1)) return false;
    event->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
